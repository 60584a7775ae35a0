// Shows a user control on a form: a child widget that paints the control's
// surface as it is, clipped to the window region, and turns Qt's mouse, key,
// focus, show/hide and resize events into the window's messages. The
// pointer's position is fed to the layer, so leave tracking works; the
// container's tooltip comes from the control's Extender, the pointer shape
// from its MousePointer.
#pragma once

#include <QPointer>
#include <QWidget>

#include "host/ControlView.h"
#include "host/UserControlHost.h"

namespace presenter {

class ControlWidget : public QWidget {
public:
    ControlWidget(host::UserControl& control, QWidget* parent);

    win32::HWND hWnd() const { return control_ ? control_->hWnd() : nullptr; }
    // The control is going away; the widget (deleted later) no longer asks it anything.
    void Detach() { control_ = nullptr; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void SendMouse(unsigned int message, QMouseEvent* event, bool captured = false);
    bool SendKey(unsigned int message, QKeyEvent* event);
    void FeedPointer(QPoint global);
    bool InsideWindowRegion(QPoint at) const;
    void SyncPlace();

    host::UserControl* control_;
    Qt::MouseButtons pressed_;  // pressed on the window: their releases come here
};

class ControlWindow : public host::ControlView {
public:
    ControlWindow(host::UserControlHost& control, QWidget* parent);
    ~ControlWindow() override;

    QWidget* Widget() const { return widget_; }
    void RepaintNow() override {
        if (widget_) widget_->repaint();
    }

private:
    host::UserControlHost& control_;
    QPointer<ControlWidget> widget_;  // owned by its parent widget, which may go first
    int surfaceConnection_ = 0;
    int pointerConnection_ = 0;
};

}  // namespace presenter

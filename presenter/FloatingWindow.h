// Shows a picture box of the layer that was made a top-level window (as a
// control's About box is) as a real top-level Qt window: a title bar when
// its style has a caption, a sizing border with WS_THICKFRAME, the boxes
// that come with a system menu, on top of the others with WS_EX_TOPMOST.
// Its client area is the box's surface, as painted; mouse buttons and moves
// become the box's messages; closing it hides the box, as a click would.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <map>
#include <set>

#include "host/PictureBox.h"
#include "platform/user/WindowPresenter.h"

namespace presenter {

class FloatingWindow : public QWidget {
public:
    FloatingWindow(host::PictureBox& box);
    ~FloatingWindow() override;

    win32::HWND hWnd() const { return hwnd_; }
    // Takes the layer's style, title, place and visibility.
    void FollowLayer();
    // The box is going away; the window (deleted later) asks it nothing more.
    void Detach();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void SendMouse(unsigned int message, QMouseEvent* event);
    void TellLayerWhereItIs();

    host::PictureBox* box_;
    win32::HWND hwnd_;
    int surfaceConnection_ = 0;
    bool placed_ = false;   // put on the screen once; the user may move it since
    win32::RECT agreed_{};  // the layer's rectangle as we last left it
};

// Which layer windows get a FloatingWindow: picture boxes while they are
// top-level. Fed with the layer's notifications; acts once the current
// message is done, so a sequence of changes shows one settled window.
class FloatingWindows {
public:
    ~FloatingWindows();
    void WindowChanged(win32::HWND hwnd, win32::WindowChange what);
    void WindowDestroyed(win32::HWND hwnd);
    // The on-screen window of a layer window, or nullptr.
    FloatingWindow* WindowOf(win32::HWND hwnd) const;

private:
    void FollowPending();
    void Follow(win32::HWND hwnd);
    void Drop(win32::HWND hwnd);

    std::map<win32::HWND, QPointer<FloatingWindow>> windows_;
    std::set<win32::HWND> pending_;
    bool followQueued_ = false;
    QObject queue_;  // what the queued follow-up belongs to: it dies with us
};

}  // namespace presenter

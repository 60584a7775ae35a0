// The on-screen window of a host::Form: fixed client size, caption, icon,
// and one view per control. Closing it asks the form to unload.
#pragma once

#include <QKeyEvent>
#include <QWidget>
#include <memory>
#include <vector>

#include "host/ControlView.h"
#include "host/Form.h"

namespace presenter {

class FileDrop;

class FormWindow : public QWidget {
public:
    explicit FormWindow(host::Form& form);
    ~FormWindow() override;

    host::Form& Form() const { return form_; }
    // The form is going away: views let go of their controls, the window
    // stops asking it anything.
    void Detach();
    // Centred in the screen's available area, as the form opens.
    void PlaceCentred();
    // A close request that waits until the form is no longer busy.
    bool closeDeferred = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void SyncWindowRect();
    bool RouteAccessKey(const QKeyEvent* key);

    host::Form& form_;
    // Under X11 a held key may come as a plain release and press at one
    // instant: the press repeats the key.
    struct KeyRelease {
        int key = 0;
        quint64 time = 0;
    } lastRelease_;
    std::vector<std::unique_ptr<host::ControlView>> views_;
    std::unique_ptr<FileDrop> fileDrop_;
    bool detached_ = false;
};

}  // namespace presenter

// Puts the program on screen with Qt Widgets: forms, message boxes, file
// dialogs, and the layer's message queue and timers driven by Qt's loop.
// One instance, created after QApplication; installs itself everywhere for
// its lifetime.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <map>

#include "host/FormDisplay.h"
#include "platform/user/WindowPresenter.h"
#include "presenter/FloatingWindow.h"
#include "presenter/QtFileDialogs.h"
#include "presenter/QtMessageBoxes.h"
#include "presenter/TooltipWindows.h"

namespace presenter {

class FormWindow;

class QtPresenter : public QObject, public host::FormDisplay, public win32::WindowPresenter {
public:
    QtPresenter();
    ~QtPresenter() override;

    // The on-screen window of a shown form, or nullptr.
    FormWindow* WindowOf(const host::Form& form) const;

    // host::FormDisplay
    void ShowForm(host::Form& form) override;
    void CloseForm(host::Form& form) override;
    void BeginBusy(host::Form& form) override;
    void EndBusy(host::Form& form) override;

    // The view of a tooltip window, or nullptr.
    TooltipView* TooltipViewOf(win32::HWND hwnd) const { return tooltips_.ViewOf(hwnd); }
    // The on-screen window of a layer window made top-level, or nullptr.
    FloatingWindow* FloatingWindowOf(win32::HWND hwnd) const { return floating_.WindowOf(hwnd); }

    // win32::WindowPresenter
    void MessagePosted() override;
    void TimersChanged() override;
    void WindowCreated(win32::HWND hwnd) override { tooltips_.Created(hwnd); }
    void WindowDestroyed(win32::HWND hwnd) override;
    void WindowChanged(win32::HWND hwnd, win32::WindowChange what) override;
    void Invalidate(win32::HWND hwnd) override;

protected:
    // While what queued up during a busy spell is drained, input to the
    // form is dropped and a close request is held back.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Pump();

    QtMessageBoxes messageBoxes_;
    QtFileDialogs fileDialogs_;
    TooltipWindows tooltips_;
    std::map<const host::Form*, FormWindow*> windows_;
    FloatingWindows floating_;
    FormWindow* draining_ = nullptr;
    bool pumpQueued_ = false;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 clockFed_ = 0;
};

}  // namespace presenter

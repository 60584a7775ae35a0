#include "presenter/QtPresenter.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

#include "host/Form.h"
#include "host/MsgBox.h"
#include "platform/comdlg/FileDialogProvider.h"
#include "platform/kernel/KernelExtensions.h"
#include "platform/kernel/Pipes.h"
#include "platform/user/SystemParameters.h"
#include "platform/user/Timers.h"
#include "platform/user/UserExtensions.h"
#include "platform/user/Window.h"
#include "presenter/FormWindow.h"
#include "presenter/TextBoxView.h"

namespace presenter {
namespace {

bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::ShortcutOverride: return true;
        default: return false;
    }
}

}  // namespace

QtPresenter::QtPresenter() {
    host::SetFormDisplay(this);
    host::SetMessageBoxProvider(&messageBoxes_);
    win32::SetFileDialogProvider(&fileDialogs_);
    win32::SetWindowPresenter(this);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect a = screen->availableGeometry();
        win32::SetWorkArea({a.left(), a.top(), a.left() + a.width(), a.top() + a.height()});
    }
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { Pump(); });
    clock_.start();
}

QtPresenter::~QtPresenter() {
    for (auto& [form, window] : windows_) {
        window->Detach();
        delete window;
    }
    win32::SetWindowPresenter(nullptr);
    win32::SetFileDialogProvider(nullptr);
    host::SetMessageBoxProvider(nullptr);
    host::SetFormDisplay(nullptr);
}

FormWindow* QtPresenter::WindowOf(const host::Form& form) const {
    const auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second;
}

void QtPresenter::ShowForm(host::Form& form) {
    if (WindowOf(form)) return;
    auto* window = new FormWindow(form);
    windows_[&form] = window;
    window->PlaceCentred();
    window->show();
    window->activateWindow();
}

void QtPresenter::CloseForm(host::Form& form) {
    FormWindow* window = WindowOf(form);
    if (!window) return;
    windows_.erase(&form);
    window->Detach();
    window->hide();
    // The request may come from inside one of the window's own handlers.
    window->deleteLater();
}

void QtPresenter::BeginBusy(host::Form&) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Output read while busy is shown before the program waits for more.
    win32::SetPipeWaitHandler(
        [](const std::function<bool(int)>& waitForData) { TextBoxView::CatchUp(waitForData); });
}

void QtPresenter::EndBusy(host::Form& form) {
    win32::SetPipeWaitHandler({});
    QApplication::restoreOverrideCursor();
    FormWindow* window = WindowOf(form);
    if (!window) return;
    // Whatever the user did while the program was busy is dropped; a close
    // request survives and is carried out now that the run is over.
    draining_ = window;
    qApp->installEventFilter(this);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    qApp->removeEventFilter(this);
    draining_ = nullptr;
    if (window->closeDeferred) {
        window->closeDeferred = false;
        QMetaObject::invokeMethod(
            window, [&form] { form.Unload(host::UnloadMode::FormControlMenu); }, Qt::QueuedConnection);
    }
}

bool QtPresenter::eventFilter(QObject* watched, QEvent* event) {
    if (!draining_ || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != draining_) return false;
    if (event->type() == QEvent::Close && widget == draining_) {
        draining_->closeDeferred = true;
        event->ignore();
        return true;
    }
    return IsUserInput(event->type());
}

void QtPresenter::MessagePosted() {
    if (pumpQueued_) return;
    pumpQueued_ = true;
    QMetaObject::invokeMethod(
        this, [this] { Pump(); }, Qt::QueuedConnection);
}

void QtPresenter::WindowChanged(win32::HWND hwnd, win32::WindowChange what) {
    if (!tooltips_.Changed(hwnd, what)) floating_.WindowChanged(hwnd, what);
}

void QtPresenter::WindowDestroyed(win32::HWND hwnd) {
    if (!tooltips_.Destroyed(hwnd)) floating_.WindowDestroyed(hwnd);
}

// The window's WM_PAINT comes from the queue: have it pumped soon.
void QtPresenter::Invalidate(win32::HWND hwnd) {
    tooltips_.Invalidated(hwnd);
    MessagePosted();
}

void QtPresenter::TimersChanged() {
    const win32::DWORD due = win32::MillisecondsUntilNextTimer();
    if (due == 0xFFFFFFFF) {
        timer_.stop();
    } else {
        timer_.start(static_cast<int>(due));
    }
}

// Feeds the layer's message clock from real time, then dispatches what is due.
void QtPresenter::Pump() {
    pumpQueued_ = false;
    const qint64 now = clock_.elapsed();
    win32::AdvanceMessageClock(static_cast<win32::DWORD>(now - clockFed_));
    clockFed_ = now;
    win32::PumpPendingMessages();
    TimersChanged();
}

}  // namespace presenter

#include "presenter/FloatingWindow.h"

#include <QCloseEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"
#include "presenter/MouseMessages.h"

namespace presenter {
namespace {

using namespace win32;

DWORD StyleOf(HWND hwnd) { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }

// A child made top-level by SetParent keeps WS_CHILD: what counts is that
// it has no parent left.
bool IsTopLevel(HWND hwnd) { return !(StyleOf(hwnd) & WS_CHILD) || GetParent(hwnd) == nullptr; }

Qt::WindowFlags FlagsFor(DWORD style, DWORD exStyle) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    flags |= (style & WS_CAPTION) == WS_CAPTION ? Qt::WindowTitleHint : Qt::FramelessWindowHint;
    // The boxes come with the system menu only, as on the platform.
    if (style & WS_SYSMENU) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
        if (style & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
    }
    if (exStyle & WS_EX_TOPMOST) flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

}  // namespace

FloatingWindow::FloatingWindow(host::PictureBox& box) : box_(&box), hwnd_(box.hWnd()) {
    setMouseTracking(true);
    // Shown without taking the focus from the window the user works in, as
    // SWP_SHOWWINDOW does.
    setAttribute(Qt::WA_ShowWithoutActivating);
    surfaceConnection_ = box.SurfaceUpdated.Connect([self = QPointer<FloatingWindow>(this)] {
        if (self) self->update();
    });
}

FloatingWindow::~FloatingWindow() { Detach(); }

void FloatingWindow::Detach() {
    if (box_) box_->SurfaceUpdated.Disconnect(surfaceConnection_);
    box_ = nullptr;
    hwnd_ = nullptr;
}

void FloatingWindow::FollowLayer() {
    if (!box_ || !IsWindow(hwnd_)) return;
    const DWORD style = StyleOf(hwnd_);
    const Qt::WindowFlags flags = FlagsFor(style, static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_EXSTYLE)));
    if (flags != windowFlags()) setWindowFlags(flags);  // hides the window; shown again below
    char title[256] = {};
    GetWindowTextA(hwnd_, title, sizeof title);
    setWindowTitle(QString::fromUtf8(title));
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    const QSize size(rect.right - rect.left, rect.bottom - rect.top);
    if (style & WS_THICKFRAME) {
        setMinimumSize(1, 1);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(size);
    } else {
        setFixedSize(size);
    }
    // The program's place for a top-level window is where its frame
    // starts, as on the platform; later the user may move it.
    if (!placed_ || rect != agreed_) move(rect.left, rect.top);
    placed_ = true;
    agreed_ = rect;
    if (!(style & WS_VISIBLE)) {
        hide();
        return;
    }
    show();
    raise();
}

void FloatingWindow::paintEvent(QPaintEvent*) {
    if (!box_) return;
    const BitmapPixels surface = GetBitmapPixels(box_->hDC());
    if (!surface.data) return;
    // 0x00RRGGBB pixels: Qt's RGB32, shown without conversion.
    const QImage image(reinterpret_cast<const uchar*>(surface.data), surface.width, surface.height,
                       surface.width * 4, QImage::Format_RGB32);
    QPainter(this).drawImage(0, 0, image);
}

void FloatingWindow::SendMouse(UINT message, QMouseEvent* event) {
    if (!message || !IsWindow(hwnd_) || !IsWindowEnabled(hwnd_)) return;
    const QPoint global = event->globalPosition().toPoint();
    NotifyPointerMoved({global.x(), global.y()});
    const QPoint at = event->position().toPoint();
    SendMessageA(hwnd_, message, MouseKeyState(event->buttons(), event->modifiers()),
                 MAKELPARAM(at.x(), at.y()));
}

void FloatingWindow::mousePressEvent(QMouseEvent* event) {
    SendMouse(ButtonMessage(event->button(), true), event);
}
void FloatingWindow::mouseReleaseEvent(QMouseEvent* event) {
    SendMouse(ButtonMessage(event->button(), false), event);
}
void FloatingWindow::mouseMoveEvent(QMouseEvent* event) { SendMouse(WM_MOUSEMOVE, event); }

// The window has no close box of its own; the desktop's close request hides
// it, as a click in it does, and the box stays for the next time. The
// request is granted, so the application can still quit with it open.
void FloatingWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (IsWindow(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
}

void FloatingWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    TellLayerWhereItIs();
}

void FloatingWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    TellLayerWhereItIs();
}

void FloatingWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    TellLayerWhereItIs();
}

// The layer's window is the client area where it really is, so the
// pointer's position means the same on both sides.
void FloatingWindow::TellLayerWhereItIs() {
    if (!IsWindow(hwnd_) || !isVisible()) return;
    const QPoint topLeft = mapToGlobal(QPoint(0, 0));
    const RECT now{topLeft.x(), topLeft.y(), topLeft.x() + width(), topLeft.y() + height()};
    agreed_ = now;
    RECT layer;
    GetWindowRect(hwnd_, &layer);
    if (layer != now) MoveWindow(hwnd_, now.left, now.top, width(), height(), TRUE);
}

FloatingWindows::~FloatingWindows() {
    for (auto& [hwnd, window] : windows_) delete window.data();
}

FloatingWindow* FloatingWindows::WindowOf(HWND hwnd) const {
    const auto it = windows_.find(hwnd);
    return it == windows_.end() ? nullptr : it->second.data();
}

void FloatingWindows::WindowChanged(HWND hwnd, WindowChange what) {
    if (what == WindowChange::Focus || what == WindowChange::Capture) return;
    if (!WindowOf(hwnd) && !host::PictureBox::FromHwnd(hwnd)) return;
    pending_.insert(hwnd);
    if (followQueued_) return;
    followQueued_ = true;
    QTimer::singleShot(0, &queue_, [this] { FollowPending(); });
}

void FloatingWindows::WindowDestroyed(HWND hwnd) {
    pending_.erase(hwnd);
    Drop(hwnd);
}

void FloatingWindows::FollowPending() {
    followQueued_ = false;
    const std::set<HWND> pending = std::exchange(pending_, {});
    for (HWND hwnd : pending) Follow(hwnd);
}

void FloatingWindows::Follow(HWND hwnd) {
    host::PictureBox* box = host::PictureBox::FromHwnd(hwnd);
    if (!box || !IsWindow(hwnd) || !IsTopLevel(hwnd)) {
        Drop(hwnd);
        return;
    }
    FloatingWindow* window = WindowOf(hwnd);
    if (!window) {
        window = new FloatingWindow(*box);
        windows_[hwnd] = window;
    }
    window->FollowLayer();
}

void FloatingWindows::Drop(HWND hwnd) {
    const auto it = windows_.find(hwnd);
    if (it == windows_.end()) return;
    if (FloatingWindow* window = it->second.data()) {
        window->Detach();
        window->hide();
        // The request may come from inside one of the window's own handlers.
        window->deleteLater();
    }
    windows_.erase(it);
}

}  // namespace presenter

#include "presenter/ControlWindow.h"

#include <QApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QTimer>
#include <QToolTip>

#include "host/Twips.h"
#include "host/UserControlSendKeys.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/GdiScoped.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"
#include "presenter/FormWindow.h"
#include "presenter/KeyboardState.h"
#include "presenter/MouseMessages.h"

namespace presenter {
namespace {

using namespace win32;

// The virtual-key code of a Qt key, 0 for keys the controls never see.
WPARAM VirtualKey(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<WPARAM>(key);  // same codes
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<WPARAM>(key);
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab: return VK_TAB;
        case Qt::Key_Return:
        case Qt::Key_Enter: return VK_RETURN;
        case Qt::Key_Escape: return VK_ESCAPE;
        case Qt::Key_Space: return VK_SPACE;
        case Qt::Key_Left: return VK_LEFT;
        case Qt::Key_Up: return VK_UP;
        case Qt::Key_Right: return VK_RIGHT;
        case Qt::Key_Down: return VK_DOWN;
        default: return 0;
    }
}

// A key message's lParam: repeat count 1, bit 30 when the key was down
// before (a repeat, and every key-up), bit 31 for a key-up.
LPARAM KeyMessageFlags(UINT message, bool repeated) {
    const bool up = message == WM_KEYUP || message == WM_SYSKEYUP;
    LPARAM flags = 1;
    if (repeated || up) flags |= LPARAM{1} << 30;
    if (up) flags |= LPARAM{1} << 31;
    return flags;
}

// The runtime's pointer codes as Qt shapes (0 is the default; 99, a custom
// pointer, has no image here and shows the default too).
Qt::CursorShape PointerShape(std::int16_t code) {
    switch (code) {
        case 2: return Qt::CrossCursor;
        case 3: return Qt::IBeamCursor;
        case 5: return Qt::SizeAllCursor;
        case 6: return Qt::SizeBDiagCursor;
        case 7: return Qt::SizeVerCursor;
        case 8: return Qt::SizeFDiagCursor;
        case 9: return Qt::SizeHorCursor;
        case 10: return Qt::UpArrowCursor;
        case 11: return Qt::WaitCursor;
        case 12: return Qt::ForbiddenCursor;
        case 13: return Qt::BusyCursor;
        case 14: return Qt::WhatsThisCursor;
        case 15: return Qt::SizeAllCursor;
        default: return Qt::ArrowCursor;
    }
}

// "{TAB}" and "+{TAB}" from a control: the focus moves along Qt's tab chain,
// which the form window built from the tab indices.
void MoveFocus(HWND, bool forward) {
    QWidget* current = QApplication::focusWidget();
    if (!current) return;
    QWidget* next = current;
    do {
        next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled()) {
            next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    } while (next != current);
}

}  // namespace

ControlWidget::ControlWidget(host::UserControl& control, QWidget* parent)
    : QWidget(parent), control_(&control) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

// The surface's pixels are 0x00RRGGBB, Qt's RGB32: shown without conversion.
void ControlWidget::paintEvent(QPaintEvent*) {
    if (!control_) return;
    const BitmapPixels surface = GetBitmapPixels(control_->hDC());
    if (!surface.data) return;
    const QImage image(reinterpret_cast<const uchar*>(surface.data), surface.width, surface.height,
                       surface.width * 4, QImage::Format_RGB32);
    QPainter painter(this);
    const win32::ScopedRegion region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(hWnd(), region.Get()) != ERROR) {
        QRegion clip;
        for (const RECT& r : GetRegionRects(region.Get()))
            clip += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
        painter.setClipRegion(clip);
    }
    painter.drawImage(0, 0, image);
}

bool ControlWidget::InsideWindowRegion(QPoint at) const {
    const win32::ScopedRegion region(CreateRectRgn(0, 0, 0, 0));
    return GetWindowRgn(hWnd(), region.Get()) == ERROR || PtInRegion(region.Get(), at.x(), at.y());
}

void ControlWidget::FeedPointer(QPoint global) {
    SyncPlace();  // the form may have moved on screen since
    NotifyPointerMoved({global.x(), global.y()});
}

void ControlWidget::SendMouse(UINT message, QMouseEvent* event, bool captured) {
    // A disabled window gets no mouse input.
    if (!message || !IsWindowEnabled(hWnd())) return;
    const QPoint at = event->position().toPoint();
    FeedPointer(event->globalPosition().toPoint());
    // Outside the window region the pointer is over the form behind, which
    // gets the event, unless the window holds the pointer since a press.
    if (!captured && !InsideWindowRegion(at)) {
        event->ignore();
        return;
    }
    SendMessageA(hWnd(), message, MouseKeyState(event->buttons(), event->modifiers()),
                 MAKELPARAM(at.x(), at.y()));
}

void ControlWidget::mousePressEvent(QMouseEvent* event) {
    SendMouse(ButtonMessage(event->button(), true), event);
    if (event->isAccepted()) pressed_ |= event->button();
}

// The window that got the press gets the release, wherever the pointer is
// by then: the platform's implicit capture.
void ControlWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool captured = pressed_.testFlag(event->button());
    pressed_ &= ~event->button();
    SendMouse(ButtonMessage(event->button(), false), event, captured);
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    SendMouse(event->button() == Qt::LeftButton ? WM_LBUTTONDBLCLK : ButtonMessage(event->button(), true),
              event);
    if (event->isAccepted()) pressed_ |= event->button();
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event) { SendMouse(WM_MOUSEMOVE, event); }

// The pointer arriving over the window is a move over it, also when the
// window appeared under a resting pointer.
void ControlWidget::enterEvent(QEnterEvent* event) {
    FeedPointer(event->globalPosition().toPoint());
    const QPoint at = event->position().toPoint();
    if (!IsWindowEnabled(hWnd()) || !InsideWindowRegion(at)) return;
    SendMessageA(hWnd(), WM_MOUSEMOVE,
                 MouseKeyState(QApplication::mouseButtons(), QApplication::keyboardModifiers()),
                 MAKELPARAM(at.x(), at.y()));
}

void ControlWidget::leaveEvent(QEvent*) {
    // Where the pointer went; a pointer that Qt still places on us has left
    // all the same.
    QPoint where = QCursor::pos();
    if (rect().contains(mapFromGlobal(where))) where = mapToGlobal(QPoint(-1, -1));
    FeedPointer(where);
}

bool ControlWidget::SendKey(UINT message, QKeyEvent* event) {
    const WPARAM key = VirtualKey(event->key());
    if (!key || !IsWindowEnabled(hWnd())) return false;
    if (event->modifiers() & Qt::AltModifier) message = message == WM_KEYDOWN ? WM_SYSKEYDOWN : WM_SYSKEYUP;
    SendMessageA(hWnd(), message, key, KeyMessageFlags(message, event->isAutoRepeat()));
    return true;
}

void ControlWidget::keyPressEvent(QKeyEvent* event) {
    if (!SendKey(WM_KEYDOWN, event)) QWidget::keyPressEvent(event);
}

// Qt reports a held key as release and press pairs; the platform sends
// repeated key-downs and one key-up, when the key is let go.
void ControlWidget::keyReleaseEvent(QKeyEvent* event) {
    if (VirtualKey(event->key()) && (event->isAutoRepeat() || StillHeldDown(*event))) return;
    if (!SendKey(WM_KEYUP, event)) QWidget::keyReleaseEvent(event);
}

bool ControlWidget::event(QEvent* event) {
    // Tab moves the focus before keyPressEvent would see it; the control
    // still gets its key-down first.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            SendMessageA(hWnd(), WM_KEYDOWN, 9, KeyMessageFlags(WM_KEYDOWN, key->isAutoRepeat()));
    }
    if (event->type() == QEvent::ToolTip) {
        const std::string text = control_ ? control_->Extender().ToolTipText() : std::string();
        auto* help = static_cast<QHelpEvent*>(event);
        if (text.empty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), QString::fromUtf8(text), this);
        return true;
    }
    return QWidget::event(event);
}

void ControlWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (GetFocus() != hWnd()) SetFocus(hWnd());
}

void ControlWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (GetFocus() == hWnd()) SetFocus(nullptr);
}

void ControlWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    SyncPlace();
    ShowWindow(hWnd(), SW_SHOW);
}

void ControlWidget::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (hWnd()) ShowWindow(hWnd(), SW_HIDE);
}

void ControlWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    SyncPlace();
}

void ControlWidget::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    SyncPlace();
}

// Moves a layer window so its top-left is at `at` (in its parent's client
// coordinates, or on the screen), keeping or setting its size.
static void Place(HWND hwnd, QPoint at, int width, int height) {
    RECT now;
    GetWindowRect(hwnd, &now);
    POINT topLeft{now.left, now.top};
    if (const HWND parent = GetParent(hwnd)) ScreenToClient(parent, &topLeft);
    if (topLeft.x == at.x() && topLeft.y == at.y() && now.right - now.left == width &&
        now.bottom - now.top == height)
        return;
    MoveWindow(hwnd, at.x(), at.y(), width, height, TRUE);
}

// The layer's windows stay where Qt shows the widgets, so the pointer's
// position means the same in both: the control's window inside its parent
// window (the form's), and that parent on the screen, as the form window
// on screen may have been placed or moved after it last told the layer.
void ControlWidget::SyncPlace() {
    if (!hWnd()) return;
    const HWND parent = GetParent(hWnd());
    if (parent && parentWidget()) {
        RECT p;
        GetWindowRect(parent, &p);
        Place(parent, parentWidget()->mapToGlobal(QPoint(0, 0)), p.right - p.left, p.bottom - p.top);
    }
    Place(hWnd(), parent ? pos() : mapToGlobal(QPoint(0, 0)), width(), height());
}

ControlWindow::ControlWindow(host::UserControlHost& control, QWidget* parent)
    : control_(control), widget_(new ControlWidget(control.UserControl(), parent)) {
    host::SetFocusMover(&MoveFocus);
    host::UserControl& uc = control.UserControl();
    widget_->setObjectName(QString::fromUtf8(control.name));
    widget_->setGeometry(host::TwipsToPixels(control.left), host::TwipsToPixels(control.top),
                         host::TwipsToPixels(control.width), host::TwipsToPixels(control.height));
    // The control's window joins the form's window, where the widget sits.
    if (parent) {
        const auto* form = dynamic_cast<FormWindow*>(parent);
        const HWND formWindow = form ? form->Form().hWnd() : nullptr;
        if (formWindow && GetParent(uc.hWnd()) != formWindow) {
            // A child of the form from now on: placed in its client area.
            const LONG style = GetWindowLongA(uc.hWnd(), GWL_STYLE);
            SetWindowLongA(uc.hWnd(), GWL_STYLE,
                           static_cast<LONG>((static_cast<DWORD>(style) & ~WS_POPUP) | WS_CHILD));
            SetParent(uc.hWnd(), formWindow);
        }
    }
    // The surface changes inside handlers; the widget follows, and picks up
    // an enabled state assigned after the repaint.
    surfaceConnection_ = uc.SurfaceUpdated.Connect([widget = widget_] {
        if (!widget) return;
        widget->update();
        QTimer::singleShot(0, widget, [widget] {
            if (widget) widget->setEnabled(IsWindowEnabled(widget->hWnd()));
        });
    });
    widget_->setEnabled(IsWindowEnabled(uc.hWnd()));
    widget_->setCursor(PointerShape(uc.MousePointer()));
    pointerConnection_ =
        uc.PropertyChangedNotification.Connect([widget = widget_, &uc](const std::string& name) {
            if (widget && name == "MousePointer") widget->setCursor(PointerShape(uc.MousePointer()));
        });
    control_.SetView(this);
}

ControlWindow::~ControlWindow() {
    if (widget_) widget_->Detach();
    control_.UserControl().SurfaceUpdated.Disconnect(surfaceConnection_);
    control_.UserControl().PropertyChangedNotification.Disconnect(pointerConnection_);
    if (control_.View() == this) control_.SetView(nullptr);
}

}  // namespace presenter

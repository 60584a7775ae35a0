#include "presenter/TooltipWindows.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWindow>
#include <cstring>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/GdiScoped.h"
#include "platform/user/Tooltips.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"

namespace presenter {
namespace {

using namespace win32;

bool IsTooltip(HWND hwnd) {
    char name[sizeof TOOLTIPS_CLASSA + 1] = {};
    return GetClassNameA(hwnd, name, sizeof name) > 0 && std::strcmp(name, TOOLTIPS_CLASSA) == 0;
}

}  // namespace

TooltipView::TooltipView(HWND tooltip)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                           Qt::WindowTransparentForInput),
      tooltip_(tooltip) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setObjectName(QStringLiteral("tooltip"));
}

void TooltipView::Follow(WindowChange what) {
    switch (what) {
        case WindowChange::Geometry: FollowGeometry(); break;
        case WindowChange::Region: FollowRegion(); break;
        case WindowChange::Visibility: FollowVisibility(); break;
        default: break;
    }
}

void TooltipView::FollowGeometry() {
    RECT r;
    if (GetWindowRect(tooltip_, &r)) setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TooltipView::FollowRegion() {
    ScopedRegion region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(tooltip_, region.Get()) == ERROR) {
        clearMask();
    } else {
        QRegion mask;
        for (const RECT& r : GetRegionRects(region.Get()))
            mask += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
        setMask(mask);
    }
    PassInputThrough();
}

// On X11 a window's mask shapes its input too; the pointer must still go
// through to whatever lies beneath, so the input shape is emptied again.
void TooltipView::PassInputThrough() {
    QWindow* native = windowHandle();
    if (native == nullptr) return;
    native->setFlag(Qt::WindowTransparentForInput, false);
    native->setFlag(Qt::WindowTransparentForInput, true);
}

// Shown where the layer placed it, already shaped, without activation.
void TooltipView::FollowVisibility() {
    if (IsWindowVisible(tooltip_)) {
        FollowGeometry();
        FollowRegion();
        show();  // a tool-tip window maps on top of the others
        PassInputThrough();
    } else {
        hide();
    }
}

// The surface's pixels are 0x00RRGGBB, Qt's RGB32: shown without conversion.
void TooltipView::paintEvent(QPaintEvent*) {
    const BitmapPixels surface = GetBitmapPixels(GetTooltipSurface(tooltip_));
    if (!surface.data) return;
    const QImage image(reinterpret_cast<const uchar*>(surface.data), surface.width, surface.height,
                       surface.width * 4, QImage::Format_RGB32);
    QPainter(this).drawImage(0, 0, image);
}

bool TooltipWindows::Created(HWND hwnd) {
    if (!IsTooltip(hwnd)) return false;
    views_[hwnd] = std::make_unique<TooltipView>(hwnd);
    return true;
}

bool TooltipWindows::Destroyed(HWND hwnd) {
    // The layer has forgotten the window already: the handle alone tells.
    return views_.erase(hwnd) > 0;
}

bool TooltipWindows::Changed(HWND hwnd, WindowChange what) {
    TooltipView* view = ViewOf(hwnd);
    if (view) view->Follow(what);
    return view != nullptr;
}

bool TooltipWindows::Invalidated(HWND hwnd) {
    TooltipView* view = ViewOf(hwnd);
    if (view) view->update();
    return view != nullptr;
}

TooltipView* TooltipWindows::ViewOf(HWND hwnd) const {
    const auto it = views_.find(hwnd);
    return it == views_.end() ? nullptr : it->second.get();
}

}  // namespace presenter

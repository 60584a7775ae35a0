// Style 6: the face drawn by the system's visual-style renderer, with the
// renderer's own outline as the window region when asked. Where there is no
// renderer the style gives way to NonThemeStyle.
#include "control/Trap.h"
#include "control/raReruri.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiScoped.h"
#include "platform/user/Window.h"
#include "platform/uxtheme/ScopedTheme.h"

namespace control {
namespace {

constexpr std::int32_t kPushButtonPart = 1;

// True when the window's region already is exactly this one (no region for 0).
bool WindowHasRegion(win32::HWND hwnd, win32::HRGN region) {
    const win32::ScopedRegion current(win32::CreateRectRgn(0, 0, 0, 0));
    const bool hasOne = win32::GetWindowRgn(hwnd, current.Get()) != win32::ERROR;
    if (!region) return !hasOne;
    return hasOne && win32::EqualRgn(current.Get(), region);
}

}  // namespace

void raReruri::PaintThemedFace() {
    userControl_->SetBackColor(host::SystemColor(win32::COLOR_BTNFACE));
    const ButtonState themeState =
        hasFocus_ && currentState_ == ButtonState::Normal ? ButtonState::Defaulted : currentState_;
    // Without a renderer the fallback style is painted from the next pass on;
    // this one leaves the plain face. No property change is announced.
    if (!DrawThemedFace(u"Button", kPushButtonPart, static_cast<std::int32_t>(themeState)))
        style_ = nonThemeStyle_;
    contentMargin_ = 3;
}

bool raReruri::DrawThemedFace(win32::LPCWSTR classList, std::int32_t partId, std::int32_t stateId) {
    bool drawn = false;
    Trap([&] {
        const win32::HWND hwnd = userControl_->hWnd();
        const win32::HDC dc = userControl_->hDC();
        win32::ScopedTheme theme(win32::OpenThemeData(hwnd, classList));
        if (!theme.Get()) return;
        if (roundedBordersByTheme_) {
            const win32::RECT outer{clientRect_.left - 1, clientRect_.top - 1, clientRect_.right + 1,
                                    clientRect_.bottom + 1};
            win32::HRGN made = nullptr;
            win32::GetThemeBackgroundRegion(theme.Get(), dc, partId, stateId, &outer, &made);
            win32::ScopedRegion outline(made);
            // Handing a region over redraws the window, and this runs on every
            // repaint: the outline already in force is not handed over again,
            // or the window would never stop repainting.
            if (!WindowHasRegion(hwnd, outline.Get())) GiveWindowRegion(outline.Release());
        }
        drawn = win32::DrawThemeBackground(theme.Get(), dc, partId, stateId, &clientRect_, &clientRect_) ==
                win32::S_OK;
    });
    return drawn;
}

}  // namespace control

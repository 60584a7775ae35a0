// Style 6: the face drawn by the system's visual-style renderer, with the
// renderer's own outline as the window region when asked. Where there is no
// renderer the style gives way to NonThemeStyle.
#include "control/Trap.h"
#include "control/raReruri.h"
#include "control/styles/GdiScoped.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/Window.h"
#include "platform/uxtheme/UxTheme.h"

namespace control {
namespace {

constexpr std::int32_t kPushButtonPart = 1;

// Closes the theme handle on every way out.
class ScopedTheme {
public:
    explicit ScopedTheme(win32::HTHEME theme) : theme_(theme) {}
    ~ScopedTheme() {
        if (theme_) win32::CloseThemeData(theme_);
    }
    ScopedTheme(const ScopedTheme&) = delete;
    ScopedTheme& operator=(const ScopedTheme&) = delete;
    win32::HTHEME Get() const { return theme_; }

private:
    win32::HTHEME theme_;
};

// True when the window's region already is exactly this one (no region for 0).
bool WindowHasRegion(win32::HWND hwnd, win32::HRGN region) {
    const styles::ScopedRegion current(win32::CreateRectRgn(0, 0, 0, 0));
    const bool hasOne = win32::GetWindowRgn(hwnd, current.Get()) != win32::ERROR;
    if (!region) return !hasOne;
    return hasOne && win32::EqualRgn(current.Get(), region);
}

}  // namespace

void raReruri::PaintThemedFace() {
    userControl_->SetBackColor(host::kSystemColorFlag | win32::COLOR_BTNFACE);
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
        ScopedTheme theme(win32::OpenThemeData(hwnd, classList));
        if (!theme.Get()) return;
        if (roundedBordersByTheme_) {
            const win32::RECT outer{clientRect_.left - 1, clientRect_.top - 1, clientRect_.right + 1,
                                    clientRect_.bottom + 1};
            win32::HRGN outline = nullptr;
            win32::GetThemeBackgroundRegion(theme.Get(), dc, partId, stateId, &outer, &outline);
            // Handing a region over redraws the window, and this runs on every
            // repaint: the outline already in force is not handed over again,
            // or the window would never stop repainting.
            if (WindowHasRegion(hwnd, outline)) {
                if (outline) win32::DeleteObject(outline);
            } else {
                GiveWindowRegion(outline);
            }
        }
        drawn = win32::DrawThemeBackground(theme.Get(), dc, partId, stateId, &clientRect_, &clientRect_) ==
                win32::S_OK;
    });
    return drawn;
}

}  // namespace control

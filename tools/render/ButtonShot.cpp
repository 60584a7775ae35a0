#include "tools/render/ButtonShot.h"

#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"

namespace render_tool {
namespace {

constexpr int kTwipsPerPixel = 15;

// The pointer at the middle of the window, in screen coordinates, so the
// leave tracking the control asks for sees it inside.
win32::POINT MiddleOf(win32::HWND hwnd) {
    win32::RECT r{};
    win32::GetWindowRect(hwnd, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace

ButtonShot::ButtonShot(const host::PropertyBag& bag, int width, int height, PointerState state, bool focus) {
    host::ControlSite site;
    site.name = "raReruri1";
    site.width = width * kTwipsPerPixel;
    site.height = height * kTwipsPerPixel;
    site.ambient.UserMode = true;
    control_ = control::raReruri::Create(site);
    control_->Load(bag);
    const win32::HWND hwnd = Window();
    win32::ShowWindow(hwnd, win32::SW_SHOW);
    if (focus) win32::SendMessageA(hwnd, win32::WM_SETFOCUS, 0, 0);
    if (state == PointerState::Normal) return;
    const win32::POINT middle = MiddleOf(hwnd);
    win32::NotifyPointerMoved(middle);
    const win32::LPARAM at = win32::MAKELPARAM(width / 2, height / 2);
    win32::SendMessageA(hwnd, win32::WM_MOUSEMOVE, 0, at);
    if (state == PointerState::Pressed)
        win32::SendMessageA(hwnd, win32::WM_LBUTTONDOWN, win32::MK_LBUTTON, at);
}

ButtonShot::~ButtonShot() {
    control_.reset();
    win32::ClearMessageQueue();
}

win32::HDC ButtonShot::Surface() const { return control_->UserControl().hDC(); }
win32::HWND ButtonShot::Window() const { return control_->UserControl().hWnd(); }

}  // namespace render_tool

#include "host/UserControlSendKeys.h"

#include <vector>

#include "host/UserControl.h"
#include "platform/user/User32.h"

namespace host {
namespace {

FocusMover& Installed() {
    static FocusMover mover;
    return mover;
}

bool TakesFocus(win32::HWND hwnd) {
    return (win32::GetWindowLongA(hwnd, win32::GWL_STYLE) & static_cast<win32::LONG>(win32::WS_TABSTOP)) &&
           win32::IsWindowVisible(hwnd) && win32::IsWindowEnabled(hwnd);
}

// The headless tab order: the user controls beside the window that take
// the focus, in the order they were created.
void MoveAmongSiblings(win32::HWND from, bool forward) {
    const win32::HWND parent = win32::GetParent(from);
    std::vector<win32::HWND> ring;
    for (win32::HWND hwnd : UserControl::Windows())
        if (hwnd == from || (win32::GetParent(hwnd) == parent && TakesFocus(hwnd))) ring.push_back(hwnd);
    for (std::size_t i = 0; i < ring.size(); ++i) {
        if (ring[i] != from) continue;
        const std::size_t next = forward ? (i + 1) % ring.size() : (i + ring.size() - 1) % ring.size();
        if (ring[next] != from) win32::SetFocus(ring[next]);
        return;
    }
}

}  // namespace

void SetFocusMover(FocusMover mover) { Installed() = std::move(mover); }

bool SendKeys(std::string_view keys) {
    const bool forward = keys == "{TAB}";
    if (!forward && keys != "+{TAB}") return false;
    const win32::HWND focus = win32::GetFocus();
    if (!focus) return true;
    if (Installed())
        Installed()(focus, forward);
    else
        MoveAmongSiblings(focus, forward);
    return true;
}

}  // namespace host

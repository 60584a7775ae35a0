#include "host/AccessKeys.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "host/Form.h"
#include "host/UserControlHost.h"
#include "platform/user/User32.h"

namespace host {
namespace {

bool IsKeyCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

// The form's user controls in tab order.
std::vector<const UserControlHost*> InTabOrder(const Form& form) {
    std::vector<const UserControlHost*> hosts;
    for (const auto& control : form.Controls()) {
        if (control->Kind() == ControlKind::UserControl)
            hosts.push_back(static_cast<const UserControlHost*>(control.get()));
    }
    std::ranges::stable_sort(hosts, {}, &UserControlHost::tabIndex);
    return hosts;
}

}  // namespace

std::string AccessKeysFromCaption(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;  // a literal '&'
            continue;
        }
        if (!IsKeyCharacter(caption[i + 1])) return {};
        return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1]))));
    }
    return {};
}

bool SendAccessKey(const Form& form, win32::WPARAM virtualKey, bool repeated) {
    const auto key = static_cast<char>(std::toupper(static_cast<int>(virtualKey & 0xFF)));
    if (!IsKeyCharacter(key)) return false;
    for (const UserControlHost* host : InTabOrder(form)) {
        const win32::HWND hwnd = host->UserControl().hWnd();
        if (!win32::IsWindowVisible(hwnd) || !win32::IsWindowEnabled(hwnd)) continue;
        if (host->UserControl().AccessKeys().find(key) == std::string::npos) continue;
        // Repeat count 1; bit 29: Alt is down.
        if (!repeated) win32::SendMessageA(hwnd, win32::WM_SYSKEYDOWN, virtualKey, 0x20000001);
        return true;
    }
    return false;
}

}  // namespace host

#include <algorithm>
#include <cstring>

#include "platform/user/Window.h"
#include "platform/user/WindowInternals.h"
#include "platform/user/WindowProcCall.h"
#include "platform/user/WindowProcThunk.h"

namespace win32 {
namespace {

LRESULT CopyText(HWND hwnd, WPARAM maxCount, LPARAM buffer) {
    const user::Window* window = user::LookupWindow(hwnd);
    auto* out = reinterpret_cast<char*>(buffer);
    if (window == nullptr || out == nullptr || maxCount == 0) return 0;
    const std::size_t count = std::min<std::size_t>(window->text.size(), maxCount - 1);
    std::memcpy(out, window->text.data(), count);
    out[count] = '\0';
    return static_cast<LRESULT>(count);
}

LRESULT StoreText(HWND hwnd, LPCSTR text) {
    user::Window* window = user::LookupWindow(hwnd);
    if (window == nullptr) return FALSE;
    window->text = text ? text : "";
    user::NotifyChanged(hwnd, WindowChange::Text);
    return TRUE;
}

}  // namespace

LRESULT CallWindowProcA(WNDPROC prevWndFunc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return user::InvokeWindowProc(prevWndFunc, hwnd, msg, wParam, lParam);
}

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const user::Window* window = user::LookupWindow(hwnd);
    if (window == nullptr) return 0;
    return user::InvokeWindowProc(LongToWindowProc(window->proc), hwnd, msg, wParam, lParam);
}

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NCCREATE: {
            const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
            if (cs && cs->lpszName) StoreText(hwnd, cs->lpszName);
            return TRUE;
        }
        case WM_SETTEXT: return StoreText(hwnd, reinterpret_cast<LPCSTR>(lParam));
        case WM_GETTEXT: return CopyText(hwnd, wParam, lParam);
        case WM_GETTEXTLENGTH: {
            const user::Window* window = user::LookupWindow(hwnd);
            return window ? static_cast<LRESULT>(window->text.size()) : 0;
        }
        case WM_CLOSE: DestroyWindow(hwnd); return 0;
        case WM_PAINT: ValidateRect(hwnd, nullptr); return 0;
        case WM_NCHITTEST: return 1;      // HTCLIENT: there is no non-client area
        case WM_MOUSEACTIVATE: return 1;  // MA_ACTIVATE
        default: return 0;
    }
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR text) {
    if (!IsWindow(hwnd)) return FALSE;
    return SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) ? TRUE : FALSE;
}

int GetWindowTextA(HWND hwnd, LPSTR buffer, int maxCount) {
    if (buffer == nullptr || maxCount <= 0) return 0;
    buffer[0] = '\0';
    return static_cast<int>(
        SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND hwnd) { return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0)); }

}  // namespace win32

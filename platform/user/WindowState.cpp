#include "platform/kernel/LastError.h"
#include "platform/user/Window.h"
#include "platform/user/WindowInternals.h"

namespace win32 {
namespace {

HWND theFocus = nullptr;
HWND theCapture = nullptr;

user::Window* Lookup(HWND hwnd) {
    user::Window* window = user::LookupWindow(hwnd);
    if (window == nullptr) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return window;
}

bool Contains(HWND ancestor, HWND hwnd) {
    return hwnd != nullptr && (hwnd == ancestor || IsChild(ancestor, hwnd));
}

// The platform refuses the focus to a window that is, or sits in, a disabled one.
bool CanTakeFocus(HWND hwnd) {
    for (const user::Window* window = user::LookupWindow(hwnd); window;
         window = user::LookupWindow(window->parent)) {
        if (window->style & WS_DISABLED) return false;
    }
    return true;
}

}  // namespace

namespace user {

void ForgetFocusAndCapture(HWND hwnd) {
    if (Contains(hwnd, theFocus) || (theFocus && !IsWindow(theFocus))) SetFocus(nullptr);
    if (Contains(hwnd, theCapture) || (theCapture && !IsWindow(theCapture))) {
        theCapture = nullptr;
        NotifyChanged(hwnd, WindowChange::Capture);
    }
}

}  // namespace user

BOOL ShowWindow(HWND hwnd, int cmdShow) {
    user::Window* window = Lookup(hwnd);
    if (window == nullptr) return FALSE;
    const bool wasVisible = (window->style & WS_VISIBLE) != 0;
    const bool show = cmdShow != SW_HIDE;
    if (show == wasVisible) return wasVisible ? TRUE : FALSE;
    SendMessageA(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    window = user::LookupWindow(hwnd);
    if (window == nullptr) return wasVisible ? TRUE : FALSE;
    if (show) {
        window->style |= WS_VISIBLE;
    } else {
        window->style &= ~WS_VISIBLE;
    }
    user::NotifyChanged(hwnd, WindowChange::Visibility);
    if (show) {
        InvalidateRect(hwnd, nullptr, TRUE);
    } else if (Contains(hwnd, theFocus)) {
        SetFocus(nullptr);
    }
    return wasVisible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hwnd) {
    const user::Window* window = user::LookupWindow(hwnd);
    if (window == nullptr) return FALSE;
    for (; window; window = user::LookupWindow(window->parent)) {
        if (!(window->style & WS_VISIBLE)) return FALSE;
    }
    return TRUE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    user::Window* window = Lookup(hwnd);
    if (window == nullptr) return FALSE;
    const bool wasDisabled = (window->style & WS_DISABLED) != 0;
    if (wasDisabled == !enable) return wasDisabled ? TRUE : FALSE;
    if (enable) {
        window->style &= ~WS_DISABLED;
    } else {
        window->style |= WS_DISABLED;
        if (Contains(hwnd, theFocus)) SetFocus(nullptr);
    }
    user::NotifyChanged(hwnd, WindowChange::Enabled);
    SendMessageA(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
    const user::Window* window = user::LookupWindow(hwnd);
    return window && !(window->style & WS_DISABLED) ? TRUE : FALSE;
}

HWND SetFocus(HWND hwnd) {
    if (hwnd != nullptr && Lookup(hwnd) == nullptr) return nullptr;
    if (hwnd != nullptr && !CanTakeFocus(hwnd)) return nullptr;
    const HWND previous = IsWindow(theFocus) ? theFocus : nullptr;
    if (theFocus == hwnd) return previous;
    theFocus = hwnd;
    if (previous != nullptr) {
        user::NotifyChanged(previous, WindowChange::Focus);
        SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    }
    // The kill-focus handler may have moved the focus on already.
    if (hwnd != nullptr && theFocus == hwnd && IsWindow(hwnd)) {
        user::NotifyChanged(hwnd, WindowChange::Focus);
        SendMessageA(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    }
    return previous;
}

HWND GetFocus() { return theFocus; }

HWND SetCapture(HWND hwnd) {
    if (hwnd != nullptr && Lookup(hwnd) == nullptr) return nullptr;
    const HWND previous = theCapture;
    theCapture = hwnd;
    if (previous != hwnd) {
        if (IsWindow(previous)) SendMessageA(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
        user::NotifyChanged(hwnd ? hwnd : previous, WindowChange::Capture);
    }
    return previous;
}

BOOL ReleaseCapture() {
    SetCapture(nullptr);
    return TRUE;
}

HWND GetCapture() { return theCapture; }

BOOL InvalidateRect(HWND hwnd, const RECT*, BOOL) {
    user::Window* window = user::LookupWindow(hwnd);
    if (window == nullptr) return FALSE;
    window->needsPaint = true;
    if (WindowPresenter* presenter = GetWindowPresenter()) presenter->Invalidate(hwnd);
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, const RECT*) {
    user::Window* window = user::LookupWindow(hwnd);
    if (window == nullptr) return FALSE;
    window->needsPaint = false;
    return TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
    const user::Window* window = user::LookupWindow(hwnd);
    if (window == nullptr) return FALSE;
    if (window->needsPaint) SendMessageA(hwnd, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL) {
    const user::Window* window = user::LookupWindow(hwnd);
    if (window == nullptr || !window->needsPaint) {
        if (rect) *rect = {};
        return FALSE;
    }
    if (rect) GetClientRect(hwnd, rect);
    return TRUE;
}

}  // namespace win32

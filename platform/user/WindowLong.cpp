#include <cstring>

#include "platform/kernel/LastError.h"
#include "platform/user/Window.h"
#include "platform/user/WindowInternals.h"
#include "platform/user/WindowProcCall.h"

namespace win32 {
namespace {

// Extra window bytes (cbWndExtra), read and written at a byte offset.
template <typename T>
BYTE* ExtraSlot(user::Window& window, int index) {
    if (index < 0 || static_cast<std::size_t>(index) + sizeof(T) > window.extra.size()) {
        SetLastError(ERROR_INVALID_INDEX);
        return nullptr;
    }
    return window.extra.data() + index;
}

template <typename T>
T ReadExtra(user::Window& window, int index) {
    T value{};
    if (BYTE* slot = ExtraSlot<T>(window, index)) std::memcpy(&value, slot, sizeof(T));
    return value;
}

template <typename T>
T WriteExtra(user::Window& window, int index, T value) {
    T old{};
    BYTE* slot = ExtraSlot<T>(window, index);
    if (slot == nullptr) return 0;
    std::memcpy(&old, slot, sizeof(T));
    std::memcpy(slot, &value, sizeof(T));
    return old;
}

LONG_PTR Read(HWND hwnd, int index, bool pointerSized) {
    user::Window* window = user::LookupWindow(hwnd);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    switch (index) {
        case GWL_WNDPROC: return window->proc;
        case GWL_HINSTANCE: return reinterpret_cast<LONG_PTR>(window->instance);
        case GWL_HWNDPARENT: return reinterpret_cast<LONG_PTR>(GetParent(hwnd));
        case GWL_ID: return window->id;
        case GWL_STYLE: return static_cast<LONG>(window->style);
        case GWL_EXSTYLE: return static_cast<LONG>(window->exStyle);
        case GWL_USERDATA: return window->userData;
        default: return pointerSized ? ReadExtra<LONG_PTR>(*window, index) : ReadExtra<LONG>(*window, index);
    }
}

// Style changes are announced as the platform does, then mirrored.
LONG_PTR ChangeStyle(HWND hwnd, int index, DWORD newStyle) {
    user::Window* window = user::LookupWindow(hwnd);
    STYLESTRUCT change{index == GWL_STYLE ? window->style : window->exStyle, newStyle};
    SendMessageA(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
    window = user::LookupWindow(hwnd);
    if (window == nullptr) return 0;
    DWORD& target = index == GWL_STYLE ? window->style : window->exStyle;
    const DWORD old = target;
    target = change.styleNew;
    if (index == GWL_STYLE && ((old ^ target) & WS_VISIBLE))
        user::NotifyChanged(hwnd, WindowChange::Visibility);
    if (index == GWL_STYLE && ((old ^ target) & WS_DISABLED))
        user::NotifyChanged(hwnd, WindowChange::Enabled);
    user::NotifyChanged(hwnd, WindowChange::Style);
    change.styleOld = old;
    SendMessageA(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&change));
    return static_cast<LONG>(old);
}

LONG_PTR Exchange(LONG_PTR& field, LONG_PTR value) {
    const LONG_PTR old = field;
    field = value;
    return old;
}

LONG_PTR Write(HWND hwnd, int index, LONG_PTR value, bool pointerSized) {
    user::Window* window = user::LookupWindow(hwnd);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    switch (index) {
        case GWL_WNDPROC: {
            // The 32-bit entry takes procedure handles only (anything else is a
            // truncated pointer); the pointer-sized one takes plain functions too.
            const LONG proc = user::AcceptWindowProcValue(value, pointerSized);
            if (proc == 0) {
                SetLastError(ERROR_INVALID_PARAMETER);
                return 0;
            }
            const LONG old = window->proc;
            window->proc = proc;
            return old;
        }
        case GWL_STYLE:
        case GWL_EXSTYLE: return ChangeStyle(hwnd, index, static_cast<DWORD>(value));
        case GWL_HINSTANCE: {
            const auto old = reinterpret_cast<LONG_PTR>(window->instance);
            window->instance = reinterpret_cast<HINSTANCE>(value);
            return old;
        }
        case GWL_HWNDPARENT: {
            const auto old = reinterpret_cast<LONG_PTR>(window->owner);
            if (!(window->style & WS_CHILD)) window->owner = reinterpret_cast<HWND>(value);
            return old;
        }
        case GWL_ID: return Exchange(window->id, value);
        case GWL_USERDATA: return Exchange(window->userData, value);
        default:
            return pointerSized ? WriteExtra<LONG_PTR>(*window, index, value)
                                : WriteExtra<LONG>(*window, index, static_cast<LONG>(value));
    }
}

}  // namespace

LONG GetWindowLongA(HWND hwnd, int index) { return static_cast<LONG>(Read(hwnd, index, false)); }
LONG SetWindowLongA(HWND hwnd, int index, LONG newLong) {
    return static_cast<LONG>(Write(hwnd, index, newLong, false));
}
LONG_PTR GetWindowLongPtrA(HWND hwnd, int index) { return Read(hwnd, index, true); }
LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR newLong) {
    return Write(hwnd, index, newLong, true);
}

}  // namespace win32

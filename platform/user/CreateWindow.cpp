#include <unistd.h>

#include <algorithm>

#include "platform/kernel/LastError.h"
#include "platform/user/Window.h"
#include "platform/user/WindowInternals.h"
#include "platform/user/WindowProcThunk.h"

namespace win32 {
namespace {

int OrDefault(int value) { return value == CW_USEDEFAULT ? 0 : value; }

std::unique_ptr<user::Window> NewWindow(user::WindowClass& windowClass, const CREATESTRUCTA& cs) {
    auto window = std::make_unique<user::Window>();
    window->windowClass = &windowClass;
    window->proc = WindowProcToLong(windowClass.info.lpfnWndProc);
    const auto style = static_cast<DWORD>(cs.style);
    if (style & WS_CHILD) {
        window->parent = cs.hwndParent;
        window->id = reinterpret_cast<LONG_PTR>(cs.hMenu);
    } else {
        window->owner = cs.hwndParent;
    }
    // Shown after creation, as the platform does, so WM_SHOWWINDOW follows WM_CREATE.
    window->style = style & ~WS_VISIBLE;
    window->exStyle = cs.dwExStyle;
    window->rect = {cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy};
    window->instance = cs.hInstance;
    window->extra.assign(static_cast<std::size_t>(windowClass.info.cbWndExtra), 0);
    return window;
}

void Link(HWND hwnd) {
    user::Window* window = user::LookupWindow(hwnd);
    std::vector<HWND>* siblings = user::SiblingList(*window);
    // New windows start on top of their siblings (below the topmost ones).
    auto at = siblings->begin();
    if (!(window->exStyle & WS_EX_TOPMOST)) {
        while (at != siblings->end()) {
            const user::Window* sibling = user::LookupWindow(*at);
            if (!sibling || !(sibling->exStyle & WS_EX_TOPMOST)) break;
            ++at;
        }
    }
    siblings->insert(at, hwnd);
    ++window->windowClass->windows;
}

CREATESTRUCTA Describe(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, RECT rect,
                       HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    CREATESTRUCTA cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = parent;
    cs.x = OrDefault(rect.left);
    cs.y = OrDefault(rect.top);
    cs.cx = std::max(0, OrDefault(rect.right));
    cs.cy = std::max(0, OrDefault(rect.bottom));
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    return cs;
}

}  // namespace

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    user::WindowClass* windowClass = user::LookupClass(className);
    if (windowClass == nullptr) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    if ((parent != nullptr && !IsWindow(parent)) || ((style & WS_CHILD) && parent == nullptr)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    user::EnsureSysColorBroadcast();
    // The RECT carries x, y, width, height here, before defaults apply.
    CREATESTRUCTA cs =
        Describe(exStyle, className, windowName, style, {x, y, width, height}, parent, menu, instance, param);

    const HWND hwnd = user::InsertWindow(NewWindow(*windowClass, cs));
    Link(hwnd);
    if (WindowPresenter* presenter = GetWindowPresenter()) presenter->WindowCreated(hwnd);

    const auto createParam = reinterpret_cast<LPARAM>(&cs);
    if (!SendMessageA(hwnd, WM_NCCREATE, 0, createParam) || !IsWindow(hwnd) ||
        SendMessageA(hwnd, WM_CREATE, 0, createParam) == -1 || !IsWindow(hwnd)) {
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(cs.cx, cs.cy));
    SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(cs.x, cs.y));
    if ((style & WS_VISIBLE) && IsWindow(hwnd)) ShowWindow(hwnd, SW_SHOW);
    return IsWindow(hwnd) ? hwnd : nullptr;
}

BOOL IsWindow(HWND hwnd) { return user::LookupWindow(hwnd) != nullptr ? TRUE : FALSE; }

BOOL IsChild(HWND parent, HWND hwnd) {
    const user::Window* window = user::LookupWindow(hwnd);
    while (window != nullptr && window->parent != nullptr) {
        if (window->parent == parent) return TRUE;
        window = user::LookupWindow(window->parent);
    }
    return FALSE;
}

DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId) {
    if (!IsWindow(hwnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    // Every window belongs to this process and its user-interface thread.
    if (processId) *processId = static_cast<DWORD>(getpid());
    return static_cast<DWORD>(gettid());
}

}  // namespace win32

#include "platform/gdi/Gdi.h"
#include "platform/kernel/LastError.h"
#include "platform/user/Window.h"
#include "platform/user/WindowInternals.h"

namespace win32 {

int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw) {
    user::Window* window = user::LookupWindow(hwnd);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    RECT box;
    if (region != nullptr && GetRgnBox(region, &box) == ERROR) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const HRGN old = window->region;
    window->region = region;
    // The window owned the old region; nobody else may delete it.
    if (old != nullptr && old != region) DeleteObject(old);
    user::NotifyChanged(hwnd, WindowChange::Region);
    if (redraw) InvalidateRect(hwnd, nullptr, TRUE);
    return 1;
}

int GetWindowRgn(HWND hwnd, HRGN region) {
    const user::Window* window = user::LookupWindow(hwnd);
    if (window == nullptr || window->region == nullptr || region == nullptr) return ERROR;
    return CombineRgn(region, window->region, nullptr, RGN_COPY);
}

namespace user {

bool WindowShapeContains(const Window& window, POINT screen) {
    const RECT rect = ScreenRect(window);
    if (screen.x < rect.left || screen.x >= rect.right || screen.y < rect.top || screen.y >= rect.bottom) {
        return false;
    }
    return window.region == nullptr || PtInRegion(window.region, screen.x - rect.left, screen.y - rect.top);
}

}  // namespace user
}  // namespace win32

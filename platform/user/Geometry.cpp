#include <algorithm>

#include "platform/kernel/LastError.h"
#include "platform/user/Window.h"
#include "platform/user/WindowInternals.h"

namespace win32 {
namespace {

user::Window* Lookup(HWND hwnd) {
    user::Window* window = user::LookupWindow(hwnd);
    if (window == nullptr) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return window;
}

bool IsTopmost(HWND hwnd) {
    const user::Window* window = user::LookupWindow(hwnd);
    return window && (window->exStyle & WS_EX_TOPMOST);
}

// Moves the window within its sibling list; topmost windows stay ahead of
// the others.
void Restack(user::Window& window, HWND insertAfter) {
    std::vector<HWND>* siblings = user::SiblingList(window);
    if (siblings == nullptr) return;
    if (insertAfter == HWND_TOPMOST) window.exStyle |= WS_EX_TOPMOST;
    if (insertAfter == HWND_NOTOPMOST) window.exStyle &= ~WS_EX_TOPMOST;
    std::erase(*siblings, window.handle);
    auto at = siblings->begin();
    if (insertAfter == HWND_BOTTOM) {
        at = siblings->end();
    } else if (insertAfter != HWND_TOP && insertAfter != HWND_TOPMOST && insertAfter != HWND_NOTOPMOST) {
        const auto found = std::find(siblings->begin(), siblings->end(), insertAfter);
        at = found == siblings->end() ? siblings->begin() : found + 1;
    }
    if (!(window.exStyle & WS_EX_TOPMOST)) {
        while (at != siblings->end() && IsTopmost(*at)) ++at;
    } else {
        while (at != siblings->begin() && !IsTopmost(*(at - 1))) --at;
    }
    siblings->insert(at, window.handle);
}

}  // namespace

namespace user {

RECT ScreenRect(const Window& window) {
    RECT rect = window.rect;
    for (const Window* parent = LookupWindow(window.parent); parent; parent = LookupWindow(parent->parent)) {
        rect.left += parent->rect.left;
        rect.right += parent->rect.left;
        rect.top += parent->rect.top;
        rect.bottom += parent->rect.top;
    }
    return rect;
}

}  // namespace user

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    user::Window* window = Lookup(hwnd);
    if (window == nullptr) return FALSE;
    const RECT old = window->rect;
    RECT rect = old;
    if (!(flags & SWP_NOMOVE)) rect = {x, y, x + (old.right - old.left), y + (old.bottom - old.top)};
    if (!(flags & SWP_NOSIZE)) {
        rect.right = rect.left + std::max(0, cx);
        rect.bottom = rect.top + std::max(0, cy);
    }
    window->rect = rect;
    if (!(flags & SWP_NOZORDER)) {
        Restack(*window, insertAfter);
        user::NotifyChanged(hwnd, WindowChange::ZOrder);
    }
    const bool moved = rect.left != old.left || rect.top != old.top;
    const bool sized =
        rect.right - rect.left != old.right - old.left || rect.bottom - rect.top != old.bottom - old.top;
    if (moved || sized) user::NotifyChanged(hwnd, WindowChange::Geometry);
    if (flags & SWP_FRAMECHANGED) user::NotifyChanged(hwnd, WindowChange::Style);
    if (sized) {
        SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED,
                     MAKELPARAM(rect.right - rect.left, rect.bottom - rect.top));
    }
    if (moved) SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(rect.left, rect.top));
    if (flags & SWP_SHOWWINDOW) ShowWindow(hwnd, SW_SHOWNA);
    if (flags & SWP_HIDEWINDOW) ShowWindow(hwnd, SW_HIDE);
    if ((moved || sized) && !(flags & SWP_NOREDRAW)) InvalidateRect(hwnd, nullptr, TRUE);
    return IsWindow(hwnd);
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0u : SWP_NOREDRAW));
}

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
    const user::Window* window = Lookup(hwnd);
    if (window == nullptr || rect == nullptr) return FALSE;
    *rect = user::ScreenRect(*window);
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
    const user::Window* window = Lookup(hwnd);
    if (window == nullptr || rect == nullptr) return FALSE;
    *rect = {0, 0, window->rect.right - window->rect.left, window->rect.bottom - window->rect.top};
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* point) {
    const user::Window* window = Lookup(hwnd);
    if (window == nullptr || point == nullptr) return FALSE;
    const RECT screen = user::ScreenRect(*window);
    point->x += screen.left;
    point->y += screen.top;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
    const user::Window* window = Lookup(hwnd);
    if (window == nullptr || point == nullptr) return FALSE;
    const RECT screen = user::ScreenRect(*window);
    point->x -= screen.left;
    point->y -= screen.top;
    return TRUE;
}

HWND GetParent(HWND hwnd) {
    const user::Window* window = Lookup(hwnd);
    if (window == nullptr) return nullptr;
    if (window->style & WS_CHILD) return window->parent;
    if (window->style & WS_POPUP) return window->owner;
    return window->parent;
}

HWND SetParent(HWND child, HWND newParent) {
    user::Window* window = Lookup(child);
    if (window == nullptr) return nullptr;
    if (newParent != nullptr && (!IsWindow(newParent) || newParent == child || IsChild(child, newParent))) {
        SetLastError(IsWindow(newParent) ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    const HWND old = window->parent;
    if (std::vector<HWND>* siblings = user::SiblingList(*window)) std::erase(*siblings, child);
    window->parent = newParent;
    // The window goes to the top of its new siblings; a topmost one stays
    // topmost, as the platform keeps the bit across the move.
    user::SiblingList(*window)->push_back(child);
    Restack(*window, HWND_TOP);
    user::NotifyChanged(child, WindowChange::Parent);
    return old;
}

}  // namespace win32

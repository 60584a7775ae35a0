#include <algorithm>

#include "platform/gdi/Gdi.h"
#include "platform/kernel/LastError.h"
#include "platform/user/Window.h"
#include "platform/user/WindowInternals.h"

namespace win32 {
namespace {

std::vector<HWND> ChildrenOf(HWND hwnd) {
    const user::Window* window = user::LookupWindow(hwnd);
    return window ? window->children : std::vector<HWND>{};
}

void MarkDestroying(HWND hwnd) {
    user::Window* window = user::LookupWindow(hwnd);
    if (window == nullptr) return;
    window->destroying = true;
    for (HWND child : window->children) MarkDestroying(child);
}

void SendDestroy(HWND hwnd) {
    if (!IsWindow(hwnd)) return;
    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    for (HWND child : ChildrenOf(hwnd)) SendDestroy(child);
}

void Unlink(const user::Window& window) {
    if (std::vector<HWND>* siblings = user::SiblingList(window)) std::erase(*siblings, window.handle);
}

void Release(HWND hwnd) {
    for (HWND child : ChildrenOf(hwnd)) Release(child);
    if (!IsWindow(hwnd)) return;
    SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
    // Children created while this one was going away go with it.
    for (HWND late : ChildrenOf(hwnd)) Release(late);
    user::Window* window = user::LookupWindow(hwnd);
    if (window == nullptr) return;
    Unlink(*window);
    if (window->region) DeleteObject(window->region);
    --window->windowClass->windows;
    user::EraseWindow(hwnd);
    user::RemoveQueuedMessages(hwnd);
    user::KillWindowTimers(hwnd);
    user::ForgetMouseTracking(hwnd);
    user::ForgetFocusAndCapture(hwnd);
    user::ForgetWindowSubclasses(hwnd);
    if (WindowPresenter* presenter = GetWindowPresenter()) presenter->WindowDestroyed(hwnd);
}

std::vector<HWND> OwnedBy(HWND owner) {
    std::vector<HWND> owned;
    for (HWND hwnd : user::AllWindows()) {
        const user::Window* window = user::LookupWindow(hwnd);
        if (window && window->owner == owner && !window->destroying) owned.push_back(hwnd);
    }
    return owned;
}

// A popup owned by a window inside this one (a button's tooltip) goes too:
// nothing would be left to own it.
std::vector<HWND> OwnedWithin(HWND hwnd) {
    std::vector<HWND> owned = OwnedBy(hwnd);
    for (HWND child : ChildrenOf(hwnd)) {
        const std::vector<HWND> inner = OwnedWithin(child);
        owned.insert(owned.end(), inner.begin(), inner.end());
    }
    return owned;
}

}  // namespace

BOOL DestroyWindow(HWND hwnd) {
    user::Window* window = user::LookupWindow(hwnd);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    // A procedure that destroys its window again while it goes away is ignored.
    if (window->destroying) return TRUE;
    MarkDestroying(hwnd);
    for (HWND owned : OwnedWithin(hwnd)) DestroyWindow(owned);
    // Focus and capture leave before the window's procedures hear WM_DESTROY.
    user::ForgetFocusAndCapture(hwnd);
    SendDestroy(hwnd);
    Release(hwnd);
    return TRUE;
}

}  // namespace win32

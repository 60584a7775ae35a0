#include "platform/kernel/LastError.h"
#include "platform/user/Input.h"
#include "platform/user/UserExtensions.h"
#include "platform/user/Window.h"
#include "platform/user/WindowInternals.h"

namespace win32 {
namespace {

// One tracking record for the (single) user-interface thread, as the
// platform keeps one per thread.
struct Pointer {
    POINT position{};
    HWND tracked = nullptr;
};

Pointer& ThePointer() {
    static Pointer pointer;
    return pointer;
}

constexpr LRESULT HTTRANSPARENT = -1;

// A window answering HTTRANSPARENT (a tooltip) lets the point through to
// the windows beneath it, as the platform's hit test does.
HWND DeepestAt(std::vector<HWND> windows, POINT point) {
    for (HWND hwnd : windows) {
        const user::Window* window = user::LookupWindow(hwnd);
        if (window == nullptr || !(window->style & WS_VISIBLE) ||
            !user::WindowShapeContains(*window, point)) {
            continue;
        }
        if (SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y)) == HTTRANSPARENT) continue;
        if ((window = user::LookupWindow(hwnd)) == nullptr) continue;  // gone while answering
        const HWND child = DeepestAt(window->children, point);
        return child ? child : hwnd;
    }
    return nullptr;
}

BOOL Track(LPTRACKMOUSEEVENT event) {
    if (event == nullptr || (event->cbSize != 16 && event->cbSize != sizeof(TRACKMOUSEEVENT))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Pointer& pointer = ThePointer();
    if (event->dwFlags & TME_QUERY) {
        event->dwFlags = pointer.tracked ? TME_LEAVE : 0;
        event->hwndTrack = pointer.tracked;
        event->dwHoverTime = 0;
        return TRUE;
    }
    if (event->dwFlags & TME_HOVER) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!(event->dwFlags & TME_LEAVE)) return TRUE;
    if (!IsWindow(event->hwndTrack)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (event->dwFlags & TME_CANCEL) {
        if (pointer.tracked == event->hwndTrack) pointer.tracked = nullptr;
        return TRUE;
    }
    if (WindowFromPoint(pointer.position) != event->hwndTrack) {
        // Already outside: the leave comes at once and nothing is tracked.
        pointer.tracked = nullptr;
        PostMessageA(event->hwndTrack, WM_MOUSELEAVE, 0, 0);
        return TRUE;
    }
    pointer.tracked = event->hwndTrack;
    return TRUE;
}

}  // namespace

namespace user {

void ForgetMouseTracking(HWND hwnd) {
    if (ThePointer().tracked == hwnd) ThePointer().tracked = nullptr;
}

}  // namespace user

BOOL GetCursorPos(POINT* point) {
    if (point == nullptr) return FALSE;
    *point = ThePointer().position;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    const POINT position{x, y};
    NotifyPointerMoved(position);
    if (WindowPresenter* presenter = GetWindowPresenter()) presenter->CursorPositionSet(position);
    return TRUE;
}

void NotifyPointerMoved(POINT screen) {
    Pointer& pointer = ThePointer();
    pointer.position = screen;
    if (pointer.tracked == nullptr || WindowFromPoint(screen) == pointer.tracked) return;
    // One-shot: leaving ends all tracking until the window asks again.
    const HWND left = pointer.tracked;
    pointer.tracked = nullptr;
    PostMessageA(left, WM_MOUSELEAVE, 0, 0);
}

HWND WindowFromPoint(POINT point) { return DeepestAt(user::TopLevelWindows(), point); }

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT eventTrack) { return Track(eventTrack); }
BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT eventTrack) { return Track(eventTrack); }

UINT GetDoubleClickTime() { return 500; }

}  // namespace win32

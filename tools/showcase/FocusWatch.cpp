#include "tools/showcase/FocusWatch.h"

#include "platform/user/User32.h"

namespace showcase {

using namespace win32;

// Every message goes on to the procedure that was there before.
LRESULT FocusWatch::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* watch = reinterpret_cast<FocusWatch*>(GetWindowLongPtrA(hwnd, GWL_USERDATA));
    const auto it = watch->previous_.find(hwnd);
    const LONG_PTR previous = it->second;
    if (msg == WM_SETFOCUS) watch->last_ = hwnd;
    if (msg == WM_NCDESTROY) watch->previous_.erase(it);
    return CallWindowProcA(LongToWindowProc(static_cast<LONG>(previous)), hwnd, msg, wParam, lParam);
}

void FocusWatch::Watch(HWND hwnd) {
    SetWindowLongPtrA(hwnd, GWL_USERDATA, reinterpret_cast<LONG_PTR>(this));
    previous_[hwnd] = SetWindowLongPtrA(hwnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
}

FocusWatch::~FocusWatch() {
    for (const auto& [hwnd, previous] : previous_) {
        // Put back only what is still ours: a later subclass would be cut out.
        const LONG_PTR current = GetWindowLongPtrA(hwnd, GWL_WNDPROC);
        if (current == WindowProcToLong(&Procedure)) SetWindowLongPtrA(hwnd, GWL_WNDPROC, previous);
    }
}

}  // namespace showcase

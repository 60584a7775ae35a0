// Mouse-leave tracking and the subclass that delivers the raw mouse, colour
// and theme messages of the control's own window.
#include "control/Trap.h"
#include "control/raReruri.h"
#include "platform/kernel/Modules.h"
#include "platform/user/User32.h"

namespace control {
namespace {

using TrackMouseEventProc = win32::BOOL (*)(win32::LPTRACKMOUSEEVENT);

// The tracking function as the module exports it now, so a system without
// it is honoured even after the control decided which one to use.
TrackMouseEventProc FindTracking(bool user32) {
    const win32::HMODULE module = win32::GetModuleHandleA(user32 ? "User32" : "Comctl32");
    if (!module) return nullptr;
    const win32::FARPROC proc =
        win32::GetProcAddress(module, user32 ? "TrackMouseEvent" : "_TrackMouseEvent");
    // Through void*, as GetProcAddress's callers always cast.
    return reinterpret_cast<TrackMouseEventProc>(reinterpret_cast<void*>(proc));
}

}  // namespace

void raReruri::RequestLeaveTracking() {
    if (!trackingAvailable_) return;
    win32::TRACKMOUSEEVENT request;
    request.cbSize = 16;
    request.dwFlags = win32::TME_LEAVE;
    request.hwndTrack = userControl_->hWnd();
    request.dwHoverTime = 0;
    if (const TrackMouseEventProc track = FindTracking(useUser32Tracking_)) track(&request);
}

// Run at the end of loading, when the form runs: without a tracking function
// there is no subclass at all, so no hover look, no enter and leave events,
// and no Click from the mouse.
void raReruri::PrepareMouseTracking() {
    trackingAvailable_ = true;
    useUser32Tracking_ = SubclassEngine::zHasExport("TrackMouseEvent", "User32");
    if (!useUser32Tracking_ && !SubclassEngine::zHasExport("_TrackMouseEvent", "Comctl32"))
        trackingAvailable_ = false;
    if (!trackingAvailable_) return;
    const win32::HWND hwnd = userControl_->hWnd();
    subclass_.sc_Subclass(hwnd, 0, 1, nullptr);
    for (win32::UINT message :
         {win32::WM_MOUSEMOVE, win32::WM_MOUSELEAVE, win32::WM_THEMECHANGED, win32::WM_SYSCOLORCHANGE})
        subclass_.sc_AddMessage(hwnd, message, MSG_AFTER);
}

}  // namespace control

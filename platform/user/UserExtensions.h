// What our window layer offers beyond the platform's API: the pump, the
// message clock and the pointer and screen reports the presenter drives, and
// live counts for tests. The presenter interface is in WindowPresenter.h.
#pragma once

#include "platform/user/WindowTypes.h"

namespace win32 {

// Windows alive now; tests compare it before and after a run.
int GetLiveWindowCount();
// Windows whose subclass list (WindowSubclass.h), or its procedure, is still alive.
int GetLiveSubclassedWindowCount();

// "Yield to the message loop once": dispatches what is pending now (messages
// posted meanwhile wait for the next call), one WM_PAINT per invalidated
// window and the timers due now, and returns how many it dispatched. A
// pending WM_QUIT is left for the loop.
int PumpPendingMessages();
// Drops every queued message and a pending quit (tests start clean).
void ClearMessageQueue();

// The presenter reports where the real pointer is, in screen coordinates.
// A tracked window no longer under the pointer gets WM_MOUSELEAVE posted.
void NotifyPointerMoved(POINT screen);

// The message clock in milliseconds; starts at 0.
DWORD GetMessageClock();
void AdvanceMessageClock(DWORD milliseconds);
// INFINITE when no timer is set.
DWORD MillisecondsUntilNextTimer();

// The presenter supplies the primary screen's available geometry. Headless,
// the work area is 0,0,1024,738: a 1024x768 screen less a 30-pixel taskbar.
void SetWorkArea(const RECT& workArea);

// A tooltip draws its face itself, into a memory DC the size of its window;
// the presenter shows that DC's bitmap through the window region. nullptr
// for any other window, or before the tip was first shown.
HDC GetTooltipSurface(HWND tooltip);

}  // namespace win32

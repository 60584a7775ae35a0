// Timers, driven by a message clock that the presenter or a test advances.
// A due timer produces one WM_TIMER when the queue is next read (never a
// backlog), like the platform's low-priority timer messages.
#pragma once

#include "platform/user/WindowTypes.h"

namespace win32 {

// hwnd nullptr: a thread timer; its new id is returned (timerFunc called).
UINT_PTR SetTimer(HWND hwnd, UINT_PTR idEvent, UINT elapse, TIMERPROC timerFunc);
BOOL KillTimer(HWND hwnd, UINT_PTR idEvent);

}  // namespace win32

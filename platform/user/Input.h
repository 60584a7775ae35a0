// The pointer: its position, the window under it, and leave tracking.
#pragma once

#include "platform/user/WindowTypes.h"

namespace win32 {

BOOL GetCursorPos(POINT* point);
// Moves the pointer as a real move would (leave tracking is checked) and
// asks the presenter to move the real pointer too.
BOOL SetCursorPos(int x, int y);

// The deepest visible window under the point, honouring window regions.
// Disabled windows are found too (where their input goes is the
// presenter's call).
HWND WindowFromPoint(POINT point);

// TME_LEAVE, TME_CANCEL and TME_QUERY; TME_HOVER is not supported (FALSE,
// ERROR_INVALID_PARAMETER). cbSize must be 16, the record's size in the
// 32-bit layout programs fill in, or sizeof(TRACKMOUSEEVENT).
BOOL TrackMouseEvent(LPTRACKMOUSEEVENT eventTrack);
// comctl32's variant; the same behaviour.
BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT eventTrack);

// The platform's default, 500 ms; tooltip delays derive from it.
UINT GetDoubleClickTime();

}  // namespace win32

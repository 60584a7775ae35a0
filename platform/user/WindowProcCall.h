// Internal: calling a procedure value, whatever kind it is.
#pragma once

#include "platform/user/WindowTypes.h"

namespace win32::user {

// Calls a plain function, an interned handle or a thunk; 0 for a stale handle.
LRESULT InvokeWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The procedure handle for a value given to SetWindowLong(GWL_WNDPROC): an
// issued handle as it is; with allowPlain, a plain function is interned.
// 0 when the value is neither.
LONG AcceptWindowProcValue(LONG_PTR value, bool allowPlain);

}  // namespace win32::user

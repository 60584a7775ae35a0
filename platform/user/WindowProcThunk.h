// Window procedures as 32-bit procedure handles.
//
// GWL_WNDPROC travels through SetWindowLongA as a 32-bit LONG, which cannot
// hold a 64-bit code address. So, like the platform's own special procedure
// handles, every procedure stored in a window is a handle issued here: either
// an interned plain function or a thunk (a closure standing in for generated
// per-window code). Such values are only callable through CallWindowProcA.
#pragma once

#include <functional>

#include "platform/user/WindowTypes.h"

namespace win32 {

using WindowProcClosure = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

// A new procedure handle that runs the closure; nullptr when no handle is left.
WNDPROC AllocWindowProcThunk(WindowProcClosure closure);
// Releases a thunk. A call already running keeps its closure alive until it
// returns, so a thunk may free itself. False for anything else.
bool FreeWindowProcThunk(WNDPROC thunk);
// True while the thunk is allocated (the counterpart of "is valid code").
bool IsWindowProcThunk(WNDPROC thunk);
int GetLiveWindowProcThunkCount();

// The LONG that SetWindowLongA(GWL_WNDPROC) takes for a procedure: a thunk's
// own handle, or an interned handle for a plain function. 0 for nullptr.
LONG WindowProcToLong(WNDPROC proc);
// The WNDPROC behind a LONG read with GetWindowLongA(GWL_WNDPROC).
WNDPROC LongToWindowProc(LONG value);

}  // namespace win32

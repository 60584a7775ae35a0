// The common controls' window subclassing: any number of subclass
// procedures on one window, kept in a list behind a single window procedure,
// so each can be removed in any order. That one procedure still sits in the
// window's SetWindowLong chain like any other: when its list empties it puts
// the previous procedure back only if the window's procedure is still its
// own; otherwise (someone subclassed after it) it stays as a pass-through
// until the window is destroyed.
#pragma once

#include "platform/user/WindowTypes.h"

namespace win32 {

using SUBCLASSPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM, UINT_PTR uIdSubclass, DWORD_PTR dwRefData);

// Installs proc with id, or gives an installed (proc, id) new reference data.
// The newest subclass sees a message first.
BOOL SetWindowSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR refData);
BOOL GetWindowSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR* refData);
// Safe from inside the subclass's own procedure: the list entry goes at
// once, the window procedure once no call is running on the window.
BOOL RemoveWindowSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id);
// From a subclass procedure: the next older subclass, or the window's
// previous procedure.
LRESULT DefSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace win32

// Internal: what the parts of the window layer ask of each other.
#pragma once

#include "platform/user/WindowPresenter.h"
#include "platform/user/WindowTable.h"

namespace win32::user {

WindowClass* LookupClass(LPCSTR className);

// Presenter notifications; nothing happens headless.
void NotifyChanged(HWND hwnd, WindowChange what);

// Clean-up when a window leaves the table.
void RemoveQueuedMessages(HWND hwnd);
void KillWindowTimers(HWND hwnd);
void ForgetMouseTracking(HWND hwnd);
void ForgetFocusAndCapture(HWND hwnd);
void ForgetWindowSubclasses(HWND hwnd);

// Window rectangle in screen coordinates.
RECT ScreenRect(const Window& window);

// Timers: the next due timer matching the filter, as a WM_TIMER message.
bool PeekDueTimer(HWND filter, MSG& out, bool remove);

// Hooks the system-colour broadcast into the GDI once.
void EnsureSysColorBroadcast();

// Whether the screen point lies in the window's shape (rectangle and region).
bool WindowShapeContains(const Window& window, POINT screen);

}  // namespace win32::user

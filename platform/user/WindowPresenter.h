// What puts the layer's windows on screen. The presenter mirrors each window
// (geometry, visibility, enabled state, text, region, focus, parent) and
// wakes its event loop when a message is posted or the timers change.
// Without one (nullptr, the default) the layer runs headless.
#pragma once

#include "platform/user/WindowTypes.h"

namespace win32 {

enum class WindowChange {
    Geometry,    // GetWindowRect changed
    Visibility,  // WS_VISIBLE changed
    Enabled,     // WS_DISABLED changed
    Text,
    Region,  // GetWindowRgn changed (shape and hit-testing)
    Focus,   // the window gained or lost the keyboard focus
    Parent,
    Style,  // other style bits, or SWP_FRAMECHANGED
    ZOrder,
    Capture,
};

class WindowPresenter {
public:
    virtual ~WindowPresenter() = default;
    // Called once the window is in the table, before WM_NCCREATE.
    virtual void WindowCreated(HWND) {}
    // Called when the window has left the table (IsWindow is already false).
    virtual void WindowDestroyed(HWND) {}
    virtual void WindowChanged(HWND, WindowChange) {}
    // The window needs a repaint (InvalidateRect).
    virtual void Invalidate(HWND) {}
    // A message was posted: the loop should pump soon.
    virtual void MessagePosted() {}
    // A timer was set or killed: MillisecondsUntilNextTimer may have changed.
    virtual void TimersChanged() {}
    // SetCursorPos moved the pointer; the presenter may move the real one.
    virtual void CursorPositionSet(POINT) {}
    // GetMessageA found nothing: run the event loop until something is
    // posted. False means nothing can arrive (GetMessageA then fails).
    virtual bool WaitForMessage() { return false; }
};

// Not owned; nullptr makes the layer headless again.
void SetWindowPresenter(WindowPresenter* presenter);
WindowPresenter* GetWindowPresenter();

}  // namespace win32

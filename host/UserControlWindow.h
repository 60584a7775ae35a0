// The window of a user control: its class, creation, and the procedure that
// turns the window's messages into the control's life-cycle events.
#pragma once

#include "platform/Win32Types.h"

namespace host {

class UserControl;
struct ControlSite;

class UserControlWindow {
public:
    static win32::HWND Create(UserControl& control, const ControlSite& site);
    static win32::LRESULT Procedure(win32::HWND hwnd, win32::UINT msg, win32::WPARAM wParam,
                                    win32::LPARAM lParam);

private:
    static win32::LRESULT Dispatch(UserControl& control, win32::HWND hwnd, win32::UINT msg,
                                   win32::WPARAM wParam, win32::LPARAM lParam);
    static void MouseButton(UserControl& control, win32::UINT msg, win32::WPARAM wParam,
                            win32::LPARAM lParam);
};

}  // namespace host

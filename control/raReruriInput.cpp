// How the button reacts to the mouse, the keyboard, focus and visibility.
//
// State table (CurrentState; events raised in brackets). The input tests
// walk the same rows by sending the real window messages.
//
// | From          | Trigger                                          | To                             |
// |---------------|--------------------------------------------------|--------------------------------|
// | any           | properties loaded                                | Normal                         |
// | Normal        | pointer enters [MouseEnter]                      | Hot                            |
// | Hot, Pressed  | pointer leaves [MouseLeave]                      | Normal                         |
// | any           | left press, Space down, double click             | Pressed                        |
// | Pressed       | left release, push button or checked toggle      | Hot [Click if MouseInside]     |
// | Pressed       | left release, unchecked toggle                   | Pressed, then Hot by the host  |
// |               |                                                  | click, which sets Value        |
// | Pressed       | Space up [Click]                                 | Normal                         |
// | any           | access key [Click]                               | Normal (shown at next repaint) |
// | any           | Tab down [MouseLeave]                            | unchanged                      |
// | any           | right or middle button press or release          | unchanged                      |
// | any           | Enabled assigned                                 | Normal                         |
// | any           | repaint with Enabled False                       | Disabled                       |
// | any           | repaint while designing, Style not 5             | Hot                            |
// | any           | repaint with ButtonType 1 and Value True         | Pressed                        |
//
// The host's click event toggles Value and only follows a left release
// (LastMouseButton 1): so Space toggles a toggle button only once the left
// button has been released on it, while Click is raised on every Space up.
#include "control/Trap.h"
#include "control/raReruri.h"
#include "host/UserControlSendKeys.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"

namespace control {

void raReruri::UserControl_AccessKeyPress(Integer) {
    Trap([&] {
        lastMouseButton_ = host::vbLeftButton;
        UserControl_Click();
        currentState_ = ButtonState::Normal;
        RaiseEvent(Click);
    });
}

void raReruri::UserControl_AmbientChanged(const std::string& propertyName) {
    Trap([&] {
        if (propertyName == "DisplayAsDefault") Refresh();
    });
}

// The host's click; raReruri's own Click event is raised by the release
// and key handlers.
void raReruri::UserControl_Click() {
    Trap([&] {
        if (lastMouseButton_ != host::vbLeftButton) return;
        if (buttonType_ == kToggleButton) value_ = !value_;
        currentState_ = ButtonState::Hot;
        Refresh();
    });
}

void raReruri::UserControl_DblClick() {
    Trap([&] {
        if (lastMouseButton_ == host::vbLeftButton) UserControl_MouseDown(host::vbLeftButton, 0, 1.0f, 1.0f);
    });
}

void raReruri::UserControl_EnterFocus() {
    Trap([&] {
        hasFocus_ = true;
        Refresh();
    });
}

void raReruri::UserControl_GotFocus() { UserControl_EnterFocus(); }

void raReruri::UserControl_ExitFocus() {
    Trap([&] {
        hasFocus_ = false;
        Refresh();
    });
}

void raReruri::UserControl_LostFocus() { UserControl_ExitFocus(); }

void raReruri::UserControl_Hide() {
    Trap([&] {
        isShown_ = false;
        // The container gets its tooltip back; the tooltip window stays until the pointer leaves.
        GiveTooltipTextBack();
    });
}

void raReruri::UserControl_Show() {
    Trap([&] {
        isShown_ = true;
        UserControl_Resize();
        Refresh();
    });
}

void raReruri::UserControl_KeyDown(Integer& keyCode, Integer) {
    Trap([&] {
        switch (keyCode) {
            case win32::VK_SPACE:
                currentState_ = ButtonState::Pressed;
                Refresh();
                break;
            case win32::VK_RIGHT:
            case win32::VK_DOWN: host::SendKeys("{TAB}"); break;
            case win32::VK_LEFT:
            case win32::VK_UP: host::SendKeys("+{TAB}"); break;
            case win32::VK_TAB: RaiseEvent(MouseLeave); break;
            default: break;
        }
    });
}

void raReruri::UserControl_KeyUp(Integer& keyCode, Integer) {
    Trap([&] {
        if (keyCode != win32::VK_SPACE) return;
        UserControl_Click();
        RaiseEvent(Click);
        currentState_ = ButtonState::Normal;
        Refresh();
    });
}

void raReruri::UserControl_MouseDown(Integer button, Integer, float, float) {
    Trap([&] {
        if (button != host::vbLeftButton) return;
        currentState_ = ButtonState::Pressed;
        Refresh();
    });
}

void raReruri::UserControl_MouseUp(Integer button, Integer, float, float) {
    Trap([&] {
        if (button == host::vbLeftButton) {
            if (buttonType_ == kToggleButton && !value_) {
                currentState_ = ButtonState::Pressed;
            } else {
                currentState_ = ButtonState::Hot;
                // Let a pending leave message run first: a release after the
                // pointer has gone raises no Click.
                win32::PumpPendingMessages();
                RequestLeaveTracking();
                if (mouseInside_) RaiseEvent(Click);
            }
            Refresh();
        }
        lastMouseButton_ = button;
    });
}

void raReruri::UserControl_Paint() { Refresh(); }

void raReruri::SubclassCallback(bool, bool&, win32::LRESULT&, win32::HWND, win32::UINT uMsg, win32::WPARAM,
                                win32::LPARAM, win32::LONG_PTR&) {
    const auto self = weak_from_this().lock();
    Trap([&] {
        switch (uMsg) {
            case win32::WM_MOUSEMOVE:
                if (!mouseInside_) MouseEntered();
                break;
            case win32::WM_MOUSELEAVE: MouseLeft(); break;
            case win32::WM_SYSCOLORCHANGE:
            case win32::WM_THEMECHANGED: Refresh(); break;
            default: break;
        }
    });
}

void raReruri::MouseEntered() {
    mouseInside_ = true;
    RequestLeaveTracking();
    currentState_ = ButtonState::Hot;
    Refresh();
    RaiseEvent(MouseEnter);
    BuildTooltip();
}

void raReruri::MouseLeft() {
    mouseInside_ = false;
    currentState_ = ButtonState::Normal;
    RemoveTooltip();
    Refresh();
    RaiseEvent(MouseLeave);
}

}  // namespace control

#include "host/UserControlWindow.h"

#include <cctype>

#include "host/Twips.h"
#include "host/UserControl.h"
#include "platform/user/User32.h"

namespace host {
namespace {

using namespace win32;

void RegisterOnce() {
    static const bool registered = [] {
        WNDCLASSA wc;
        wc.style = CS_DBLCLKS;  // the control has a double-click event
        wc.lpfnWndProc = &UserControlWindow::Procedure;
        wc.lpszClassName = UserControl::kWindowClass;
        return RegisterClassA(&wc) != 0;
    }();
    (void)registered;
}

std::int16_t ShiftFromMouse(WPARAM wParam) {
    return static_cast<std::int16_t>(((wParam & MK_SHIFT) ? vbShiftMask : 0) |
                                     ((wParam & MK_CONTROL) ? vbCtrlMask : 0));
}

float X(LPARAM lParam) { return static_cast<float>(static_cast<std::int16_t>(LOWORD(lParam))); }
float Y(LPARAM lParam) { return static_cast<float>(static_cast<std::int16_t>(HIWORD(lParam))); }

std::int16_t ButtonOf(UINT msg) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP: return vbLeftButton;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP: return vbRightButton;
        default: return vbMiddleButton;
    }
}

}  // namespace

HWND UserControlWindow::Create(UserControl& control, const ControlSite& site) {
    RegisterOnce();
    const DWORD style = WS_TABSTOP | WS_CLIPSIBLINGS | (site.parent ? WS_CHILD : WS_POPUP);
    return CreateWindowExA(0, UserControl::kWindowClass, site.name.c_str(), style, TwipsToPixels(site.left),
                           TwipsToPixels(site.top), TwipsToPixels(site.width), TwipsToPixels(site.height),
                           site.parent, nullptr, nullptr, &control);
}

LRESULT UserControlWindow::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        auto* control = static_cast<UserControl*>(cs->lpCreateParams);
        control->hwnd_.Reset(hwnd);  // messages sent during creation find their control
    }
    UserControl* control = UserControl::FromHwnd(hwnd);
    if (!control) return DefWindowProcA(hwnd, msg, wParam, lParam);
    // Held for the whole message: a handler may drop the last outside
    // reference, and the message's later events still run on a live control.
    const auto keepAlive = control->events_.lock();
    return Dispatch(*control, hwnd, msg, wParam, lParam);
}

LRESULT UserControlWindow::Dispatch(UserControl& control, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_SIZE:
            control.ResizeSurface(LOWORD(lParam), HIWORD(lParam));
            control.RaiseEvent([](UserControlEvents& e) { e.UserControl_Resize(); });
            return 0;
        case WM_PAINT:
            ValidateRect(hwnd, nullptr);
            control.RaiseEvent([](UserControlEvents& e) { e.UserControl_Paint(); });
            return 0;
        case WM_SHOWWINDOW:
            if (wParam)
                control.RaiseEvent([](UserControlEvents& e) { e.UserControl_Show(); });
            else
                control.RaiseEvent([](UserControlEvents& e) { e.UserControl_Hide(); });
            return 0;
        case WM_SETFOCUS:
            control.RaiseEvent([](UserControlEvents& e) { e.UserControl_EnterFocus(); });
            control.RaiseEvent([](UserControlEvents& e) { e.UserControl_GotFocus(); });
            return 0;
        case WM_KILLFOCUS:
            control.RaiseEvent([](UserControlEvents& e) { e.UserControl_LostFocus(); });
            control.RaiseEvent([](UserControlEvents& e) { e.UserControl_ExitFocus(); });
            return 0;
        case WM_KEYDOWN:
        case WM_KEYUP: {
            std::int16_t keyCode = static_cast<std::int16_t>(wParam);
            if (msg == WM_KEYDOWN)
                control.RaiseEvent([&](UserControlEvents& e) { e.UserControl_KeyDown(keyCode, 0); });
            else
                control.RaiseEvent([&](UserControlEvents& e) { e.UserControl_KeyUp(keyCode, 0); });
            return 0;
        }
        case WM_SYSKEYDOWN: {
            const int key = std::toupper(static_cast<int>(wParam & 0xFF));
            for (char c : control.AccessKeys()) {
                if (std::toupper(static_cast<unsigned char>(c)) != key) continue;
                control.RaiseEvent([&](UserControlEvents& e) {
                    e.UserControl_AccessKeyPress(static_cast<std::int16_t>(key));
                });
                return 0;
            }
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP: MouseButton(control, msg, wParam, lParam); return 0;
        case WM_LBUTTONDBLCLK:
            // The runtime's order for a double click: MouseDown, MouseUp,
            // Click, DblClick, MouseUp; the second release raises no Click.
            control.afterDblClick_ = true;
            control.RaiseEvent([](UserControlEvents& e) { e.UserControl_DblClick(); });
            return 0;
        default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

void UserControlWindow::MouseButton(UserControl& control, UINT msg, WPARAM wParam, LPARAM lParam) {
    const std::int16_t button = ButtonOf(msg);
    const std::int16_t shift = ShiftFromMouse(wParam);
    const float x = X(lParam), y = Y(lParam);
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN) {
        // A press takes the focus, as a button's does, before MouseDown.
        if (GetFocus() != control.hWnd()) SetFocus(control.hWnd());
        if (button == vbLeftButton) control.clickArmed_ = true;
        control.RaiseEvent([&](UserControlEvents& e) { e.UserControl_MouseDown(button, shift, x, y); });
        return;
    }
    control.RaiseEvent([&](UserControlEvents& e) { e.UserControl_MouseUp(button, shift, x, y); });
    if (button != vbLeftButton) return;
    // Click needs a press on the control and its release over it.
    const bool inside = x >= 0 && y >= 0 && x < control.ScaleWidth() && y < control.ScaleHeight();
    const bool click = control.clickArmed_ && !control.afterDblClick_ && inside;
    control.clickArmed_ = false;
    control.afterDblClick_ = false;
    if (click) control.RaiseEvent([](UserControlEvents& e) { e.UserControl_Click(); });
}

}  // namespace host

#include "presenter/MouseMessages.h"

namespace presenter {

using namespace win32;

WPARAM MouseKeyState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    WPARAM state = 0;
    if (buttons & Qt::LeftButton) state |= MK_LBUTTON;
    if (buttons & Qt::RightButton) state |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton) state |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier) state |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier) state |= MK_CONTROL;
    return state;
}

UINT ButtonMessage(Qt::MouseButton button, bool down) {
    switch (button) {
        case Qt::LeftButton: return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
        case Qt::RightButton: return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
        case Qt::MiddleButton: return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
        default: return 0;
    }
}

}  // namespace presenter

#pragma once

#include <Qt>

#include "platform/user/User32.h"

namespace presenter {

// The MK_ flags of a mouse message's wParam for Qt's buttons and modifiers.
win32::WPARAM MouseKeyState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

// The button-down or button-up message of a Qt button; 0 for buttons the
// windows never see.
win32::UINT ButtonMessage(Qt::MouseButton button, bool down);

}  // namespace presenter

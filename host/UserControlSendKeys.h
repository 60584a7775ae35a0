// Synthetic keystrokes a control sends to the application. Only what the
// controls use is understood: "{TAB}" and "+{TAB}" move the keyboard focus
// to the next or previous control in the tab order.
#pragma once

#include <functional>
#include <string_view>

#include "platform/Win32Types.h"

namespace host {

// Whatever shows the forms moves the focus among all their controls; without
// it, the focus moves among the user controls beside the focused one.
using FocusMover = std::function<void(win32::HWND from, bool forward)>;
void SetFocusMover(FocusMover mover);

// False when the keys are not understood.
bool SendKeys(std::string_view keys);

}  // namespace host

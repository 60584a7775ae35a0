// Access keys: Alt with a letter or digit clicks the control whose caption
// marks that character with '&', wherever the focus is on the form.
#pragma once

#include <string>
#include <string_view>

#include "platform/Win32Types.h"

namespace host {

class Form;

// A control's access keys from its caption, by the platform's rule: the
// character after a single '&' ("&&" is a literal '&'). Keys arrive as
// virtual-key codes, which name letters and digits, so only those count;
// a letter is given in upper case.
std::string AccessKeysFromCaption(std::string_view caption);

// Alt with `virtualKey` was pressed on the form: the first user control in
// tab order, shown and enabled, that has the key gets it as WM_SYSKEYDOWN.
// A key held down repeats; the control already has it and gets nothing more.
// False when no control has the key.
bool SendAccessKey(const Form& form, win32::WPARAM virtualKey, bool repeated = false);

}  // namespace host

// Internal: moving an object into a DC slot keeps the selection counts right.
#pragma once

#include "platform/Win32Types.h"

namespace win32::gdi {

// Releases the object in slot, retains next and stores it.
void SwapSelection(HGDIOBJ& slot, HGDIOBJ next);

}  // namespace win32::gdi

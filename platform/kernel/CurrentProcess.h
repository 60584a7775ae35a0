// Facts about the running process.
#pragma once

#include <string>

#include "platform/Win32Types.h"

namespace win32 {

DWORD GetCurrentProcessId();

// Folder of the running executable, without a trailing separator; the first
// place CreateProcessA looks for a program.
const std::string& ApplicationFolder();

}  // namespace win32

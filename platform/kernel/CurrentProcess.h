// Facts about the running process.
#pragma once

#include <string>

#include "platform/Win32Types.h"

namespace win32 {

DWORD GetCurrentProcessId();

}  // namespace win32

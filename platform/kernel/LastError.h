// The calling thread's last error code, as kernel32 keeps it.
#pragma once

#include "platform/Win32Types.h"

namespace win32 {

DWORD GetLastError();
void SetLastError(DWORD errorCode);

}  // namespace win32

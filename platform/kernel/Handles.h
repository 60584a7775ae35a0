// Closing kernel handles (pipe ends, processes, threads).
#pragma once

#include <cstddef>

#include "platform/Win32Types.h"

namespace win32 {

// A process handle reaps its child (now, or when it exits). Unknown or
// already closed handles: FALSE with ERROR_INVALID_HANDLE.
BOOL CloseHandle(HANDLE object);

}  // namespace win32

// What the layer's kernel32 exports by name, for GetProcAddress.
#pragma once

#include <utility>
#include <vector>

#include "platform/Win32Types.h"

namespace win32::kernel {

std::vector<std::pair<const char*, FARPROC>> Kernel32Exports();

}  // namespace win32::kernel

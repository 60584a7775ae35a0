// Internal: stock objects the DC code needs beyond GetStockObject.
#pragma once

#include "platform/Win32Types.h"

namespace win32::gdi {

// The 1x1 bitmap every new memory DC starts with.
HBITMAP DefaultBitmap();

}  // namespace win32::gdi

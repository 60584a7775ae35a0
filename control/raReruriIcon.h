// Where the icon goes: its top-left corner by IconAlign, before the state's
// offsets are applied.
#pragma once

#include <cstdint>

#include "platform/Win32Types.h"

namespace control {

// sw and sh are the surface's scale size; halves round to even. Any
// alignment outside 0..4 puts the icon at the top-left corner.
win32::POINT IconOrigin(std::int32_t iconAlign, float sw, float sh, std::int32_t iconSize,
                        std::int32_t margin);

}  // namespace control

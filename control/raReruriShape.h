// The window outline of each style: bevelled corners for styles 5 and 7,
// slanted ones for 8 and 9, a rounded rectangle for 10, the plain rectangle
// for the rest. Each maker returns a new region the caller owns (0 on
// failure); sizes are the surface's scale width and height.
#pragma once

#include <array>
#include <cstdint>

#include "platform/Win32Types.h"

namespace control {

// The eight corners of the polygon outlines, closed, for integer sizes.
std::array<win32::POINT, 8> BevelOutline(std::int32_t sw, std::int32_t sh);
std::array<win32::POINT, 8> SlantOutline(std::int32_t sw, std::int32_t sh);

win32::HRGN MakeBevelRegion(float scaleWidth, float scaleHeight);
win32::HRGN MakeSlantRegion(float scaleWidth, float scaleHeight);
win32::HRGN MakeRoundRegion(float scaleWidth, float scaleHeight);

// The region the given style shapes its window with.
win32::HRGN MakeWindowRegion(std::int32_t style, float scaleWidth, float scaleHeight);

}  // namespace control

// Internal: making regions from rectangle lists.
#pragma once

#include <vector>

#include "platform/Win32Types.h"

namespace win32::gdi {

// The rectangle normalised like CreateRectRgn's: swapped if inverted, empty
// when either side is zero.
std::vector<RECT> RectList(int left, int top, int right, int bottom);
HRGN NewRegion(std::vector<RECT> rects);

}  // namespace win32::gdi

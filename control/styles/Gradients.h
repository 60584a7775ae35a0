// Vertical and horizontal colour ramps made of one-pixel lines.
#pragma once

#include <cstdint>

#include "control/styles/Color.h"
#include "platform/Win32Types.h"

namespace control::styles {

// steps + 1 rows, y..y+steps, each covering columns x1..x2-1 (a line from x1
// towards x2, end excluded): row y in colorFrom, row y+steps in colorTo.
// steps = 0 draws nothing (it would divide by zero), negative steps neither.
// DrawGradientV is used on the control's surface DC, DrawGradientVDC on any
// other; they draw the same.
void DrawGradientV(win32::HDC surface, Color colorFrom, Color colorTo, std::int32_t x1, std::int32_t y,
                   std::int32_t x2, std::int32_t steps);
void DrawGradientVDC(win32::HDC hdc, Color colorFrom, Color colorTo, std::int32_t x1, std::int32_t y,
                     std::int32_t x2, std::int32_t steps);

// x2 - x1 + 1 columns x1..x2, each a line from (x, y1) towards (x, y2):
// column x1 in colorFrom, column x2 in colorTo. x2 <= x1 draws nothing.
void DrawGradientH(win32::HDC surface, Color colorFrom, Color colorTo, std::int32_t x1, std::int32_t y1,
                   std::int32_t x2, std::int32_t y2);

}  // namespace control::styles

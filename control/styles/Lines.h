// Solid one-pixel lines with a pen made for the one call.
#pragma once

#include <cstdint>

#include "control/styles/Color.h"
#include "platform/Win32Types.h"

namespace control::styles {

// From (x1, y1) towards (x2, y2), the end point left out: a horizontal run
// of columns a..b inclusive is DrawLine(surface, a, y, b + 1, y, color).
// DrawLine is used on the control's surface DC, DrawLineDC on any other;
// they draw the same.
void DrawLine(win32::HDC surface, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
              Color color);
void DrawLineDC(win32::HDC hdc, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                Color color);

}  // namespace control::styles

// Solid fills, one-pixel outlines, the system 3-D edge and the two-tone frame.
#pragma once

#include <cstdint>

#include "control/styles/Color.h"
#include "platform/Win32Types.h"

namespace control::styles {

// Fills rect, right and bottom exclusive.
void FillRectSolid(win32::HDC hdc, const win32::RECT& rect, Color color);

// Fills (x, y)-(x + width, y + height), right and bottom exclusive.
void FillBox(win32::HDC hdc, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
             Color color);

// Outline over columns x..x+width and rows y..y+height, both inclusive:
// width + 1 by height + 1 pixels. An outline exactly covering a W x H area
// is DrawBox(hdc, x, y, W - 1, H - 1, color).
void DrawBox(win32::HDC hdc, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
             Color color);

// DrawEdge around (left, top)-(left + width, top + height), each coordinate
// rounded half to even after the sums are formed in single precision.
// edge and flags are DrawEdge's (5 raised, 10 sunken; 15 all sides).
void DrawEdgeBox(win32::HDC hdc, float left, float top, float width, float height, std::int32_t edge,
                 std::int32_t flags);

// Two nested outlines: outerColor over columns x..x+width-1 and rows
// y..y+height-1, innerColor one pixel down and right (winning where they
// cross), cornerColor at (x, y+height) and (x+width, y), and the mix of the
// two at (x+1, y+height-1) and (x+width-1, y+1).
void DrawDoubleFrame(win32::HDC surface, std::int32_t x, std::int32_t y, std::int32_t width,
                     std::int32_t height, Color outerColor, Color innerColor, Color cornerColor);

}  // namespace control::styles

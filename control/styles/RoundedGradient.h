// Style 5, RoundedGradient: a dark one-pixel frame with softened corners over
// vertical gradients, an accent ring for hover and focus, an inverted face
// when pressed. One painter for the fixed palette, one for the palette
// derived from BackColor and HighlightColor.
#pragma once

#include <initializer_list>

#include "control/styles/FaceState.h"
#include "platform/gdi/Gdi.h"

namespace control::styles {

// The fixed palette (UseCustomColors False).
void PaintRoundedGradient(const FaceState& face);

// The palette shifted from BackColor, with HighlightColor for the hover ring
// (UseCustomColors True).
void PaintRoundedGradientCustom(const FaceState& face);

namespace detail {

// Single pixels of one colour, set in the order given.
inline void SetPixels(win32::HDC dc, Color color, std::initializer_list<win32::POINT> points) {
    for (const win32::POINT& p : points) win32::SetPixelV(dc, p.x, p.y, ToColorRef(color));
}

}  // namespace detail

}  // namespace control::styles

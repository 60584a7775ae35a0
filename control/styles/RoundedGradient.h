// Style 5, RoundedGradient: a dark one-pixel frame with softened corners over
// vertical gradients, an accent ring for hover and focus, an inverted face
// when pressed. One painter for the fixed palette, one for the palette
// derived from BackColor and HighlightColor.
#pragma once

#include "control/styles/FaceState.h"
#include "control/styles/PainterHelpers.h"

namespace control::styles {

// The fixed palette (UseCustomColors False).
void PaintRoundedGradient(const FaceState& face);

// The palette shifted from BackColor, with HighlightColor for the hover ring
// (UseCustomColors True).
void PaintRoundedGradientCustom(const FaceState& face);

namespace detail {

// The three pixels at each corner of the disabled frame that soften it, in
// the order both palettes set them.
inline void SetDisabledCornerPixels(win32::HDC dc, Color color, int w, int h) {
    // clang-format off
    SetPixels(dc, color, {{0, 1},     {1, 1},     {1, 0},              // top left
                          {0, h - 2}, {1, h - 2}, {1, h - 1},          // bottom left
                          {w - 1, 1}, {w - 2, 1}, {w - 2, 0},          // top right
                          {w - 1, h - 2}, {w - 2, h - 2}, {w - 2, h - 1}});  // bottom right
    // clang-format on
}

}  // namespace detail

}  // namespace control::styles

// Styles 0 to 4, the plain faces: the system's 3-D edge, one-pixel outlines
// and flat fills, no gradients. Each paints the whole face and border for
// the state; none of them changes the content margin.
#pragma once

#include "control/styles/FaceState.h"
#include "control/styles/PainterHelpers.h"

namespace control::styles {

// Style 0: two-pixel raised edge, sunken when pressed; a black outer ring
// when focused (with ShowFocus) or, unfocused, the container's default.
void PaintRaisedEdge(const FaceState& face);

// Style 1: one-pixel raised edge, sunken when pressed, none when disabled.
void PaintThinEdge(const FaceState& face);

// Style 2: flat; the one-pixel raised edge only while hot, sunken when pressed.
void PaintHoverEdge(const FaceState& face);

// Style 3: a flat face whose colour follows the state, in a two-tone frame.
void PaintEtchedFrame(const FaceState& face);

// Style 4: a lightened flat face; hot and pressed tint it with the highlight
// and ring it in the highlight itself. The surface's back colour is left as
// it is: the fills cover every pixel.
void PaintTintedFlat(const FaceState& face);

namespace detail {

// The face of styles 1 and 2: BackColor (or the button face) while normal
// or disabled, HighlightColor (or the button face) while hot or pressed.
Color OnePixelFaceColor(const FaceState& face);

// The system edge around the whole surface, all four sides, middle
// untouched (EDGE_RAISED, EDGE_SUNKEN, BDR_RAISEDINNER, BDR_SUNKENOUTER).
void DrawSurfaceEdge(const FaceState& face, win32::UINT edge);

// A ring over the outermost pixels.
void DrawOuterRing(const FaceState& face, Color color);

}  // namespace detail

}  // namespace control::styles

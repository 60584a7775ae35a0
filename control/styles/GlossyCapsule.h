// Style 10, GlossyCapsule: a glossy pill with round ends, a dark outline, a
// reflection along the top and a glow along the bottom, drawn from fixed
// pixel data in one of three palettes (grey, blue, dark blue) chosen by the
// state and focus. It ignores every colour property and the system colours.
#pragma once

#include "control/styles/CapsulePalette.h"
#include "control/styles/FaceState.h"

namespace control::styles {

// Picks the palette: blue when hot or focused, dark blue when pressed,
// grey otherwise.
void PaintGlossyCapsule(const FaceState& face);

void PaintCapsuleGrey(const FaceState& face);
void PaintCapsuleBlue(const FaceState& face);
void PaintCapsuleDarkBlue(const FaceState& face);

}  // namespace control::styles

// Style 9, SoftBevel: a tinted face shaded light to dark inside a soft
// bevel: a bright top rim, strong outer columns, short inner columns that
// round the upper and lower halves, and a dark bottom rim with shadow rows
// near the lower corners. Every colour is one tint shifted; the tint follows
// the state, and BackColor/HighlightColor with custom colours.
#pragma once

#include "control/styles/FaceState.h"

namespace control::styles {

void PaintSoftBevel(const FaceState& face);

}  // namespace control::styles

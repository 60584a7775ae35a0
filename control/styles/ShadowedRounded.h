// Style 8, ShadowedRounded: a vertical gradient body with light inner edges
// inside a dark frame with cut corners, and a one-pixel drop shadow along the
// bottom and right with a two-tone diagonal at the bottom-right corner. Every
// colour is one base colour shifted, so the face follows BackColor (custom
// colours) or the system button face.
#pragma once

#include "control/styles/FaceState.h"

namespace control::styles {

void PaintShadowedRounded(const FaceState& face);

}  // namespace control::styles

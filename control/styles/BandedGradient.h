// Style 7, BandedGradient: a face shaded from light to dark inside a dark
// one-pixel rim with clipped, softened corners; accent bands in the
// highlight colour while hot or focused; the shading inverted when pressed.
// Every colour is shifted from one base and one accent colour.
#pragma once

#include "control/styles/FaceState.h"

namespace control::styles {

// Paints every pixel but the four outermost corners, which keep the face
// colour (cleared first) or, when pressed, whatever the surface held.
void PaintBandedGradient(const FaceState& face);

}  // namespace control::styles

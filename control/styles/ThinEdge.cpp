// Style 1: a one-pixel raised edge, sunken while pressed; disabled, the
// ring takes the face colour, so no border shows.
#include "control/styles/PlainStyles.h"
#include "platform/gdi/Gdi.h"

namespace control::styles {

void PaintThinEdge(const FaceState& face) {
    const Color faceColor = detail::OnePixelFaceColor(face);
    face.setBackColor(faceColor);
    switch (face.state) {
        case ButtonState::Pressed: detail::DrawSurfaceEdge(face, win32::BDR_SUNKENOUTER); break;
        case ButtonState::Disabled: detail::DrawOuterRing(face, faceColor); break;
        default: detail::DrawSurfaceEdge(face, win32::BDR_RAISEDINNER); break;
    }
}

}  // namespace control::styles

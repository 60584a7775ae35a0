// Style 2: flat until the pointer is over it, then the one-pixel raised
// edge; sunken while pressed.
#include "control/styles/PlainStyles.h"
#include "platform/gdi/Gdi.h"

namespace control::styles {

void PaintHoverEdge(const FaceState& face) {
    const Color faceColor = detail::OnePixelFaceColor(face);
    face.setBackColor(faceColor);
    switch (face.state) {
        case ButtonState::Hot: detail::DrawSurfaceEdge(face, win32::BDR_RAISEDINNER); break;
        case ButtonState::Pressed: detail::DrawSurfaceEdge(face, win32::BDR_SUNKENOUTER); break;
        default: detail::DrawOuterRing(face, faceColor); break;
    }
}

}  // namespace control::styles

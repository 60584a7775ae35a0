// Style 0: the two-pixel system edge, raised or sunken, over a face cleared
// to its colour, with a black ring for focus or the default button.
#include "control/styles/PlainStyles.h"
#include "platform/gdi/Gdi.h"

namespace control::styles {
namespace {

constexpr Color kBlack = 0x000000;

// Only the idle button keeps BackColor; every other state, disabled
// included, takes HighlightColor.
Color FaceColor(const FaceState& face) {
    if (!face.useCustomColors) return detail::SystemColor(win32::COLOR_BTNFACE);
    return face.state == ButtonState::Normal ? face.backColor : face.highlightColor;
}

bool ShowsDefaultRing(const FaceState& face) {
    return (face.hasFocus && face.showFocus) || (!face.hasFocus && face.displayAsDefault);
}

}  // namespace

void PaintRaisedEdge(const FaceState& face) {
    face.setBackColor(FaceColor(face));
    const win32::UINT edge = face.state == ButtonState::Pressed ? win32::EDGE_SUNKEN : win32::EDGE_RAISED;
    detail::DrawSurfaceEdge(face, edge);
    // Over the edge's outer ring.
    if (ShowsDefaultRing(face)) detail::DrawOuterRing(face, kBlack);
}

}  // namespace control::styles

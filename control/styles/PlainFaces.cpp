// What the plain styles share: the system edge around the surface, the
// face colour of styles 1 and 2, the outer ring.
#include "control/styles/Boxes.h"
#include "control/styles/PlainStyles.h"
#include "platform/gdi/Gdi.h"

namespace control::styles::detail {

Color OnePixelFaceColor(const FaceState& face) {
    const bool idle = face.state == ButtonState::Normal || face.state == ButtonState::Disabled;
    if (!face.useCustomColors) return SystemColor(win32::COLOR_BTNFACE);
    return idle ? face.backColor : face.highlightColor;
}

void DrawSurfaceEdge(const FaceState& face, win32::UINT edge) {
    DrawEdgeBox(face.dc, 0, 0, static_cast<float>(face.width), static_cast<float>(face.height),
                static_cast<std::int32_t>(edge), static_cast<std::int32_t>(win32::BF_RECT));
}

void DrawOuterRing(const FaceState& face, Color color) {
    DrawBox(face.dc, 0, 0, face.width - 1, face.height - 1, color);
}

}  // namespace control::styles::detail

// Style 3: a flat face whose colour follows the state, inside a shadow and
// window-coloured double frame.
#include "control/styles/Boxes.h"
#include "control/styles/Colors.h"
#include "control/styles/PlainStyles.h"
#include "platform/gdi/Gdi.h"

namespace control::styles {
namespace {

using detail::SystemColor;

Color StateColor(const FaceState& face, Color buttonFace, Color shadow) {
    const bool custom = face.useCustomColors;
    switch (face.state) {
        case ButtonState::Hot:
            return custom ? MixColors(face.highlightColor, face.backColor) : MixColors(shadow, buttonFace);
        case ButtonState::Pressed: return custom ? face.highlightColor : shadow;
        default: return custom ? face.backColor : buttonFace;
    }
}

}  // namespace

void PaintEtchedFrame(const FaceState& face) {
    const Color buttonFace = SystemColor(win32::COLOR_BTNFACE);
    const Color shadow = SystemColor(win32::COLOR_BTNSHADOW);
    face.setBackColor(face.useCustomColors ? face.backColor : buttonFace);
    const Color color = StateColor(face, buttonFace, shadow);
    FillRectSolid(face.dc, {0, 0, face.width, face.height}, color);
    // The frame's two free corners take the face colour.
    DrawDoubleFrame(face.dc, 0, 0, face.width - 1, face.height - 1, shadow, SystemColor(win32::COLOR_WINDOW),
                    color);
}

}  // namespace control::styles

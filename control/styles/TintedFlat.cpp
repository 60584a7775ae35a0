// Style 4: a flat face a little lighter than its base colour; hot and
// pressed, a tint of the highlight ringed in the highlight itself.
#include "control/styles/Boxes.h"
#include "control/styles/Colors.h"
#include "control/styles/PlainStyles.h"
#include "platform/gdi/Gdi.h"

namespace control::styles {
namespace {

constexpr std::int32_t kHotTint = 176;
constexpr std::int32_t kPressedTint = 128;
constexpr std::int32_t kIdleLightening = 32;

// The fill stops one pixel short on the right and bottom; the ring covers
// that column and row.
void PaintTinted(const FaceState& face, std::int32_t amount) {
    const Color highlight =
        face.useCustomColors ? face.highlightColor : detail::SystemColor(win32::COLOR_HIGHLIGHT);
    FillBox(face.dc, 0, 0, face.width - 1, face.height - 1, LightenColor(highlight, amount));
    detail::DrawOuterRing(face, highlight);
}

}  // namespace

void PaintTintedFlat(const FaceState& face) {
    switch (face.state) {
        case ButtonState::Hot: PaintTinted(face, kHotTint); break;
        case ButtonState::Pressed: PaintTinted(face, kPressedTint); break;
        default: {
            const Color base =
                face.useCustomColors ? face.backColor : detail::SystemColor(win32::COLOR_BTNFACE);
            FillBox(face.dc, 0, 0, face.width, face.height, LightenColor(base, kIdleLightening));
            break;
        }
    }
}

}  // namespace control::styles

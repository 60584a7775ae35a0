// Style 7. The steps run in a fixed order and each paints over the ones
// before it; on small surfaces, where rows overlap, the order decides.
#include "control/styles/BandedGradient.h"

#include "control/styles/Gradients.h"
#include "control/styles/Lines.h"
#include "control/styles/PainterHelpers.h"
#include "platform/gdi/Gdi.h"

namespace control::styles {
namespace {

using detail::SetPixels;
using detail::Shifted;
using win32::HDC;

// The face's lightening over the base colour, by state.
std::int32_t FaceShift(ButtonState state) {
    switch (state) {
        case ButtonState::Hot: return 24;
        case ButtonState::Disabled: return 18;
        default: return 8;
    }
}

// Each side of the rim stops two pixels short of the corners; the inner
// corner pixels take the rim colour and eight pixels soften the cut.
void PaintRim(HDC dc, int w, int h, Color rim, Color corner) {
    DrawLine(dc, 2, 0, w - 2, 0, rim);
    DrawLine(dc, 0, 2, 0, h - 2, rim);
    DrawLine(dc, 2, h - 1, w - 2, h - 1, rim);
    DrawLine(dc, w - 1, 2, w - 1, h - 2, rim);
    SetPixels(dc, rim, {{1, 1}, {1, h - 2}, {w - 2, 1}, {w - 2, h - 2}});
    SetPixels(
        dc, corner,
        {{1, 0}, {w - 2, 0}, {0, 1}, {0, h - 2}, {1, h - 1}, {w - 2, h - 1}, {w - 1, 1}, {w - 1, h - 2}});
}

void PaintAccentBands(HDC dc, int w, int h, Shifted a) {
    DrawLine(dc, 2, 1, w - 2, 1, a(21));
    DrawLine(dc, 1, 2, w - 1, 2, a(21));
    DrawLine(dc, 1, h - 3, w - 1, h - 3, a(-5));
    DrawLine(dc, 2, h - 2, w - 2, h - 2, a(-21));
}

// Normal, hot and disabled: light at the top, dark at the bottom.
void PaintRaised(const FaceState& face, Shifted b, Shifted a) {
    const HDC dc = face.dc;
    const int w = face.width;
    const int h = face.height;
    const Shifted f{b(FaceShift(face.state))};
    const std::int32_t g = face.state == ButtonState::Hot ? 16 : 15;
    face.setBackColor(f.base);
    DrawGradientV(dc, f(g), f(-g), 1, 1, w - 2, h - 3);
    DrawGradientV(dc, f(21), f(-21), 1, 2, 2, h - 5);
    // Runs from column w - 2 towards w - 3: column w - 2 alone.
    DrawGradientV(dc, f(-5), f(-32), w - 2, 2, w - 3, h - 5);
    PaintRim(dc, w, h, f(-96), face.state == ButtonState::Disabled ? b(5) : b(-21));
    DrawLine(dc, 2, 1, w - 2, 1, b(21));
    DrawLine(dc, 2, h - 2, w - 2, h - 2, b(-37));
    const bool accent =
        face.state == ButtonState::Hot || (face.state == ButtonState::Normal && face.hasFocus);
    if (accent) PaintAccentBands(dc, w, h, a);
}

// The back colour is not assigned: the four outer corners keep what the
// surface held. The light line moves to the bottom, the dark one to the top.
void PaintPressed(const FaceState& face, Shifted b) {
    const HDC dc = face.dc;
    const int w = face.width;
    const int h = face.height;
    const Shifted p{b(-9)};
    DrawGradientV(dc, p(-15), p.base, 1, 1, w - 2, h - 2);
    DrawGradientV(dc, p(-21), p(21), w - 2, 2, w - 3, h - 5);
    DrawGradientV(dc, p(-32), p(-5), 1, 2, 2, h - 5);
    PaintRim(dc, w, h, p(-96), b(-21));
    DrawLine(dc, 2, h - 2, w - 2, h - 2, b(8));
    DrawLine(dc, 2, 1, w - 2, 1, b(-21));
}

}  // namespace

void PaintBandedGradient(const FaceState& face) {
    const bool custom = face.useCustomColors;
    const Shifted b{custom ? face.backColor : detail::SystemColor(win32::COLOR_BTNFACE)};
    const Shifted a{custom ? face.highlightColor : detail::SystemColor(win32::COLOR_HIGHLIGHT)};
    switch (face.state) {
        case ButtonState::Normal:
        case ButtonState::Hot:
        case ButtonState::Disabled: PaintRaised(face, b, a); break;
        case ButtonState::Pressed: PaintPressed(face, b); break;
        case ButtonState::Defaulted: break;
    }
}

}  // namespace control::styles

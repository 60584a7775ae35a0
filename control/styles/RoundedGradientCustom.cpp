// Style 5 in the palette derived from BackColor: every colour is BackColor
// with all channels shifted by a fixed amount (clamped), and the accent ring
// is HighlightColor (hover) or the system highlight (focus), shifted alike.
#include "control/styles/Boxes.h"
#include "control/styles/Colors.h"
#include "control/styles/Gradients.h"
#include "control/styles/Lines.h"
#include "control/styles/RoundedGradient.h"

namespace control::styles {
namespace {

using detail::SetPixels;
using detail::Shifted;
using win32::HDC;

void PaintFace(HDC dc, int w, int h, Shifted s) {
    DrawGradientV(dc, s.base, s(-15), 1, 1, w - 2, h - 3);
    DrawGradientV(dc, s(21), s(-21), 1, 2, 2, h - 5);
    DrawGradientV(dc, s(-5), s(-32), w - 2, 2, w - 3, h - 5);
    DrawLine(dc, 2, 1, w - 2, 1, s(5));
    DrawLine(dc, 1, 2, w - 1, 2, s(2));
    DrawLine(dc, 2, h - 4, w - 2, h - 4, s(-16));
    DrawLine(dc, 2, h - 3, w - 2, h - 3, s(-24));
    DrawLine(dc, 2, h - 2, w - 2, h - 2, s(-37));
}

// The right side runs the full height; the left stops two pixels short at
// both ends. The asymmetry is part of the look.
void PaintFrame(HDC dc, int w, int h, Shifted s) {
    const Color dark = s(-128);
    DrawLine(dc, 2, 0, w - 2, 0, dark);
    DrawLine(dc, 0, 2, 0, h - 2, dark);
    DrawLine(dc, 2, h - 1, w - 2, h - 1, dark);
    DrawLine(dc, w - 1, 0, w - 1, h, dark);
    SetPixels(dc, dark, {{1, 1}, {1, h - 2}, {w - 2, 1}, {w - 2, h - 2}});
    SetPixels(
        dc, s(-21),
        {{1, 0}, {w - 2, 0}, {0, 1}, {0, h - 2}, {1, h - 1}, {w - 2, h - 1}, {w - 1, 1}, {w - 1, h - 2}});
}

void PaintAccentRing(HDC dc, int w, int h, Shifted t) {
    DrawLine(dc, 2, 1, w - 2, 1, t(85));
    DrawLine(dc, 2, 2, w - 2, 2, t(69));
    DrawLine(dc, 2, h - 3, w - 2, h - 3, t(16));
    DrawLine(dc, 2, h - 2, w - 2, h - 2, t.base);
    DrawGradientV(dc, t(69), t(16), 1, 2, 3, h - 5);
    DrawGradientV(dc, t(69), t(16), w - 3, 2, w - 1, h - 5);
}

void PaintPressed(HDC dc, int w, int h, Shifted s) {
    DrawGradientV(dc, s(-37), s(-21), 2, 1, w - 1, 4);
    DrawGradientV(dc, s(-21), s(-5), 2, 4, w - 1, h - 8);
    DrawGradientV(dc, s(-5), s(5), 3, h - 4, w - 1, 3);
    DrawGradientV(dc, s(-32), s(-22), 1, 3, 2, h - 5);
    DrawGradientV(dc, s(-24), s(-15), 2, 4, 3, h - 7);
    SetPixels(dc, s(-48), {{1, 2}, {2, 1}});
    SetPixels(dc, s(-5), {{2, h - 2}});
    SetPixels(dc, s(-16), {{1, h - 3}});
    SetPixels(dc, s(18), {{w - 2, h - 3}});
    SetPixels(dc, s(8), {{w - 3, h - 2}});
    SetPixels(dc, s(-48), {{w - 3, 1}});
    SetPixels(dc, s(-37), {{w - 2, 2}});
    const Color dark = s(-128);
    DrawLine(dc, 1, 0, w - 1, 0, dark);
    DrawLine(dc, 0, 1, 0, h - 1, dark);
    DrawLine(dc, w - 1, 1, w - 1, h - 1, dark);
    DrawLine(dc, 1, h - 1, w - 1, h - 1, dark);
    SetPixels(dc, s(-96), {{1, 1}, {1, h - 2}, {w - 2, 1}, {w - 2, h - 2}});
}

void PaintDisabled(HDC dc, int w, int h, Shifted s) {
    DrawBox(dc, 0, 0, w - 1, h - 1, s(-64));
    detail::SetDisabledCornerPixels(dc, s(-53), w, h);
}

bool ShowsAccentRing(const FaceState& face) {
    return face.state == ButtonState::Hot ||
           (face.state == ButtonState::Normal && face.hasFocus && face.showFocus);
}

}  // namespace

void PaintRoundedGradientCustom(const FaceState& face) {
    const HDC dc = face.dc;
    const int w = face.width;
    const int h = face.height;
    const Shifted s{face.backColor};
    // Every state starts from BackColor. The pressed look would otherwise
    // keep whatever the previous paint left in its four outer corners.
    face.setBackColor(face.backColor);
    switch (face.state) {
        case ButtonState::Normal:
        case ButtonState::Hot:
            PaintFace(dc, w, h, s);
            PaintFrame(dc, w, h, s);
            if (ShowsAccentRing(face)) {
                const Color accent = face.state == ButtonState::Hot
                                         ? face.highlightColor
                                         : static_cast<Color>(win32::GetSysColor(win32::COLOR_HIGHLIGHT));
                PaintAccentRing(dc, w, h, Shifted{accent});
            }
            break;
        case ButtonState::Pressed: PaintPressed(dc, w, h, s); break;
        case ButtonState::Disabled: PaintDisabled(dc, w, h, s); break;
        case ButtonState::Defaulted: break;
    }
}

}  // namespace control::styles

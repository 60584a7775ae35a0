// Style 8. Each step paints over the ones before it: the frame covers the
// body's right-hand line, and the shadow covers the frame's bottom-right
// corner pixels.
#include "control/styles/ShadowedRounded.h"

#include "control/styles/Colors.h"
#include "control/styles/Gradients.h"
#include "control/styles/Lines.h"
#include "control/styles/PainterHelpers.h"
#include "platform/gdi/Gdi.h"

namespace control::styles {
namespace {

using detail::SetPixels;
using detail::SystemColor;
using win32::HDC;

struct Palette {
    Color face;          // F: the surface and the body's base
    Color frame;         // R
    Color shadow;        // Z
    Color shadowCorner;  // Z2
};

Color ButtonFace() { return SystemColor(win32::COLOR_BTNFACE); }

// Idle is BackColor (or the button face); every other state takes the
// highlight face. The frame darkens with focus, except while pressed.
Palette PaletteFor(const FaceState& face) {
    const Color base = face.useCustomColors ? face.backColor : ButtonFace();
    Palette p;
    if (face.state == ButtonState::Normal)
        p.face = base;
    else
        p.face = face.useCustomColors ? face.highlightColor : ShiftColor(ButtonFace(), 15);
    const bool darkFrame = face.hasFocus && face.state != ButtonState::Pressed;
    p.frame = ShiftColor(base, darkFrame ? -96 : -48);
    p.shadow = ShiftColor(p.frame, 21);
    p.shadowCorner = ShiftColor(p.shadow, 15);
    return p;
}

// Lighter at the top, with light top and left inner edges.
void PaintRaisedBody(HDC dc, int w, int h, Color f) {
    DrawGradientV(dc, ShiftColor(f, 15), ShiftColor(f, -15), 2, 2, w - 3, h - 6);
    DrawLine(dc, 2, 1, w - 3, 1, ShiftColor(f, 96));
    DrawLine(dc, 1, 2, 1, h - 3, ShiftColor(f, 96));
    DrawLine(dc, 2, h - 3, w - 2, h - 3, f);
}

// Darker at the top, the light edge moved to the bottom.
void PaintPressedBody(HDC dc, int w, int h, Color f) {
    DrawGradientV(dc, ShiftColor(f, -15), ShiftColor(f, 15), 2, 2, w - 3, h - 6);
    DrawLine(dc, 2, 1, w - 3, 1, f);
    DrawLine(dc, 1, 2, 1, h - 3, f);
    DrawLine(dc, 2, h - 3, w - 2, h - 3, ShiftColor(f, 96));
}

// Four sides that stop short of the corners, then one pixel inside each
// corner to cut it diagonally.
void PaintFrame(HDC dc, int w, int h, Color r) {
    DrawLine(dc, 2, 0, w - 3, 0, r);
    DrawLine(dc, 0, 2, 0, h - 3, r);
    DrawLine(dc, 2, h - 2, w - 3, h - 2, r);
    DrawLine(dc, w - 2, 2, w - 2, h - 3, r);
    SetPixels(dc, r, {{1, 1}, {1, h - 3}, {w - 3, 1}, {w - 3, h - 3}});
}

void PaintShadow(HDC dc, int w, int h, const Palette& p) {
    DrawLine(dc, 3, h - 1, w - 4, h - 1, p.shadow);
    DrawLine(dc, w - 1, 3, w - 1, h - 4, p.shadow);
    DrawLine(dc, w - 4, h - 1, w, h - 5, p.shadow);
    DrawLine(dc, w - 3, h - 1, w, h - 4, p.shadowCorner);
}

}  // namespace

void PaintShadowedRounded(const FaceState& face) {
    const HDC dc = face.dc;
    const int w = face.width;
    const int h = face.height;
    const Palette p = PaletteFor(face);
    face.setBackColor(p.face);
    if (face.state == ButtonState::Pressed)
        PaintPressedBody(dc, w, h, p.face);
    else
        PaintRaisedBody(dc, w, h, p.face);
    PaintFrame(dc, w, h, p.frame);
    PaintShadow(dc, w, h, p);
}

}  // namespace control::styles

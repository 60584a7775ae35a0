// Style 9. The geometry is the same in every state; only the tint X moves.
// Steps paint over each other in the order below, which also settles the
// result on surfaces too small for the bevel.
#include "control/styles/SoftBevel.h"

#include "control/styles/Colors.h"
#include "control/styles/Gradients.h"
#include "control/styles/Lines.h"
#include "control/styles/PainterHelpers.h"
#include "control/styles/Rounding.h"
#include "platform/gdi/Gdi.h"

namespace control::styles {
namespace {

using detail::SetPixels;
using win32::HDC;

// t.base is the tint X, t(d) is X + d: every channel shifted, clamped.
using Tint = detail::Shifted;

// Idle and disabled follow BackColor, hot and pressed HighlightColor; both
// fall back to the button face (never the system highlight).
Color TintFor(const FaceState& face) {
    const Color buttonFace = detail::SystemColor(win32::COLOR_BTNFACE);
    const Color base = face.useCustomColors ? face.backColor : buttonFace;
    const Color accent = face.useCustomColors ? face.highlightColor : buttonFace;
    switch (face.state) {
        case ButtonState::Hot: return ShiftColor(accent, 1);
        case ButtonState::Pressed: return ShiftColor(accent, 24);
        case ButtonState::Disabled: return ShiftColor(base, 15);
        default: return ShiftColor(base, -15);
    }
}

// The geometry hangs off the half height, H/2 - k rounded once.
struct Geometry {
    int w, h;
    int half(int k) const { return RoundToInt32(h / 2.0 - k); }
};

// A ramp down one column x, rows y..y+steps.
void Column(HDC dc, Color from, Color to, int x, int y, int steps) {
    DrawGradientV(dc, from, to, x, y, x + 1, steps);
}

// A ramp along one row y, columns x1..x2.
void Row(HDC dc, Color from, Color to, int x1, int x2, int y) {
    DrawGradientH(dc, from, to, x1, y, x2, y + 1);
}

void PaintFaceAndOuterLeft(HDC dc, const Geometry& g, Tint t) {
    DrawGradientV(dc, t(32), t(-32), 5, 2, g.w - 5, g.h - 6);
    Column(dc, t(128), t(-128), 0, 0, g.h - 4);
}

// Columns 2..5 model the rounded left end: upper halves fall from the tint,
// lower halves settle on X-32.
void PaintLeftInner(HDC dc, const Geometry& g, Tint t) {
    Column(dc, t.base, t(-37), 2, 4, g.half(7));
    Column(dc, t.base, t(-53), 3, 3, g.half(7));
    Column(dc, t.base, t(-37), 4, 2, g.half(7));
    Column(dc, t(37), t(5), 5, 2, g.half(4));
    Column(dc, t(-37), t(-32), 2, g.half(2), g.half(5));
    Column(dc, t(-53), t(-32), 3, g.half(3), g.half(3));
    Column(dc, t(-37), t(-32), 4, g.half(4), g.half(1));
    Column(dc, t(5), t(-5), 5, g.half(4), g.half(3));
}

void PaintLowerLeftShadow(HDC dc, const Geometry& g, Tint t) {
    Row(dc, t(-53), t(-32), 5, 12, g.h - 5);
    Row(dc, t(-56), t(-32), 4, 7, g.h - 6);
    Row(dc, t(-37), t(-32), 3, 5, g.h - 7);
}

// Column W-1 is split at half height into two ramps of its own.
void PaintRightOuter(HDC dc, const Geometry& g, Tint t) {
    const int w = g.w;
    Column(dc, t(128), t(-128), w - 2, 0, g.h - 4);
    Column(dc, t(128), t(-48), w - 1, 0, g.half(0));
    Column(dc, t(-64), t(-8), w - 1, g.half(0), g.half(4));
}

// Unlike the left end, every lower half starts at half height.
void PaintRightInner(HDC dc, const Geometry& g, Tint t) {
    const int w = g.w;
    Column(dc, t.base, t(-37), w - 4, 4, g.half(5));
    Column(dc, t.base, t(-48), w - 5, 3, g.half(4));
    Column(dc, t.base, t(-37), w - 6, 2, g.half(3));
    Column(dc, t(37), t(5), w - 7, 2, g.half(4));
    Column(dc, t(-37), t(-21), w - 4, g.half(0), g.half(5));
    Column(dc, t(-48), t(-37), w - 5, g.half(0), g.half(5));
    Column(dc, t(-37), t(-53), w - 6, g.half(0), g.half(4));
    Column(dc, t(-5), t(-37), w - 7, g.half(0), g.half(4));
    Row(dc, t(-32), t(-53), w - 15, w - 7, g.h - 4);
}

// The top rim, a fading highlight under its right end, and one sparkle.
void PaintTop(HDC dc, const Geometry& g, Tint t) {
    const int w = g.w;
    DrawLine(dc, 3, 0, w - 3, 0, t(48));
    DrawLine(dc, 1, 1, w - 1, 1, t(48));
    DrawLine(dc, 5, 1, w - 5, 1, t.base);
    Row(dc, t(32), t.base, w - 11, w - 4, 2);
    Row(dc, t(32), t.base, w - 10, w - 5, 3);
    Row(dc, t(32), t.base, w - 9, w - 6, 4);
    DrawLine(dc, 6, 3, 7, 3, t(128));
}

void PaintBottom(HDC dc, const Geometry& g, Tint t) {
    const int w = g.w, h = g.h;
    DrawLine(dc, 3, h - 1, w - 3, h - 1, t(-16));
    DrawLine(dc, 2, h - 2, w - 3, h - 2, t(-128));
    DrawLine(dc, 7, h - 3, w - 7, h - 3, t.base);
    SetPixels(dc, t(-112), {{1, h - 3}, {w - 3, h - 3}});
    DrawLine(dc, w - 4, h - 1, w - 1, h - 4, t(-21));
}

}  // namespace

void PaintSoftBevel(const FaceState& face) {
    const Tint t{TintFor(face)};
    const Geometry g{face.width, face.height};
    face.setBackColor(t.base);
    PaintFaceAndOuterLeft(face.dc, g, t);
    PaintLeftInner(face.dc, g, t);
    PaintLowerLeftShadow(face.dc, g, t);
    PaintRightOuter(face.dc, g, t);
    PaintRightInner(face.dc, g, t);
    PaintTop(face.dc, g, t);
    PaintBottom(face.dc, g, t);
}

}  // namespace control::styles

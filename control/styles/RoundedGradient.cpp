// Style 5 in the fixed palette. The calls and their order are the look:
// every step paints over what the steps before it left, so on small
// surfaces, where rows overlap, the order decides which colour wins.
#include "control/styles/RoundedGradient.h"

#include "control/styles/Boxes.h"
#include "control/styles/Gradients.h"
#include "control/styles/Lines.h"

namespace control::styles {
namespace {

using detail::SetPixels;
using win32::HDC;

constexpr Color kFrame = 0x743C00;

void PaintFace(HDC dc, int w, int h) {
    DrawGradientV(dc, 0xFBFCFC, 0xF0F0F0, 1, 1, w - 2, 4);
    DrawGradientV(dc, 0xF9FAFA, 0xEAF0F0, 1, 4, w - 2, h - 8);
    DrawGradientV(dc, 0xE6EBEB, 0xC5D0D6, 1, h - 4, w - 2, 3);
    DrawGradientV(dc, 0xFAFBFB, 0xDAE2E4, w - 3, 3, w - 2, h - 5);
    DrawGradientV(dc, 0xF2F4F5, 0xCDD7DB, w - 2, 3, w - 1, h - 5);
}

void PaintPressedFace(HDC dc, int w, int h) {
    DrawGradientV(dc, 0xC1CCD1, 0xDCE3E4, 2, 1, w - 1, 4);
    DrawGradientV(dc, 0xDCE3E4, 0xDBE2E3, 2, 4, w - 1, h - 8);
    DrawGradientV(dc, 0xDBE2E3, 0xEEF1F2, 3, h - 4, w - 1, 3);
    DrawGradientV(dc, 0xCED8DA, 0xDBE2E3, 1, 3, 2, h - 5);
    DrawGradientV(dc, 0xCED8DA, 0xDBE2E3, 2, 4, 3, h - 7);
}

// The frame leaves its four outermost corners to the background; three sets
// of corner pixels round it off.
void PaintFrameAndCorners(HDC dc, int w, int h) {
    DrawLine(dc, 1, 0, w - 1, 0, kFrame);
    DrawLine(dc, 0, 1, 0, h - 1, kFrame);
    DrawLine(dc, w - 1, 1, w - 1, h - 1, kFrame);
    DrawLine(dc, 1, h - 1, w - 1, h - 1, kFrame);
    SetPixels(dc, 0x906E48, {{1, 1}, {1, h - 2}, {w - 2, 1}, {w - 2, h - 2}});
    SetPixels(
        dc, 0xA28B6A,
        {{0, 1}, {1, 0}, {1, h - 1}, {0, h - 2}, {w - 1, h - 2}, {w - 2, h - 1}, {w - 2, 0}, {w - 1, 1}});
    SetPixels(
        dc, 0xCAC7BF,
        {{1, 2}, {2, 1}, {2, h - 2}, {1, h - 3}, {w - 2, h - 3}, {w - 3, h - 2}, {w - 3, 1}, {w - 2, 2}});
}

void PaintHoverRing(HDC dc, int w, int h) {
    DrawLine(dc, 2, 1, w - 2, 1, 0xCFF0FF);
    DrawLine(dc, 2, 2, w - 2, 2, 0x89D8FD);
    DrawLine(dc, 2, h - 3, w - 2, h - 3, 0x30B3F8);
    DrawLine(dc, 2, h - 2, w - 2, h - 2, 0x1097E5);
    DrawGradientV(dc, 0x89D8FD, 0x30B3F8, 1, 2, 3, h - 5);
    DrawGradientV(dc, 0x89D8FD, 0x30B3F8, w - 3, 2, w - 1, h - 5);
}

// Unlike the hover ring, the bottom row comes first.
void PaintFocusRing(HDC dc, int w, int h) {
    DrawLine(dc, 2, h - 2, w - 2, h - 2, 0xEE8269);
    DrawLine(dc, 2, 1, w - 2, 1, 0xFFE7CE);
    DrawLine(dc, 2, 2, w - 2, 2, 0xF6D4BC);
    DrawLine(dc, 2, h - 3, w - 2, h - 3, 0xE4AD89);
    DrawGradientV(dc, 0xF6D4BC, 0xE4AD89, 1, 2, 3, h - 5);
    DrawGradientV(dc, 0xF6D4BC, 0xE4AD89, w - 3, 2, w - 1, h - 5);
}

void PaintDisabled(const FaceState& face, int w, int h) {
    face.setBackColor(0xEAF4F5);
    DrawBox(face.dc, 0, 0, w - 1, h - 1, 0xBAC7C9);
    detail::SetDisabledCornerPixels(face.dc, 0xC7D5D8, w, h);
}

}  // namespace

void PaintRoundedGradient(const FaceState& face) {
    const HDC dc = face.dc;
    const int w = face.width;
    const int h = face.height;
    face.setBackColor(static_cast<Color>(win32::GetSysColor(win32::COLOR_BTNFACE)));
    switch (face.state) {
        case ButtonState::Normal:
        case ButtonState::Hot:
            PaintFace(dc, w, h);
            PaintFrameAndCorners(dc, w, h);
            if (face.state == ButtonState::Hot) {
                PaintHoverRing(dc, w, h);
            } else if (face.hasFocus || face.displayAsDefault) {
                // The fixed palette shows focus whatever ShowFocus says.
                PaintFocusRing(dc, w, h);
            }
            break;
        case ButtonState::Pressed:
            PaintPressedFace(dc, w, h);
            PaintFrameAndCorners(dc, w, h);
            break;
        case ButtonState::Disabled: PaintDisabled(face, w, h); break;
        case ButtonState::Defaulted: break;
    }
}

}  // namespace control::styles

// Style 10 in nine pieces: a centre that stretches both ways, four corner
// maps that do not stretch, and four edge strips of one-colour lines. Later
// pieces overwrite earlier ones, so on faces smaller than the four corners
// together the drawing order decides what shows.
#include "control/styles/GlossyCapsule.h"

#include "control/styles/Boxes.h"
#include "control/styles/Lines.h"
#include "platform/gdi/Gdi.h"

namespace control::styles {
namespace {

using win32::HDC;

// Cells outside the surface are skipped, so a corner map never draws past
// the edge of a narrow or low face.
template <typename Map>
void PaintCorner(HDC dc, const Map& map, int left, int top, int w, int h) {
    for (int r = 0; r < static_cast<int>(map.size()); ++r) {
        const int y = top + r;
        if (y < 0 || y >= h) continue;
        for (int c = 0; c < kCornerColumns; ++c) {
            const int x = left + c;
            const Color color = map[r][c];
            if (color == kUnpainted || x < 0 || x >= w) continue;
            win32::SetPixelV(dc, x, y, ToColorRef(color));
        }
    }
}

void PaintCorners(HDC dc, const CapsuleCorners& corners, int w, int h) {
    const int right = w - kCornerColumns;
    const int bottom = h - kBottomCornerRows;
    PaintCorner(dc, corners.topLeft, 0, 0, w, h);
    PaintCorner(dc, corners.bottomLeft, 0, bottom, w, h);
    PaintCorner(dc, corners.topRight, right, 0, w, h);
    PaintCorner(dc, corners.bottomRight, right, bottom, w, h);
}

// Side strips run down rows 11..H-11, top and bottom strips along columns
// 17..W-18.
void PaintStrips(HDC dc, const CapsulePalette& p, int w, int h) {
    for (int c = 0; c < static_cast<int>(p.left.size()); ++c) DrawLine(dc, c, 11, c, h - 10, p.left[c]);
    for (int j = 0; j < static_cast<int>(p.right.size()); ++j) {
        const int x = w - kCornerColumns + j;
        DrawLine(dc, x, 11, x, h - 10, p.right[j]);
    }
    for (int r = 0; r < static_cast<int>(p.top.size()); ++r) DrawLine(dc, 17, r, w - 17, r, p.top[r]);
    for (int r = 0; r < static_cast<int>(p.bottom.size()); ++r) {
        const int y = h - 11 + r;
        DrawLine(dc, 17, y, w - 17, y, p.bottom[r]);
    }
}

void PaintCapsule(const FaceState& face, const CapsulePalette& palette) {
    const HDC dc = face.dc;
    const int w = face.width;
    const int h = face.height;
    FillBox(dc, 18, 11, w - 34, h - 19, palette.centre);
    PaintCorners(dc, palette.corners, w, h);
    PaintStrips(dc, palette, w, h);
}

}  // namespace

void PaintCapsuleGrey(const FaceState& face) { PaintCapsule(face, kGreyCapsule); }
void PaintCapsuleBlue(const FaceState& face) { PaintCapsule(face, kBlueCapsule); }
void PaintCapsuleDarkBlue(const FaceState& face) { PaintCapsule(face, kDarkBlueCapsule); }

void PaintGlossyCapsule(const FaceState& face) {
    switch (face.state) {
        case ButtonState::Hot: PaintCapsuleBlue(face); break;
        case ButtonState::Pressed: PaintCapsuleDarkBlue(face); break;
        default:
            if (face.hasFocus)
                PaintCapsuleBlue(face);
            else
                PaintCapsuleGrey(face);
            break;
    }
}

}  // namespace control::styles

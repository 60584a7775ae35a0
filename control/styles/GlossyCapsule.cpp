// Style 10 in nine pieces: a centre that stretches both ways, four corner
// maps that do not stretch, and four edge strips of one-colour lines. Later
// pieces overwrite earlier ones, so on faces smaller than the four corners
// together the drawing order decides what shows.
#include "control/styles/GlossyCapsule.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "control/styles/Boxes.h"
#include "control/styles/Lines.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"

namespace control::styles {
namespace {

using win32::HDC;

// Copies columns first..first+count-1 of a top-down 32-bit DIB of the given
// width and rows to (x, y). The copy clips to the surface, so a narrow or
// low face is never drawn past its edge.
void CopyDib(HDC dc, const std::uint32_t* pixels, int width, int rows, int first, int count, int x, int y) {
    const win32::BITMAPINFO info = win32::TopDown32BitInfo(width, rows);
    win32::SetDIBitsToDevice(dc, x, y, static_cast<win32::DWORD>(count), static_cast<win32::DWORD>(rows),
                             first, 0, 0, static_cast<win32::UINT>(rows), pixels, &info,
                             win32::DIB_RGB_COLORS);
}

// Each painted cell is one pixel and unpainted cells are skipped; every run
// of painted cells reaches the surface in one copy.
template <typename Map>
void PaintCorner(HDC dc, const Map& map, int left, int top) {
    for (std::size_t r = 0; r < map.cells.size(); ++r) {
        const auto& cells = map.cells[r];
        for (int c = 0; c < kCornerColumns;) {
            if (cells[c] == kUnpainted) {
                ++c;
                continue;
            }
            int end = c + 1;
            while (end < kCornerColumns && cells[end] != kUnpainted) ++end;
            CopyDib(dc, map.dib[r].data(), kCornerColumns, 1, c, end - c, left + c,
                    top + static_cast<int>(r));
            c = end;
        }
    }
}

void PaintCorners(HDC dc, const CapsuleCorners& corners, int w, int h) {
    const int right = w - kCornerColumns;
    const int bottom = h - kBottomCornerRows;
    PaintCorner(dc, corners.topLeft, 0, 0);
    PaintCorner(dc, corners.bottomLeft, 0, bottom);
    PaintCorner(dc, corners.topRight, right, 0);
    PaintCorner(dc, corners.bottomRight, right, bottom);
}

// Each side strip line is a line from row 11 towards row H-10, which leaves
// out its end: rows 11..H-11, or rows H-9..11 on a face lower than 21
// pixels, where the lines run upwards. first > last when there are none.
struct Rows {
    int first, last;
};
Rows SideStripRows(int h) {
    const int end = h - 10;
    return end > 11 ? Rows{11, end - 1} : Rows{end + 1, 11};
}

// A side strip is the same row of colours on every row it covers, so it is
// copied as a block of identical rows, a few dozen at a time.
template <std::size_t N>
void PaintSideStrip(HDC dc, const std::array<Color, N>& colors, int x, Rows rows) {
    constexpr int kBlockRows = 32;
    if (rows.first > rows.last) return;
    const auto needed = static_cast<std::size_t>(
        std::min<std::int64_t>(kBlockRows, std::int64_t{rows.last} - rows.first + 1));
    std::array<std::uint32_t, N * kBlockRows> block;
    for (std::size_t c = 0; c < N; ++c) block[c] = ToDibPixel(colors[c]);
    for (std::size_t r = 1; r < needed; ++r) std::copy_n(block.begin(), N, block.begin() + r * N);
    for (std::int64_t y = rows.first; y <= rows.last; y += kBlockRows) {
        const int count = static_cast<int>(std::min<std::int64_t>(kBlockRows, rows.last - y + 1));
        CopyDib(dc, block.data(), static_cast<int>(N), count, 0, static_cast<int>(N), x, static_cast<int>(y));
    }
}

// The left strip first, then the right one over it where they meet; the
// top and bottom strips run along columns 17..W-18 over both.
void PaintStrips(HDC dc, const CapsulePalette& p, int w, int h) {
    const Rows sides = SideStripRows(h);
    PaintSideStrip(dc, p.left, 0, sides);
    PaintSideStrip(dc, p.right, w - kCornerColumns, sides);
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

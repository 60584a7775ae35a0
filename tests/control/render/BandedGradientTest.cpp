// Style 7 painted alone: rim, softened corners, the light and dark lines,
// shading columns, accent bands and the face centre, exact pixels worked
// out from the base colour B and the accent A by the channel shifts.
#include <gtest/gtest.h>

#include "control/styles/BandedGradient.h"
#include "platform/gdi/Gdi.h"
#include "tests/control/render/FaceOn.h"

using control::ButtonState;
using control::styles::FaceState;
using control::styles::PaintBandedGradient;
using render_test::ColumnIs;
using render_test::FaceOn;
using render_test::Hex;
using render_test::kMagenta;
using render_test::RowIs;
using render_test::Surface;
using win32::COLORREF;

namespace {

constexpr COLORREF kGuard = 0xFF00FF;  // the test surface's fill
constexpr COLORREF kBack = 0x9A7B5C;   // BackColor 92,123,154
constexpr COLORREF kHigh = 0x2060C0;   // HighlightColor 192,96,32
constexpr int W = 40, H = 20;

// B: face 212,208,200, or BackColor. A: system highlight 10,36,106, or HighlightColor.
FaceState Snapshot(Surface& s, ButtonState state, bool custom, bool focus, int w = W, int h = H) {
    FaceState face = FaceOn(s, state, w, h);
    face.useCustomColors = custom;
    face.hasFocus = focus;
    face.backColor = static_cast<std::int32_t>(kBack);
    face.highlightColor = static_cast<std::int32_t>(kHigh);
    return face;
}

struct Frame {
    COLORREF corner, rim, soft, top, bottom;
};

// The pixels whose places do not depend on the size, and the guard strip.
void ExpectFrame(const Surface& s, int w, int h, const Frame& f) {
    for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
        EXPECT_EQ(s.At(x, y), f.corner) << "outer corner (" << x << ", " << y << ") " << Hex(s.At(x, y));
    EXPECT_TRUE(RowIs(s, 0, 2, w - 3, f.rim));
    EXPECT_TRUE(RowIs(s, h - 1, 2, w - 3, f.rim));
    EXPECT_TRUE(ColumnIs(s, 0, 2, h - 3, f.rim));
    EXPECT_TRUE(ColumnIs(s, w - 1, 2, h - 3, f.rim));
    for (auto [x, y] : {std::pair{1, 1}, {1, h - 2}, {w - 2, 1}, {w - 2, h - 2}})
        EXPECT_EQ(s.At(x, y), f.rim) << "inner corner (" << x << ", " << y << ") " << Hex(s.At(x, y));
    for (auto [x, y] : {std::pair{1, 0},
                        {w - 2, 0},
                        {0, 1},
                        {0, h - 2},
                        {1, h - 1},
                        {w - 2, h - 1},
                        {w - 1, 1},
                        {w - 1, h - 2}})
        EXPECT_EQ(s.At(x, y), f.soft) << "softening (" << x << ", " << y << ") " << Hex(s.At(x, y));
    EXPECT_TRUE(RowIs(s, 1, 2, w - 3, f.top));
    EXPECT_TRUE(RowIs(s, h - 2, 2, w - 3, f.bottom));
    EXPECT_TRUE(ColumnIs(s, w, 0, s.height() - 1, kGuard));
    EXPECT_TRUE(RowIs(s, h, 0, s.width() - 1, kGuard));
}

}  // namespace

TEST(BandedGradient, FrameLinesAndFaceInEveryState) {
    const struct {
        const char* why;
        ButtonState state;
        bool custom, focus;
        Frame frame;
        COLORREF upper, centre;  // (20, 3) and (20, 10): the face ramp's steps 2 and 9
    } rows[] = {
        // clang-format off
        // F = B+8 in the outer corners, rim R = F-96, softening C = B-21; light line B+21,
        // dark line B-37; the face ramp F+15 to F-15 over 17 steps.
        {"normal", ButtonState::Normal, false, false,
         {0xD0D8DC, 0x70787C, 0xB3BBBF, 0xDDE5E9, 0xA3ABAF}, 0xDBE3E7, 0xCFD7DB},
        // Focus adds the bands: A+21 on top, A-21 at the bottom.
        {"focused", ButtonState::Normal, false, true,
         {0xD0D8DC, 0x70787C, 0xB3BBBF, 0x7F391F, 0x550F00}, 0xDBE3E7, 0xCFD7DB},
        // F = B+24, the ramp F+16 to F-16.
        {"hot", ButtonState::Hot, false, false,
         {0xE0E8EC, 0x80888C, 0xB3BBBF, 0x7F391F, 0x550F00}, 0xECF4F8, 0xDFE7EB},
        // P = B-9, rim P-96; the outer corners keep the surface; dark line B-21 on top,
        // light B+8 below, no bands. The ramp P-15 to P over 18 steps: at (20, 10) red is
        // 188 + 9 * (float)(15 / 18) = 195.4999998, rounded to 195.
        {"pressed", ButtonState::Pressed, false, true,
         {kGuard, 0x5F676B, 0xB3BBBF, 0xB3BBBF, 0xD0D8DC}, 0xB2BABE, 0xB7BFC3},
        // F = B+18, softening B+5, no bands even when focused.
        {"disabled", ButtonState::Disabled, false, true,
         {0xDAE2E6, 0x7A8286, 0xCDD5D9, 0xDDE5E9, 0xA3ABAF}, 0xE5EDF1, 0xD9E1E5},
        {"custom normal", ButtonState::Normal, true, false,
         {0xA28364, 0x422304, 0x856647, 0xAF9071, 0x755637}, 0xAD8E6F, 0xA18263},
        {"custom hot", ButtonState::Hot, true, false,
         {0xB29374, 0x523314, 0x856647, 0x3575D5, 0x0B4BAB}, 0xBE9F80, 0xB19273},
        {"custom pressed", ButtonState::Pressed, true, false,
         {kGuard, 0x311200, 0x856647, 0x856647, 0xA28364}, 0x846546, 0x896A4B},
        {"custom disabled", ButtonState::Disabled, true, false,
         {0xAC8D6E, 0x4C2D0E, 0x9F8061, 0xAF9071, 0x755637}, 0xB79879, 0xAB8C6D},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        Surface s(W + 2, H + 2, kMagenta);
        PaintBandedGradient(Snapshot(s, row.state, row.custom, row.focus));
        ExpectFrame(s, W, H, row.frame);
        EXPECT_EQ(s.At(20, 3), row.upper) << Hex(s.At(20, 3));
        EXPECT_EQ(s.At(20, 10), row.centre) << Hex(s.At(20, 10));
    }
}

// Column 1 and column W-2 from row 2 to row H-3, or the bands over them.
TEST(BandedGradient, ShadingColumnsAndAccentBands) {
    const struct {
        const char* why;
        ButtonState state;
        bool custom, focus;
        COLORREF leftTop, leftBottom, rightTop, rightBottom;
    } rows[] = {
        {"normal: F+21 to F-21 left, F-5 to F-32 right", ButtonState::Normal, false, false, 0xE5EDF1,
         0xBBC3C7, 0xCBD3D7, 0xB0B8BC},
        {"disabled, the same from its own F", ButtonState::Disabled, false, false, 0xEFF7FB, 0xC5CDD1,
         0xD5DDE1, 0xBAC2C6},
        {"pressed: P-32 to P-5 left, P-21 to P+21 right", ButtonState::Pressed, false, false, 0x9FA7AB,
         0xBAC2C6, 0xAAB2B6, 0xD4DCE0},
        {"hot: bands A+21 and A-5 over both", ButtonState::Hot, false, false, 0x7F391F, 0x651F05, 0x7F391F,
         0x651F05},
        {"focused normal: the same bands", ButtonState::Normal, false, true, 0x7F391F, 0x651F05, 0x7F391F,
         0x651F05},
        {"custom hot: bands from HighlightColor", ButtonState::Hot, true, false, 0x3575D5, 0x1B5BBB, 0x3575D5,
         0x1B5BBB},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        Surface s(W, H, kMagenta);
        PaintBandedGradient(Snapshot(s, row.state, row.custom, row.focus));
        EXPECT_EQ(s.At(1, 2), row.leftTop) << Hex(s.At(1, 2));
        EXPECT_EQ(s.At(1, H - 3), row.leftBottom) << Hex(s.At(1, H - 3));
        EXPECT_EQ(s.At(W - 2, 2), row.rightTop) << Hex(s.At(W - 2, 2));
        EXPECT_EQ(s.At(W - 2, H - 3), row.rightBottom) << Hex(s.At(W - 2, H - 3));
    }
}

TEST(BandedGradient, SmallAndLargeFacesKeepTheirFrame) {
    const Frame normal{0xD0D8DC, 0x70787C, 0xB3BBBF, 0xDDE5E9, 0xA3ABAF};
    const Frame pressed{kGuard, 0x5F676B, 0xB3BBBF, 0xB3BBBF, 0xD0D8DC};
    for (auto [w, h] : {std::pair{20, 20}, {60, 13}, {400, 120}, {40, 5}}) {
        SCOPED_TRACE(testing::Message() << w << "x" << h);
        Surface s(w + 2, h + 2, kMagenta);
        PaintBandedGradient(Snapshot(s, ButtonState::Normal, false, false, w, h));
        ExpectFrame(s, w, h, normal);
        Surface p(w + 2, h + 2, kMagenta);
        PaintBandedGradient(Snapshot(p, ButtonState::Pressed, false, false, w, h));
        ExpectFrame(p, w, h, pressed);
    }
    // Five rows leave the shading columns no steps: column 1 keeps the face
    // ramp's middle row, F+15 - 15 = F.
    Surface s(40, 5, kMagenta);
    PaintBandedGradient(Snapshot(s, ButtonState::Normal, false, false, 40, 5));
    EXPECT_EQ(s.At(1, 2), 0xD0D8DCu);
    EXPECT_EQ(s.At(38, 2), 0xD0D8DCu);
}

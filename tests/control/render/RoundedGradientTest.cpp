// Style 5 painters, exact pixels on small surfaces.
#include <gtest/gtest.h>

#include <utility>

#include "control/styles/RoundedGradient.h"
#include "tests/control/render/FaceOn.h"

using control::ButtonState;
using control::styles::PaintRoundedGradient;
using control::styles::PaintRoundedGradientCustom;
using render_test::FaceOn;
using render_test::Hex;
using render_test::kMagenta;
using render_test::RowIs;
using render_test::Surface;

namespace {

constexpr win32::COLORREF kButtonFace = 0xC8D0D4;  // classic 212,208,200
constexpr int W = 40;
constexpr int H = 20;

void ExpectCorners(const Surface& s, win32::COLORREF expected) {
    const int w = s.width(), h = s.height();
    for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}})
        EXPECT_EQ(s.At(x, y), expected) << "corner (" << x << ", " << y << ") is " << Hex(s.At(x, y));
}

}  // namespace

TEST(RoundedGradientFixed, NormalWithoutFocusHasNoRing) {
    Surface s(W, H, kMagenta);
    PaintRoundedGradient(FaceOn(s, ButtonState::Normal));
    // Row 1 is the top of the face ramp; rows 1 and 2 meet the soft corner pixels.
    EXPECT_TRUE(RowIs(s, 1, 3, W - 4, 0xFBFCFC));
    EXPECT_EQ(s.At(2, 1), 0xCAC7BFu);
    EXPECT_EQ(s.At(1, 2), 0xCAC7BFu);
    EXPECT_EQ(s.At(1, 1), 0x906E48u);
    EXPECT_EQ(s.At(1, 0), 0xA28B6Au);
    EXPECT_TRUE(RowIs(s, 0, 2, W - 3, 0x743C00));
    EXPECT_TRUE(RowIs(s, H - 1, 2, W - 3, 0x743C00));
    EXPECT_EQ(s.At(10, H - 4), 0xE6EBEBu);  // the bottom band starts on row H-4
}

TEST(RoundedGradientFixed, FocusRingIgnoresShowFocusAndFollowsDefault) {
    for (bool byDefault : {false, true}) {
        Surface s(W, H, kMagenta);
        auto face = FaceOn(s, ButtonState::Normal);
        face.showFocus = false;
        face.hasFocus = !byDefault;
        face.displayAsDefault = byDefault;
        PaintRoundedGradient(face);
        SCOPED_TRACE(byDefault ? "DisplayAsDefault" : "HasFocus");
        EXPECT_TRUE(RowIs(s, 1, 2, W - 3, 0xFFE7CE));
        EXPECT_TRUE(RowIs(s, 2, 2, W - 3, 0xF6D4BC));
        EXPECT_TRUE(RowIs(s, H - 3, 2, W - 3, 0xE4AD89));
        EXPECT_TRUE(RowIs(s, H - 2, 2, W - 3, 0xEE8269));
        EXPECT_EQ(s.At(1, 2), 0xF6D4BCu);          // side ramp starts at row 2
        EXPECT_EQ(s.At(W - 2, H - 3), 0xE4AD89u);  // and ends at row H-3
    }
}

TEST(RoundedGradientFixed, HotDrawsTheOrangeRing) {
    Surface s(W, H, kMagenta);
    auto face = FaceOn(s, ButtonState::Hot);
    face.hasFocus = true;  // hover wins over focus
    PaintRoundedGradient(face);
    EXPECT_TRUE(RowIs(s, 1, 2, W - 3, 0xCFF0FF));
    EXPECT_TRUE(RowIs(s, H - 2, 2, W - 3, 0x1097E5));
    EXPECT_EQ(s.At(1, 1), 0x906E48u);
    EXPECT_EQ(s.At(2, 2), 0x89D8FDu);
    EXPECT_EQ(s.At(1, 2), 0x89D8FDu);
    EXPECT_EQ(s.At(2, H - 3), 0x30B3F8u);
}

TEST(RoundedGradientFixed, CornersKeepTheBackgroundExceptWhenDisabled) {
    const struct {
        ButtonState state;
        win32::COLORREF corner;
    } rows[] = {
        {ButtonState::Normal, kButtonFace},
        {ButtonState::Hot, kButtonFace},
        {ButtonState::Pressed, kButtonFace},
        {ButtonState::Disabled, 0xBAC7C9},  // the disabled ring covers them
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.state));
        Surface s(W, H, kMagenta);
        PaintRoundedGradient(FaceOn(s, row.state));
        ExpectCorners(s, row.corner);
    }
}

TEST(RoundedGradientFixed, PressedAndDisabledFaces) {
    Surface pressed(W, H, kMagenta);
    PaintRoundedGradient(FaceOn(pressed, ButtonState::Pressed));
    EXPECT_EQ(pressed.At(10, 1), 0xC1CCD1u);
    EXPECT_EQ(pressed.At(1, 3), 0xCED8DAu);  // left shade columns start
    EXPECT_EQ(pressed.At(2, 4), 0xCED8DAu);
    EXPECT_EQ(pressed.At(1, 1), 0x906E48u);
    EXPECT_TRUE(RowIs(pressed, 0, 2, W - 3, 0x743C00));

    Surface disabled(W, H, kMagenta);
    PaintRoundedGradient(FaceOn(disabled, ButtonState::Disabled));
    EXPECT_EQ(disabled.BackColor(), 0xEAF4F5u);
    EXPECT_EQ(disabled.At(10, 5), 0xEAF4F5u);
    EXPECT_TRUE(RowIs(disabled, 0, 2, W - 3, 0xBAC7C9));
    EXPECT_EQ(disabled.At(1, 1), 0xC7D5D8u);
    EXPECT_EQ(disabled.At(W - 2, H - 1), 0xC7D5D8u);
}

// A pixel of every call of the pressed face, 40 x 20.
TEST(RoundedGradientFixed, PressedFaceCallByCall) {
    const struct {
        int x, y;
        win32::COLORREF color;
        const char* why;
    } rows[] = {
        {10, 2, 0xC8D2D6, "top band, 209 + 4.75 rounds to 214"},
        {10, 3, 0xCED8DA, "top band, 218.5 and 206.5 round to even"},
        {10, 4, 0xDCE3E4, "middle starts on row 4"},
        {10, 9, 0xDCE3E4, "middle, 5 steps of -1/12"},
        {10, 10, 0xDBE2E3, "6 single-precision steps of -1/12 pass -0.5"},
        {10, 16, 0xDBE2E3, "bottom band starts on row H-4"},
        {10, 17, 0xE1E7E8, "bottom band, 219 + 19/3 rounds to 225"},
        {36, 18, 0xE8ECED, "bottom band, row H-2"},
        {2, 16, 0xDAE1E2, "column 2 keeps its shade: the bottom band starts at column 3"},
        {2, 17, 0xDBE2E3, "column 2 shade ends on row H-3"},
        {1, 16, 0xD9E1E2, "column 1 shade, 13 of 15 steps"},
        {1, 17, 0xCAC7BF, "corner rounding inside the frame"},
        {38, 18, 0x906E48, "inner corner"},
        {39, 18, 0xA28B6A, "corner rounding on the frame"},
    };
    Surface s(W, H, kMagenta);
    PaintRoundedGradient(FaceOn(s, ButtonState::Pressed));
    for (const auto& row : rows)
        EXPECT_EQ(s.At(row.x, row.y), row.color) << row.why << ": " << Hex(s.At(row.x, row.y));
}

TEST(RoundedGradientFixed, EightPixelsHighSkipsTheEmptyRampButNotWhatFollows) {
    Surface s(W, 8, kMagenta);
    PaintRoundedGradient(FaceOn(s, ButtonState::Hot));
    // The middle ramp has 0 steps and draws nothing: row 3 is the top ramp's
    // third row (blue 251 - 5.5 = 245.5 rounds to even 246).
    EXPECT_EQ(s.At(10, 3), 0xF6F6F6u);
    // Calls after the empty ramp still ran: frame and hover ring.
    EXPECT_TRUE(RowIs(s, 7, 2, W - 3, 0x743C00));
    EXPECT_TRUE(RowIs(s, 1, 2, W - 3, 0xCFF0FF));
    EXPECT_TRUE(RowIs(s, 6, 2, W - 3, 0x1097E5));
}

TEST(RoundedGradientCustom, GreyBackColor) {
    Surface s(W, H, kMagenta);
    auto face = FaceOn(s, ButtonState::Normal);
    face.backColor = 0x808080;
    PaintRoundedGradientCustom(face);
    EXPECT_EQ(s.At(W - 1, H - 1), 0x000000u);  // the right side runs the full height
    EXPECT_EQ(s.At(0, H - 1), 0x808080u);      // the left side does not
    EXPECT_EQ(s.At(0, 0), 0x808080u);
    EXPECT_TRUE(RowIs(s, 0, 2, W - 3, 0x000000));
    EXPECT_TRUE(RowIs(s, H - 1, 2, W - 3, 0x000000));
    EXPECT_EQ(s.At(0, 5), 0x000000u);
    EXPECT_TRUE(RowIs(s, 1, 2, W - 3, 0x858585));  // S(5)
    EXPECT_TRUE(RowIs(s, 2, 2, W - 3, 0x828282));  // S(2)
    EXPECT_EQ(s.At(1, 0), 0x6B6B6Bu);              // S(-21)
    EXPECT_EQ(s.At(1, 1), 0x000000u);
}

TEST(RoundedGradientCustom, WhiteBackColorClampsPositiveShifts) {
    Surface s(W, H, kMagenta);
    auto face = FaceOn(s, ButtonState::Normal);
    face.backColor = 0xFFFFFF;
    PaintRoundedGradientCustom(face);
    EXPECT_TRUE(RowIs(s, 1, 2, W - 3, 0xFFFFFF));  // S(5)
    EXPECT_TRUE(RowIs(s, 2, 1, W - 2, 0xFFFFFF));  // S(2)
    // Column 1 ramps from S(21) = white to S(-21) over 15 steps: 255 - 1.4 rounds to 254.
    EXPECT_EQ(s.At(1, 3), 0xFEFEFEu);
}

TEST(RoundedGradientCustom, AccentRingNeedsHoverOrFocusWithShowFocus) {
    const struct {
        ButtonState state;
        bool hasFocus, showFocus;
        win32::COLORREF row2;  // T(69) of the ring's base, or the face's S(2)
        const char* why;
    } rows[] = {
        {ButtonState::Normal, true, false, 0x828282, "focus alone draws nothing here"},
        {ButtonState::Normal, true, true, 0xAF694F, "focus ring from the system highlight 0x6A240A"},
        {ButtonState::Hot, false, false, 0x75D5FF, "hover ring from HighlightColor 0x3090FF"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        Surface s(W, H, kMagenta);
        auto face = FaceOn(s, row.state);
        face.backColor = 0x808080;
        face.highlightColor = 0x3090FF;
        face.hasFocus = row.hasFocus;
        face.showFocus = row.showFocus;
        PaintRoundedGradientCustom(face);
        EXPECT_TRUE(RowIs(s, 2, 2, W - 3, row.row2));
    }
}

// A pixel of every call of the pressed face, 40 x 20, BackColor 0x808080:
// S(d) reads 128 + d in every channel.
TEST(RoundedGradientCustom, PressedFaceCallByCall) {
    const struct {
        int x, y;
        win32::COLORREF color;
        const char* why;
    } rows[] = {
        {10, 3, 0x636363, "top band S(-37) to S(-21), step 2 of 4"},
        {10, 4, 0x6B6B6B, "middle starts at S(-21)"},
        {10, 10, 0x737373, "middle, 6 of 12 steps to S(-5)"},
        {10, 16, 0x7B7B7B, "bottom band starts at S(-5)"},
        {10, 17, 0x7E7E7E, "bottom band, 123 + 10/3"},
        {10, 18, 0x828282, "bottom band, 123 + 20/3 rounds to 130"},
        {1, 3, 0x606060, "column 1 starts at S(-32)"},
        {1, 16, 0x696969, "column 1, 13 of 15 steps to S(-22)"},
        {2, 4, 0x686868, "column 2 starts at S(-24)"},
        {2, 17, 0x717171, "column 2 ends at S(-15)"},
        {1, 2, 0x505050, "S(-48)"},
        {2, 1, 0x505050, "S(-48)"},
        {2, 18, 0x7B7B7B, "S(-5)"},
        {1, 17, 0x707070, "S(-16)"},
        {38, 17, 0x929292, "S(18)"},
        {37, 18, 0x888888, "S(8)"},
        {37, 1, 0x505050, "S(-48)"},
        {38, 2, 0x5B5B5B, "S(-37)"},
        {20, 0, 0x000000, "frame S(-128), top"},
        {0, 10, 0x000000, "frame, left"},
        {39, 10, 0x000000, "frame, right"},
        {1, 18, 0x202020, "inner corner S(-96)"},
        {38, 1, 0x202020, "inner corner S(-96)"},
    };
    Surface s(W, H, kMagenta);
    auto face = FaceOn(s, ButtonState::Pressed);
    face.backColor = 0x808080;
    PaintRoundedGradientCustom(face);
    for (const auto& row : rows)
        EXPECT_EQ(s.At(row.x, row.y), row.color) << row.why << ": " << Hex(s.At(row.x, row.y));
}

TEST(RoundedGradientCustom, PressedAndDisabled) {
    Surface pressed(W, H, 0x123456);
    auto face = FaceOn(pressed, ButtonState::Pressed);
    face.backColor = 0x808080;
    PaintRoundedGradientCustom(face);
    EXPECT_EQ(pressed.At(0, 0), 0x808080u);          // starts from BackColor like the other states
    EXPECT_EQ(pressed.At(1, 1), 0x202020u);          // S(-96)
    EXPECT_EQ(pressed.At(1, 2), 0x505050u);          // S(-48)
    EXPECT_EQ(pressed.At(W - 2, H - 3), 0x929292u);  // S(18)
    EXPECT_EQ(pressed.At(10, 1), 0x5B5B5Bu);         // S(-37), top of the inverted ramp
    EXPECT_TRUE(RowIs(pressed, H - 1, 1, W - 2, 0x000000));

    Surface disabled(W, H, kMagenta);
    face = FaceOn(disabled, ButtonState::Disabled);
    face.backColor = 0x808080;
    PaintRoundedGradientCustom(face);
    EXPECT_EQ(disabled.At(0, 0), 0x404040u);  // S(-64), corners included
    EXPECT_EQ(disabled.At(1, 1), 0x4B4B4Bu);  // S(-53)
    EXPECT_EQ(disabled.At(10, 10), 0x808080u);
}

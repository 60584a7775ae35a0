// Style 9: the tint per state and colour source, and the bevel's pixels
// worked out for a grey tint X = 0x808080, where X+d reads as 128+d.
#include <gtest/gtest.h>

#include "control/styles/SoftBevel.h"
#include "tests/control/render/GuardedFace.h"

using control::ButtonState;
using render_test::GuardedFace;
using render_test::RowIs;

namespace {

// Custom BackColor 0x8F8F8F gives the idle tint X = 0x808080.
void PaintGrey(GuardedFace& g) {
    auto face = g.Face(ButtonState::Normal);
    face.useCustomColors = true;
    face.backColor = 0x8F8F8F;
    control::styles::PaintSoftBevel(face);
}

}  // namespace

TEST(SoftBevel, TintFollowsStateAndColourSource) {
    const struct {
        ButtonState state;
        bool custom;
        win32::COLORREF tint;
        const char* why;
    } rows[] = {
        {ButtonState::Normal, false, 0xB9C1C5, "button face - 15"},
        {ButtonState::Hot, false, 0xC9D1D5, "button face + 1, not the system highlight"},
        {ButtonState::Pressed, false, 0xE0E8EC, "button face + 24"},
        {ButtonState::Disabled, false, 0xD7DFE3, "button face + 15"},
        {ButtonState::Normal, true, 0x113171, "BackColor - 15"},
        {ButtonState::Hot, true, 0x4181C1, "HighlightColor + 1"},
        {ButtonState::Pressed, true, 0x5898D8, "HighlightColor + 24"},
        {ButtonState::Disabled, true, 0x2F4F8F, "BackColor + 15"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        GuardedFace g(40, 25);
        auto face = g.Face(row.state);
        face.useCustomColors = row.custom;
        face.backColor = 0x204080;
        face.highlightColor = 0x4080C0;
        control::styles::PaintSoftBevel(face);
        EXPECT_EQ(g.Back(), row.tint);
        EXPECT_EQ(g.At(1, 5), row.tint);  // the line of X between outer and inner columns
    }
}

TEST(SoftBevel, BevelPixels) {
    const struct {
        int x, y;
        win32::COLORREF color;
        const char* why;
    } rows[] = {
        // 40 x 25: h(0) = 12, h(1) = 12, h(2) = 10, h(3) = 10, h(4) = 8, h(5) = 8, h(7) = 6 (ties to even)
        {0, 0, 0xFFFFFF, "left outer column starts at X+128 (clamped), the corner included"},
        {0, 21, 0x000000, "left outer column ends at X-128 on row H-4"},
        {1, 1, 0xB0B0B0, "top rim row 1, X+48"},
        {1, 22, 0x101010, "X-112 at (1, H-3)"},
        {2, 4, 0x808080, "column 2 upper half starts at X on row 4"},
        {2, 10, 0x5B5B5B, "column 2 lower half starts at h(2) in X-37"},
        {3, 9, 0x4B4B4B, "column 3 upper half ends at X-53 on row 3 + h(7)"},
        {4, 18, 0x5E5E5E, "shadow row H-7: 93.5 rounds to 94"},
        {4, 19, 0x484848, "shadow row H-6 starts at X-56"},
        {8, 20, 0x545454, "shadow row H-5: 75 + 3 * 3"},
        {5, 2, 0xA5A5A5, "column 5 upper half starts at X+37"},
        {20, 2, 0xA0A0A0, "face ramp starts at X+32"},
        {20, 21, 0x606060, "face ramp ends at X-32 on row H-4"},
        {6, 3, 0xFFFFFF, "the sparkle"},
        {38, 0, 0xFFFFFF, "column W-2 keeps its top, the rim stops at W-4"},
        {37, 0, 0x808080, "(W-3, 0) is left at X"},
        {39, 11, 0x5F5F5F, "column W-1 upper ramp, 255 - 11 * 175/12"},
        {39, 12, 0x404040, "column W-1 lower ramp starts at h(0) in X-64"},
        {39, 20, 0x787878, "and ends at h(0) + h(4) in X-8"},
        {35, 11, 0x505050, "column W-5 upper half ends at X-48"},
        {36, 12, 0x5B5B5B, "column W-4 lower half starts at X-37"},
        {34, 20, 0x4B4B4B, "column W-6 lower half ends at X-53"},
        {29, 2, 0xA0A0A0, "upper-right highlight starts at X+32"},
        {32, 2, 0x929292, "160 - 3 * 32/7"},
        {29, 21, 0x565656, "lower-right shadow row: 85.5 rounds to 86"},
        {3, 24, 0x707070, "bottom rim, X-16"},
        {37, 24, 0x808080, "(W-3, H-1) is left at X"},
        {2, 23, 0x000000, "row H-2, X-128"},
        {7, 22, 0x808080, "row H-3 returns to X"},
        {37, 22, 0x101010, "X-112 at (W-3, H-3)"},
        {36, 24, 0x6B6B6B, "diagonal, X-21 (all of it at every size below)"},
    };
    GuardedFace g(40, 25);
    PaintGrey(g);
    for (const auto& row : rows) EXPECT_EQ(g.At(row.x, row.y), row.color) << row.why;
    EXPECT_TRUE(g.GuardIntact());
}

TEST(SoftBevel, HalfHeightRounding) {
    const struct {
        int h;
        int x, y;
        win32::COLORREF color;
        const char* why;
    } rows[] = {
        {27, 39, 14, 0x404040, "h(0) = 13.5 rounds to 14"},
        {27, 39, 13, 0x5C5C5C, "the upper ramp of column W-1 ends above it: 92.5 rounds to 92"},
        {27, 3, 9, 0x4B4B4B, "h(7) = 6.5 rounds to 6, as for 25"},
        {14, 2, 4, 0x808080, "h(7) = 0: column 2 upper half not drawn"},
        {14, 4, 2, 0x808080, "nor column 4's"},
        {13, 3, 3, 0x808080, "h(7) = -0.5 rounds to 0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        GuardedFace g(40, row.h);
        PaintGrey(g);
        EXPECT_EQ(g.At(row.x, row.y), row.color);
    }
}

// What the last steps draw holds at every size; nothing lands past the face.
TEST(SoftBevel, SmallestWideAndTall) {
    const struct { int w, h; } sizes[] = {{20, 20}, {200, 24}, {24, 60}};
    for (auto [w, h] : sizes) {
        SCOPED_TRACE(testing::Message() << w << "x" << h);
        GuardedFace g(w, h);
        PaintGrey(g);
        EXPECT_TRUE(RowIs(g.surface, 0, 3, w - 4, 0xB0B0B0));
        EXPECT_TRUE(RowIs(g.surface, h - 1, 3, w - 5, 0x707070));
        EXPECT_TRUE(RowIs(g.surface, h - 2, 2, w - 4, 0x000000));
        EXPECT_EQ(g.At(0, 0), 0xFFFFFFu);
        EXPECT_EQ(g.At(w - 1, 0), 0xFFFFFFu);
        EXPECT_EQ(g.At(6, 3), 0xFFFFFFu);
        EXPECT_EQ(g.At(1, h - 3), 0x101010u);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(g.At(w - 4 + i, h - 1 - i), 0x6B6B6Bu);
        EXPECT_TRUE(g.GuardIntact());
    }
}

// Style 10: palette choice, the nine pieces, the corner outlines and their
// reference rows, and faces smaller than the four corners together.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "control/styles/GlossyCapsule.h"
#include "tests/control/render/GuardedFace.h"

using control::ButtonState;
using control::styles::FacePainter;
using render_test::GuardedFace;
using render_test::Hex;

namespace {

constexpr win32::COLORREF kBack = 0x123456;  // what the pipeline's clear left
constexpr win32::COLORREF kGrey = 0xEAE7E8, kBlue = 0xE2A66A, kDarkBlue = 0xCC9B6A;

template <std::size_t N>
std::vector<control::styles::Color> ToVector(const std::array<control::styles::Color, N>& cells) {
    return {cells.begin(), cells.end()};
}

void Paint(GuardedFace& g, FacePainter painter) { painter(g.Face(ButtonState::Normal)); }

// The first and last painted column of each corner row, in the corner's own
// columns 0..16, top row first; the same in every palette.
struct Corner {
    bool right, bottom;
    std::vector<std::pair<int, int>> runs;
};
// clang-format off
const Corner kCorners[] = {
    {false, false, {{6, 16}, {5, 16}, {3, 16}, {3, 16}, {2, 16}, {1, 16}, {1, 16}, {1, 16}, {0, 16}, {0, 16}, {0, 16}}},
    {true, false, {{0, 9}, {0, 11}, {0, 12}, {0, 13}, {0, 14}, {0, 15}, {0, 15}, {0, 15}, {0, 16}, {0, 16}, {0, 16}}},
    {false, true, {{0, 16}, {0, 16}, {0, 16}, {0, 16}, {1, 16}, {1, 16}, {2, 16}, {2, 16}, {3, 16}, {5, 16}}},
    {true, true, {{0, 16}, {0, 16}, {0, 16}, {0, 15}, {0, 15}, {0, 15}, {0, 14}, {0, 13}, {0, 12}, {0, 11}}},
};
// clang-format on

// Cells inside the runs that only the grey palette leaves unpainted.
bool GreyGap(int x, int y, int w, int h) {
    // clang-format off
    for (auto [gx, gy] : {std::pair{11, h - 6}, {13, h - 6}, {15, h - 6}, {9, h - 5},
                          {w - 17, h - 6}, {w - 15, h - 6}, {w - 14, h - 6}, {w - 13, h - 6}, {w - 10, h - 6},
                          {w - 12, h - 5}, {w - 10, h - 5}, {w - 13, h - 4}})
        if (x == gx && y == gy) return true;
    // clang-format on
    return false;
}

::testing::AssertionResult CornersHaveTheirOutline(const GuardedFace& g, bool grey) {
    for (const Corner& corner : kCorners) {
        const int left = corner.right ? g.w - 17 : 0;
        const int top = corner.bottom ? g.h - 10 : 0;
        for (int r = 0; r < static_cast<int>(corner.runs.size()); ++r) {
            for (int c = 0; c < 17; ++c) {
                const int x = left + c, y = top + r;
                const bool painted = c >= corner.runs[r].first && c <= corner.runs[r].second &&
                                     !(grey && GreyGap(x, y, g.w, g.h));
                if ((g.At(x, y) != kBack) != painted)
                    return ::testing::AssertionFailure()
                           << "(" << x << ", " << y << ") is " << Hex(g.At(x, y))
                           << (painted ? ", should be painted" : ", should not");
            }
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(GlossyCapsule, PaletteFollowsStateAndFocusNotColours) {
    const struct {
        ButtonState state;
        bool focus;
        win32::COLORREF centre;
    } rows[] = {
        {ButtonState::Normal, false, kGrey},      {ButtonState::Normal, true, kBlue},
        {ButtonState::Disabled, false, kGrey},    {ButtonState::Disabled, true, kBlue},
        {ButtonState::Hot, false, kBlue},         {ButtonState::Hot, true, kBlue},
        {ButtonState::Pressed, false, kDarkBlue}, {ButtonState::Pressed, true, kDarkBlue},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(row.state) << (row.focus ? " focused" : ""));
        GuardedFace g(60, 30, kBack);
        auto face = g.Face(row.state);
        face.hasFocus = row.focus;
        face.useCustomColors = true;
        face.backColor = 0x0000FF;
        face.highlightColor = 0x00FF00;
        control::styles::PaintGlossyCapsule(face);
        EXPECT_EQ(g.At(30, 15), row.centre);
        EXPECT_EQ(g.Back(), kBack);  // never assigns the back colour
    }
}

// The stretching pieces at 60 x 30, one spot per strip line the palettes
// list, and the extent of the visible centre.
TEST(GlossyCapsule, StripsAndCentre) {
    const struct {
        FacePainter paint;
        win32::COLORREF centre, left2, right3, top0, top1, top11, bottom0, bottom9;
    } rows[] = {
        {control::styles::PaintCapsuleGrey, kGrey, 0x999999, 0xA3A3A3, 0x67696A, 0xF5F4F6, 0xE8EBE9, 0xE8EBE9,
         0x545454},
        {control::styles::PaintCapsuleBlue, kBlue, 0x712E13, 0x7C3514, 0x450608, 0xF1D4C9, 0xE6AC76, 0xE6AC76,
         0x635D40},
        {control::styles::PaintCapsuleDarkBlue, kDarkBlue, 0x632D17, 0x6D3319, 0x3C090A, 0xDEC7BE, 0xD0A175,
         0xD0A175, 0x5A563E},
    };
    constexpr int W = 60, H = 30;
    for (const auto& row : rows) {
        SCOPED_TRACE(Hex(row.centre));
        GuardedFace g(W, H, kBack);
        Paint(g, row.paint);
        const struct {
            int x, y;
            win32::COLORREF color;
        } spots[] = {
            // clang-format off
            {0, 15, 0xF7F7F7}, {2, 15, row.left2}, {17, 15, row.centre},               // left strip
            {W - 17, 15, row.centre}, {W - 3, 15, row.right3}, {W - 1, 15, 0xF6F6F6},  // right strip
            {30, 0, row.top0}, {30, 1, row.top1}, {30, 10, row.centre}, {30, 11, row.top11},
            {17, 11, row.top11}, {17, H - 11, row.bottom0},                            // strip corners
            {30, H - 11, row.bottom0}, {30, H - 2, row.bottom9}, {30, H - 1, 0xC5C5C5},
            {18, 12, row.centre}, {W - 18, H - 12, row.centre},                        // visible centre
            // clang-format on
        };
        for (const auto& s : spots) EXPECT_EQ(g.At(s.x, s.y), s.color) << "(" << s.x << ", " << s.y << ")";
        EXPECT_TRUE(g.GuardIntact());
    }
}

// 34 wide, the centre fill and the top and bottom strips are empty; the
// corners and side strips are drawn at every size.
TEST(GlossyCapsule, CornerOutlinesAndSidesAtEverySize) {
    const struct { int w, h; } sizes[] = {{60, 30}, {200, 24}, {40, 60}, {34, 24}};
    for (auto [w, h] : sizes) {
        for (FacePainter paint : {control::styles::PaintCapsuleGrey, control::styles::PaintCapsuleBlue,
                                  control::styles::PaintCapsuleDarkBlue}) {
            SCOPED_TRACE(testing::Message() << w << "x" << h);
            GuardedFace g(w, h, kBack);
            Paint(g, paint);
            EXPECT_TRUE(CornersHaveTheirOutline(g, paint == control::styles::PaintCapsuleGrey));
            EXPECT_EQ(g.At(0, 12), 0xF7F7F7u);
            EXPECT_EQ(g.At(w - 1, 12), 0xF6F6F6u);
            EXPECT_TRUE(g.GuardIntact());
        }
    }
}

TEST(GlossyCapsule, ReferenceRows) {
    using control::styles::capsule_data::Cells;
    const struct {
        FacePainter paint;
        int x, y;
        std::vector<control::styles::Color> colors;
    } rows[] = {
        // clang-format off
        {control::styles::PaintCapsuleGrey, 6, 0, ToVector(Cells<11>(
            "FEFEFE E6E6E6 ACACAC 7A7A7A 6C6C6C 6B6B6B 6F6F6F 716F6F 727070 676866 6C6D6B"))},
        {control::styles::PaintCapsuleGrey, 3, 30 - 2, ToVector(Cells<14>(
            "FEFEFE F9F9F9 ECECEC DADADA C1C1C1 9D9D9D 7B7B7B 5E5E5E 535353 4D4D4D 4B4B4B 505050 525252 555555"))},
        // The bottom corner's first row: the side strips end above it.
        {control::styles::PaintCapsuleGrey, 0, 30 - 10, ToVector(Cells<4>("F7F7F7 A4A4A4 999999 B5B5B5"))},
        {control::styles::PaintCapsuleBlue, 1, 5, ToVector(Cells<16>(
            "FEFEFE CDC9C9 882517 922100 A13A00 D57333 DFA36F DDA876 D8A573 DFAE80 DBAD7D DFB084 DFB286 DFB188 "
            "E1B58D E3B58E"))},
        // clang-format on
    };
    for (const auto& row : rows) {
        GuardedFace g(60, 30, kBack);
        Paint(g, row.paint);
        for (size_t i = 0; i < row.colors.size(); ++i) {
            const int x = row.x + static_cast<int>(i);
            EXPECT_EQ(g.At(x, row.y), static_cast<win32::COLORREF>(row.colors[i]))
                << "(" << x << ", " << row.y << ")";
        }
    }
}

// Smaller than the four corners together, the drawing order decides: at
// 20 x 20 the top strip holds rows 0..8 and the bottom strip, drawn last,
// rows 9..19; row 11 is the side strips' only row, the right strip over
// the left one.
TEST(GlossyCapsule, SmallestFace) {
    GuardedFace g(20, 20, kBack);
    Paint(g, control::styles::PaintCapsuleGrey);
    const auto column10 = control::styles::capsule_data::Cells<20>(
        "67696A F5F4F6 F3F2F4 EEEEEE EBEBEB EBE8EA EBE8EA EAEAEA E1E1E1 "  // top rows 0..8
        "E8EBE9 EEF1EF F2F2F2 F5F5F5 FFFEFE FFFFFF FDFDFD FEFEFE FBFBFB 545454 C5C5C5");
    for (int y = 0; y < 20; ++y)
        EXPECT_EQ(g.At(10, y), static_cast<win32::COLORREF>(column10[y])) << "row " << y;
    EXPECT_EQ(g.At(0, 11), 0xF7F7F7u);  // left line 0
    EXPECT_EQ(g.At(3, 11), kGrey);      // right line 0
    EXPECT_EQ(g.At(19, 11), 0xF6F6F6u);
    EXPECT_TRUE(g.GuardIntact());
}

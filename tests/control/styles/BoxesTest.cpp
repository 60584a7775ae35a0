#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "control/styles/Boxes.h"
#include "control/styles/Colors.h"
#include "control/styles/Lines.h"
#include "platform/gdi/GdiExtensions.h"
#include "tests/support/Surface.h"

using namespace control::styles;
using corvalmire::test::kWhite;
using corvalmire::test::Surface;
using Rows = std::vector<std::string>;

TEST(DrawLine, LeavesOutTheEndPoint) {
    Surface s(6, 3, kWhite);
    DrawLine(s.dc(), 1, 1, 4, 1, 0x0000FF);
    EXPECT_EQ(s.Mask(), (Rows{"......", ".XXX..", "......"}));
    EXPECT_EQ(s.At(1, 1), 0x0000FFu);
}

TEST(DrawLine, EqualEndsDrawNothing) {
    Surface s(3, 3, kWhite);
    DrawLineDC(s.dc(), 1, 1, 1, 1, 0);
    EXPECT_EQ(s.Mask(), (Rows{"...", "...", "..."}));
}

TEST(DrawBox, CoversWidthPlusOneByHeightPlusOne) {
    struct Case {
        int x, y, w, h;
        Rows expected;
    } cases[] = {
        {1, 1, 0, 0, {".....", ".....", ".....", ".....", ".....", ".....", "....."}},  // nothing
        {1, 0, 0, 5, {".X...", ".X...", ".X...", ".X...", ".X...", ".X...", "....."}},  // one run of 6
        {1, 1, 3, 2, {".....", ".XXXX", ".X..X", ".XXXX", ".....", ".....", "....."}},
        {0, 0, 4, 6, {"XXXXX", "X...X", "X...X", "X...X", "X...X", "X...X", "XXXXX"}},  // W-1, H-1 of 5x7
    };
    for (const Case& c : cases) {
        Surface s(5, 7, kWhite);
        DrawBox(s.dc(), c.x, c.y, c.w, c.h, 0x00FF00);
        EXPECT_EQ(s.Mask(), c.expected) << c.x << "," << c.y << " " << c.w << "x" << c.h;
    }
}

TEST(DrawBox, OverflowingBottomKeepsTheTopSide) {
    Surface s(5, 3, kWhite);
    DrawBox(s.dc(), 0, 1, 3, INT_MAX, 0);
    EXPECT_EQ(s.Mask(), (Rows{".....", "XXX..", "....."}));
}

TEST(FillBox, ExcludesRightAndBottom) {
    Surface s(5, 4, kWhite);
    FillBox(s.dc(), 1, 1, 3, 2, 0x123456);
    EXPECT_EQ(s.Mask(), (Rows{".....", ".XXX.", ".XXX.", "....."}));
    EXPECT_EQ(s.At(3, 2), 0x123456u);
}

TEST(FillBox, OverflowingSizeDrawsNothing) {
    Surface s(3, 3, kWhite);
    FillBox(s.dc(), 1, 1, INT_MAX, 1, 0);
    EXPECT_EQ(s.Mask(), (Rows{"...", "...", "..."}));
}

TEST(FillRectSolid, FillsTheRect) {
    Surface s(4, 3, kWhite);
    FillRectSolid(s.dc(), win32::RECT{2, 0, 4, 2}, 0x0000FF);
    EXPECT_EQ(s.Mask(), (Rows{"..XX", "..XX", "...."}));
}

TEST(DrawDoubleFrame, TwoOutlinesCornersAndMixedJoins) {
    // Outer 'o' over columns 0..4 rows 0..3, inner 'i' over 1..5 x 1..4
    // (drawn second, so it wins where they cross), corners 'c' at (0,4) and
    // (5,0), mixes 'm' at (1,3) and (4,1).
    const Color outer = 0x000080, inner = 0x008000, corner = 0x800000;
    Surface s(7, 6, kWhite);
    DrawDoubleFrame(s.dc(), 0, 0, 5, 4, outer, inner, corner);
    const Color mix = MixColors(inner, outer);
    ASSERT_EQ(mix, 0x004040);
    const Rows expected = {
        "oooooc.",  //
        "oiiimi.",  //
        "oi..oi.",  //
        "omoooi.",  //
        "ciiiii.",  //
        ".......",  //
    };
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 7; ++x) {
            const char k = expected[size_t(y)][size_t(x)];
            const Color want = k == 'o'   ? outer
                               : k == 'i' ? inner
                               : k == 'c' ? corner
                               : k == 'm' ? mix
                                          : Color(kWhite);
            EXPECT_EQ(s.At(x, y), win32::COLORREF(want)) << "(" << x << "," << y << ")";
        }
}

TEST(DrawEdgeBox, RoundsTheRectangleHalfToEvenBeforeDrawing) {
    struct Case {
        float left, top, width, height;
        win32::RECT rounded;
    } cases[] = {
        {0.5f, 0.0f, 9.5f, 6.0f, {0, 0, 10, 6}},   // 0.5 -> 0, 10.0 -> 10
        {1.5f, 0.5f, 6.0f, 5.0f, {2, 0, 8, 6}},    // 1.5 -> 2, 7.5 -> 8, 5.5 -> 6
        {0.0f, 0.0f, 10.5f, 6.5f, {0, 0, 10, 6}},  // 10.5 -> 10, 6.5 -> 6
    };
    for (const Case& c : cases) {
        Surface actual(12, 8, kWhite), expected(12, 8, kWhite);
        DrawEdgeBox(actual.dc(), c.left, c.top, c.width, c.height, 5, 15);
        win32::RECT rect = c.rounded;
        win32::DrawEdge(expected.dc(), &rect, 5, 15);
        EXPECT_NE(expected.Mask(), Surface(12, 8).Mask());
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 12; ++x)
                ASSERT_EQ(actual.At(x, y), expected.At(x, y)) << "(" << x << "," << y << ")";
    }
}

TEST(Primitives, StaleDeviceContextIsIgnored) {
    const auto stale = reinterpret_cast<win32::HDC>(std::uintptr_t{0xDEAD0});
    const win32::GdiLiveCounts before = win32::GetGdiLiveCounts();
    DrawLine(stale, 0, 0, 5, 5, 0);
    DrawBox(stale, 0, 0, 5, 5, 0);
    FillBox(stale, 0, 0, 5, 5, 0);
    DrawDoubleFrame(stale, 0, 0, 5, 5, 0, 0, 0);
    EXPECT_EQ(win32::GetGdiLiveCounts(), before);
}

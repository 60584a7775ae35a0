#include <gtest/gtest.h>

#include <random>

#include "control/styles/Gradients.h"
#include "tests/support/Surface.h"

using namespace control::styles;
using corvalmire::test::kWhite;
using corvalmire::test::Surface;
using Rows = std::vector<std::string>;

TEST(DrawGradientV, BlackToRedInTwoStepsRoundsTheMiddleToEven) {
    Surface s(6, 5, kWhite);
    DrawGradientV(s.dc(), 0x000000, 0x0000FF, 1, 1, 5, 2);
    for (int x = 1; x < 5; ++x) {
        EXPECT_EQ(s.At(x, 1), 0x000000u);
        EXPECT_EQ(s.At(x, 2), 0x000080u);  // 127.5 -> 128
        EXPECT_EQ(s.At(x, 3), 0x0000FFu);
    }
    EXPECT_EQ(s.Mask(), (Rows{"......", ".XXXX.", ".XXXX.", ".XXXX.", "......"}));
}

TEST(DrawGradientV, IncrementIsSinglePrecision) {
    // 1/6 in single precision is 0.16666667: three steps give 0.50000001,
    // which rounds to 1 (in double it would be 0.5, a tie, and round to 0).
    Surface s(1, 7, kWhite);
    DrawGradientVDC(s.dc(), 0x000000, 0x000001, 0, 0, 1, 6);
    const win32::COLORREF expected[] = {0, 0, 0, 1, 1, 1, 1};
    for (int y = 0; y < 7; ++y) EXPECT_EQ(s.At(0, y), expected[y]) << "row " << y;
}

TEST(DrawGradientV, StepCountsAtTheEdges) {
    struct Case {
        int steps;
        Rows expected;
    } cases[] = {
        {0, {"...", "...", "...", "..."}},   // division by zero: nothing
        {-1, {"...", "...", "...", "..."}},  // no iterations
        {1, {"...", "XX.", "XX.", "..."}},   // from, then to
    };
    for (const Case& c : cases) {
        Surface s(3, 4, kWhite);
        DrawGradientV(s.dc(), 0x102030, 0x405060, 0, 1, 2, c.steps);
        EXPECT_EQ(s.Mask(), c.expected) << "steps " << c.steps;
        if (c.steps == 1) {
            EXPECT_EQ(s.At(0, 1), 0x102030u);
            EXPECT_EQ(s.At(0, 2), 0x405060u);
        }
    }
}

TEST(DrawGradientV, LineRunningLeftCoversTheStartColumnOnly) {
    Surface s(4, 2, kWhite);
    DrawGradientV(s.dc(), 0x0000FF, 0x0000FF, 2, 0, 1, 1);
    EXPECT_EQ(s.Mask(), (Rows{"..X.", "..X."}));
}

TEST(DrawGradientH, ColumnsFromLeftToRightInclusive) {
    Surface s(5, 3, kWhite);
    DrawGradientH(s.dc(), 0x000000, 0xFF0000, 1, 0, 3, 2);
    EXPECT_EQ(s.Mask(), (Rows{".XXX.", ".XXX.", "....."}));
    EXPECT_EQ(s.At(1, 0), 0x000000u);
    EXPECT_EQ(s.At(2, 1), 0x800000u);  // blue 127.5 -> 128
    EXPECT_EQ(s.At(3, 0), 0xFF0000u);
}

TEST(DrawGradientH, EmptyOrReversedRangeDrawsNothing) {
    for (int x2 : {2, 1}) {
        Surface s(4, 2, kWhite);
        DrawGradientH(s.dc(), 0, 0xFFFFFF, 2, 0, x2, 2);
        EXPECT_EQ(s.Mask(), (Rows{"....", "...."})) << "x2 " << x2;
    }
}

// A ramp one pixel wide is set as a run of pixels rather than lines: seeded
// random ramps, some crossing the surface's edges and longer than one run's
// chunk, against column x1 (or row y1) of the same ramp two pixels wide,
// which is drawn line by line.
TEST(DrawGradient, OnePixelRampsMatchTheLinePath) {
    std::mt19937 random(14);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int round = 0; round < 300; ++round) {
        const Color from = pick(0, 0xFFFFFF), to = pick(0, 0xFFFFFF);
        const int a = pick(-3, 12), b = pick(-80, 90), steps = pick(-2, 150);
        const int dir = pick(0, 1) ? 1 : -1;
        const bool vertical = round % 2 == 0;
        Surface fast(16, 100, kWhite), lines(16, 100, kWhite);
        if (vertical) {
            DrawGradientV(fast.dc(), from, to, a, b, a + dir, steps);
            DrawGradientV(lines.dc(), from, to, a, b, a + 2 * dir, steps);
        } else {
            DrawGradientH(fast.dc(), from, to, b / 8, a, b / 8 + steps / 8, a + dir);
            DrawGradientH(lines.dc(), from, to, b / 8, a, b / 8 + steps / 8, a + 2 * dir);
        }
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 16; ++x) {
                const bool onRamp = vertical ? x == a : y == a;
                const win32::COLORREF expected = onRamp ? lines.At(x, y) : kWhite;
                ASSERT_EQ(fast.At(x, y), expected) << "round " << round << " at (" << x << ", " << y << ")";
            }
    }
}

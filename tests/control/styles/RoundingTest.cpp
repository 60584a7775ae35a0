#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "control/styles/Rounding.h"

using control::styles::RoundHalfEven;

TEST(RoundHalfEven, RoundsToNearestWithTiesToEvenAndKeepsTheSign) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    struct Case {
        double value, expected;
    };
    const Case cases[] = {
        {0.5, 0.0},       {1.5, 2.0},         {2.5, 2.0},           {3.5, 4.0},
        {-0.5, -0.0},     {-1.5, -2.0},       {-2.5, -2.0},         {0.49999999999999994, 0.0},
        {2.4, 2.0},       {-2.6, -3.0},       {255.5, 256.0},       {-0.4, -0.0},
        {0.0, 0.0},       {-0.0, -0.0},       {4503599627370495.5, 4503599627370496.0},
        {1e300, 1e300},   {-1e300, -1e300},   {kInf, kInf},         {-kInf, -kInf},
        {2147483647.5, 2147483648.0},
    };
    for (const Case& c : cases) {
        const double rounded = RoundHalfEven(c.value);
        EXPECT_EQ(rounded, c.expected) << c.value;
        EXPECT_EQ(std::signbit(rounded), std::signbit(c.expected)) << c.value;
    }
    EXPECT_TRUE(std::isnan(RoundHalfEven(std::nan(""))));
}

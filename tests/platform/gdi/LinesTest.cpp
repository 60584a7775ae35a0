#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "platform/gdi/DrawTarget.h"
#include "tests/support/Surface.h"

namespace corvalmire::test {
namespace {

using namespace win32;
using Pixels = std::vector<std::pair<int, int>>;

constexpr COLORREF kPen = RGB(200, 10, 20);

// Draws one line with the origin moved to (ox, oy) and lists the pixels lit,
// relative to that origin.
std::set<std::pair<int, int>> DrawLine(Surface& canvas, int ox, int oy, POINT a, POINT b) {
    HPEN pen = CreatePen(PS_SOLID, 1, kPen);
    HGDIOBJ old = SelectObject(canvas.dc(), pen);
    MoveToEx(canvas.dc(), ox + a.x, oy + a.y, nullptr);
    LineTo(canvas.dc(), ox + b.x, oy + b.y);
    SelectObject(canvas.dc(), old);
    DeleteObject(pen);
    std::set<std::pair<int, int>> lit;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (canvas.At(x, y) == kPen) lit.emplace(x - ox, y - oy);
        }
    }
    return lit;
}

struct LineCase {
    const char* what;
    POINT from, to;
    Pixels pixels;
};

TEST(LineTo, WorkedExamplesOfEveryKind) {
    const std::vector<LineCase> cases = {
        {"octant 1", {0, 0}, {5, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
        {"octant 5, same pixels reversed", {5, 2}, {0, 0}, {{5, 2}, {4, 2}, {3, 1}, {2, 1}, {1, 0}}},
        {"octant 1, tie at x=2 goes up", {0, 0}, {4, 1}, {{0, 0}, {1, 0}, {2, 0}, {3, 1}}},
        {"octant 5, the same tie", {4, 1}, {0, 0}, {{4, 1}, {3, 1}, {2, 0}, {1, 0}}},
        {"octant 8, tie goes up", {0, 0}, {4, -1}, {{0, 0}, {1, 0}, {2, -1}, {3, -1}}},
        {"octant 2, ties go left", {0, 0}, {2, 4}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
        {"octant 3", {0, 0}, {-2, 4}, {{0, 0}, {-1, 1}, {-1, 2}, {-2, 3}}},
        {"octant 6", {0, 0}, {-2, -4}, {{0, 0}, {-1, -1}, {-1, -2}, {-2, -3}}},
        {"octant 7", {0, 0}, {2, -4}, {{0, 0}, {0, -1}, {1, -2}, {1, -3}}},
        {"octant 4", {0, 0}, {-4, 1}, {{0, 0}, {-1, 0}, {-2, 0}, {-3, 1}}},
        {"45 degrees", {0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
        {"45 degrees up-left", {3, 3}, {0, 0}, {{3, 3}, {2, 2}, {1, 1}}},
        {"right to left: start drawn, end not", {5, 0}, {0, 0}, {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}}},
        {"left to right", {0, 0}, {3, 0}, {{0, 0}, {1, 0}, {2, 0}}},
        {"downwards", {0, 0}, {0, 3}, {{0, 0}, {0, 1}, {0, 2}}},
        {"upwards", {0, 3}, {0, 0}, {{0, 3}, {0, 2}, {0, 1}}},
        {"zero length draws nothing", {2, 2}, {2, 2}, {}},
    };
    for (const LineCase& c : cases) {
        Surface canvas(16, 16);
        const auto lit = DrawLine(canvas, 8, 8, c.from, c.to);
        const std::set<std::pair<int, int>> expected(c.pixels.begin(), c.pixels.end());
        EXPECT_EQ(lit, expected) << c.what;
    }
}

// The closed form of the platform's lines: along the major axis, the minor
// coordinate is the exact value rounded to nearest, halves towards the
// smaller coordinate.
long long RoundHalfDown(long long num, long long den) {
    const long long n = 2 * num - den, d = 2 * den;
    return n >= 0 ? (n + d - 1) / d : -((-n) / d);
}

Pixels ClosedForm(POINT a, POINT b) {
    Pixels out;
    const long long dx = b.x - a.x, dy = b.y - a.y;
    const long long adx = std::llabs(dx), ady = std::llabs(dy);
    if (adx > ady) {
        for (long long i = 0; i < adx; ++i) {
            const long long x = a.x + (dx > 0 ? i : -i);
            out.emplace_back(int(x), int(RoundHalfDown(a.y * adx + dy * i, adx)));
        }
    } else {
        for (long long i = 0; i < ady; ++i) {
            const long long y = a.y + (dy > 0 ? i : -i);
            out.emplace_back(int(RoundHalfDown(a.x * ady + dx * i, ady)), int(y));
        }
    }
    return out;
}

TEST(LineTo, RasteriserMatchesTheClosedFormOnRandomLines) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> coordinate(-40, 40);
    for (int n = 0; n < 20000; ++n) {
        const POINT a{coordinate(random), coordinate(random)}, b{coordinate(random), coordinate(random)};
        Pixels drawn;
        gdi::RasteriseLine(a.x, a.y, b.x, b.y, [&](int x, int y) { drawn.emplace_back(x, y); });
        ASSERT_EQ(drawn, ClosedForm(a, b)) << "(" << a.x << "," << a.y << ")->(" << b.x << "," << b.y << ")";
    }
}

TEST(LineTo, WalkStartingInsideTheBitmapMatchesTheFullWalk) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-300, 300);
    for (int n = 0; n < 20000; ++n) {
        const POINT a{coordinate(random), coordinate(random)}, b{coordinate(random), coordinate(random)};
        Pixels full, within;
        gdi::RasteriseLine(a.x, a.y, b.x, b.y, [&](int x, int y) {
            if (x >= 0 && x < 40 && y >= 0 && y < 30) full.emplace_back(x, y);
        });
        gdi::RasteriseLineWithin(a.x, a.y, b.x, b.y, 40, 30, [&](int x, int y) {
            if (x >= 0 && x < 40 && y >= 0 && y < 30) within.emplace_back(x, y);
        });
        ASSERT_EQ(within, full) << "(" << a.x << "," << a.y << ")->(" << b.x << "," << b.y << ")";
    }
}

TEST(LineTo, AHugeLineDrawsOnlyItsVisiblePixelsWhereTheClosedFormPutsThem) {
    // Four billion steps, nearly all off the bitmap: only the visible part is walked.
    const POINT from{-2000000000, -1}, to{2000000000, 3};
    Surface canvas(12, 4);
    const auto lit = DrawLine(canvas, 0, 0, from, to);
    std::set<std::pair<int, int>> expected;
    const long long adx = 4000000000LL, dy = 4;
    for (long long x = 0; x < 12; ++x) {
        const long long i = x - from.x;
        const long long y = RoundHalfDown(from.y * adx + dy * i, adx);
        if (y >= 0 && y < 4) expected.emplace(int(x), int(y));
    }
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(lit, expected);
}

TEST(LineTo, ClippingRemovesPixelsWithoutShiftingThem) {
    const POINT from{-7, -3}, to{20, 9};
    Surface canvas(10, 6);
    const auto lit = DrawLine(canvas, 0, 0, from, to);
    std::set<std::pair<int, int>> inside;
    for (auto [x, y] : ClosedForm(from, to)) {
        if (x >= 0 && y >= 0 && x < 10 && y < 6) inside.emplace(x, y);
    }
    EXPECT_FALSE(inside.empty());
    EXPECT_EQ(lit, inside);
}

TEST(LineTo, MovesTheCurrentPositionAndANullPenDrawsNothing) {
    Surface canvas(8, 5);
    HPEN nullPen = CreatePen(PS_NULL, 1, kPen);
    HGDIOBJ old = SelectObject(canvas.dc(), nullPen);
    MoveToEx(canvas.dc(), 1, 1, nullptr);
    EXPECT_TRUE(LineTo(canvas.dc(), 6, 1));
    POINT at{};
    GetCurrentPositionEx(canvas.dc(), &at);
    EXPECT_EQ(at, (POINT{6, 1}));
    EXPECT_TRUE(MatchesRows(canvas, {}, {}));

    // Two joined segments: the corner is drawn once, by the second segment.
    SelectObject(canvas.dc(), GetStockObject(BLACK_PEN));
    MoveToEx(canvas.dc(), 1, 1, &at);
    EXPECT_EQ(at, (POINT{6, 1}));
    LineTo(canvas.dc(), 4, 1);
    LineTo(canvas.dc(), 4, 4);
    EXPECT_TRUE(MatchesRows(canvas, {"........", ".KKKK...", "....K...", "....K..."}, {{'K', RGB(0, 0, 0)}}));
    SelectObject(canvas.dc(), old);
    DeleteObject(nullPen);
}

}  // namespace
}  // namespace corvalmire::test

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "platform/gdi/GdiExtensions.h"
#include "tests/support/Surface.h"

namespace corvalmire::test {
namespace {

using namespace win32;

// A region's rows as "first-last" inclusive column spans, one string per
// row from top to bottom - 1 ("" = empty row), read through PtInRegion.
std::vector<std::string> RowSpans(HRGN region, int top, int bottom, int left, int right) {
    std::vector<std::string> rows;
    for (int y = top; y < bottom; ++y) {
        std::string row;
        for (int x = left; x < right; ++x) {
            if (!PtInRegion(region, x, y) || PtInRegion(region, x - 1, y)) continue;
            int last = x;
            while (PtInRegion(region, last + 1, y)) ++last;
            row += (row.empty() ? "" : " ") + std::to_string(x) + "-" + std::to_string(last);
        }
        rows.push_back(row);
    }
    return rows;
}

struct PolygonCase {
    const char* what;
    std::vector<POINT> points;
    std::vector<std::string> rows;  // rows 0..3
};

TEST(CreatePolygonRgn, SamplesAtIntegerCoordinatesTopLeftInclusive) {
    const std::vector<PolygonCase> cases = {
        {"right triangle", {{0, 0}, {4, 0}, {0, 4}}, {"0-3", "0-2", "0-1", "0-0"}},
        {"flat triangle", {{0, 0}, {5, 0}, {0, 3}}, {"0-4", "0-3", "0-1", ""}},
        {"apex up", {{2, 0}, {4, 4}, {0, 4}}, {"", "2-2", "1-2", "1-3"}},
        {"axis-aligned square = its rect",
         {{0, 0}, {10, 0}, {10, 10}, {0, 10}},
         {"0-9", "0-9", "0-9", "0-9"}},
    };
    for (const PolygonCase& c : cases) {
        HRGN region = CreatePolygonRgn(c.points.data(), int(c.points.size()), ALTERNATE);
        EXPECT_EQ(RowSpans(region, 0, 4, -2, 12), c.rows) << c.what;
        DeleteObject(region);
    }
}

TEST(CreatePolygonRgn, SlantedButtonOutline) {
    const POINT outline[] = {{0, 2}, {2, 0}, {97, 0}, {100, 3}, {100, 27}, {97, 30}, {4, 30}, {0, 26}};
    HRGN region = CreatePolygonRgn(outline, 8, ALTERNATE);
    std::vector<std::string> expected = {
        "2-96",  // row 0: left edge crosses at 2, right edge at 97 (excluded)
        "1-97",  // row 1: left 1, right 98
        "0-98",  // row 2: the left edge is x = 0 from here, right 99
    };
    for (int y = 3; y <= 26; ++y) expected.push_back("0-99");  // the vertical right edge x = 100 is excluded
    expected.push_back("1-99");                                // row 27: bottom-left cut at 1, right 100
    expected.push_back("2-98");                                // row 28: left 2, right 99
    expected.push_back("3-97");                                // row 29: left 3, right 98; row 30 is out
    EXPECT_EQ(RowSpans(region, 0, 30, -2, 104), expected);
    EXPECT_FALSE(PtInRegion(region, 50, 30));
    RECT box;
    EXPECT_EQ(GetRgnBox(region, &box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{0, 0, 100, 30}));
    DeleteObject(region);
}

TEST(CreatePolygonRgn, WindingFillsWhatAlternateLeavesOut) {
    // The square traced twice: winding number 2 inside, an even crossing count.
    const POINT twice[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}, {4, 0}, {4, 4}, {0, 4}};
    HRGN alternate = CreatePolygonRgn(twice, 8, ALTERNATE);
    HRGN winding = CreatePolygonRgn(twice, 8, WINDING);
    EXPECT_FALSE(PtInRegion(alternate, 1, 1));
    EXPECT_TRUE(PtInRegion(winding, 1, 1));
    RECT box;
    EXPECT_EQ(GetRgnBox(winding, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 4, 4}));
    DeleteObject(alternate);
    DeleteObject(winding);
    EXPECT_EQ(CreatePolygonRgn(twice, 8, 7), nullptr);
}

TEST(CreateRoundRectRgn, ButtonSpans) {
    HRGN region = CreateRoundRectRgn(0, 0, 108, 28, 18, 18);
    std::vector<std::string> expected = {"6-100", "4-102", "3-103", "2-104", "1-105", "1-105"};
    for (int y = 6; y <= 20; ++y) expected.push_back("0-106");
    for (const char* row : {"1-105", "1-105", "2-104", "3-103", "4-102", "6-100", ""})
        expected.push_back(row);
    EXPECT_EQ(RowSpans(region, 0, 28, -2, 110), expected);
    DeleteObject(region);
}

TEST(CreateRoundRectRgn, SmallCornersAndDegenerateSizes) {
    HRGN small = CreateRoundRectRgn(0, 0, 10, 8, 6, 6);
    EXPECT_EQ(RowSpans(small, 0, 8, -1, 11),
              (std::vector<std::string>{"2-6", "1-7", "0-8", "0-8", "0-8", "1-7", "2-6", ""}));
    HRGN tiny = CreateRoundRectRgn(0, 0, 6, 5, 4, 4);
    EXPECT_EQ(RowSpans(tiny, 0, 5, -1, 7), (std::vector<std::string>{"1-3", "0-4", "0-4", "1-3", ""}));
    // Corners under 2 pixels give the rectangle, still one pixel smaller.
    HRGN square = CreateRoundRectRgn(4, 4, 0, 0, 1, 1);
    RECT box;
    EXPECT_EQ(GetRgnBox(square, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 3, 3}));
    for (HRGN r : {small, tiny, square}) DeleteObject(r);
}

TEST(CreateRoundRectRgn, NarrowCornersReachTheirTopAndBottomRows) {
    // A 4 x 7 corner leaves the ellipse walk before its first and last rows.
    HRGN region = CreateRoundRectRgn(0, 0, 9, 11, 4, 7);
    EXPECT_EQ(
        RowSpans(region, 0, 11, -1, 10),
        (std::vector<std::string>{"1-6", "1-6", "0-7", "0-7", "0-7", "0-7", "0-7", "0-7", "1-6", "1-6", ""}));
    DeleteObject(region);
}

TEST(CreateRoundRectRgn, EveryCornerNarrowsTowardsTheTopAndBottom) {
    for (int cw = 2; cw <= 41; ++cw) {
        for (int ch = 2; ch <= 31; ++ch) {
            HRGN region = CreateRoundRectRgn(0, 0, 42, 32, cw, ch);
            std::vector<LONG> left(31, 41);
            for (const RECT& r : GetRegionRects(region)) {
                for (LONG y = r.top; y < r.bottom; ++y) left[size_t(y)] = std::min(left[size_t(y)], r.left);
            }
            for (size_t y = 0; y < 15; ++y) {
                ASSERT_GE(left[y], left[y + 1]) << cw << "x" << ch << " row " << y;
                ASSERT_EQ(left[y], left[30 - y]) << cw << "x" << ch << " row " << y;
            }
            DeleteObject(region);
        }
    }
}

TEST(CombineRgn, EveryModeAgreesWithThePointwiseRule) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(0, 12);
    auto randomRegion = [&] {
        HRGN r = CreateRectRgn(0, 0, 0, 0);
        for (int i = 0; i < 3; ++i) {
            HRGN part =
                CreateRectRgn(coordinate(random), coordinate(random), coordinate(random), coordinate(random));
            CombineRgn(r, r, part, RGN_OR);
            DeleteObject(part);
        }
        return r;
    };
    for (int round = 0; round < 200; ++round) {
        HRGN a = randomRegion(), b = randomRegion(), out = CreateRectRgn(0, 0, 0, 0);
        for (int mode : {RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF, RGN_COPY}) {
            ASSERT_NE(CombineRgn(out, a, b, mode), ERROR);
            for (int y = -1; y < 14; ++y) {
                for (int x = -1; x < 14; ++x) {
                    const bool inA = PtInRegion(a, x, y), inB = PtInRegion(b, x, y);
                    const bool want = mode == RGN_AND    ? inA && inB
                                      : mode == RGN_OR   ? inA || inB
                                      : mode == RGN_XOR  ? inA != inB
                                      : mode == RGN_DIFF ? inA && !inB
                                                         : inA;
                    ASSERT_EQ(bool(PtInRegion(out, x, y)), want)
                        << "mode " << mode << " at " << x << "," << y;
                }
            }
            // Canonical banding: the same pixel set always has the same rectangles.
            HRGN rebuilt = CreateRectRgn(0, 0, 0, 0);
            const std::vector<RECT> rects = GetRegionRects(out);
            for (auto it = rects.rbegin(); it != rects.rend(); ++it) {
                HRGN part = CreateRectRgnIndirect(&*it);
                CombineRgn(rebuilt, part, rebuilt, RGN_OR);
                DeleteObject(part);
            }
            EXPECT_TRUE(EqualRgn(out, rebuilt));
            DeleteObject(rebuilt);
        }
        for (HRGN r : {a, b, out}) DeleteObject(r);
    }
}

TEST(Regions, OffsetBoxDataAndPainting) {
    HRGN region = CreateRectRgn(0, 0, 2, 2);
    HRGN other = CreateRectRgn(3, 1, 4, 3);
    EXPECT_EQ(CombineRgn(region, region, other, RGN_OR), COMPLEXREGION);
    EXPECT_EQ(OffsetRgn(region, 1, 1), COMPLEXREGION);
    RECT box;
    GetRgnBox(region, &box);
    EXPECT_EQ(box, (RECT{1, 1, 5, 4}));

    // Bands: [1,2) one rect, [2,3) two, [3,4) one.
    const DWORD size = GetRegionData(region, 0, nullptr);
    ASSERT_EQ(size, sizeof(RGNDATAHEADER) + 4 * sizeof(RECT));
    std::vector<char> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    EXPECT_EQ(GetRegionData(region, size, data), size);
    EXPECT_EQ(data->rdh.nCount, 4u);
    EXPECT_EQ(data->rdh.rcBound, box);
    EXPECT_EQ(GetRegionData(region, size - 1, data), 0u);

    Surface canvas(6, 5);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    EXPECT_TRUE(FillRgn(canvas.dc(), region, red));
    EXPECT_TRUE(MatchesRows(canvas, {"......", ".RR...", ".RR.R.", "....R."}, {{'R', RGB(255, 0, 0)}}));
    DeleteObject(red);
    for (HRGN r : {region, other}) DeleteObject(r);
}

TEST(RectInRegion, TakesInvertedRectanglesInOrder) {
    HRGN region = CreateRectRgn(2, 2, 5, 5);
    const std::vector<std::pair<RECT, bool>> cases = {
        {{0, 0, 3, 3}, true},  {{3, 3, 0, 0}, true},  {{6, 6, 4, 4}, true},
        {{0, 0, 2, 2}, false}, {{5, 0, 9, 9}, false}, {{3, 1, 3, 9}, false},
    };
    for (const auto& [rect, inside] : cases) {
        EXPECT_EQ(bool(RectInRegion(region, &rect)), inside)
            << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
    }
    DeleteObject(region);
}

TEST(Regions, FrameRgnPaintsTheRegionsBorder) {
    const POINT triangle[] = {{0, 0}, {6, 0}, {0, 6}};
    HRGN region = CreatePolygonRgn(triangle, 3, ALTERNATE);
    Surface canvas(7, 7);
    EXPECT_TRUE(FrameRgn(canvas.dc(), region, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), 1, 1));
    EXPECT_TRUE(MatchesRows(canvas, {"KKKKKK", "K...K", "K..K", "K.K", "KK", "K"}, {{'K', RGB(0, 0, 0)}}));
    DeleteObject(region);
}

// Coordinates and sizes at the ends of the int range: worked out in 64 bits,
// never wrapped into a region spanning the whole plane.
TEST(CreateRoundRectRgn, CoordinatesAtTheEndsOfTheIntRange) {
    struct Case {
        const char* what;
        int left, top, right, bottom, width, height;
        int type;  // ERROR: no region made
        RECT box;
    };
    const Case cases[] = {
        {"zero width at INT_MIN: the one column left of it does not exist",
         INT_MIN,
         0,
         INT_MIN,
         10,
         0,
         0,
         NULLREGION,
         {}},
        {"zero width at INT_MAX: the column left of it",
         INT_MAX,
         0,
         INT_MAX,
         10,
         0,
         0,
         SIMPLEREGION,
         {INT_MAX - 1, 0, INT_MAX, 9}},
        {"the whole plane less the last row and column",
         INT_MIN,
         INT_MIN,
         INT_MAX,
         INT_MAX,
         0,
         0,
         SIMPLEREGION,
         {INT_MIN, INT_MIN, INT_MAX - 1, INT_MAX - 1}},
        {"corners of INT_MIN are the whole ellipse",
         0,
         0,
         100,
         30,
         INT_MIN,
         INT_MIN,
         COMPLEXREGION,
         {0, 0, 99, 29}},
        {"an ellipse wider than can be traced is refused", INT_MIN, 0, INT_MAX, 10, INT_MAX, 10, ERROR, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HRGN region = CreateRoundRectRgn(c.left, c.top, c.right, c.bottom, c.width, c.height);
        if (c.type == ERROR) {
            EXPECT_EQ(region, nullptr);
            continue;
        }
        RECT box;
        EXPECT_EQ(GetRgnBox(region, &box), c.type);
        EXPECT_EQ(box, c.box);
        DeleteObject(region);
    }
    HRGN ellipse = CreateEllipticRgn(INT_MAX, 0, INT_MIN, 10);  // width -(2^32 - 1)
    EXPECT_EQ(ellipse, nullptr);
}

TEST(Regions, AnOffsetPastTheIntRangeIsRefusedAndChangesNothing) {
    HRGN region = CreateRectRgn(0, 0, 10, 10);
    RECT box;
    EXPECT_EQ(OffsetRgn(region, INT_MAX, 0), ERROR);
    EXPECT_EQ(OffsetRgn(region, 0, INT_MIN + 5), SIMPLEREGION);
    GetRgnBox(region, &box);
    EXPECT_EQ(box, (RECT{0, INT_MIN + 5, 10, INT_MIN + 15}));
    EXPECT_EQ(OffsetRgn(region, 0, -6), ERROR);
    GetRgnBox(region, &box);
    EXPECT_EQ(box, (RECT{0, INT_MIN + 5, 10, INT_MIN + 15}));
    DeleteObject(region);
}

DWORD RectCount(HRGN region) {
    std::vector<char> buffer(GetRegionData(region, 0, nullptr));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    return GetRegionData(region, DWORD(buffer.size()), data) ? data->rdh.nCount : 0;
}

// One band per row over 131,072 rows: quadratic algebra took seconds here.
TEST(CombineRgn, RegionsOfManyBandsCombineExactly) {
    constexpr int kRows = 1 << 17;
    const POINT triangle[] = {{0, 0}, {kRows, 0}, {0, kRows}};  // row y: columns 0..kRows-y-1
    HRGN a = CreatePolygonRgn(triangle, 3, ALTERNATE);
    HRGN b = CreatePolygonRgn(triangle, 3, ALTERNATE);
    ASSERT_EQ(OffsetRgn(b, 0, 1), COMPLEXREGION);
    HRGN out = CreateRectRgn(0, 0, 0, 0);
    RECT box;
    EXPECT_EQ(CombineRgn(out, a, a, RGN_XOR), NULLREGION);
    // Row y of a | b: columns 0..kRows-y, b's; row 0 is a's, as wide as row 1,
    // so the two share a band.
    EXPECT_EQ(CombineRgn(out, a, b, RGN_OR), COMPLEXREGION);
    EXPECT_EQ(RectCount(out), DWORD(kRows));
    GetRgnBox(out, &box);
    EXPECT_EQ(box, (RECT{0, 0, kRows, kRows + 1}));
    EXPECT_TRUE(PtInRegion(out, kRows - 100, 100));
    EXPECT_FALSE(PtInRegion(out, kRows - 99, 100));
    // a & b is a without its first row; b - a the one pixel closing each row of b.
    EXPECT_EQ(CombineRgn(out, a, b, RGN_AND), COMPLEXREGION);
    EXPECT_EQ(RectCount(out), DWORD(kRows - 1));
    EXPECT_EQ(CombineRgn(out, b, a, RGN_DIFF), COMPLEXREGION);
    EXPECT_EQ(RectCount(out), DWORD(kRows));
    GetRgnBox(out, &box);
    EXPECT_EQ(box, (RECT{0, 1, kRows, kRows + 1}));
    EXPECT_TRUE(PtInRegion(out, kRows - 100, 100));
    EXPECT_FALSE(PtInRegion(out, kRows - 101, 100));
    for (HRGN r : {a, b, out}) DeleteObject(r);
}

// A comb of 32 teeth hanging from a bar a million rows down: 128 points.
// Memory and time follow the 33 rectangles it makes, not points x rows.
TEST(CreatePolygonRgn, TallCombOfVerticalEdgesIsTwoBands) {
    constexpr int kHeight = 1'000'000;
    std::vector<POINT> comb = {{0, kHeight}};
    for (int tooth = 0; tooth < 32; ++tooth) {
        const int x = 4 * tooth;
        comb.push_back({x, 0});
        comb.push_back({x + 2, 0});
        if (tooth < 31) {
            comb.push_back({x + 2, kHeight - 1});
            comb.push_back({x + 4, kHeight - 1});
        }
    }
    comb.push_back({126, kHeight});
    ASSERT_EQ(comb.size(), 128u);
    HRGN region = CreatePolygonRgn(comb.data(), int(comb.size()), ALTERNATE);
    EXPECT_EQ(RectCount(region), 33u);
    RECT box;
    EXPECT_EQ(GetRgnBox(region, &box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{0, 0, 126, kHeight}));
    EXPECT_TRUE(PtInRegion(region, 1, kHeight - 2));
    EXPECT_FALSE(PtInRegion(region, 2, kHeight - 2));
    EXPECT_TRUE(PtInRegion(region, 2, kHeight - 1));
    DeleteObject(region);
}

}  // namespace
}  // namespace corvalmire::test

// Window outlines by style: the polygons' corners, the rounding of the
// scale size, and the region each style hands to its window.
#include <gtest/gtest.h>

#include <vector>

#include "control/raReruriShape.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"

using namespace win32;

namespace {

struct Region {
    explicit Region(HRGN h) : handle(h) {}
    ~Region() {
        if (handle) DeleteObject(handle);
    }
    HRGN handle;
};

HRGN Polygon(const std::vector<POINT>& points) {
    return CreatePolygonRgn(points.data(), static_cast<int>(points.size()), 1);
}

}  // namespace

TEST(WindowShape, OutlinesOfTheCutCorners) {
    const auto slant = control::SlantOutline(100, 30);
    const std::array<POINT, 8> slantExpected{
        {{0, 2}, {2, 0}, {97, 0}, {100, 3}, {100, 27}, {97, 30}, {4, 30}, {0, 26}}};
    EXPECT_EQ(slant, slantExpected);
    const auto bevel = control::BevelOutline(107, 27);
    const std::array<POINT, 8> bevelExpected{
        {{0, 1}, {1, 0}, {106, 0}, {107, 1}, {107, 25}, {105, 27}, {2, 27}, {0, 25}}};
    EXPECT_EQ(bevel, bevelExpected);
}

TEST(WindowShape, EachStyleGetsItsRegion) {
    const GdiLiveCounts before = GetGdiLiveCounts();
    const struct {
        int style;
        float sw, sh;
        HRGN expected;
        const char* why;
    } rows[] = {
        {5, 100, 30, Polygon({{0, 1}, {1, 0}, {99, 0}, {100, 1}, {100, 28}, {98, 30}, {2, 30}, {0, 28}}),
         "bevel"},
        {7, 100.5f, 30, Polygon({{0, 1}, {1, 0}, {99, 0}, {100, 1}, {100, 28}, {98, 30}, {2, 30}, {0, 28}}),
         "bevel; 100.5 rounds to even 100"},
        {8, 100, 30, Polygon({{0, 2}, {2, 0}, {97, 0}, {100, 3}, {100, 27}, {97, 30}, {4, 30}, {0, 26}}),
         "slant"},
        {9, 101.5f, 30, Polygon({{0, 2}, {2, 0}, {99, 0}, {102, 3}, {102, 27}, {99, 30}, {4, 30}, {0, 26}}),
         "slant; 101.5 rounds to 102"},
        {10, 75.5f, 23, CreateRoundRectRgn(0, 0, 76, 24, 18, 18), "rounded to round(76.5) = 76, 24"},
        {0, 100, 30, CreateRectRgn(0, 0, 100, 30), "plain styles keep the rectangle"},
        {6, 100, 30, CreateRectRgn(0, 0, 100, 30), "the themed style too"},
        {42, 100, 30, CreateRectRgn(0, 0, 100, 30), "and any value out of range"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        Region expected(row.expected);
        Region actual(control::MakeWindowRegion(row.style, row.sw, row.sh));
        ASSERT_NE(actual.handle, nullptr);
        EXPECT_TRUE(EqualRgn(actual.handle, expected.handle));
    }
    EXPECT_EQ(GetGdiLiveCounts(), before);
}

TEST(WindowShape, SlantCornersAreOutsideTheWindow) {
    Region region(control::MakeSlantRegion(100, 30));
    const struct {
        int x, y;
        bool inside;
    } points[] = {
        {0, 0, false},  {1, 0, false},   {2, 0, true},    // top left cut by 2
        {0, 2, true},   {97, 0, false},  {96, 0, true},   // top right cut by 3
        {99, 2, false}, {99, 3, true},   {99, 26, true},  // right side down to row 26
        {0, 26, true},  {0, 27, false},  {1, 27, true},   // bottom left: the cut starts at row 27
        {2, 29, false}, {3, 29, true},                    // and takes 3 pixels off the last row
        {97, 29, true}, {98, 29, false}, {99, 28, false}, {99, 27, true},  // bottom right
    };
    for (const auto& p : points)
        EXPECT_EQ(PtInRegion(region.handle, p.x, p.y) != FALSE, p.inside) << "(" << p.x << ", " << p.y << ")";
}

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/Surface.h"

namespace corvalmire::test {
namespace {

using namespace win32;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

TEST(FillRect, ExcludesRightAndBottomAndSkipsEmptyRects) {
    Surface canvas(6, 5);
    HBRUSH red = CreateSolidBrush(kRed);
    const RECT filled{1, 1, 4, 3}, empty{2, 2, 2, 4}, inverted{4, 4, 1, 1};
    EXPECT_TRUE(FillRect(canvas.dc(), &filled, red));
    EXPECT_TRUE(FillRect(canvas.dc(), &empty, red));
    EXPECT_TRUE(FillRect(canvas.dc(), &inverted, red));
    EXPECT_TRUE(MatchesRows(canvas, {"......", ".RRR..", ".RRR.."}, {{'R', kRed}}));
    DeleteObject(red);
}

TEST(FillRect, TakesSystemColourIndicesAndTheSelectedBrush) {
    Surface canvas(4, 3);
    const RECT top{0, 0, 4, 1}, middle{0, 1, 4, 2}, outside{-5, 2, 2, 9};
    EXPECT_TRUE(FillRect(canvas.dc(), &top, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)));
    HBRUSH blue = CreateSolidBrush(kBlue);
    HGDIOBJ old = SelectObject(canvas.dc(), blue);
    EXPECT_TRUE(FillRect(canvas.dc(), &middle, nullptr));
    EXPECT_TRUE(FillRect(canvas.dc(), &outside, reinterpret_cast<HBRUSH>(COLOR_3DDKSHADOW + 1)));
    EXPECT_TRUE(MatchesRows(canvas, {"FFFF", "BBBB", "DD.."},
                            {{'F', RGB(212, 208, 200)}, {'B', kBlue}, {'D', RGB(64, 64, 64)}}));
    SelectObject(canvas.dc(), old);
    DeleteObject(blue);
}

TEST(FillRect, FailsForHandlesThatAreNotBrushes) {
    Surface canvas(2, 2);
    HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    const RECT all{0, 0, 2, 2};
    EXPECT_FALSE(FillRect(canvas.dc(), &all, reinterpret_cast<HBRUSH>(pen)));
    EXPECT_FALSE(FillRect(nullptr, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    EXPECT_TRUE(MatchesRows(canvas, {}, {}));
    DeleteObject(pen);
}

TEST(FrameRect, TakesOnlyBrushObjectsAndNonEmptyRects) {
    struct Case {
        const char* what;
        RECT rect;
        HBRUSH brush;
        int result;
        std::vector<std::string> rows;
    };
    HBRUSH red = CreateSolidBrush(kRed);
    const std::vector<Case> cases = {
        {"a one-pixel frame", {1, 0, 5, 3}, red, 1, {".RRRR.", ".R..R.", ".RRRR."}},
        {"empty", {1, 1, 1, 3}, red, 0, {}},
        {"inverted", {5, 3, 1, 0}, red, 0, {}},
        {"a system colour index is not a brush here",
         {0, 0, 6, 3},
         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
         0,
         {}},
        {"the hollow brush draws nothing",
         {0, 0, 6, 3},
         static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)),
         1,
         {}},
    };
    for (const Case& c : cases) {
        Surface canvas(6, 3);
        EXPECT_EQ(FrameRect(canvas.dc(), &c.rect, c.brush), c.result) << c.what;
        EXPECT_TRUE(MatchesRows(canvas, c.rows, {{'R', kRed}})) << c.what;
    }
    DeleteObject(red);
}

TEST(PatBlt, NegativeExtentsPaintTheRectangleBehindTheOrigin) {
    struct Case {
        int x, y, w, h;
        std::vector<std::string> rows;
    };
    const std::vector<Case> cases = {
        {2, 2, -1, 1, {"....", "....", ".B.."}},
        {2, 2, 1, -1, {"....", "..B."}},
        {3, 2, -2, -1, {"....", ".BB."}},
        {1, 0, 2, 3, {".BB.", ".BB.", ".BB."}},
        {3, 3, 0, -2, {}},
    };
    for (const Case& c : cases) {
        Surface canvas(4, 3);
        HGDIOBJ old = SelectObject(canvas.dc(), GetStockObject(BLACK_BRUSH));
        EXPECT_TRUE(PatBlt(canvas.dc(), c.x, c.y, c.w, c.h, PATCOPY));
        EXPECT_TRUE(MatchesRows(canvas, c.rows, {{'B', RGB(0, 0, 0)}}))
            << c.x << "," << c.y << " " << c.w << "x" << c.h;
        SelectObject(canvas.dc(), old);
    }
}

TEST(Rectangle, OutlinesWhatFillRectWouldFillAndFillsInside) {
    Surface canvas(7, 6);
    HBRUSH blue = CreateSolidBrush(kBlue);
    HPEN red = CreatePen(PS_SOLID, 1, kRed);
    HGDIOBJ oldBrush = SelectObject(canvas.dc(), blue);
    HGDIOBJ oldPen = SelectObject(canvas.dc(), red);
    Rectangle(canvas.dc(), 1, 1, 6, 5);
    SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
    Rectangle(canvas.dc(), 0, 5, 4, 7);  // no outline: one pixel less each way
    EXPECT_TRUE(MatchesRows(canvas, {".......", ".RRRRR.", ".RBBBR.", ".RBBBR.", ".RRRRR.", "BBB...."},
                            {{'R', kRed}, {'B', kBlue}}));
    SelectObject(canvas.dc(), oldBrush);
    SelectObject(canvas.dc(), oldPen);
    DeleteObject(blue);
    DeleteObject(red);
}

TEST(Pixels, SetAndGetInsideAndOutsideTheBitmap) {
    Surface canvas(3, 2);
    EXPECT_TRUE(SetPixelV(canvas.dc(), 2, 1, RGB(10, 20, 30)));
    EXPECT_EQ(SetPixel(canvas.dc(), 0, 0, RGB(40, 50, 60)), RGB(40, 50, 60));
    EXPECT_EQ(canvas.At(2, 1), RGB(10, 20, 30));
    EXPECT_EQ(canvas.At(0, 0), RGB(40, 50, 60));
    for (auto [x, y] : {std::pair{-1, 0}, std::pair{3, 0}, std::pair{0, 2}, std::pair{0, -1}}) {
        EXPECT_EQ(GetPixel(canvas.dc(), x, y), CLR_INVALID);
        EXPECT_FALSE(SetPixelV(canvas.dc(), x, y, kRed));
    }
}

TEST(Clipping, ClipRegionLimitsEveryKindOfDrawing) {
    Surface canvas(6, 4);
    HRGN clip = CreateRectRgn(2, 1, 5, 3);
    EXPECT_EQ(SelectClipRgn(canvas.dc(), clip), SIMPLEREGION);
    DeleteObject(clip);  // the DC keeps its own copy
    const RECT all{0, 0, 6, 4};
    FillRect(canvas.dc(), &all, reinterpret_cast<HBRUSH>(COLOR_WINDOWTEXT + 1));
    EXPECT_FALSE(SetPixelV(canvas.dc(), 0, 0, kRed));
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), CLR_INVALID);
    RECT box;
    EXPECT_EQ(GetClipBox(canvas.dc(), &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{2, 1, 5, 3}));
    SelectClipRgn(canvas.dc(), nullptr);
    EXPECT_TRUE(MatchesRows(canvas, {"......", "..KKK.", "..KKK."}, {{'K', RGB(0, 0, 0)}}));
}

TEST(Clipping, InvertedClipRectanglesArePutInOrder) {
    Surface canvas(6, 4);
    EXPECT_EQ(IntersectClipRect(canvas.dc(), 5, 3, 1, 0), SIMPLEREGION);
    EXPECT_EQ(ExcludeClipRect(canvas.dc(), 3, 3, 2, 1), COMPLEXREGION);
    RECT box;
    EXPECT_EQ(GetClipBox(canvas.dc(), &box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{1, 0, 5, 3}));
    const RECT all{0, 0, 6, 4};
    FillRect(canvas.dc(), &all, reinterpret_cast<HBRUSH>(COLOR_WINDOWTEXT + 1));
    SelectClipRgn(canvas.dc(), nullptr);
    EXPECT_TRUE(MatchesRows(canvas, {".KKKK.", ".K.KK.", ".K.KK."}, {{'K', RGB(0, 0, 0)}}));
}

TEST(Rects, HelpersFollowThePlatform) {
    RECT r;
    SetRect(&r, 1, 2, 5, 7);
    InflateRect(&r, 1, -1);
    EXPECT_EQ(r, (RECT{0, 3, 6, 6}));
    OffsetRect(&r, -2, 4);
    EXPECT_EQ(r, (RECT{-2, 7, 4, 10}));
    RECT copy;
    CopyRect(&copy, &r);
    EXPECT_EQ(copy, r);
    RECT out;
    const RECT a{0, 0, 4, 4}, b{2, 2, 6, 6}, far{10, 10, 12, 12};
    EXPECT_TRUE(IntersectRect(&out, &a, &b));
    EXPECT_EQ(out, (RECT{2, 2, 4, 4}));
    EXPECT_FALSE(IntersectRect(&out, &a, &far));
    EXPECT_TRUE(IsRectEmpty(&out));
    EXPECT_TRUE(PtInRect(&a, POINT{0, 3}));
    EXPECT_FALSE(PtInRect(&a, POINT{4, 0}));

    // Extreme values wrap as on the platform instead of overflowing.
    RECT huge{0, 0, 0x7FFFFFFF, 10};
    OffsetRect(&huge, 1, 0);
    EXPECT_EQ(huge.right, LONG(-0x7FFFFFFF - 1));
    const RECT whole{-100, -100, 0x7FFFFFFF, 0x7FFFFFFF};
    Surface canvas(3, 2);
    EXPECT_TRUE(FillRect(canvas.dc(), &whole, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    EXPECT_EQ(canvas.At(2, 1), RGB(0, 0, 0));
    EXPECT_TRUE(BitBlt(canvas.dc(), 0x7FFFFFF0, 0, 0x7FFFFFFF, 2, canvas.dc(), 0, 0, SRCCOPY));
}

}  // namespace
}  // namespace corvalmire::test

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/gdi/GdiExtensions.h"
#include "tests/support/Surface.h"

namespace corvalmire::test {
namespace {

using namespace win32;

TEST(DeviceContext, FreshMemoryDcHoldsStockObjects) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    BITMAP info{};
    ASSERT_EQ(GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof info, &info), int(sizeof info));
    EXPECT_EQ(info.bmWidth, 1);
    EXPECT_EQ(info.bmHeight, 1);
    EXPECT_EQ(GetObjectType(dc), OBJ_MEMDC);
    DeleteDC(dc);
}

TEST(DeviceContext, SelectObjectReturnsThePreviousAndDeleteRefusesSelected) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 7, 3);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 1, 1));
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    EXPECT_EQ(oldPen, GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, oldPen), pen);
    EXPECT_EQ(SelectObject(dc, pen), oldPen);
    EXPECT_FALSE(DeleteObject(pen)) << "still selected";
    EXPECT_FALSE(DeleteObject(bitmap)) << "still selected";

    HDC other = CreateCompatibleDC(dc);
    EXPECT_EQ(SelectObject(other, bitmap), nullptr) << "a bitmap lives in one DC at a time";
    DeleteDC(other);

    BITMAP info{};
    GetObject(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 7);
    EXPECT_EQ(info.bmHeight, 3);
    EXPECT_EQ(info.bmBitsPixel, 32);

    SelectObject(dc, oldPen);
    SelectObject(dc, oldBitmap);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN))) << "stock objects ignore deletion";
    EXPECT_NE(GetObjectType(GetStockObject(BLACK_PEN)), 0u);
    DeleteDC(dc);
}

TEST(DeviceContext, StaleAndWrongHandlesFailQuietly) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(9, 9, 9));
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_EQ(SelectObject(dc, brush), nullptr);
    EXPECT_EQ(SelectObject(dc, dc), nullptr);
    EXPECT_EQ(GetObjectType(brush), 0u);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
    EXPECT_FALSE(MoveToEx(dc, 0, 0, nullptr));
    EXPECT_FALSE(LineTo(dc, 1, 1));
    EXPECT_EQ(CreateCompatibleBitmap(dc, 2, 2), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(nullptr, 2, 2), nullptr);
    RECT r{0, 0, 1, 1};
    EXPECT_FALSE(DrawEdge(dc, &r, EDGE_RAISED, BF_RECT));
    EXPECT_EQ(CombineRgn(nullptr, nullptr, nullptr, RGN_OR), ERROR);
    EXPECT_FALSE(PtInRegion(reinterpret_cast<HRGN>(brush), 0, 0));
}

TEST(DeviceContext, AHandleStaysStaleAfterItsSlotIsReused) {
    HPEN first = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    ASSERT_TRUE(DeleteObject(first));
    // Several rounds, so the freed slot is certainly handed out again.
    std::vector<HPEN> later;
    for (int i = 0; i < 8; ++i) later.push_back(CreatePen(PS_SOLID, 1, RGB(4, 5, 6)));
    for (HPEN pen : later) EXPECT_NE(pen, first);
    EXPECT_EQ(GetObjectType(first), 0u);
    EXPECT_FALSE(DeleteObject(first));
    for (HPEN pen : later) EXPECT_TRUE(DeleteObject(pen));
}

TEST(DeviceContext, ValuesNearALiveHandleAreNotHandles) {
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    const auto value = reinterpret_cast<std::uintptr_t>(pen);
    const std::uintptr_t nearby[] = {
        0, 1, 4, 0xFFFF, 0x10000, value + 1, value + 2, value + 3, value ^ (std::uintptr_t{1} << 20),
        value ^ (std::uintptr_t{1} << 29), value + (std::uintptr_t{1} << 40), ~std::uintptr_t{0}, ~value,
    };
    for (std::uintptr_t v : nearby) {
        const auto handle = reinterpret_cast<HGDIOBJ>(v);
        EXPECT_EQ(GetObjectType(handle), 0u) << std::hex << v;
        EXPECT_FALSE(DeleteObject(handle)) << std::hex << v;
    }
    EXPECT_EQ(GetObjectType(pen), DWORD(OBJ_PEN));
    EXPECT_TRUE(DeleteObject(pen));
}

// Pens and brushes made after deleted ones (and so in their memory) draw
// in their own colours, whichever DC selects them.
TEST(DeviceContext, ObjectsMadeAfterDeletedOnesDrawInTheirOwnColours) {
    Surface a(4, 3), b(4, 3);
    for (int round = 0; round < 4; ++round) {
        const COLORREF line = RGB(10 * round, 20, 30), fill = RGB(40, 50 + round, 60);
        HPEN pen = CreatePen(PS_SOLID, 1, line);
        HBRUSH brush = CreateSolidBrush(fill);
        const Surface& canvas = round % 2 ? a : b;
        HGDIOBJ oldPen = SelectObject(canvas.dc(), pen);
        HGDIOBJ oldBrush = SelectObject(canvas.dc(), brush);
        Rectangle(canvas.dc(), 0, 0, 4, 3);
        EXPECT_EQ(canvas.At(0, 0), line) << round;
        EXPECT_EQ(canvas.At(1, 1), fill) << round;
        SelectObject(canvas.dc(), oldPen);
        SelectObject(canvas.dc(), oldBrush);
        EXPECT_TRUE(DeleteObject(pen));
        EXPECT_TRUE(DeleteObject(brush));
    }
}

TEST(DeviceContext, BitmapPixelsAreTopDownRgb32ThroughTheBitmapOrItsDc) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 3, 2);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SetPixelV(dc, 1, 0, RGB(0x12, 0x34, 0x56));
    SetPixelV(dc, 2, 1, RGB(0xAB, 0xCD, 0xEF));
    for (HGDIOBJ source : {static_cast<HGDIOBJ>(dc), static_cast<HGDIOBJ>(bitmap)}) {
        const BitmapPixels pixels = GetBitmapPixels(source);
        ASSERT_NE(pixels.data, nullptr);
        EXPECT_EQ(pixels.width, 3);
        EXPECT_EQ(pixels.height, 2);
        EXPECT_EQ(pixels.data[1], 0x123456u);
        EXPECT_EQ(pixels.data[3 + 2], 0xABCDEFu);
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    EXPECT_EQ(GetBitmapPixels(bitmap).data, nullptr);
    DeleteDC(dc);
}

TEST(DeviceContext, ScreenDcAcceptsCallsAndDrawsNowhere) {
    HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(GetObjectType(screen), OBJ_DC);
    RECT r{0, 0, 10, 10};
    EXPECT_TRUE(FillRect(screen, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    EXPECT_EQ(GetPixel(screen, 0, 0), CLR_INVALID);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 1, 1);
    EXPECT_EQ(SelectObject(screen, bitmap), nullptr) << "only memory DCs take bitmaps";
    DeleteObject(bitmap);
    HDC memory = CreateCompatibleDC(screen);
    EXPECT_NE(memory, nullptr);
    DeleteDC(memory);
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
}

TEST(DeviceContext, WindowDcProviderRoutesGetAndRelease) {
    Surface surface(2, 2);
    HWND window = reinterpret_cast<HWND>(0x1234);
    int released = 0;
    SetWindowDCProvider(
        {[&](HWND hwnd) { return hwnd == window ? surface.dc() : nullptr; },
         [&](HWND hwnd, HDC hdc) { return hwnd == window && hdc == surface.dc() && ++released; }});
    EXPECT_EQ(GetDC(window), surface.dc());
    EXPECT_EQ(ReleaseDC(window, surface.dc()), 1);
    EXPECT_EQ(released, 1);
    HDC fallback = GetDC(reinterpret_cast<HWND>(0x5678));
    EXPECT_EQ(GetObjectType(fallback), OBJ_DC);
    EXPECT_EQ(ReleaseDC(nullptr, fallback), 1);
    SetWindowDCProvider({});
}

TEST(LiveCounts, TenThousandCallsLeakNothing) {
    const GdiLiveCounts before = GetGdiLiveCounts();
    HDC screen = GetDC(nullptr);
    for (int i = 0; i < 10000 / 10; ++i) {
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(i & 255, 0, 0));
        HBRUSH brush = CreateSolidBrush(RGB(0, i & 255, 0));
        HRGN region = CreateRoundRectRgn(0, 0, 8, 8, 4, 4);
        HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
        HGDIOBJ oldPen = SelectObject(dc, pen);
        RECT r{0, 0, 8, 8};
        FillRect(dc, &r, brush);
        LineTo(dc, 7, 7);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBitmap);
        for (HGDIOBJ h : {HGDIOBJ(pen), HGDIOBJ(brush), HGDIOBJ(region), HGDIOBJ(bitmap)}) DeleteObject(h);
        DeleteDC(dc);
    }
    const GdiLiveCounts during = GetGdiLiveCounts();
    EXPECT_EQ(during.dcs, before.dcs + 1);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(GetGdiLiveCounts(), before);
}

TEST(LiveCounts, CountEveryKindButNotStock) {
    const GdiLiveCounts before = GetGdiLiveCounts();
    GetStockObject(WHITE_BRUSH);
    GetSysColorBrush(COLOR_BTNFACE);
    EXPECT_EQ(GetGdiLiveCounts(), before);
    HRGN region = CreateRectRgn(0, 0, 1, 1);
    HBRUSH brush = CreateSolidBrush(0);
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(2, 2, 1, 1, nullptr);
    const GdiLiveCounts after = GetGdiLiveCounts();
    EXPECT_EQ(after.regions, before.regions + 1);
    EXPECT_EQ(after.brushes, before.brushes + 1);
    EXPECT_EQ(after.pens, before.pens + 1);
    EXPECT_EQ(after.dcs, before.dcs + 1);
    EXPECT_EQ(after.bitmaps, before.bitmaps + 1);
    for (HGDIOBJ h : {HGDIOBJ(region), HGDIOBJ(brush), HGDIOBJ(pen), HGDIOBJ(bitmap)}) DeleteObject(h);
    DeleteDC(dc);
    EXPECT_EQ(GetGdiLiveCounts(), before);
}

TEST(WriteBitmapImage, WritesPpmAndPng) {
    Surface canvas(2, 1);
    SetPixelV(canvas.dc(), 0, 0, RGB(10, 20, 30));
    ASSERT_TRUE(WriteBitmapImage(canvas.dc(), "gdi-write-test.ppm"));
    std::ifstream ppm("gdi-write-test.ppm", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(ppm)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, std::string("P6\n2 1\n255\n\x0a\x14\x1e\x01\x02\x03", 17));
    ASSERT_TRUE(WriteBitmapImage(canvas.bitmap(), "gdi-write-test.png"));
    std::ifstream png("gdi-write-test.png", std::ios::binary);
    char signature[8] = {};
    png.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
    EXPECT_FALSE(WriteBitmapImage(canvas.bitmap(), "gdi-write-test.gif"));
    std::remove("gdi-write-test.ppm");
    std::remove("gdi-write-test.png");
}

}  // namespace
}  // namespace corvalmire::test

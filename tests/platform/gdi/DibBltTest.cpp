#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/GdiExtensions.h"
#include "tests/support/Surface.h"

namespace corvalmire::test {
namespace {

using namespace win32;

COLORREF Pattern(int x, int y) { return RGB(BYTE(10 + x * 40), BYTE(20 + y * 50), BYTE(x * 7 + y * 3)); }

void Paint(Surface& canvas) {
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) SetPixelV(canvas.dc(), x, y, Pattern(x, y));
    }
}

BITMAPINFO Header24(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

TEST(Dib, StrideAndImageSizeRefuseWhatDoesNotFit) {
    struct Case {
        LONG width, height;
        int bits;
        LONG stride;
        DWORD image;
    };
    const Case cases[] = {
        {5, 3, 24, 16, 48},  // 15 bytes padded to 16
        {33, -2, 1, 8, 16},  // top-down counts the same
        {0x7FFFFFFF, 1, 1, 268435456, 268435456},
        {1 << 27, 1, 32, 1 << 29, 1u << 29},
        {0x7FFFFFFF, 1, 32, 0, 0},           // 2^33 bytes a row
        {1 << 20, 1 << 12, 32, 1 << 22, 0},  // 2^34 bytes in all
        {5, INT32_MIN, 24, 16, 0},
        {0, 3, 24, 0, 0},
        {-5, 3, 24, 0, 0},
        {5, 0, 24, 16, 0},
        {5, 3, 0, 0, 0},
        {5, 3, 33, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DibStride(c.width, c.bits), c.stride) << c.width << " x " << c.bits;
        EXPECT_EQ(DibImageSize(c.width, c.height, c.bits), c.image) << c.width << " x " << c.height;
    }
}

TEST(Dib, BottomUp24BitRoundTripWithPaddedRows) {
    constexpr int kW = 5, kH = 3, kStride = 16;  // 15 bytes of pixels padded to 16
    ASSERT_EQ(DibStride(kW, 24), kStride);
    Surface source(kW, kH);
    Paint(source);
    BITMAPINFO info = Header24(kW, kH);
    std::vector<BYTE> bits(kStride * kH, 0xEE);
    ASSERT_EQ(GetDIBits(source.dc(), source.bitmap(), 0, kH, bits.data(), &info, DIB_RGB_COLORS), kH);
    for (int row = 0; row < kH; ++row) {
        const int y = kH - 1 - row;  // the first stored row is the bottom one
        for (int x = 0; x < kW; ++x) {
            const BYTE* p = &bits[size_t(row * kStride + x * 3)];
            EXPECT_EQ(RGB(p[2], p[1], p[0]), Pattern(x, y)) << x << "," << y;
        }
        EXPECT_EQ(bits[size_t(row * kStride + 15)], 0) << "padding is zeroed";
    }

    Surface copy(kW + 2, kH + 2);
    EXPECT_EQ(SetDIBitsToDevice(copy.dc(), 1, 1, kW, kH, 0, 0, 0, kH, bits.data(), &info, DIB_RGB_COLORS),
              kH);
    for (int y = 0; y < kH + 2; ++y) {
        for (int x = 0; x < kW + 2; ++x) {
            const bool inside = x >= 1 && y >= 1 && x <= kW && y <= kH;
            EXPECT_EQ(copy.At(x, y), inside ? Pattern(x - 1, y - 1) : kUntouched) << x << "," << y;
        }
    }
}

TEST(Dib, SourceOriginIsTheLowerLeftOfABottomUpDib) {
    constexpr int kW = 3, kH = 4;
    Surface source(kW, kH);
    Paint(source);
    BITMAPINFO info = Header24(kW, kH);
    std::vector<BYTE> bits(size_t(DibStride(kW, 24)) * kH);
    GetDIBits(source.dc(), source.bitmap(), 0, kH, bits.data(), &info, DIB_RGB_COLORS);
    // A 2 x 2 part from (1,1) up from the bottom: source rows 1 and 2 from the top.
    Surface copy(2, 2);
    EXPECT_EQ(SetDIBitsToDevice(copy.dc(), 0, 0, 2, 2, 1, 1, 0, kH, bits.data(), &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(copy.At(0, 0), Pattern(1, 1));
    EXPECT_EQ(copy.At(1, 1), Pattern(2, 2));
}

TEST(Dib, SourceOriginIsTheLowerLeftOfATopDownDibToo) {
    constexpr int kW = 3, kH = 4;
    Surface source(kW, kH);
    Paint(source);
    BITMAPINFO info = Header24(kW, -kH);
    std::vector<BYTE> bits(size_t(DibStride(kW, 24)) * kH);
    GetDIBits(source.dc(), source.bitmap(), 0, kH, bits.data(), &info, DIB_RGB_COLORS);
    // The same 2 x 2 part as from the bottom-up DIB: rows 1 and 2 from the top.
    Surface copy(2, 2);
    EXPECT_EQ(SetDIBitsToDevice(copy.dc(), 0, 0, 2, 2, 1, 1, 0, kH, bits.data(), &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(copy.At(0, 0), Pattern(1, 1));
    EXPECT_EQ(copy.At(1, 1), Pattern(2, 2));
    // A band of one scan is the lowest one: it lands on the bottom row.
    Surface band(kW, 2);
    EXPECT_EQ(SetDIBitsToDevice(band.dc(), 0, 0, kW, 2, 0, 0, 0, 1, bits.data(), &info, DIB_RGB_COLORS), 1);
    EXPECT_EQ(band.At(0, 0), kUntouched);
    EXPECT_EQ(band.At(2, 1), Pattern(2, 0));
}

TEST(Dib, TopDownAndHeaderQuery) {
    Surface source(3, 2);
    Paint(source);
    BITMAPINFO query{};
    query.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    EXPECT_NE(GetDIBits(source.dc(), source.bitmap(), 0, 2, nullptr, &query, DIB_RGB_COLORS), 0);
    EXPECT_EQ(query.bmiHeader.biWidth, 3);
    EXPECT_EQ(query.bmiHeader.biHeight, 2);

    BITMAPINFO info = Header24(3, -2);
    std::vector<BYTE> bits(12 * 2);
    ASSERT_EQ(GetDIBits(source.dc(), source.bitmap(), 0, 2, bits.data(), &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(RGB(bits[2], bits[1], bits[0]), Pattern(0, 0)) << "top-down: the first row is the top";
    Surface copy(3, 2);
    EXPECT_EQ(SetDIBitsToDevice(copy.dc(), 0, 0, 3, 2, 0, 0, 0, 2, bits.data(), &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(copy.At(2, 1), Pattern(2, 1));

    info.bmiHeader.biBitCount = 7;
    EXPECT_EQ(GetDIBits(source.dc(), source.bitmap(), 0, 2, bits.data(), &info, DIB_RGB_COLORS), 0);
}

TEST(BitBlt, ClipsToBothBitmaps) {
    Surface source(4, 3);
    Paint(source);
    Surface dest(5, 4);
    // Source from (2,1): only 2 x 2 source pixels exist; the destination at
    // (3,-1) loses its top row and everything right of column 4.
    EXPECT_TRUE(BitBlt(dest.dc(), 3, -1, 4, 4, source.dc(), 2, 1, SRCCOPY));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) {
            const int sx = x - 3 + 2, sy = y + 1 + 1;
            const bool painted = x >= 3 && sx < 4 && sy < 3;
            EXPECT_EQ(dest.At(x, y), painted ? Pattern(sx, sy) : kUntouched) << x << "," << y;
        }
    }
    EXPECT_FALSE(BitBlt(dest.dc(), 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
}

TEST(BitBlt, OverlappingCopyWithinOneBitmap) {
    Surface canvas(4, 1);
    Paint(canvas);
    EXPECT_TRUE(BitBlt(canvas.dc(), 1, 0, 3, 1, canvas.dc(), 0, 0, SRCCOPY));
    for (int x = 1; x < 4; ++x) EXPECT_EQ(canvas.At(x, 0), Pattern(x - 1, 0));
}

TEST(BitBlt, MaskRasterOperations) {
    Surface dest(3, 1, RGB(0xF0, 0x0F, 0xFF));
    Surface src(3, 1, RGB(0x0F, 0x0F, 0x00));
    BitBlt(dest.dc(), 0, 0, 1, 1, src.dc(), 0, 0, SRCAND);
    BitBlt(dest.dc(), 1, 0, 1, 1, src.dc(), 0, 0, SRCINVERT);
    BitBlt(dest.dc(), 2, 0, 1, 1, src.dc(), 0, 0, SRCPAINT);
    EXPECT_EQ(dest.At(0, 0), RGB(0x00, 0x0F, 0x00));
    EXPECT_EQ(dest.At(1, 0), RGB(0xFF, 0x00, 0xFF));
    EXPECT_EQ(dest.At(2, 0), RGB(0xFF, 0x0F, 0xFF));
}

}  // namespace
}  // namespace corvalmire::test

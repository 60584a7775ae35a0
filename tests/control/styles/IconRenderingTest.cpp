// PaintPictureMasked in each mode, and grey-level icons, pixel by pixel;
// expected colours are worked out from the formulas in the comments.
#include <gtest/gtest.h>

#include <vector>

#include "control/styles/IconGrayscale.h"
#include "control/styles/PictureMasked.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/Icons.h"
#include "tests/support/Surface.h"

namespace {

using namespace control::styles;
using corvalmire::test::kWhite;
using corvalmire::test::Surface;
using win32::COLORREF;

constexpr COLORREF kRed = 0x0000FF, kBlue = 0xFF0000, kSilver = 0xC0C0C0;

// A bitmap of the given rows of colours.
win32::HBITMAP Bitmap(const std::vector<std::vector<COLORREF>>& rows) {
    Surface s(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), kWhite);
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x) win32::SetPixelV(s.dc(), int(x), int(y), rows[y][x]);
    win32::HBITMAP copy = win32::CreateCompatibleBitmap(s.dc(), int(rows[0].size()), int(rows.size()));
    win32::HDC dc = win32::CreateCompatibleDC(nullptr);
    win32::HGDIOBJ old = win32::SelectObject(dc, copy);
    win32::BitBlt(dc, 0, 0, int(rows[0].size()), int(rows.size()), s.dc(), 0, 0, win32::SRCCOPY);
    win32::SelectObject(dc, old);
    win32::DeleteDC(dc);
    return copy;
}

// red, (transparent) / blue, blue; a null colour makes it monochrome.
win32::HICON Icon(bool monochrome = false) {
    win32::HBITMAP mask =
        Bitmap(monochrome ? std::vector<std::vector<COLORREF>>{{0, kWhite}, {0, 0}, {0, 0}, {0, 0}}
                          : std::vector<std::vector<COLORREF>>{{0, kWhite}, {0, 0}});
    win32::HBITMAP colour = monochrome ? nullptr : Bitmap({{kRed, 0}, {kBlue, kBlue}});
    win32::ICONINFO info;
    info.hbmMask = mask;
    info.hbmColor = colour;
    win32::HICON icon = win32::CreateIconIndirect(&info);
    win32::DeleteObject(mask);
    if (colour) win32::DeleteObject(colour);
    return icon;
}

struct Masked {
    COLORREF picture, background;
    bool useMaskColor;
    std::int32_t fill;
    MaskedLook look;
    COLORREF expected;
    const char* why;
};

TEST(PaintPictureMasked, EachModeOnOnePixel) {
    using enum MaskedLook;
    const Masked rows[] = {
        {0x1E140A, kWhite, false, kNoFill, Plain, 0x1E140A, "the picture as it is"},
        {kSilver, kWhite, true, kNoFill, Plain, kWhite, "the mask colour lets the background show"},
        {kSilver, kWhite, false, kNoFill, Plain, kSilver, "without UseMaskColor nothing is transparent"},
        {kSilver, kWhite, true, 0x808080, Plain, kWhite, "transparent even for the silhouette"},
        {kRed, kWhite, true, 0x808080, Plain, 0x808080, "the silhouette colour"},
        {kRed, kWhite, false, 0, Plain, 0x000000, "FillColor 0 is black"},
        {0x808080, kWhite, false, kRed, DarkOnly, kRed, "DarkOnly: 128 + 128 + 128 = 384 is filled"},
        {0x808081, kWhite, false, kRed, DarkOnly, kWhite, "DarkOnly: 385 is not"},
        {kRed, kWhite, false, kNoFill, Grayscale, 0x4C4C4C, "round(0.3 x 255) = 76 (76.5 to even)"},
        {kWhite, 0, false, kNoFill, Grayscale, 0xFEFEFE, "76 + 150.45 + 28.05 is just below 254.5"},
        {kWhite, 0, false, kNoFill, Blend, 0xAAAAAA, "(2 x 255 + 0) div 3 = 170"},
        {0, kWhite, false, kNoFill, Blend, 0x555555, "(0 + 255) div 3 = 85"},
        {kWhite, 0, false, kNoFill, Grayscale | Blend, 0xFEFEFE, "Grayscale wins over Blend"},
        {kWhite, 0, false, kRed, Grayscale, kRed, "a fill colour wins over both"},
    };
    for (const Masked& row : rows) {
        Surface s(3, 3, kWhite);
        s.Fill(row.background);
        const win32::HBITMAP bitmap = Bitmap({{row.picture}});
        const MaskSettings settings{s.dc(), row.useMaskColor, static_cast<Color>(kSilver)};
        PaintPictureMasked(settings, s.dc(), 1, 1, 1, 1,
                           {reinterpret_cast<win32::LONG_PTR>(bitmap), true, 1, 1},
                           static_cast<Color>(kSilver), row.fill, row.look);
        EXPECT_EQ(s.At(1, 1), row.expected) << row.why;
        EXPECT_EQ(s.At(0, 0), row.background) << row.why;
        EXPECT_EQ(s.At(2, 2), row.background) << row.why;
        win32::DeleteObject(bitmap);
    }
}

TEST(PaintPictureMasked, RectangleComesFromTheTopLeftUnscaled) {
    const COLORREF a = 0x0A0B0C, b = 0x1A1B1C, c = 0x2A2B2C, d = 0x3A3B3C;
    const win32::HBITMAP bitmap = Bitmap({{a, b, c}, {d, a, b}});
    const MaskedPicture picture{reinterpret_cast<win32::LONG_PTR>(bitmap), true, 3, 2};
    const struct {
        int x, y, w, h;
        std::vector<std::string> rows;
        const char* why;
    } cases[] = {
        {1, 0, 0, 2, {".....", "....."}, "width 0 draws nothing"},
        {1, 0, 2, 0, {".....", "....."}, "height 0 draws nothing"},
        {1, 0, 2, 1, {".ab..", "....."}, "the top-left part, not scaled"},
        {1, 0, -1, -1, {".abc.", ".dab."}, "negative sizes take the picture's"},
        {-1, 1, 32767, 32767, {".....", "bckkk"}, "off the surface and huge: only what lands"},
    };
    for (const auto& row : cases) {
        Surface s(5, 2, kWhite);
        PaintPictureMasked({s.dc(), false, 0}, s.dc(), row.x, row.y, row.w, row.h, picture, 0, kNoFill,
                           MaskedLook::Plain);
        const std::map<char, COLORREF> legend{{'.', kWhite}, {'a', a}, {'b', b},
                                              {'c', c},      {'d', d}, {'k', 0}};
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 5; ++x)
                EXPECT_EQ(s.At(x, y), legend.at(row.rows[y][x])) << row.why << " at " << x << "," << y;
    }
    win32::DeleteObject(bitmap);
}

// 18 pixels are 54 bytes, padded to 56 in each buffer row.
TEST(PaintPictureMasked, PaddedRowsComposeEveryPixel) {
    std::vector<std::vector<COLORREF>> pixels(2, std::vector<COLORREF>(18));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 18; ++x) pixels[y][x] = win32::RGB(win32::BYTE(x * 13), win32::BYTE(y * 90), 7);
    const win32::HBITMAP bitmap = Bitmap(pixels);
    Surface s(20, 4, kWhite);
    PaintPictureMasked({s.dc(), false, 0}, s.dc(), 1, 1, 18, 2,
                       {reinterpret_cast<win32::LONG_PTR>(bitmap), true, 18, 2}, 0, kNoFill,
                       MaskedLook::Plain);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 18; ++x) EXPECT_EQ(s.At(x + 1, y + 1), pixels[y][x]) << x << "," << y;
    EXPECT_EQ(s.At(19, 1), kWhite);
    win32::DeleteObject(bitmap);
}

TEST(GrayscaleBitmap, GreyLevelsStayOtherColoursTurnGrey) {
    const struct {
        COLORREF in, out;
        const char* why;
    } rows[] = {
        {0x808080, 0x808080, "one of the sixteen levels"},
        {0xFFFFFF, 0xFFFFFF, "white is a level"},
        {0x909090, 0x949494, "not a level: 1.03 x 144 = 148.32"},
        {0xFAFAFA, 0xFFFFFF, "1.03 x 250 = 257.5, capped"},
        {kRed, 0x545454, "0.33 x 255 = 84.15"},
        {0x00FF00, 0x969696, "0.59 x 255 = 150.45"},
        {kBlue, 0x1C1C1C, "0.11 x 255 = 28.05"},
        {0x000102, 0x010101, "0.33 x 2 + 0.59 = 1.25"},
    };
    for (const auto& row : rows) EXPECT_EQ(GrayLevel(row.in), row.out) << row.why;

    const win32::HBITMAP bitmap = Bitmap({{kRed, 0x909090}});
    Surface s(3, 1, kWhite);
    EXPECT_TRUE(GrayscaleBitmap(s.dc(), bitmap, 1, 0, 0, 0));
    EXPECT_EQ(s.At(0, 0), kWhite);
    EXPECT_EQ(s.At(1, 0), 0x545454u);
    EXPECT_EQ(s.At(2, 0), 0x949494u);
    EXPECT_FALSE(GrayscaleBitmap(s.dc(), nullptr, 0, 0, 0, 0));
    win32::DeleteObject(bitmap);
}

TEST(PaintIconGrayscale, DrawsACopyInGreyAndFreesIt) {
    const win32::GdiLiveCounts before = win32::GetGdiLiveCounts();
    const win32::HICON icon = Icon(), monochrome = Icon(true);
    {
        Surface s(5, 5, kWhite);
        EXPECT_FALSE(PaintIconGrayscale(s.dc(), nullptr, 0, 0, 2, 2));
        EXPECT_FALSE(PaintIconGrayscale(nullptr, icon, 0, 0, 2, 2));
        EXPECT_FALSE(PaintIconGrayscale(s.dc(), monochrome, 0, 0, 2, 2));  // no colour bitmap to turn grey
        EXPECT_EQ(s.Mask(), (std::vector<std::string>(5, ".....")));
        EXPECT_TRUE(PaintIconGrayscale(s.dc(), icon, 1, 1, 4, 4));  // scaled to 4 x 4
        EXPECT_EQ(s.At(1, 1), 0x545454u);
        EXPECT_EQ(s.At(3, 1), kWhite);  // transparent
        EXPECT_EQ(s.At(4, 4), 0x1C1C1Cu);
        win32::DrawIconEx(s.dc(), 0, 0, icon, 0, 0, 0, nullptr, win32::DI_NORMAL);
        EXPECT_EQ(s.At(0, 0), kRed);  // the icon itself keeps its colours
    }
    win32::DestroyIcon(icon);
    win32::DestroyIcon(monochrome);
    EXPECT_EQ(win32::GetGdiLiveCounts(), before);
}

}  // namespace

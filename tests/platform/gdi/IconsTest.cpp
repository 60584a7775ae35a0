// Icons: images of every depth an .ico file holds, drawn through mask or
// alpha; DrawIconEx's scaling and brush; the choice of an entry by size;
// damaged files.
#include <gtest/gtest.h>

#include <random>

#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/Icons.h"
#include "tests/platform/gdi/IcoFixture.h"
#include "tests/support/Surface.h"

namespace corvalmire::test {
namespace {

using namespace win32;

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr std::uint32_t kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kClear = 0x00000000;

// The whole load path of a picture: directory, nearest entry, image.
HICON LoadIco(const std::vector<unsigned char>& file, int size = 16) {
    const std::vector<IcoEntry> entries = ReadIcoDirectory(file);
    const int entry = NearestIcoEntry(entries, size);
    if (entry < 0) return nullptr;
    const auto image = entries[std::size_t(entry)].image;
    return CreateIconFromResourceEx(image.data(), DWORD(image.size()), TRUE, 0x00030000, 0, 0,
                                    LR_DEFAULTCOLOR);
}

// red, (transparent), blue / blue, red, red
TestIconImage ThreeByTwo(int bitCount) {
    TestIconImage image{3, 2, bitCount, {kRed, kClear, kBlue, kBlue, kRed, kRed}, {0, 1, 0, 0, 0, 0}};
    if (bitCount == kPngEntry || bitCount == 32) image.argb[1] = 0x00FFFFFF;  // alpha hides it
    if (bitCount == 24) image.argb[1] = 0;                                    // the mask hides it
    return image;
}

TEST(Icons, EveryDepthDrawsThroughItsMaskOrAlpha) {
    for (int bits : {4, 8, 24, 32, kPngEntry}) {
        SCOPED_TRACE(bits);
        Surface canvas(5, 4, kGrey);
        const HICON icon = LoadIco(IcoFile({ThreeByTwo(bits)}));
        ASSERT_NE(icon, nullptr);
        EXPECT_TRUE(DrawIconEx(canvas.dc(), 1, 1, icon, 0, 0, 0, nullptr, DI_NORMAL));
        EXPECT_TRUE(MatchesRows(canvas, {"ggggg", "grgbg", "gbrrg", "ggggg"},
                                {{'g', kGrey}, {'r', RGB(255, 0, 0)}, {'b', RGB(0, 0, 255)}}));
        EXPECT_TRUE(DestroyIcon(icon));
    }
}

// (255 a + 128 (255 - a) + 127) div 255 per channel, a = 128: 192 and 64.
TEST(Icons, AlphaBlendsOverTheDestination) {
    for (int bits : {32, kPngEntry}) {
        SCOPED_TRACE(bits);
        Surface canvas(2, 1, kGrey);
        const HICON icon = LoadIco(IcoFile({{2, 1, bits, {0x80FF0000, 0x00FFFFFF}, {0, 0}}}));
        ASSERT_NE(icon, nullptr);
        DrawIconEx(canvas.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
        EXPECT_EQ(canvas.At(0, 0), RGB(192, 64, 64));
        EXPECT_EQ(canvas.At(1, 0), kGrey);  // alpha 0 with the mask clear: alpha decides
        DestroyIcon(icon);
    }
}

// A 1-bit image in black and white is a monochrome icon: AND mask and XOR
// image, so a set mask with a white image inverts the destination.
TEST(Icons, MonochromeIconsAndThenXor) {
    Surface canvas(4, 1, RGB(0x12, 0x34, 0x56));
    const HICON icon =
        LoadIco(IcoFile({{4, 1, 1, {0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF}, {0, 0, 1, 1}}}));
    ASSERT_NE(icon, nullptr);
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP mask;
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(info.hbmColor, nullptr);
    EXPECT_EQ(mask.bmHeight, 2);  // AND rows above XOR rows
    DeleteObject(info.hbmMask);
    DrawIconEx(canvas.dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_TRUE(
        MatchesRows(canvas, {"kwbi"},
                    {{'k', 0}, {'w', 0xFFFFFF}, {'b', RGB(0x12, 0x34, 0x56)}, {'i', RGB(0xED, 0xCB, 0xA9)}}));
    DestroyIcon(icon);
}

// A 2 x 2 icon from bitmaps: red, (transparent) / blue, blue.
HICON TwoByTwo() {
    Surface colour(2, 2, RGB(0, 0, 255)), mask(2, 2, 0);
    SetPixelV(colour.dc(), 0, 0, RGB(255, 0, 0));
    SetPixelV(colour.dc(), 1, 0, 0);
    SetPixelV(mask.dc(), 1, 0, 0xFFFFFF);
    ICONINFO info;
    info.hbmMask = mask.bitmap();
    info.hbmColor = colour.bitmap();
    return CreateIconIndirect(&info);  // copies: the canvases may go
}

TEST(Icons, DrawIconExScalesFillsAndStaysOnTheSurface) {
    const GdiLiveCounts before = GetGdiLiveCounts();
    {
        const HICON icon = TwoByTwo();
        const std::map<char, COLORREF> legend{
            {'.', kUntouched}, {'r', RGB(255, 0, 0)}, {'b', RGB(0, 0, 255)}, {'y', RGB(255, 255, 0)}};
        Surface scaled(6, 5);
        HBRUSH yellow = CreateSolidBrush(RGB(255, 255, 0));
        EXPECT_TRUE(DrawIconEx(scaled.dc(), 1, 1, icon, 4, 3, 0, yellow, DI_NORMAL));
        EXPECT_TRUE(MatchesRows(scaled, {"......", ".rryy.", ".bbbb.", ".bbbb.", "......"}, legend));
        DeleteObject(yellow);

        Surface refused(3, 3);
        EXPECT_FALSE(DrawIconEx(refused.dc(), 0, 0, icon, -2, 2, 0, nullptr, DI_NORMAL));
        EXPECT_FALSE(DrawIconEx(refused.dc(), 0, 0, icon, 2, 2, 0, nullptr, 0));
        // Work is bounded by the surface, whatever size is asked for.
        EXPECT_TRUE(DrawIconEx(refused.dc(), -1000000, 0, icon, 2000000, 2, 0, nullptr, DI_NORMAL));
        EXPECT_TRUE(MatchesRows(refused, {"...", "bbb"}, legend));

        DestroyIcon(icon);
    }
    EXPECT_EQ(GetGdiLiveCounts(), before);
}

TEST(IcoFile, NearestEntryBySizeThenDepth) {
    const std::vector<unsigned char> file =
        IcoFile({SolidImage(16, 16, 8, kRed), SolidImage(32, 32, 32, kRed), SolidImage(16, 16, 32, kRed),
                 SolidImage(48, 48, 24, kRed)});
    const std::vector<IcoEntry> entries = ReadIcoDirectory(file);
    ASSERT_EQ(entries.size(), 4u);
    const struct {
        int size, entry;
        const char* why;
    } rows[] = {
        {16, 2, "two 16s: the deeper one"},
        {18, 2, "16 is nearer than 32"},
        {24, 1, "a tie: 32 bits beat 8"},
        {32, 1, "exact"},
        {40, 1, "a tie: 32 bits beat 24"},
        {100, 3, "the largest"},
        {0, 2, "the smallest"},
        {-5, 2, "negative sizes too"},
    };
    for (const auto& row : rows) EXPECT_EQ(NearestIcoEntry(entries, row.size), row.entry) << row.why;
    EXPECT_EQ(NearestIcoEntry({}, 16), -1);
}

// Each row damages a good one-entry 8-bit file at a byte offset.
TEST(IcoFile, DamagedFilesGiveNoIcon) {
    const std::vector<unsigned char> good = IcoFile({SolidImage(3, 2, 8, kRed)});
    constexpr std::size_t kImage = 22;  // after the directory and its one entry
    const struct {
        std::size_t at;
        std::vector<unsigned char> bytes;
        const char* why;
    } rows[] = {
        {2, {2, 0}, "a cursor file"},
        {4, {0, 0}, "no entries"},
        {18, {0xFF, 0xFF, 0, 0}, "entry data beyond the file"},
        {kImage + 0, {12, 0, 0, 0}, "header too small"},
        {kImage + 4, {0, 0, 0, 0x40}, "huge width"},
        {kImage + 8, {0, 0, 0, 0x40}, "huge height"},
        {kImage + 8, {0xFF, 0xFF, 0xFF, 0xFF}, "negative height"},
        {kImage + 12, {0, 0}, "zero planes"},
        {kImage + 14, {16, 0}, "16 bits a pixel"},
        {kImage + 16, {1, 0, 0, 0}, "compressed"},
        {kImage + 32, {0, 2, 0, 0}, "512 colours"},
    };
    for (const auto& row : rows) {
        std::vector<unsigned char> bad = good;
        std::copy(row.bytes.begin(), row.bytes.end(), bad.begin() + std::ptrdiff_t(row.at));
        EXPECT_EQ(LoadIco(bad), nullptr) << row.why;
    }
    for (std::size_t length = 0; length < good.size(); ++length)
        EXPECT_EQ(LoadIco({good.begin(), good.begin() + std::ptrdiff_t(length)}), nullptr) << length;
}

// Seeded random damage to files of every depth: each load either fails or
// gives an icon no larger than the reader allows; nothing leaks.
TEST(IcoFile, RandomDamageNeverCrashes) {
    const GdiLiveCounts before = GetGdiLiveCounts();
    std::mt19937 random(12);
    for (int bits : {1, 4, 8, 24, 32, kPngEntry}) {
        const std::vector<unsigned char> good =
            IcoFile({ThreeByTwo(bits == 1 ? 8 : bits), SolidImage(5, 5, bits, kBlue)});
        for (int round = 0; round < 400; ++round) {
            std::vector<unsigned char> bad = good;
            const int changes = 1 + int(random() % 4);
            for (int c = 0; c < changes; ++c)
                bad[random() % bad.size()] = static_cast<unsigned char>(random());
            if (random() % 4 == 0) bad.resize(random() % bad.size());
            for (int size : {3, 5}) {
                const HICON icon = LoadIco(bad, size);
                ICONINFO info;
                if (!icon) continue;
                ASSERT_TRUE(GetIconInfo(icon, &info));
                BITMAP bitmap;
                GetObjectA(info.hbmMask, sizeof bitmap, &bitmap);
                EXPECT_LE(bitmap.bmWidth, kMaxIconSide);
                DeleteObject(info.hbmMask);
                if (info.hbmColor) DeleteObject(info.hbmColor);
                DestroyIcon(icon);
            }
        }
    }
    EXPECT_EQ(GetGdiLiveCounts(), before);
}

}  // namespace
}  // namespace corvalmire::test

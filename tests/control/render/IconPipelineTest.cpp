// The icon step through a real control: the .ico image nearest IconSize,
// scaled or (with a mask colour) not, the disabled grey looks, the raised
// icon of style 4, and sizes from negative to 32767. Each row is checked on
// the whole surface against the same button drawn without its icon.
#include <gtest/gtest.h>

#include <functional>

#include "host/Picture.h"
#include "platform/gdi/GdiExtensions.h"
#include "tests/control/render/FaceOn.h"
#include "tests/control/render/RenderButton.h"
#include "tests/platform/gdi/IcoFixture.h"

using host::PropertyValue;
using namespace render_test;
using win32::COLORREF;

namespace {

constexpr COLORREF kRed = 0x0000FF, kSilver = 0xC0C0C0, kBlue = 0xFF0000, kShadow = 0x808080;
constexpr COLORREF kFace = 0xFFFFFFFF;  // what the button shows without the icon

// 16 x 16, 24 bits: red left half, silver right half, the bottom-right
// pixel transparent; 32 x 32, 32 bits: blue.
host::PicturePtr TwoSizeIcon() {
    corvalmire::test::TestIconImage small = corvalmire::test::SolidImage(16, 16, 24, 0xFFFF0000);
    for (int y = 0; y < 16; ++y)
        for (int x = 8; x < 16; ++x) small.argb[std::size_t(y * 16 + x)] = 0xFFC0C0C0;
    small.argb[255] = 0;
    small.transparent[255] = true;
    return host::Picture::FromIconFile(
        corvalmire::test::IcoFile({small, corvalmire::test::SolidImage(32, 32, 32, 0xFF0000FF)}));
}

// The 16 x 16 image at (sx, sy), with `colour` in place of red and
// `silver` in place of silver.
COLORREF Small(int sx, int sy, COLORREF red = kRed, COLORREF silver = kSilver) {
    if (sx == 15 && sy == 15) return kFace;
    return sx < 8 ? red : silver;
}
// The source pixel under target pixel t when m pixels are scaled to n.
int Scaled(int t, int n, int m) { return (2 * t + 1) * m / (2 * n); }

struct Row {
    long style;
    bool enabled, mask, hot;
    int iconSize;
    std::function<COLORREF(int, int)> expected;  // in the top-left corner, IconAlign 7
    const char* why;
};

std::unique_ptr<RenderButton> Button(const Row& row, const host::PicturePtr& icon) {
    auto b =
        std::make_unique<RenderButton>(Bag({{"Style", PropertyValue::Long(row.style)},
                                            {"Caption", PropertyValue::String("")},
                                            {"IconAlign", PropertyValue::Long(7)},
                                            {"IconSize", PropertyValue::Integer(std::int16_t(row.iconSize))},
                                            {"Enabled", PropertyValue::Boolean(row.enabled)},
                                            {"UseMaskColor", PropertyValue::Boolean(row.mask)},
                                            {"MaskColor", PropertyValue::Long(kSilver)},
                                            {"Icon", PropertyValue::Picture(icon)}}));
    if (row.hot) b->Enter();
    return b;
}

void Check(const Row& row) {
    const auto with = Button(row, TwoSizeIcon());
    const auto without = Button(row, nullptr);
    int wrong = 0;
    for (int y = 0; y < 27; ++y)
        for (int x = 0; x < 107; ++x) {
            COLORREF want = row.expected(x, y);
            if (want == kFace) want = without->At(x, y);
            if (with->At(x, y) != want && wrong++ < 3)
                ADD_FAILURE() << row.why << ": (" << x << ", " << y << ") is " << Hex(with->At(x, y))
                              << ", expected " << Hex(want);
        }
}

TEST(IconPipeline, TheImageNearestIconSize) {
    const Row rows[] = {
        {5, true, false, false, 16, [](int x, int y) { return x < 16 && y < 16 ? Small(x, y) : kFace; },
         "16: the 16 image"},
        {5, true, false, false, 18,
         [](int x, int y) { return x < 18 && y < 18 ? Small(Scaled(x, 18, 16), Scaled(y, 18, 16)) : kFace; },
         "18: the 16 image, scaled"},
        {5, true, false, false, 24, [](int x, int y) { return x < 24 && y < 24 ? kBlue : kFace; },
         "24: as near 32 as 16; 32 bits win, scaled down"},
        {5, true, false, false, 32, [](int x, int) { return x < 32 ? kBlue : kFace; }, "32: the 32 image"},
        {5, true, true, false, 18, [](int x, int y) { return x < 8 && y < 16 ? kRed : kFace; },
         "18 with a mask colour: not scaled, silver and the rest transparent"},
        {5, true, true, false, 24, [](int x, int y) { return x < 24 && y < 24 ? kBlue : kFace; },
         "24 with a mask colour: the top-left of the 32 image"},
    };
    for (const Row& row : rows) Check(row);
}

// Grey levels: 0.33 x 255 = 84.15 without a mask colour (silver is one of
// the levels that stay); round(0.3 x 255) = 76 with one. 0.11 x 255 = 28.05.
TEST(IconPipeline, DisabledStyle5DrawsTheIconInGrey) {
    const auto grey = [](int x, int y) { return x < 16 && y < 16 ? Small(x, y, 0x545454) : kFace; };
    const auto masked = [](int x, int y) { return x < 8 && y < 16 ? 0x4C4C4C : kFace; };
    const Row rows[] = {
        {5, false, false, false, 16, grey, "PaintIconGrayscale"},
        {5, false, false, false, 0, grey, "size 0: the icon's own size"},
        {5, false, false, false, -4, [](int, int) { return kFace; }, "negative: nothing"},
        {5, false, false, false, 24, [](int x, int y) { return x < 24 && y < 24 ? 0x1C1C1C : kFace; },
         "the 32 image in grey, scaled to 24"},
        {5, false, true, false, 16, masked, "PaintPictureMasked in grey levels"},
        {5, false, true, false, -4, masked, "negative with a mask colour: the picture's own size"},
        {5, true, false, false, -4, [](int, int) { return kFace; }, "enabled, negative: nothing"},
    };
    for (const Row& row : rows) Check(row);
}

// Hot style 4 raises the icon by two pixels over a grey shadow. With a mask
// colour the shadow sits one pixel down-right and the icon is drawn one and
// two pixels up-left; without, the icon is drawn, its square turned grey
// where it differs from the face at (1, 1), then drawn again two pixels up.
TEST(IconPipeline, HotTintedFlatRaisesTheIcon) {
    const Row rows[] = {
        {4, true, true, true, 16,
         [](int x, int y) {
             if (x <= 6 && y <= 14) return kRed;
             return x >= 1 && x <= 8 && y >= 1 && y <= 16 ? kShadow : kFace;
         },
         "a mask colour: silver casts no shadow"},
        {4, true, false, true, 32767, [](int, int) { return kBlue; },
         "32767: the icon covers the face, so (1, 1) reads blue and nothing turns grey"},
        {4, true, true, true, 32767,
         [](int x, int y) {
             if (x <= 30) return kBlue;
             return x <= 32 && y >= 1 ? kShadow : kFace;
         },
         "32767 with a mask colour: the 32 image unscaled, the rest transparent"},
    };
    for (const Row& row : rows) Check(row);
}

}  // namespace

TEST(IconPipeline, PublicGreyMethodAndRepaintsThatLeakNothing) {
    const host::PicturePtr icon = TwoSizeIcon();
    const auto b = Button({4, true, false, false, 16, nullptr, ""}, icon);
    const auto cycle = [&](int i) {
        b->control->SetUseMaskColor(i % 2 == 0);
        b->control->SetEnabled(i % 3 != 0);
        b->control->SetIconSize(i % 5 ? 16 : 24);
        b->Enter();
    };
    for (int i = 0; i < 30; ++i) cycle(i);  // the 32 image is read on first use
    const win32::GdiLiveCounts before = win32::GetGdiLiveCounts();
    for (int i = 0; i < 300; ++i) cycle(i);
    EXPECT_EQ(win32::GetGdiLiveCounts(), before);

    const auto hIcon = reinterpret_cast<win32::HICON>(icon->Handle());
    EXPECT_FALSE(b->control->PaintIconGrayscale(b->dc(), nullptr, 60, 5, 16, 16));
    EXPECT_TRUE(b->control->PaintIconGrayscale(b->dc(), hIcon, 60, 5, 16, 16));
    EXPECT_EQ(b->At(60, 5), 0x545454u);
    EXPECT_EQ(b->At(75, 5), kSilver);
}

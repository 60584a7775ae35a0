// The render pipeline through a real control: clearing, state forcing,
// face by style, icon placement, caption placement and colour, the window
// region, the themed style and its fallback.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "control/raReruriIcon.h"
#include "control/styles/RoundedGradient.h"
#include "host/Picture.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Gdi.h"
#include "platform/uxtheme/UxTheme.h"
#include "tests/control/render/RenderButton.h"
#include "tests/control/render/SurfaceCompare.h"

using control::ButtonState;
using host::PropertyValue;
using namespace render_test;
using namespace win32;

namespace {

constexpr COLORREF kButtonFace = 0xC8D0D4;
constexpr COLORREF kRed = 0x0000FF;

RECT Measure(HDC dc, const std::string& text, int sw, int sh) {
    RECT c{4, 4, sw - 4, sh - 4};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &c, DT_CALCRECT | DT_WORDBREAK);
    return c;
}

host::PicturePtr RedSquare(int size) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    ReleaseDC(nullptr, screen);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH brush = CreateSolidBrush(kRed);
    const RECT all{0, 0, size, size};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    return host::Picture::FromBitmap(bitmap);
}

bool HasPixel(const RenderButton& b, const RECT& r, COLORREF color) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (b.At(x, y) == color) return true;
    return false;
}

}  // namespace

TEST(RenderPipeline, HiddenControlOnlyClears) {
    RenderButton b(Bag({{"Style", PropertyValue::Long(5)}, {"Enabled", PropertyValue::Boolean(false)}}), 107,
                   27,
                   /*show=*/false);
    b.control->Refresh();
    EXPECT_EQ(b.control->CurrentState(), ButtonState::Normal);  // no forcing to Disabled
    for (int y = 0; y < 27; ++y)
        for (int x = 0; x < 107; ++x) ASSERT_EQ(b.At(x, y), kButtonFace) << "(" << x << ", " << y << ")";
}

// The surface after each state, against the painter drawn alone: the
// pipeline hands it the right state, focus and size, and draws nothing else
// when there is no caption or icon.
TEST(RenderPipeline, Style5SurfaceInEveryState) {
    const struct {
        const char* name;
        bool custom, enabled, focus, hot, pressed;
        ButtonState state;
    } rows[] = {
        {"normal", false, true, false, false, false, ButtonState::Normal},
        {"focused", false, true, true, false, false, ButtonState::Normal},
        {"hot", false, true, false, true, false, ButtonState::Hot},
        {"pressed", false, true, false, true, true, ButtonState::Pressed},
        {"disabled", false, false, false, false, false, ButtonState::Disabled},
        {"custom-normal", true, true, false, false, false, ButtonState::Normal},
        {"custom-focused", true, true, true, false, false, ButtonState::Normal},
        {"custom-hot", true, true, false, true, false, ButtonState::Hot},
        {"custom-pressed", true, true, false, true, true, ButtonState::Pressed},
        {"custom-disabled", true, false, false, false, false, ButtonState::Disabled},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RenderButton b(Bag({{"Style", PropertyValue::Long(5)},
                            {"Caption", PropertyValue::String("")},
                            {"USeCustomColors", PropertyValue::Boolean(row.custom)},
                            {"BackColor", PropertyValue::Long(0x9A7B5C)},
                            {"HighlightColor", PropertyValue::Long(0x2060C0)},
                            {"ShowFocus", PropertyValue::Boolean(true)},
                            {"Enabled", PropertyValue::Boolean(row.enabled)}}));
        if (row.focus) b.Focus();
        if (row.hot) b.Enter();
        if (row.pressed) b.Press();
        EXPECT_EQ(b.control->CurrentState(), row.state);
        Surface expected(107, 27, kMagenta);
        auto face = FaceOn(expected, row.state);
        face.hasFocus = row.focus;
        face.showFocus = true;
        face.backColor = 0x9A7B5C;
        face.highlightColor = 0x2060C0;
        if (row.custom)
            control::styles::PaintRoundedGradientCustom(face);
        else
            control::styles::PaintRoundedGradient(face);
        EXPECT_TRUE(SameSurface(b.dc(), expected, row.name));
    }
}

TEST(RenderPipeline, CaptionColourFollowsStateAndPalette) {
    const struct {
        const char* name;
        bool custom, enabled, hot;
        COLORREF text;
    } rows[] = {
        {"system text", false, true, false, 0x000000},
        {"system grey when disabled", false, false, false, 0x808080},
        {"FontColor when normal", true, true, false, 0x00A000},
        {"FontHighlightColor when hot", true, true, true, 0xA00000},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RenderButton b(Bag({{"Style", PropertyValue::Long(99)},
                            {"Caption", PropertyValue::String("WWW")},
                            {"USeCustomColors", PropertyValue::Boolean(row.custom)},
                            {"FontColor", PropertyValue::Long(0x00A000)},
                            {"FontHighlightColor", PropertyValue::Long(0xA00000)},
                            {"Enabled", PropertyValue::Boolean(row.enabled)}}));
        if (row.hot) b.Enter();
        // Glyph cores are drawn in the text colour exactly.
        EXPECT_TRUE(HasPixel(b, b.control->CaptionRect(), row.text));
    }
}

// A caption typed as UTF-8 draws the accented letter: one glyph, as wide
// as the plain letter, with ink above it (two glyphs, "Ã" and a blank,
// would be the UTF-8 bytes read one by one).
TEST(RenderPipeline, AnAccentedCaptionDrawsItsOwnGlyph) {
    const auto ink = [](const RenderButton& b) {
        const RECT& r = b.control->CaptionRect();
        RECT box{r.right, r.bottom, r.left, r.top};
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (b.At(x, y) != kButtonFace)
                    box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                           std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
        return box;
    };
    RenderButton accented(
        Bag({{"Style", PropertyValue::Long(99)}, {"Caption", PropertyValue::String("\xC3\xA0")}}));
    RenderButton plain(Bag({{"Style", PropertyValue::Long(99)}, {"Caption", PropertyValue::String("a")}}));
    EXPECT_EQ(accented.control->CaptionRect(), plain.control->CaptionRect());
    EXPECT_LT(ink(accented).top, ink(plain).top);
    EXPECT_EQ(ink(accented).bottom, ink(plain).bottom);
}

TEST(RenderPipeline, IconOriginByAlignment) {
    const struct {
        int align;
        POINT at;
        const char* why;
    } rows[] = {
        {0, {46, 6}, "centre: round(45.5) = 46, round(5.5) = 6"},
        {1, {3, 6}, "left: the margin"},
        {2, {88, 6}, "right: 107 - 16 - 3"},
        {3, {46, 3}, "top"},
        {4, {46, 8}, "bottom: 27 - 16 - 3"},
        {7, {0, 0}, "any other value: the corner"},
    };
    for (const auto& row : rows) EXPECT_EQ(control::IconOrigin(row.align, 107, 27, 16, 3), row.at) << row.why;
    EXPECT_EQ(control::IconOrigin(0, 108, 28, 16, 3), (POINT{46, 6}));  // 46 and 6 exactly
    EXPECT_EQ(control::IconOrigin(0, 109, 29, 16, 3), (POINT{46, 6}));  // 46.5 and 6.5 round to even
}

TEST(RenderPipeline, IconInTheCornerMovesWhenPressed) {
    RenderButton b(Bag({{"Style", PropertyValue::Long(5)},
                        {"Caption", PropertyValue::String("")},
                        {"IconAlign", PropertyValue::Long(7)},
                        {"Icon", PropertyValue::Picture(RedSquare(16))}}));
    EXPECT_EQ(b.At(0, 0), kRed);
    EXPECT_EQ(b.At(15, 15), kRed);
    EXPECT_NE(b.At(16, 16), kRed);
    b.Enter();
    b.Press();
    EXPECT_EQ(b.At(0, 0), kButtonFace);
    EXPECT_EQ(b.At(1, 1), kRed);
    EXPECT_EQ(b.At(16, 16), kRed);
}

TEST(RenderPipeline, HotTintedFlatIconHasAGreyShadow) {
    RenderButton b(Bag({{"Style", PropertyValue::Long(4)},
                        {"Caption", PropertyValue::String("")},
                        {"IconAlign", PropertyValue::Long(0)},
                        {"Icon", PropertyValue::Picture(RedSquare(16))}}));
    b.Enter();
    // The icon rises to (44, 4); its grey copy stays at (46, 6)..(61, 21).
    constexpr COLORREF kHotTint = 0xD0BBB3;  // the system highlight lightened by 176
    EXPECT_EQ(b.At(44, 4), kRed);
    EXPECT_EQ(b.At(59, 19), kRed);
    EXPECT_EQ(b.At(60, 20), 0x808080u);
    EXPECT_EQ(b.At(61, 21), 0x808080u);
    EXPECT_EQ(b.At(62, 22), kHotTint);  // scanned, but it was face already
    EXPECT_EQ(b.At(43, 3), kHotTint);
}

// Each style leaves its own inset, and the next layout (here the caption's)
// places a left-aligned caption by it.
TEST(RenderPipeline, ContentMarginByStyle) {
    const struct {
        int style, margin;
    } rows[] = {{0, 3}, {3, 3}, {4, 3}, {5, 3}, {7, 4}, {8, 4}, {9, 6}, {10, 7}, {11, 3}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.style);
        RenderButton b(
            Bag({{"Style", PropertyValue::Long(row.style)}, {"CaptionAlign", PropertyValue::Long(1)}}));
        EXPECT_EQ(b.control->ContentMargin(), row.margin);
        b.control->SetCaption("Apri");
        EXPECT_EQ(b.control->CaptionRect().left, row.margin);
    }
}

TEST(RenderPipeline, NarrowControlIsWidenedTo300Twips) {
    RenderButton b(Bag({{"Style", PropertyValue::Long(5)}}), 10, 10);
    EXPECT_EQ(b.control->UserControl().Extender().Width(), 300);
    EXPECT_EQ(b.control->UserControl().Extender().Height(), 300);
    EXPECT_EQ(b.control->ClientRect(), (RECT{0, 0, 20, 20}));
}

TEST(RenderPipeline, CaptionRectangleForEveryAlignment) {
    const std::string caption = "Converti";
    for (int align : {0, 1, 2, 3, 4, 9}) {
        SCOPED_TRACE(align);
        RenderButton b(Bag({{"Style", PropertyValue::Long(5)},
                            {"Caption", PropertyValue::String(caption)},
                            {"CaptionAlign", PropertyValue::Long(align)}}));
        const RECT c = Measure(b.dc(), caption, 107, 27);
        const double sw = 107, sh = 27, m = 3, w = c.right - c.left, h = c.bottom - c.top;
        auto r = [](double v) { return static_cast<LONG>(std::nearbyint(v)); };
        const LONG centredLeft = r((sw - c.right - c.left) / 2),
                   centredRight = r((sw + c.right - c.left) / 2);
        const LONG middleTop = r((sh - c.bottom - c.top) / 2 + 3),
                   middleBottom = r((sh + c.bottom - c.top) / 2);
        RECT expected{4, 4, 103, 23};
        int format = 0;  // a loaded control starts without flags
        switch (align) {
            case 0: expected = {centredLeft, middleTop, centredRight, middleBottom}, format = 0x15; break;
            case 1: expected = {3, middleTop, c.right + 3, middleBottom}, format = 0x14; break;
            case 2:
                expected = {107 - c.right - c.left - 3, middleTop, 107 - c.left - 3, middleBottom},
                format = 0x16;
                break;
            case 3: expected = {centredLeft, r(m / 2), centredRight, r(m / 2 + h)}, format = 0x11; break;
            case 4:
                expected = {centredLeft, r(sh - h - m / 2), centredRight, r(sh - m / 2)}, format = 0x19;
                break;
        }
        EXPECT_EQ(b.control->CaptionRect(), expected) << "measured " << w << " x " << h;
        EXPECT_EQ(b.control->CaptionFormat(), format);
    }
}

// The centred box is w + 4 wide and starts 4 pixels left of a symmetric one:
// SW 100 and text 40 wide give 26..70.
TEST(RenderPipeline, CentredCaptionExample) {
    RenderButton b(Bag({{"Style", PropertyValue::Long(5)}, {"Caption", PropertyValue::String("")}}), 100, 27);
    std::string caption;
    for (int n = 0; n <= 12 && caption.empty(); ++n)
        for (int i = 0; i <= 12 && caption.empty(); ++i) {
            const std::string text = std::string(size_t(n), 'n') + std::string(size_t(i), 'i');
            if (Measure(b.dc(), text, 100, 27).right == 44) caption = text;
        }
    ASSERT_FALSE(caption.empty()) << "no caption 40 pixels wide in this font";
    b.control->SetCaption(caption);
    EXPECT_EQ(b.control->CaptionRect().left, 26);
    EXPECT_EQ(b.control->CaptionRect().right, 70);
}

TEST(RenderPipeline, RightToLeftBitIsOnlyEverAdded) {
    RenderButton b(
        Bag({{"CaptionAlign", PropertyValue::Long(9)}, {"bRTLText", PropertyValue::Boolean(true)}}));
    EXPECT_EQ(b.control->CaptionFormat() & DT_RTLREADING, static_cast<int>(DT_RTLREADING));
    b.control->SetRightToLeft(false);
    b.control->SetCaption("again");  // lays out once more
    EXPECT_EQ(b.control->CaptionFormat() & DT_RTLREADING, static_cast<int>(DT_RTLREADING));
}

TEST(RenderPipeline, WindowRegionFollowsTheStyle) {
    const POINT bevel[] = {{0, 1}, {1, 0}, {99, 0}, {100, 1}, {100, 28}, {98, 30}, {2, 30}, {0, 28}};
    const POINT slant[] = {{0, 2}, {2, 0}, {97, 0}, {100, 3}, {100, 27}, {97, 30}, {4, 30}, {0, 26}};
    const struct {
        int style;
        HRGN expected;
    } rows[] = {
        {5, CreatePolygonRgn(bevel, 8, 1)}, {7, CreatePolygonRgn(bevel, 8, 1)},
        {8, CreatePolygonRgn(slant, 8, 1)}, {10, CreateRoundRectRgn(0, 0, 101, 31, 18, 18)},
        {0, CreateRectRgn(0, 0, 100, 30)},  {4, CreateRectRgn(0, 0, 100, 30)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.style);
        RenderButton b(Bag({{"Style", PropertyValue::Long(row.style)}}), 100, 30);
        HRGN actual = CreateRectRgn(0, 0, 0, 0);
        EXPECT_NE(GetWindowRgn(b.Hwnd(), actual), 0);
        EXPECT_TRUE(EqualRgn(actual, row.expected));
        EXPECT_EQ(b.control->WindowRegion() != nullptr, true);
        DeleteObject(actual);
        DeleteObject(row.expected);
    }
}

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "platform/gdi/Font.h"
#include "platform/gdi/Gdi.h"
#include "tests/platform/gdi_text/CaptionFont.h"
#include "tests/support/Surface.h"

using namespace win32;
using corvalmire::test::InkBox;
using corvalmire::test::kWhite;
using corvalmire::test::Surface;

namespace {

// The button's caption rectangle: 107 x 27 less a 4-pixel margin.
constexpr RECT kCaptionRect{4, 4, 103, 23};

}  // namespace

TEST(DrawTextMeasure, ConvertiInBoldVerdanaFitsOneButtonLine) {
    Surface s(10, 10, kWhite, CaptionFont());
    RECT rect = kCaptionRect;
    const int height = DrawTextA(s.dc(), "Converti", -1, &rect, DT_CALCRECT | DT_WORDBREAK);
    const int lh = s.Metrics().tmHeight;
    EXPECT_EQ(height, lh);
    EXPECT_EQ(rect, (RECT{4, 4, 4 + s.TextWidth("Converti"), 4 + lh}));
    EXPECT_LT(rect.right, kCaptionRect.right);
}

TEST(DrawTextMeasure, CalcRectWrapsAtSpacesAndReportsWidestLine) {
    Surface s(10, 10, kWhite, CaptionFont());
    const int lh = s.Metrics().tmHeight;
    int height = 0;
    const RECT rect = s.Measure("Apri il file immagine da convertire", 99, DT_WORDBREAK, &height);
    EXPECT_EQ(height, rect.bottom);
    EXPECT_EQ(height % lh, 0);
    EXPECT_GE(height / lh, 3);
    EXPECT_LE(rect.right, 99);
    EXPECT_GE(rect.right, s.TextWidth("convertire"));  // the longest word is on a line
}

TEST(DrawTextMeasure, BreaksOnlyWhenTheTextDoesNotFit) {
    Surface s(10, 10, kWhite, CaptionFont(false));
    const int lh = s.Metrics().tmHeight;
    const int whole = s.TextWidth("aaa bbb");
    EXPECT_EQ(s.Measure("aaa bbb", whole, DT_WORDBREAK), (RECT{0, 0, whole, lh}));
    // One pixel less: "aaa " (a left-aligned line keeps the space that fits), then "bbb".
    EXPECT_EQ(s.Measure("aaa bbb", whole - 1, DT_WORDBREAK),
              (RECT{0, 0, std::max(s.TextWidth("aaa "), s.TextWidth("bbb")), 2 * lh}));
}

TEST(DrawTextMeasure, TrailingSpacesThatFitStayOnLeftAlignedLinesOnly) {
    Surface s(10, 10, kWhite, CaptionFont(false));
    const int lh = s.Metrics().tmHeight;
    // Room for "ab " but not for "ab i": "i" goes to the next line.
    const int width = s.TextWidth("ab ");
    ASSERT_GT(width, s.TextWidth("i"));
    EXPECT_EQ(s.Measure("ab i", width, DT_WORDBREAK), (RECT{0, 0, s.TextWidth("ab "), 2 * lh}));
    EXPECT_EQ(s.Measure("ab i", width, DT_WORDBREAK | DT_CENTER), (RECT{0, 0, s.TextWidth("ab"), 2 * lh}));
    EXPECT_EQ(s.Measure("ab i", width, DT_WORDBREAK | DT_RIGHT), (RECT{0, 0, s.TextWidth("ab"), 2 * lh}));
    // Of several spaces that fit, a left-aligned line keeps them all; the
    // space at the break is swallowed, so the next line starts with "wxyz".
    const int two = s.TextWidth("ab  ");
    EXPECT_EQ(s.Measure("ab   wxyz", two, DT_WORDBREAK),
              (RECT{0, 0, std::max(two, s.TextWidth("wxyz")), 2 * lh}));
}

TEST(DrawTextMeasure, AWordWiderThanTheRectGetsALineOfItsOwn) {
    Surface s(10, 10, kWhite, CaptionFont(false));
    const int lh = s.Metrics().tmHeight;
    EXPECT_EQ(s.Measure("line1 line2", 1, DT_WORDBREAK),
              (RECT{0, 0, std::max(s.TextWidth("line1"), s.TextWidth("line2")), 2 * lh}));
}

TEST(DrawTextMeasure, LineBreaksAndSingleLine) {
    Surface s(10, 10, kWhite, CaptionFont(false));
    const int lh = s.Metrics().tmHeight;
    EXPECT_EQ(s.Measure("ab\r\ncd\n\nef", 200, 0).bottom, 4 * lh);  // CRLF is one break, LF LF two
    EXPECT_EQ(s.Measure("ab\n\rcd", 200, 0).bottom, 2 * lh);        // LFCR is one
    EXPECT_EQ(s.Measure("aaa bbb", 1, DT_WORDBREAK | DT_SINGLELINE).bottom, lh);
}

TEST(DrawTextMeasure, PrefixesAreLeftOutOfTheMeasure) {
    Surface s(10, 10, kWhite, CaptionFont());
    EXPECT_EQ(s.Measure("&&", 200, 0).right, s.TextWidth("&"));
    EXPECT_EQ(s.Measure("&Apri", 200, 0).right, s.TextWidth("Apri"));
    EXPECT_EQ(s.Measure("Apri&", 200, 0).right, s.TextWidth("Apri&"));  // a lone final '&' is literal
    EXPECT_EQ(s.Measure("&&", 200, DT_NOPREFIX).right, s.TextWidth("&&"));
}

TEST(DrawTextMeasure, TabsExpandToEightAverageCharacters) {
    Surface s(10, 10, kWhite, CaptionFont(false));
    const int tab = 8 * s.Metrics().tmAveCharWidth;
    EXPECT_EQ(s.Measure("a\tb", 400, DT_EXPANDTABS).right, tab + s.TextWidth("b"));
}

TEST(DrawTextMeasure, EmptyAndZeroLengthText) {
    Surface s(10, 10, kWhite, CaptionFont());
    const int lh = s.Metrics().tmHeight;
    RECT rect{5, 6, 50, 60};
    EXPECT_EQ(DrawTextA(s.dc(), "", -1, &rect, DT_CALCRECT), lh);
    EXPECT_EQ(rect, (RECT{5, 6, 5, 6}));
    rect = {5, 6, 50, 60};
    EXPECT_EQ(DrawTextA(s.dc(), "", -1, &rect, DT_CALCRECT | DT_SINGLELINE), lh);
    EXPECT_EQ(rect, (RECT{5, 6, 5, 6 + lh}));
    rect = {5, 6, 50, 60};
    EXPECT_EQ(DrawTextA(s.dc(), "abc", 0, &rect, DT_CALCRECT), 0);
    EXPECT_EQ(rect, (RECT{5, 6, 50, 60}));
}

TEST(DrawTextMeasure, CalcRectKeepsLeftAndTopWhenCentred) {
    Surface s(10, 10, kWhite, CaptionFont());
    RECT rect{10, 20, 200, 40};
    DrawTextA(s.dc(), "Esci", -1, &rect, DT_CALCRECT | DT_CENTER | DT_WORDBREAK);
    EXPECT_EQ(rect, (RECT{10, 20, 10 + s.TextWidth("Esci"), 20 + s.Metrics().tmHeight}));
}

TEST(DrawTextMeasure, CalcRectDrawsNothing) {
    Surface s(60, 20, kWhite, CaptionFont());
    RECT rect{0, 0, 60, 20};
    DrawTextA(s.dc(), "Converti", -1, &rect, DT_CALCRECT);
    EXPECT_EQ(s.Ink(), InkBox{});
}

// Each placement must draw exactly what TextOutA draws at the origin the
// platform's formulas give.
TEST(DrawTextPlacement, AlignmentFollowsThePlatformFormulas) {
    const RECT rect{3, 2, 104, 26};
    struct Case {
        UINT format;
        const char* name;
    } cases[] = {
        {DT_SINGLELINE, "left top"},
        {DT_SINGLELINE | DT_CENTER, "centre"},
        {DT_SINGLELINE | DT_RIGHT, "right"},
        {DT_SINGLELINE | DT_VCENTER, "v-centre"},
        {DT_SINGLELINE | DT_BOTTOM, "bottom"},
        {DT_SINGLELINE | DT_CENTER | DT_VCENTER, "centre v-centre"},
        {DT_CENTER | DT_VCENTER | DT_WORDBREAK, "v-centre ignored without single line"},
        {DT_SINGLELINE | DT_CENTER | DT_RTLREADING, "right-to-left reading changes nothing"},
    };
    for (const Case& c : cases) {
        Surface actual(107, 27, kWhite, CaptionFont()), expected(107, 27, kWhite, CaptionFont());
        const int w = expected.TextWidth("Converti");
        const int lh = expected.Metrics().tmHeight;
        int x = rect.left, y = rect.top;
        if (c.format & DT_CENTER) x = (rect.left + rect.right - w) / 2;
        if (c.format & DT_RIGHT) x = rect.right - w;
        if ((c.format & DT_SINGLELINE) && (c.format & DT_VCENTER))
            y = rect.top + (rect.bottom - rect.top) / 2 - lh / 2;
        if ((c.format & DT_SINGLELINE) && (c.format & DT_BOTTOM)) y = rect.bottom - lh;
        RECT r = rect;
        const int height = DrawTextA(actual.dc(), "Converti", -1, &r, c.format);
        TextOutA(expected.dc(), x, y, "Converti", 8);
        EXPECT_EQ(height, y + lh - rect.top) << c.name;
        EXPECT_EQ(r, rect) << c.name;  // unchanged without DT_CALCRECT
        EXPECT_NE(actual.Ink(), InkBox{}) << c.name;
        EXPECT_TRUE(actual.SamePixels(expected)) << c.name;
    }
}

TEST(DrawTextPlacement, EachLineOfAWrappedCaptionIsCentredOnItsOwn) {
    Surface actual(80, 40, kWhite, CaptionFont()), expected(80, 40, kWhite, CaptionFont());
    const int lh = expected.Metrics().tmHeight;
    ASSERT_GT(expected.TextWidth("Apri file"), 40);
    RECT rect{0, 0, 40, 40};
    DrawTextA(actual.dc(), "Apri file", -1, &rect, DT_CENTER | DT_WORDBREAK);
    TextOutA(expected.dc(), (40 - expected.TextWidth("Apri")) / 2, 0, "Apri", 4);
    TextOutA(expected.dc(), (40 - expected.TextWidth("file")) / 2, lh, "file", 4);
    EXPECT_TRUE(actual.SamePixels(expected));
}

TEST(DrawTextRender, BlackTextIsExactlyBlackAndStaysInsideTheRect) {
    Surface s(120, 40, kWhite, CaptionFont());
    const RECT rect{10, 10, 60, 22};
    RECT r = rect;
    DrawTextA(s.dc(), "Converti il file NRG", -1, &r, DT_WORDBREAK);  // wider and taller than the rect
    COLORREF darkest = 0xFFFFFF;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) {
            const COLORREF c = s.At(x, y);
            const bool inside = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
            if (!inside) {
                ASSERT_EQ(c, 0xFFFFFFu) << "outside the rect at (" << x << "," << y << ")";
            }
            // Black blended over white keeps R = G = B.
            ASSERT_TRUE(GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c)) << x << "," << y;
            darkest = std::min(darkest, c);
        }
    EXPECT_EQ(darkest, 0x000000u);
}

TEST(DrawTextRender, NoClipDrawsPastTheRect) {
    Surface s(120, 40, kWhite, CaptionFont());
    RECT rect{10, 10, 20, 15};
    DrawTextA(s.dc(), "Converti", -1, &rect, DT_NOCLIP | DT_SINGLELINE);
    const InkBox ink = s.Ink();
    EXPECT_GT(ink.right, 20);
    EXPECT_GT(ink.bottom, 15);
}

TEST(DrawTextRender, TextColourBlendsOverTheBackground) {
    Surface s(80, 20, kWhite, CaptionFont());
    SetTextColor(s.dc(), 0x0000FF);  // red
    RECT rect{0, 0, 80, 20};
    DrawTextA(s.dc(), "Esci", -1, &rect, DT_SINGLELINE);
    bool fullRed = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 80; ++x) {
            const COLORREF c = s.At(x, y);
            // Between white and red: red stays 255, green and blue fall together.
            ASSERT_EQ(GetRValue(c), 255) << x << "," << y;
            ASSERT_EQ(GetGValue(c), GetBValue(c)) << x << "," << y;
            fullRed |= c == 0x0000FF;
        }
    EXPECT_TRUE(fullRed);
}

TEST(DrawTextRender, DoubleAmpersandDrawsOneAmpersand) {
    Surface prefixed(40, 20, kWhite, CaptionFont()), literal(40, 20, kWhite, CaptionFont());
    RECT rect{2, 2, 40, 20};
    DrawTextA(prefixed.dc(), "&&", -1, &rect, 0);
    TextOutA(literal.dc(), 2, 2, "&", 1);
    EXPECT_NE(literal.Ink(), InkBox{});
    EXPECT_TRUE(prefixed.SamePixels(literal));
}

TEST(DrawTextRender, PrefixUnderlinesTheNextCharacter) {
    Surface s(60, 20, kWhite, CaptionFont());
    const TEXTMETRICA tm = s.Metrics();
    RECT rect{2, 1, 60, 20};
    DrawTextA(s.dc(), "a&Bc", -1, &rect, 0);
    // Row top + ascent + 1, from the left of 'B' for its width less one.
    const int left = 2 + s.TextWidth("a");
    const int right = left + s.TextWidth("B") - 1;
    const int row = 1 + tm.tmAscent + 1;
    for (int x = 0; x < 60; ++x)
        EXPECT_EQ(s.At(x, row), (x >= left && x < right) ? 0x000000u : 0xFFFFFFu) << "x " << x;
    // Apart from the line, the same pixels as the text without the prefix.
    Surface plain(60, 20, kWhite, CaptionFont());
    TextOutA(plain.dc(), 2, 1, "aBc", 3);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x)
            if (y != row) {
                ASSERT_EQ(s.At(x, y), plain.At(x, y)) << x << "," << y;
            }
}

TEST(DrawTextRender, NoPrefixDrawsTheAmpersand) {
    Surface s(60, 20, kWhite, CaptionFont()), plain(60, 20, kWhite, CaptionFont());
    RECT rect{2, 1, 60, 20};
    DrawTextA(s.dc(), "a&Bc", -1, &rect, DT_NOPREFIX);
    TextOutA(plain.dc(), 2, 1, "a&Bc", 4);
    EXPECT_TRUE(s.SamePixels(plain));
}

TEST(DrawTextRender, LinePastTheBottomIsTheLastOneProcessed) {
    Surface s(100, 100, kWhite, CaptionFont(false));
    const int lh = s.Metrics().tmHeight;
    RECT rect{0, 0, 100, 2 * lh};
    EXPECT_EQ(DrawTextA(s.dc(), "1\n2\n3\n4\n5", -1, &rect, 0), 3 * lh);
    rect = {0, 0, 100, 2 * lh};
    EXPECT_EQ(DrawTextA(s.dc(), "1\n2\n3\n4\n5", -1, &rect, DT_NOCLIP), 5 * lh);
}

// Text whose cell reaches past the ends of the int range lands nowhere (it
// once wrapped to rows before the glyph's coverage and read outside it).
TEST(DrawTextRender, RectanglesAtTheEndsOfTheIntRangeDrawNothing) {
    struct Case {
        RECT rect;
        UINT format;
    };
    const Case cases[] = {
        {{0, INT_MAX - 5, 40, INT_MAX}, 0},
        {{0, INT_MAX - 5, 40, INT_MAX}, DT_NOCLIP},
        {{0, INT_MAX, 40, INT_MAX}, DT_NOCLIP | DT_VCENTER | DT_SINGLELINE},
        {{INT_MAX - 3, 0, INT_MAX, 20}, DT_NOCLIP},
        {{0, INT_MIN, 40, INT_MIN + 5}, DT_NOCLIP | DT_BOTTOM | DT_SINGLELINE},
    };
    Surface s(40, 20, kWhite, CaptionFont());
    for (const Case& c : cases) {
        RECT rect = c.rect;
        EXPECT_GT(DrawTextA(s.dc(), "Converti\nEsci", -1, &rect, c.format), 0);
        EXPECT_EQ(s.Ink(), InkBox{}) << c.rect.left << "," << c.rect.top << " format " << c.format;
    }
    for (const POINT at : {POINT{0, INT_MAX - 3}, POINT{INT_MAX - 3, 0}, POINT{INT_MIN, INT_MIN}}) {
        SetBkMode(s.dc(), OPAQUE);
        EXPECT_TRUE(TextOutA(s.dc(), at.x, at.y, "Esci", 4));
        EXPECT_EQ(s.Ink(), InkBox{}) << at.x << "," << at.y;
    }
}

TEST(TextOut, OpaqueModeFillsTheCellWithTheBackgroundColour) {
    Surface s(60, 30, kWhite, CaptionFont());
    SetBkMode(s.dc(), OPAQUE);
    SetBkColor(s.dc(), 0x00FF00);
    TextOutA(s.dc(), 5, 5, "--", 2);
    const int w = s.TextWidth("--"), lh = s.Metrics().tmHeight;
    EXPECT_EQ(s.At(5, 5), 0x00FF00u);
    EXPECT_EQ(s.At(5 + w - 1, 5 + lh - 1), 0x00FF00u);
    EXPECT_EQ(s.At(5 + w, 5), 0xFFFFFFu);
    EXPECT_EQ(s.At(5, 5 + lh), 0xFFFFFFu);
    EXPECT_EQ(s.At(4, 5), 0xFFFFFFu);
}

TEST(TextOut, HighBytesAreWindows1252Characters) {
    Surface grave(30, 30, kWhite, CaptionFont()), plain(30, 30, kWhite, CaptionFont());
    TextOutA(grave.dc(), 5, 5, "\xE8", 1);  // e grave
    TextOutA(plain.dc(), 5, 5, "e", 1);
    EXPECT_LT(grave.Ink().top, plain.Ink().top);  // the accent sits above the e
    EXPECT_EQ(grave.Ink().bottom, plain.Ink().bottom);
    Surface euro(30, 30, kWhite, CaptionFont()), undefinedByte(30, 30, kWhite, CaptionFont());
    TextOutA(euro.dc(), 5, 5, "\x80", 1);           // the euro sign in Windows-1252
    TextOutA(undefinedByte.dc(), 5, 5, "\x81", 1);  // undefined there: the missing-glyph box
    EXPECT_NE(euro.Ink(), InkBox{});
    EXPECT_NE(euro.Ink(), undefinedByte.Ink());
}

TEST(TextOut, StaleHandlesFail) {
    const auto stale = reinterpret_cast<HDC>(std::uintptr_t{0xDEAD0});
    RECT rect{0, 0, 10, 10};
    EXPECT_FALSE(TextOutA(stale, 0, 0, "a", 1));
    EXPECT_EQ(DrawTextA(stale, "a", -1, &rect, 0), 0);
    SIZE size;
    EXPECT_FALSE(GetTextExtentPoint32A(stale, "a", 1, &size));
}

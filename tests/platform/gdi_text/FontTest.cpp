#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "platform/gdi/Font.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/GlyphCache.h"
#include "tests/platform/gdi_text/CaptionFont.h"
#include "tests/support/Surface.h"

using namespace win32;
using corvalmire::test::InkBox;
using corvalmire::test::kWhite;
using corvalmire::test::Surface;

namespace {

gdi::GlyphCache* GlyphsOfDC(HDC hdc) {
    gdi::DeviceContext* dc = gdi::LookupAs<gdi::DeviceContext>(hdc, gdi::ObjectKind::DC);
    return gdi::GlyphsOf(*gdi::SelectedFont(*dc));
}

}  // namespace

TEST(Fonts, GetObjectGivesTheLogicalFontBack) {
    LOGFONTA lf = CaptionFont();
    lf.lfItalic = 1;
    lf.lfUnderline = 1;
    HFONT font = CreateFontIndirectA(&lf);
    ASSERT_NE(font, nullptr);
    LOGFONTA back;
    EXPECT_EQ(GetObjectA(font, sizeof back, &back), int(sizeof back));
    EXPECT_EQ(back.lfHeight, -11);
    EXPECT_EQ(back.lfWeight, FW_BOLD);
    EXPECT_EQ(back.lfItalic, 1);
    EXPECT_EQ(back.lfUnderline, 1);
    EXPECT_STREQ(back.lfFaceName, "Verdana");
    EXPECT_EQ(GetObjectA(font, 0, nullptr), int(sizeof(LOGFONTA)));
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_EQ(GetObjectA(font, sizeof back, &back), 0);  // stale
}

TEST(Fonts, CreateFontAFillsTheLogicalFont) {
    HFONT font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, 1, 0, 1, ANSI_CHARSET, 0, 0, 0, 0, "Courier New");
    LOGFONTA back;
    ASSERT_EQ(GetObjectA(font, sizeof back, &back), int(sizeof back));
    EXPECT_EQ(back.lfHeight, -13);
    EXPECT_EQ(back.lfItalic, 1);
    EXPECT_EQ(back.lfStrikeOut, 1);
    EXPECT_STREQ(back.lfFaceName, "Courier New");
    DeleteObject(font);
}

TEST(Fonts, OverlongFaceNameIsCutNotOverrun) {
    LOGFONTA lf;
    std::memset(lf.lfFaceName, 'A', sizeof lf.lfFaceName);  // no terminator
    HFONT font = CreateFontIndirectA(&lf);
    LOGFONTA back;
    GetObjectA(font, sizeof back, &back);
    EXPECT_EQ(std::strlen(back.lfFaceName), size_t(LF_FACESIZE - 1));
    DeleteObject(font);
}

TEST(Fonts, PointSizesAtNinetySixDpi) {
    EXPECT_EQ(FontHeightFromPoints(8.25), -11);
    EXPECT_EQ(FontHeightFromPoints(8), -11);  // 10.67
    EXPECT_EQ(FontHeightFromPoints(12), -16);
    // Halves round away from zero: 0.375 pt is 0.5 px, 1.125 pt 1.5 px.
    const struct {
        double points;
        LONG height;
    } halves[] = {{0.375, -1}, {1.125, -2}, {-0.375, 1}, {-1.125, 2}, {0.36, 0}, {1e9, -1000000}};
    for (const auto& row : halves) EXPECT_EQ(FontHeightFromPoints(row.points), row.height) << row.points;
}

TEST(Fonts, SelectedFontIsNotDeletedAndCountsBalance) {
    const GdiLiveCounts before = GetGdiLiveCounts();
    {
        Surface s(10, 10, kWhite, CaptionFont());
        HGDIOBJ selected = GetCurrentObject(s.dc(), OBJ_FONT);
        EXPECT_FALSE(DeleteObject(selected));
        EXPECT_EQ(GetGdiLiveCounts().fonts, before.fonts + 1);
    }
    EXPECT_EQ(GetGdiLiveCounts(), before);
}

TEST(Fonts, FreshDcUsesTheStockSansFont) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    EXPECT_EQ(font, GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(font, gdi::DefaultFont());
    TEXTMETRICA tm;
    ASSERT_TRUE(GetTextMetricsA(dc, &tm));
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 11);  // an 8 pt em
    DeleteObject(font);                                 // ignored for a stock object
    EXPECT_EQ(GetObjectA(font, 0, nullptr), int(sizeof(LOGFONTA)));
    DeleteDC(dc);
}

TEST(TextMetrics, CellIsAscentPlusDescentAroundTheEm) {
    Surface s(10, 10, kWhite, CaptionFont());
    const TEXTMETRICA tm = s.Metrics();
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 11);
    EXPECT_GE(tm.tmHeight, 12);
    EXPECT_LE(tm.tmHeight, 15);
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    EXPECT_GT(tm.tmAveCharWidth, 0);
    EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);
}

TEST(TextMetrics, PositiveHeightIsTheCellHeight) {
    LOGFONTA lf = CaptionFont(false);
    lf.lfHeight = 20;
    Surface s(10, 10, kWhite, lf);
    EXPECT_NEAR(s.Metrics().tmHeight, 20, 1);
}

TEST(FaceMatching, CourierNewIsMonospacedAndVerdanaIsNot) {
    Surface mono(10, 10, kWhite, CaptionFont(false, "Courier New"));
    EXPECT_EQ(mono.TextWidth("iiii"), mono.TextWidth("MMMM"));
    EXPECT_EQ(mono.Metrics().tmPitchAndFamily & 1, 0);  // TMPF_FIXED_PITCH clear means fixed pitch
    Surface sans(10, 10, kWhite, CaptionFont(false, "Verdana"));
    EXPECT_LT(sans.TextWidth("iiii"), sans.TextWidth("MMMM"));
    EXPECT_EQ(sans.Metrics().tmPitchAndFamily & 1, 1);
}

// The installed family named for a Windows face draws exactly as the
// Windows name does, in both weights; a face that is installed is itself.
TEST(FaceMatching, InstalledFamilyDrawsAsTheWindowsName) {
    for (const char* windowsName : {"Verdana", "Courier New", "MS Sans Serif"}) {
        const std::string installed = InstalledFamily(windowsName);
        EXPECT_EQ(InstalledFamily(installed), installed);
        for (bool bold : {false, true}) {
            Surface asked(60, 16, kWhite, CaptionFont(bold, windowsName));
            Surface named(60, 16, kWhite, CaptionFont(bold, installed.c_str()));
            TextOutA(asked.dc(), 1, 1, "Converti", 8);
            TextOutA(named.dc(), 1, 1, "Converti", 8);
            EXPECT_TRUE(asked.SamePixels(named))
                << windowsName << " as " << installed << (bold ? " bold" : "");
        }
    }
}

TEST(FaceMatching, BoldIsWiderThanRegular) {
    Surface bold(10, 10, kWhite, CaptionFont(true));
    Surface regular(10, 10, kWhite, CaptionFont(false));
    EXPECT_GT(bold.TextWidth("Converti"), regular.TextWidth("Converti"));
}

TEST(TextExtent, IsTheSumOfTheCharacterWidthsAndTheCellHeight) {
    Surface s(10, 10, kWhite, CaptionFont());
    SIZE size;
    ASSERT_TRUE(GetTextExtentPoint32A(s.dc(), "Converti", 8, &size));
    int sum = 0;
    for (char c : std::string("Converti")) sum += s.TextWidth(std::string(1, c));
    EXPECT_EQ(size.cx, sum);  // GDI text is not kerned
    EXPECT_EQ(size.cy, s.Metrics().tmHeight);
    ASSERT_TRUE(GetTextExtentPoint32A(s.dc(), "", 0, &size));
    EXPECT_EQ(size.cx, 0);
}

TEST(GlyphCache, RepeatedTextRasterisesNothingNew) {
    Surface s(120, 30, kWhite, CaptionFont());
    TextOutA(s.dc(), 2, 2, "Converti", 8);
    gdi::GlyphCache* glyphs = GlyphsOfDC(s.dc());
    const int rasterised = glyphs->Rasterised();
    for (int i = 0; i < 5; ++i) TextOutA(s.dc(), 2, 2, "Converti", 8);
    EXPECT_EQ(glyphs->Rasterised(), rasterised);
    // Another font object of the same face, size and style shares the cache.
    Surface other(10, 10, kWhite, CaptionFont());
    EXPECT_EQ(GlyphsOfDC(other.dc()), glyphs);
    Surface regular(10, 10, kWhite, CaptionFont(false));
    EXPECT_NE(GlyphsOfDC(regular.dc()), glyphs);
}

TEST(Fonts, TenThousandCreateSelectDrawDeleteCyclesLeakNothing) {
    Surface s(60, 20, kWhite, CaptionFont());
    const GdiLiveCounts before = GetGdiLiveCounts();
    for (int i = 0; i < 10000; ++i) {
        LOGFONTA lf = CaptionFont(i % 2 == 0);
        HFONT font = CreateFontIndirectA(&lf);
        HGDIOBJ old = SelectObject(s.dc(), font);
        RECT rect{0, 0, 60, 20};
        DrawTextA(s.dc(), "Ok", -1, &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        SelectObject(s.dc(), old);
        DeleteObject(font);
    }
    EXPECT_EQ(GetGdiLiveCounts(), before);
}

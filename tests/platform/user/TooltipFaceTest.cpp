// The tip's face, pixel by pixel: plain and balloon, with and without a
// title and icon, default and custom colours, '&' with and without
// TTS_NOPREFIX. The expected face is drawn here from the geometry the
// control is documented to have (margins, stem, corners, title row) with
// the GDI's own calls, and compared with the tooltip's surface.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/Font.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiScoped.h"
#include "platform/gdi/Icons.h"
#include "platform/user/UserExtensions.h"
#include "tests/platform/user/TooltipFixture.h"
#include "tests/support/Surface.h"

using namespace win32;

namespace corvalmire::test {
namespace {

constexpr COLORREF kInfoBk = RGB(255, 255, 225);
constexpr COLORREF kBlack = RGB(0, 0, 0);

struct Case {
    const char* name;
    DWORD style;
    std::string text;
    std::string title;
    WPARAM icon = TTI_NONE;
    std::optional<COLORREF> back = {}, fore = {};
    POINT ownerAt = TooltipFixture::kOwnerAt;
    POINT pointer = {10, 10};  // on the owner
};

// Where and how the tip should look, worked out from its documented layout.
struct Expected {
    RECT window{};
    RECT body{};
    POINT stem[3]{};
    bool balloon = false;
    POINT content{};  // title row, or text
    int rowHeight = 0;
    SIZE text{}, title{};
};

HFONT TipFont(bool bold) {
    return CreateFontA(FontHeightFromPoints(8), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET,
                       0, 0, 0, 0, "Tahoma");
}

UINT TextFlags(const Case& c) { return DT_EXTERNALLEADING | ((c.style & TTS_NOPREFIX) ? DT_NOPREFIX : 0u); }

SIZE Extent(const std::string& text, bool bold, UINT flags) {
    if (text.empty()) return {};
    ScopedMemoryDC dc;
    ScopedFont font(TipFont(bold));
    ScopedSelect select(dc.Get(), font.Get());
    RECT r{};
    DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r, flags | DT_CALCRECT);
    return {r.right, r.bottom};
}

Expected Work(const Case& c) {
    Expected e;
    e.balloon = (c.style & TTS_BALLOON) != 0;
    e.text = Extent(c.text, false, TextFlags(c));
    e.title = Extent(c.title, true, DT_SINGLELINE | DT_NOPREFIX);
    const bool row = !c.title.empty() || c.icon != TTI_NONE;
    const LONG iconWidth = c.icon != TTI_NONE ? 16 : 0;
    const LONG rowWidth = iconWidth + (iconWidth && e.title.cx ? 8 : 0) + e.title.cx;
    e.rowHeight = row ? std::max(iconWidth, e.title.cy) : 0;
    const LONG cw = std::max(e.text.cx, rowWidth);
    const LONG ch = e.text.cy + (row ? e.rowHeight + 8 : 0);
    const POINT p{c.ownerAt.x + c.pointer.x, c.ownerAt.y + c.pointer.y};
    const RECT& work = TooltipFixture::kWorkArea;
    if (!e.balloon) {
        const int margin = row ? 10 : 2;
        const LONG w = cw + 2 * margin + 2, h = ch + 2 * margin + 2;
        const LONG left = std::max(work.left, std::min(p.x, work.right - w));
        e.window = {left, p.y + 20, left + w, p.y + 20 + h};
        e.body = {0, 0, w, h};
        e.content = {1 + margin, 1 + margin};
        return e;
    }
    const LONG w = cw + 20, h = ch + 20 + 13;
    const LONG left = std::max(work.left, std::min(p.x - 20, work.right - w));
    const bool above = p.y - h >= work.top;
    e.window = {left, above ? p.y - h : p.y, left + w, (above ? p.y - h : p.y) + h};
    const LONG tip = p.x - left;
    LONG base = std::max<LONG>(20, tip - 5);
    if (base + 10 > w - 20) base = w - 30;
    if (above) {
        e.body = {0, 0, w, h - 13};
        e.stem[0] = {base, h - 13}, e.stem[1] = {base + 10, h - 13}, e.stem[2] = {tip, h};
    } else {
        e.body = {0, 13, w, h};
        e.stem[0] = {tip, 0}, e.stem[1] = {base + 10, 13}, e.stem[2] = {base, 13};
    }
    e.content = {10, e.body.top + 10};
    return e;
}

// The balloon: a round-cornered body (one pixel larger, since the region
// leaves out its last row and column) and the stem.
HRGN BalloonRegion(const Expected& e) {
    HRGN body = CreateRoundRectRgn(e.body.left, e.body.top, e.body.right + 1, e.body.bottom + 1, 20, 20);
    ScopedRegion stem(CreatePolygonRgn(e.stem, 3, ALTERNATE));
    CombineRgn(body, body, stem.Get(), RGN_OR);
    return body;
}

// The expected face, with everything but the icon.
void DrawExpected(HDC dc, const Case& c, const Expected& e) {
    const COLORREF back = c.back.value_or(kInfoBk);
    ScopedBrush fill(back), frame(kBlack);
    if (e.balloon) {
        ScopedRegion region(BalloonRegion(e));
        FillRgn(dc, region.Get(), fill.Get());
        FrameRgn(dc, region.Get(), frame.Get(), 1, 1);
    } else {
        FillRect(dc, &e.body, fill.Get());
        FrameRect(dc, &e.body, frame.Get());
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, c.fore.value_or(kBlack));
    LONG y = e.content.y;
    if (e.rowHeight) {
        const LONG x = e.content.x + (c.icon != TTI_NONE ? 24 : 0);
        ScopedFont bold(TipFont(true));
        ScopedSelect select(dc, bold.Get());
        RECT r{x, y, x + e.title.cx, y + e.rowHeight};
        DrawTextA(dc, c.title.c_str(), static_cast<int>(c.title.size()), &r,
                  DT_SINGLELINE | DT_NOPREFIX | DT_BOTTOM);
        y += e.rowHeight + 8;
    }
    ScopedFont font(TipFont(false));
    ScopedSelect select(dc, font.Get());
    RECT r{e.content.x, y, e.content.x + e.text.cx, y + e.text.cy};
    DrawTextA(dc, c.text.c_str(), static_cast<int>(c.text.size()), &r, TextFlags(c));
}

class TooltipFaceTest : public TooltipFixture {
protected:
    HWND Show(const Case& c) {
        MoveWindow(owner(), c.ownerAt.x, c.ownerAt.y, 80, 30, TRUE);
        const HWND tip = MakeTooltip(c.style);
        AddTool(tip, c.text.c_str());
        if (!c.title.empty() || c.icon != TTI_NONE)
            SendMessageA(tip, TTM_SETTITLEA, c.icon, reinterpret_cast<LPARAM>(c.title.c_str()));
        if (c.back) SendMessageA(tip, TTM_SETTIPBKCOLOR, *c.back, 0);
        if (c.fore) SendMessageA(tip, TTM_SETTIPTEXTCOLOR, *c.fore, 0);
        SetCursorPos(c.ownerAt.x + c.pointer.x, c.ownerAt.y + c.pointer.y);
        SendMessageA(owner(), WM_MOUSEMOVE, 0, MAKELPARAM(c.pointer.x, c.pointer.y));
        Wait(500);
        return tip;
    }
};

std::string Hex(COLORREF colour) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", colour);
    return text;
}

// Every pixel of the tip's shape but the icon's square, against the
// expected face; the first difference is reported.
::testing::AssertionResult FaceMatches(HWND tip, const Case& c, const Expected& e) {
    const LONG w = e.window.right - e.window.left, h = e.window.bottom - e.window.top;
    Surface expected(w, h);
    DrawExpected(expected.dc(), c, e);
    ScopedRegion shape(e.balloon ? BalloonRegion(e) : CreateRectRgn(0, 0, w, h));
    const HDC surface = GetTooltipSurface(tip);
    const RECT icon{e.content.x, e.content.y + e.rowHeight - 16, e.content.x + 16, e.content.y + e.rowHeight};
    for (LONG y = 0; y < h; ++y) {
        for (LONG x = 0; x < w; ++x) {
            if (!PtInRegion(shape.Get(), x, y) || (c.icon != TTI_NONE && PtInRect(&icon, {x, y}))) continue;
            const COLORREF want = expected.At(x, y), got = GetPixel(surface, x, y);
            if (want != got)
                return ::testing::AssertionFailure() << "first difference at " << x << "," << y
                                                     << ": expected " << Hex(want) << ", got " << Hex(got);
        }
    }
    return ::testing::AssertionSuccess();
}

TEST_F(TooltipFaceTest, PlainAndBalloonFaces) {
    constexpr DWORD kPlain = TTS_ALWAYSTIP | TTS_NOPREFIX;
    constexpr DWORD kBalloon = kPlain | TTS_BALLOON;
    const std::vector<Case> cases = {
        {"plain, system colours", kPlain, "Apri file da convertire", ""},
        {"plain with a title and the warning icon: the balloon's margins", kPlain, "Avvia", "Titolo",
         TTI_WARNING},
        {"plain, custom colours", kPlain, "Esci", "", TTI_NONE, RGB(10, 20, 30), RGB(255, 200, 0)},
        {"several '&' left as they are", kPlain, "Salva && Esci & Chiudi", ""},
        {"without TTS_NOPREFIX '&' marks the next letter", TTS_ALWAYSTIP, "Salva && Esci & Chiudi", ""},
        {"two lines", kPlain, "Apri\nfile", ""},
        {"balloon above the pointer, the information icon alone", kBalloon, "Apri file da convertire", "",
         TTI_INFO},
        {"balloon, custom colours, title without icon", kBalloon, "Esci", "Chiudi", TTI_NONE, RGB(0, 0, 128),
         RGB(255, 255, 255)},
        {"balloon below the pointer near the top", kBalloon, "Apri", "", TTI_NONE, {}, {}, {100, 5}, {10, 5}},
        {"balloon pushed left at the right edge, error icon and title",
         kBalloon,
         "Errore grave",
         "Attenzione",
         TTI_ERROR,
         {},
         {},
         {940, 300},
         {75, 10}},
        {"plain pushed left at the right edge",
         kPlain,
         "Apri file da convertire",
         "",
         TTI_NONE,
         {},
         {},
         {940, 300},
         {75, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Expected e = Work(c);
        const HWND tip = Show(c);
        ASSERT_TRUE(IsWindowVisible(tip));
        EXPECT_EQ(WindowRectOf(tip), e.window);
        ScopedRegion region(CreateRectRgn(0, 0, 0, 0));
        if (e.balloon) {
            ASSERT_NE(GetWindowRgn(tip, region.Get()), ERROR);
            ScopedRegion expected(BalloonRegion(e));
            EXPECT_TRUE(EqualRgn(region.Get(), expected.Get()));
            EXPECT_FALSE(PtInRegion(region.Get(), 0, e.body.top)) << "the corners are cut";
        } else {
            EXPECT_EQ(GetWindowRgn(tip, region.Get()), ERROR) << "a plain tip is rectangular";
        }
        EXPECT_TRUE(FaceMatches(tip, c, e));
        DestroyWindow(tip);
    }
}

// A plain tip goes above the pointer only once it would cross the work
// area's bottom edge: first where it just fits, then a pixel lower.
TEST_F(TooltipFaceTest, PlainTipFlipsAboveOnlyPastTheBottomEdge) {
    const LONG h = Extent("Apri", false, DT_EXTERNALLEADING | DT_NOPREFIX).cy + 2 * 2 + 2;
    const LONG fits = TooltipFixture::kWorkArea.bottom - 20 - h;  // the pointer's screen row
    const struct { LONG pointerY, top; } rows[] = {{fits, fits + 20}, {fits + 1, fits + 1 - h}};
    for (const auto& row : rows) {
        Case c{"plain near the bottom", TTS_ALWAYSTIP | TTS_NOPREFIX, "Apri", ""};
        c.ownerAt = {100, row.pointerY - c.pointer.y};
        const HWND tip = Show(c);
        const RECT window = WindowRectOf(tip);
        EXPECT_EQ(window.left, 110) << row.pointerY;
        EXPECT_EQ(window.top, row.top) << row.pointerY;
        EXPECT_EQ(window.bottom, row.top + h) << row.pointerY;
        DestroyWindow(tip);
    }
}

// Pixels worked out by hand from the layout, for tips wide enough that
// the stem keeps its place: the frame, the body, the cut corners, the stem
// (its tip in the window's column 20, at the pointer), where it opens into
// the body, and the information icon 10 pixels in (11 in a plain tip).
// Negative coordinates count from the right or the bottom.
TEST_F(TooltipFaceTest, PixelsWorkedOutByHand) {
    constexpr COLORREF kOut = 0xFFFFFFFF;  // not in the window's shape
    constexpr COLORREF kDisc = RGB(0x3C, 0x78, 0xDC);
    constexpr COLORREF kBack = RGB(10, 20, 30);
    constexpr DWORD kPlain = TTS_ALWAYSTIP | TTS_NOPREFIX;
    constexpr DWORD kBalloon = kPlain | TTS_BALLOON;
    const std::string text = "Apri file da convertire";
    struct Pixel {
        LONG x, y;
        COLORREF colour;
    };
    struct Row {
        Case c;
        POINT corner;  // the window's top-left, or its bottom-left
        bool bottomLeft;
        std::vector<Pixel> pixels;
    };
    const std::vector<Row> rows = {
        {{"plain", kPlain, text, ""},
         {110, 130},
         false,
         {{0, 0, kBlack},
          {-1, 0, kBlack},
          {0, -1, kBlack},
          {-1, -1, kBlack},
          {1, 1, kInfoBk},
          {2, 2, kInfoBk},
          {-2, -2, kInfoBk}}},
        {{"plain, custom background", kPlain, text, "", TTI_NONE, kBack},
         {110, 130},
         false,
         {{0, 0, kBlack}, {1, 1, kBack}, {-2, -2, kBack}}},
        {{"plain with the icon", kPlain, text, "", TTI_INFO},
         {110, 130},
         false,
         {{0, 0, kBlack}, {1, 1, kInfoBk}, {11, 11, kInfoBk}, {14, 19, kDisc}}},
        {{"balloon above", kBalloon, text, "", TTI_INFO},
         {90, 110},
         true,
         {{0, 0, kOut},      {-1, 0, kOut},     {0, -14, kOut},     {-1, -14, kOut},   {60, 0, kBlack},
          {60, 1, kInfoBk},  {0, 25, kBlack},   {1, 25, kInfoBk},   {-1, 25, kBlack},  {-2, 25, kInfoBk},
          {10, 10, kInfoBk}, {13, 18, kDisc},   {20, -1, kBlack},   {19, -1, kOut},    {21, -1, kOut},
          {20, -8, kBlack},  {22, -8, kInfoBk}, {25, -14, kInfoBk}, {35, -14, kBlack}, {35, -13, kOut}}},
        {{"balloon below, custom background", kBalloon, text, "", TTI_NONE, kBack, {}, {100, 5}, {10, 5}},
         {90, 10},
         false,
         {{20, 0, kOut},
          {19, 1, kOut},
          {20, 1, kBlack},
          {21, 1, kOut},
          {0, 13, kOut},
          {-1, -1, kOut},
          {60, 13, kBlack},
          {60, 14, kBack},
          {25, 13, kBack},
          {35, 13, kBlack},
          {35, 12, kOut},
          {0, 30, kBlack},
          {1, 30, kBack}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.c.name);
        const HWND tip = Show(row.c);
        ASSERT_TRUE(IsWindowVisible(tip));
        const RECT window = WindowRectOf(tip);
        EXPECT_EQ(window.left, row.corner.x);
        EXPECT_EQ(row.bottomLeft ? window.bottom : window.top, row.corner.y);
        const LONG w = window.right - window.left, h = window.bottom - window.top;
        ScopedRegion shape(CreateRectRgn(0, 0, w, h));
        GetWindowRgn(tip, shape.Get());
        for (const Pixel& p : row.pixels) {
            const LONG x = p.x < 0 ? w + p.x : p.x, y = p.y < 0 ? h + p.y : p.y;
            const COLORREF got =
                PtInRegion(shape.Get(), x, y) ? GetPixel(GetTooltipSurface(tip), x, y) : kOut;
            EXPECT_EQ(Hex(got), Hex(p.colour)) << "at " << p.x << "," << p.y;
        }
        DestroyWindow(tip);
    }
}

// Three pixels of each icon: its mark, its body and a corner, where the
// background shows through.
TEST_F(TooltipFaceTest, TheTitleIcons) {
    struct Row {
        WPARAM icon;
        POINT mark;
        COLORREF markColour;
        POINT body;
        COLORREF bodyColour;
    };
    const std::vector<Row> rows = {
        {TTI_INFO, {7, 8}, RGB(255, 255, 255), {3, 8}, RGB(0x3C, 0x78, 0xDC)},
        {TTI_WARNING, {7, 5}, RGB(0, 0, 0), {5, 13}, RGB(255, 210, 0)},
        {TTI_ERROR, {7, 7}, RGB(255, 255, 255), {2, 7}, RGB(0xDC, 0x28, 0x28)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.icon);
        const Case c{"", TTS_BALLOON, "Apri", "", row.icon};
        const Expected e = Work(c);
        const HDC surface = GetTooltipSurface(Show(c));
        const POINT at{e.content.x, e.content.y + e.rowHeight - 16};
        EXPECT_EQ(GetPixel(surface, at.x + row.mark.x, at.y + row.mark.y), row.markColour);
        EXPECT_EQ(GetPixel(surface, at.x + row.body.x, at.y + row.body.y), row.bodyColour);
        EXPECT_EQ(GetPixel(surface, at.x, at.y), kInfoBk);
        DestroyWindow(tooltip());
    }
}

// Any other icon value is an icon handle: the tooltip draws its own copy,
// so the caller may destroy the icon at once.
TEST_F(TooltipFaceTest, AnIconHandleIsCopied) {
    constexpr COLORREF kGreen = RGB(0, 160, 0);
    ScopedMemoryDC dc;
    ScopedBitmap mask(CreateCompatibleBitmap(dc.Get(), 16, 16)),
        colour(CreateCompatibleBitmap(dc.Get(), 16, 16));
    {
        ScopedSelect select(dc.Get(), mask.Get());
        PatBlt(dc.Get(), 0, 0, 16, 16, BLACKNESS);
        SetPixelV(dc.Get(), 0, 0, RGB(255, 255, 255));  // one transparent corner
    }
    {
        ScopedBrush green(kGreen);
        ScopedSelect select(dc.Get(), colour.Get());
        const RECT all{0, 0, 16, 16};
        FillRect(dc.Get(), &all, green.Get());
        SetPixelV(dc.Get(), 0, 0, kBlack);
    }
    ICONINFO info;
    info.hbmMask = mask.Get();
    info.hbmColor = colour.Get();
    const HICON icon = CreateIconIndirect(&info);
    Case c{"", TTS_BALLOON, "Apri", "Titolo", reinterpret_cast<WPARAM>(icon)};
    const Expected e = Work(c);
    MoveWindow(owner(), c.ownerAt.x, c.ownerAt.y, 80, 30, TRUE);
    const HWND tip = MakeTooltip(c.style);
    AddTool(tip, c.text.c_str());
    SendMessageA(tip, TTM_SETTITLEA, c.icon, reinterpret_cast<LPARAM>(c.title.c_str()));
    DestroyIcon(icon);
    MoveOnto(c.pointer);
    Wait(500);
    const HDC surface = GetTooltipSurface(tip);
    const POINT at{e.content.x, e.content.y + e.rowHeight - 16};
    EXPECT_EQ(GetPixel(surface, at.x, at.y), kInfoBk);
    EXPECT_EQ(GetPixel(surface, at.x + 1, at.y), kGreen);
    EXPECT_EQ(GetPixel(surface, at.x + 15, at.y + 15), kGreen);
    EXPECT_TRUE(FaceMatches(tip, c, e));
}

// Titles are cut to 100 characters: a longer one makes the tip no wider.
TEST_F(TooltipFaceTest, LongTitlesAreCut) {
    const std::string hundred(100, 'W');
    Case c{"", TTS_NOPREFIX, "x", hundred + "WWW"};
    const HWND tip = Show(c);
    c.title = hundred;
    EXPECT_EQ(WindowRectOf(tip), Work(c).window);
}

}  // namespace
}  // namespace corvalmire::test

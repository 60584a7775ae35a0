// The control's About box, driven by the real window messages: the style
// About gives it, its painted face worked out from the layout, the pressed
// Close button, hiding on a click; Version and OpenLink.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "control/raReruri.h"
#include "control/raReruriAboutBox.h"
#include "host/PropertyBag.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/GdiScoped.h"
#include "platform/gdi/SysColors.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"
#include "tests/control/render/SurfaceCompare.h"
#include "tests/platform/shell/StandInOpener.h"

namespace control {
namespace {

using namespace win32;
using corvalmire::test::Hex;
using corvalmire::test::Surface;

constexpr COLORREF kFace = RGB(212, 208, 200);  // the classic button face
constexpr COLORREF kShadow = RGB(128, 128, 128);
constexpr DWORD kFloating = 0xC60000;  // caption, sizing border, minimise box

std::shared_ptr<raReruri> NewControl() {
    host::ControlSite site;
    site.name = "cmdAbout";
    auto c = raReruri::Create(site);
    c->InitNew();
    return c;
}

std::shared_ptr<raReruri> LoadedControl() {
    host::ControlSite site;
    site.name = "cmdAbout";
    auto c = raReruri::Create(site);
    c->Load(host::PropertyBag{});
    return c;
}

HWND Box(const raReruri& c) { return c.AboutBox().hWnd(); }

std::string Title(HWND hwnd) {
    char text[64] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

void Press(HWND hwnd, UINT down, UINT up, int x, int y) {
    SendMessageA(hwnd, down, 0, MAKELPARAM(x, y));
    if (up) SendMessageA(hwnd, up, 0, MAKELPARAM(x, y));
}

class AboutBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearMessageQueue();
        windows_ = GetLiveWindowCount();
        gdi_ = GetGdiLiveCounts();
    }
    void TearDown() override {
        ClearMessageQueue();
        EXPECT_EQ(GetLiveWindowCount(), windows_);
        EXPECT_EQ(GetGdiLiveCounts(), gdi_);
    }
    int windows_ = 0;
    GdiLiveCounts gdi_{};
};

TEST_F(AboutBoxTest, AboutFloatsTheBoxWithTheSameStyleEveryTime) {
    struct Row {
        const char* instance;
        std::function<std::shared_ptr<raReruri>()> make;
        DWORD saved;  // what the new instance saved; a loaded one saves nothing
    };
    const Row rows[] = {
        {"new", NewControl, WS_CHILD | WS_CLIPSIBLINGS},
        {"loaded", LoadedControl, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.instance);
        auto c = row.make();
        EXPECT_EQ(static_cast<DWORD>(c->AboutStyle()), row.saved);
        EXPECT_FALSE(c->AboutBox().Visible());
        EXPECT_EQ(GetParent(Box(*c)), c->UserControl().hWnd()) << "a hidden child until About";
        for (int call = 1; call <= 2; ++call) {
            SCOPED_TRACE(call);
            c->About();
            EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(Box(*c), GWL_STYLE)),
                      (row.saved + kFloating) | WS_VISIBLE);
            EXPECT_TRUE(GetWindowLongA(Box(*c), GWL_EXSTYLE) & WS_EX_TOPMOST);
            EXPECT_EQ(GetParent(Box(*c)), nullptr);
            EXPECT_EQ(Title(Box(*c)), "About raReruri 3.7.0");
            RECT rect;
            GetWindowRect(Box(*c), &rect);
            EXPECT_EQ(rect, (RECT{0, 0, about::kBoxWidth, about::kBoxHeight}));
        }
    }
}

TEST_F(AboutBoxTest, AClickAnywhereWithAnyButtonHidesTheBox) {
    struct Row {
        UINT down, up;
        int x, y;
    };
    const Row rows[] = {
        {WM_LBUTTONDOWN, WM_LBUTTONUP, 325, 93},  // on Close
        {WM_LBUTTONDOWN, WM_LBUTTONUP, 5, 5},
        {WM_RBUTTONDOWN, WM_RBUTTONUP, 100, 50},
    };
    auto c = NewControl();
    for (const Row& row : rows) {
        c->About();
        Press(Box(*c), row.down, row.up, row.x, row.y);
        EXPECT_FALSE(c->AboutBox().Visible()) << row.x << "," << row.y;
        EXPECT_EQ(GetParent(Box(*c)), nullptr) << "it stays a top-level window";
    }
    c->About();
    Press(Box(*c), WM_LBUTTONDOWN, WM_LBUTTONUP, about::kBoxWidth + 5, 5);
    EXPECT_TRUE(c->AboutBox().Visible()) << "released outside the box: no click";
    RECT client;
    GetClientRect(Box(*c), &client);
    for (const POINT outside : {POINT{client.right, 5}, POINT{5, client.bottom}}) {
        c->About();
        Press(Box(*c), WM_LBUTTONDOWN, WM_LBUTTONUP, outside.x, outside.y);
        EXPECT_TRUE(c->AboutBox().Visible())
            << "the first column or row outside: " << outside.x << "," << outside.y;
    }
}

TEST_F(AboutBoxTest, VersionIsTheSameInEveryState) {
    auto c = NewControl();
    const std::vector<std::pair<const char*, std::function<void()>>> states = {
        {"new", [] {}},
        {"disabled", [&] { c->SetEnabled(false); }},
        {"about shown", [&] { c->About(); }},
        {"pressed in the box", [&] { SendMessageA(Box(*c), WM_LBUTTONDOWN, 0, 0); }},
        {"terminated", [&] { c->UserControl().Terminate(); }},
    };
    for (const auto& [name, reach] : states) {
        reach();
        EXPECT_EQ(c->Version(), "3.7.0") << name;
    }
}

// ---- The face, worked out from the layout ----

// The ramp's colour at step i of `steps`: each channel moves by a
// single-precision increment and is rounded half to even.
COLORREF RampAt(COLORREF from, COLORREF to, int i, int steps) {
    const auto channel = [&](int a, int b) {
        const float step = static_cast<float>(static_cast<double>(b - a) / steps);
        return static_cast<BYTE>(std::nearbyint(a + static_cast<double>(step) * i));
    };
    return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
               channel(GetBValue(from), GetBValue(to)));
}

// The pixels of a straight or 45-degree line from a towards b, end excluded.
std::vector<POINT> LinePixels(POINT a, POINT b) {
    const int dx = (b.x > a.x) - (b.x < a.x), dy = (b.y > a.y) - (b.y < a.y);
    std::vector<POINT> pixels;
    for (POINT p = a; p.x != b.x || p.y != b.y; p.x += dx, p.y += dy) pixels.push_back(p);
    return pixels;
}

struct ExpectedText {
    const char* text;
    double points;
    bool bold, underline;
    COLORREF color;
    int left, top, right, bottom;
    bool centred;
};

// Draws the text where a single centred line lands: its cell's top at the
// rectangle's centre, (top + bottom) / 2, less half the line height.
void DrawExpected(Surface& s, const ExpectedText& t) {
    const ScopedFont font(CreateFontA(FontHeightFromPoints(t.points), 0, 0, 0, t.bold ? FW_BOLD : FW_NORMAL,
                                      0, t.underline, 0, 0, 0, 0, 0, 0, "Verdana"));
    const ScopedSelect selected(s.dc(), font.Get());
    TEXTMETRICA metrics{};
    GetTextMetricsA(s.dc(), &metrics);
    const int length = static_cast<int>(std::string(t.text).size());
    SIZE extent{};
    GetTextExtentPoint32A(s.dc(), t.text, length, &extent);
    const int x = t.centred ? (t.left + t.right - extent.cx) / 2 : t.left;
    const int y = (t.top + t.bottom) / 2 - metrics.tmHeight / 2;
    SetBkMode(s.dc(), TRANSPARENT);
    SetTextColor(s.dc(), t.color);
    TextOutA(s.dc(), x, y, t.text, length);
}

void DrawExpectedCloseButton(Surface& s, about::CloseLook look) {
    const COLORREF light = RGB(227, 223, 215), dark = RGB(197, 193, 185);  // the face +15 and -15
    const bool raised = look == about::CloseLook::Raised;
    for (int i = 0; i <= 26; ++i) {
        const COLORREF c = RampAt(raised ? light : dark, raised ? dark : light, i, 26);
        for (int x = 290; x < 360; ++x) SetPixelV(s.dc(), x, 80 + i, c);
    }
    const std::pair<POINT, POINT> outline[] = {
        {{292, 80}, {358, 80}},  {{292, 80}, {290, 82}},   {{358, 80}, {360, 82}},   {{290, 82}, {290, 104}},
        {{360, 82}, {360, 106}}, {{290, 104}, {292, 106}}, {{360, 104}, {357, 107}}, {{292, 106}, {358, 106}},
    };
    for (const auto& [a, b] : outline)
        for (POINT p : LinePixels(a, b)) SetPixelV(s.dc(), p.x, p.y, kShadow);
    for (POINT p : std::vector<POINT>{{290, 80},
                                      {291, 80},
                                      {290, 81},
                                      {360, 80},
                                      {359, 80},
                                      {360, 81},
                                      {290, 106},
                                      {291, 106},
                                      {290, 105},
                                      {360, 106},
                                      {359, 106},
                                      {360, 105}})
        SetPixelV(s.dc(), p.x, p.y, kFace);
    DrawExpected(s, {"Close", 8, false, true, RGB(0, 0, 255), 290, 80, 360, 106, true});
}

void DrawExpectedFace(Surface& s) {
    const COLORREF text = RGB(0, 0, 0);
    DrawExpected(s, {"raReruri", 18, false, false, text, 20, 10, 220, 40, false});
    DrawExpected(s, {"Version 3.7.0", 10, false, false, text, 160, 70, 300, 20, false});
    DrawExpected(s, {about::kCreditLine, 10, true, false, text, 20, 110, 250, 20, false});
    DrawExpected(s, {about::kWebAddress, 10, false, false, text, 20, 140, 250, 20, false});
    DrawExpectedCloseButton(s, about::CloseLook::Raised);
}

TEST_F(AboutBoxTest, TheFaceIsPaintedWhereTheLayoutPutsIt) {
    auto c = NewControl();
    c->About();
    PumpPendingMessages();  // the box's first paint
    const HDC dc = c->AboutBox().hDC();
    // A few pixels read off the layout: the face at a rounded corner, the
    // outline, the ramp's first and next-to-last rows, the side.
    EXPECT_EQ(Hex(GetPixel(dc, 290, 80)), Hex(kFace));
    EXPECT_EQ(Hex(GetPixel(dc, 292, 80)), Hex(kShadow));
    EXPECT_EQ(Hex(GetPixel(dc, 295, 81)), Hex(RGB(226, 222, 214)));
    EXPECT_EQ(Hex(GetPixel(dc, 295, 105)), Hex(RGB(198, 194, 186)));
    EXPECT_EQ(Hex(GetPixel(dc, 360, 90)), Hex(kShadow));
    EXPECT_EQ(Hex(GetPixel(dc, 358, 106)), Hex(kShadow)) << "the longer lower-right bevel";

    Surface expected(about::kBoxWidth, about::kBoxHeight, kFace);
    DrawExpectedFace(expected);
    EXPECT_TRUE(render_test::SameSurface(dc, expected, "about-face"));
}

TEST_F(AboutBoxTest, APressShowsThePressedCloseButton) {
    auto c = NewControl();
    c->About();
    PumpPendingMessages();
    SendMessageA(Box(*c), WM_RBUTTONDOWN, 0, MAKELPARAM(30, 100));
    const HDC dc = c->AboutBox().hDC();
    EXPECT_EQ(Hex(GetPixel(dc, 295, 81)), Hex(RGB(198, 194, 186))) << "darker at the top";
    EXPECT_EQ(Hex(GetPixel(dc, 295, 105)), Hex(RGB(226, 222, 214)));

    Surface expected(about::kBoxWidth, about::kBoxHeight, kFace);
    DrawExpectedFace(expected);
    DrawExpectedCloseButton(expected, about::CloseLook::Pressed);
    EXPECT_TRUE(render_test::SameSurface(dc, expected, "about-pressed"));
}

TEST_F(AboutBoxTest, TheBoxFollowsTheSystemColours) {
    const INT index = COLOR_BTNFACE;
    const COLORREF face = RGB(100, 150, 200);
    SetSysColors(1, &index, &face);
    auto c = LoadedControl();
    c->About();
    PumpPendingMessages();
    EXPECT_EQ(Hex(GetPixel(c->AboutBox().hDC(), 5, 5)), Hex(face));
    EXPECT_EQ(Hex(GetPixel(c->AboutBox().hDC(), 295, 81)),
              Hex(RampAt(RGB(115, 165, 215), RGB(85, 135, 185), 1, 26)));
    c.reset();
    ResetSysColors();
}

TEST_F(AboutBoxTest, TheBoxGoesWithTheControlWhereverItIs) {
    auto floating = NewControl();
    floating->About();
    PumpPendingMessages();
    auto hidden = NewControl();
    floating.reset();
    hidden.reset();
    // TearDown checks that no window and no GDI object is left.
}

// ---- OpenLink ----

TEST(OpenLinkTest, TheLinkReachesTheOpenerAsOneArgument) {
    corvalmire::test::StandInOpener opener;
    opener.Answer(0);
    auto c = NewControl();
    const std::string link = "https://corvalmire.example.org/?q=a b;touch semi $(touch dollar) \"q\" 'a'";
    EXPECT_GT(c->OpenLink(link), 32);
    EXPECT_EQ(opener.Arguments(), std::vector<std::string>{link});
    for (const char* mark : {"semi", "dollar"}) EXPECT_FALSE(opener.InFolder(mark)) << mark;
    opener.Answer(3);
    EXPECT_EQ(c->OpenLink("strange:thing"), 31) << "SE_ERR_NOASSOC";
}

TEST(OpenLinkTest, NoLinkReturnsTheShellsErrorAndStartsNothing) {
    corvalmire::test::StandInOpener opener;
    opener.Answer(0);
    auto c = NewControl();
    EXPECT_EQ(c->OpenLink(""), 2) << "SE_ERR_FNF";
    EXPECT_FALSE(opener.Ran());
}

}  // namespace
}  // namespace control

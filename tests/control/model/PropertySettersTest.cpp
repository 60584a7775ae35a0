// What assigning a property does: the notification the host gets, the
// layout and repaint that follow, and the special cases.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "control/raReruri.h"
#include "platform/gdi/Font.h"

namespace control {
namespace {

std::shared_ptr<raReruri> MakeControl() {
    host::ControlSite site;
    site.name = "cmdTest";
    site.width = 107 * 15;
    site.height = 27 * 15;
    auto c = raReruri::Create(site);
    c->InitNew();
    return c;
}

TEST(PropertySettersTest, EachAssignmentNotifiesItsOwnName) {
    struct Case {
        const char* expected;
        std::function<void(raReruri&)> assign;
    };
    const std::vector<Case> cases = {
        {"Style", [](raReruri& c) { c.SetStyle(2); }},
        {"Caption", [](raReruri& c) { c.SetCaption("Apri"); }},
        {"Icon", [](raReruri& c) { c.SetIcon(nullptr); }},
        {"IconAlign", [](raReruri& c) { c.SetIconAlign(3); }},
        {"IconSize", [](raReruri& c) { c.SetIconSize(32); }},
        {"CaptionAlign", [](raReruri& c) { c.SetCaptionAlign(1); }},
        {"NonThemeStyle", [](raReruri& c) { c.SetNonThemeStyle(2); }},
        {"Enabled", [](raReruri& c) { c.SetEnabled(false); }},
        {"ShowFocus", [](raReruri& c) { c.SetShowFocus(true); }},
        {"UseCustomColors", [](raReruri& c) { c.SetUseCustomColors(true); }},
        {"BackColor", [](raReruri& c) { c.SetBackColor(1); }},
        {"HighlightColor", [](raReruri& c) { c.SetHighlightColor(1); }},
        {"FontColor", [](raReruri& c) { c.SetFontColor(1); }},
        {"FontHighlightColor", [](raReruri& c) { c.SetFontHighlightColor(1); }},
        {"ToolTipText", [](raReruri& c) { c.SetToolTipText("x"); }},
        {"TooltipTitle", [](raReruri& c) { c.SetToolTipTitle("x"); }},
        {"TooltipIcon", [](raReruri& c) { c.SetToolTipIcon(3); }},
        {"ToolTipType", [](raReruri& c) { c.SetToolTipType(0); }},
        {"ToolTipBackColor", [](raReruri& c) { c.SetToolTipBackColor(1); }},
        {"ToolTipForeColor", [](raReruri& c) { c.SetToolTipForeColor(1); }},
        {"Font", [](raReruri& c) { c.SetFont(host::Font{}); }},
        {"ButtonType", [](raReruri& c) { c.SetButtonType(1); }},
        {"MousePointer", [](raReruri& c) { c.SetMousePointer(2); }},
        {"Value", [](raReruri& c) { c.SetValue(true); }},
        {"MaskColor", [](raReruri& c) { c.SetMaskColor(1); }},
        {"UseMaskColor", [](raReruri& c) { c.SetUseMaskColor(true); }},
        {"RoundedBordersByTheme", [](raReruri& c) { c.SetRoundedBordersByTheme(true); }},
        {"bRTLText", [](raReruri& c) { c.SetRightToLeft(true); }},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.expected);
        auto c = MakeControl();
        std::vector<std::string> names;
        c->UserControl().PropertyChangedNotification.Connect(
            [&](const std::string& n) { names.push_back(n); });
        test.assign(*c);
        EXPECT_EQ(names, std::vector<std::string>{test.expected});
        EXPECT_TRUE(c->UserControl().Dirty());
    }
}

TEST(PropertySettersTest, MousePointerOutsideSixteenBitsIsIgnored) {
    auto c = MakeControl();
    c->SetMousePointer(5);
    int notified = 0;
    c->UserControl().PropertyChangedNotification.Connect([&](const std::string&) { ++notified; });
    c->SetMousePointer(40000);
    c->SetMousePointer(-40000);
    EXPECT_EQ(c->MousePointer(), 5);
    EXPECT_EQ(notified, 0);
    c->SetMousePointer(-32768);
    EXPECT_EQ(c->MousePointer(), -32768);
}

TEST(PropertySettersTest, EnabledResetsTheStateAndTheSurfaceFlag) {
    auto c = MakeControl();
    c->SetEnabled(false);
    EXPECT_FALSE(c->UserControl().Enabled());
    c->SetEnabled(true);
    EXPECT_TRUE(c->UserControl().Enabled());
    EXPECT_EQ(c->CurrentState(), ButtonState::Normal);
}

TEST(PropertySettersTest, CaptionAlignmentPlacesTheCaptionRectangle) {
    auto c = MakeControl();  // 107 x 27
    c->SetCaption("Apri");
    win32::RECT m{4, 4, 103, 23};
    win32::DrawTextA(c->UserControl().hDC(), "Apri", 4, &m, win32::DT_CALCRECT | win32::DT_WORDBREAK);
    const auto half = [](double v) { return static_cast<win32::LONG>(std::nearbyint(v)); };
    struct Case {
        int align;
        win32::RECT rect;
        int format;
    };
    const int margin = 3;  // what the last repaint left
    const std::vector<Case> cases = {
        {0,
         {half((107.0 - m.right - 4) / 2), half((27.0 - m.bottom - 4) / 2 + 3),
          half((107.0 + m.right - 4) / 2), half((27.0 + m.bottom - 4) / 2)},
         0x15},
        {1,
         {margin, half((27.0 - m.bottom - 4) / 2 + 3), m.right + margin, half((27.0 + m.bottom - 4) / 2)},
         0x14},
        {2,
         {107 - m.right - 4 - margin, half((27.0 - m.bottom - 4) / 2 + 3), 107 - 4 - margin,
          half((27.0 + m.bottom - 4) / 2)},
         0x16},
        {3,
         {half((107.0 - m.right - 4) / 2), half(margin / 2.0), half((107.0 + m.right - 4) / 2),
          half(margin / 2.0 + m.bottom - 4)},
         0x11},
        {4,
         {half((107.0 - m.right - 4) / 2), half(27.0 - (m.bottom - 4) - margin / 2.0),
          half((107.0 + m.right - 4) / 2), half(27.0 - margin / 2.0)},
         0x19},
        {9, {4, 4, 103, 23}, 0x19},  // other values keep the default rectangle and the last format
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.align);
        c->SetCaptionAlign(test.align);
        EXPECT_EQ(c->CaptionRect(), test.rect);
        EXPECT_EQ(c->CaptionFormat(), test.format);
    }
}

TEST(PropertySettersTest, RightToLeftBitIsOnlyEverAddedByTheLayout) {
    auto c = MakeControl();
    c->SetCaptionAlign(9);
    c->SetRightToLeft(true);
    EXPECT_EQ(c->CaptionFormat(), 17);  // no layout yet
    c->SetCaption("x");
    EXPECT_EQ(c->CaptionFormat(), 17 | 0x20000);
    c->SetRightToLeft(false);
    c->SetCaption("y");
    EXPECT_EQ(c->CaptionFormat(), 17 | 0x20000);
}

TEST(PropertySettersTest, VersionIsFixed) {
    auto c = MakeControl();
    EXPECT_EQ(c->Version(), "3.7.0");
    c->SetEnabled(false);
    EXPECT_EQ(c->Version(), "3.7.0");
}

TEST(PropertySettersTest, OpenLinkWithNoLinkReturnsTheShellsErrorAndOpensNothing) {
    auto c = MakeControl();
    EXPECT_EQ(c->OpenLink(""), 2);  // SE_ERR_FNF: no more than 32 means failure
}

}  // namespace
}  // namespace control

// What assigning a property does: the notification the host gets, the
// layout and repaint that follow, and the special cases.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "control/raReruri.h"

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
        c->UserControl().PropertyChangedNotification.Connect([&](const std::string& n) { names.push_back(n); });
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
    auto c = MakeControl();
    c->SetCaption("");
    // An empty caption measures 0 x 0, C = (4, 4, 4, 4), in a 107 x 27
    // surface: left round(49.5) = 50, top round(12.5) = 12, ties to even.
    EXPECT_EQ(c->CaptionRect(), (win32::RECT{50, 12, 54, 14}));
    EXPECT_EQ(c->CaptionFormat(), 0x15);
    c->SetCaptionAlign(9);
    EXPECT_EQ(c->CaptionRect(), (win32::RECT{4, 4, 103, 23}));
    EXPECT_EQ(c->CaptionFormat(), 0x15);
    // The right-to-left bit is only ever added by the layout.
    c->SetRightToLeft(true);
    c->SetRightToLeft(false);
    c->SetCaption("");
    EXPECT_EQ(c->CaptionFormat(), 0x15 | 0x20000);
}

TEST(PropertySettersTest, VersionIsFixed) {
    auto c = MakeControl();
    EXPECT_EQ(c->Version(), "3.7.0");
    c->SetEnabled(false);
    EXPECT_EQ(c->Version(), "3.7.0");
}

}  // namespace
}  // namespace control

// The showcase without a display: its buttons, its switches and the About
// button, driven by the real window messages.
#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/SysColors.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"
#include "tools/showcase/Showcase.h"

namespace showcase {
namespace {

using control::raReruri;
using namespace win32;

// A left click in the middle of the button, the pointer coming from outside.
void ClickOn(raReruri& button) {
    const HWND hwnd = button.UserControl().hWnd();
    ShowWindow(hwnd, SW_SHOW);
    RECT rect;
    GetWindowRect(hwnd, &rect);
    const POINT centre{(rect.right - rect.left) / 2, (rect.bottom - rect.top) / 2};
    NotifyPointerMoved({rect.left + centre.x, rect.top + centre.y});
    const LPARAM at = MAKELPARAM(centre.x, centre.y);
    SendMessageA(hwnd, WM_MOUSEMOVE, 0, at);
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(hwnd, WM_LBUTTONUP, 0, at);
    NotifyPointerMoved({-100, -100});
    PumpPendingMessages();
}

class ShowcaseTest : public ::testing::Test {
protected:
    void SetUp() override { ClearMessageQueue(); }
    void TearDown() override { ClearMessageQueue(); }
    Showcase showcase_;
};

TEST_F(ShowcaseTest, EveryStyleHasItsButtonWithIconAndTooltip) {
    for (int style = 0; style < Showcase::kStyleCount; ++style) {
        SCOPED_TRACE(style);
        raReruri& button = showcase_.StyleButton(style);
        EXPECT_EQ(button.Style(), style);
        EXPECT_EQ(button.Caption(), "Stile " + std::to_string(style));
        EXPECT_NE(button.Icon(), nullptr);
        EXPECT_FALSE(button.ToolTipText().empty());
        EXPECT_FALSE(button.ToolTipTitle().empty());
        EXPECT_EQ(button.ToolTipText(), button.UserControl().Extender().ToolTipText());
    }
}

TEST_F(ShowcaseTest, AboutOpensTheBoxOfTheStyleButtonFocusedLast) {
    ClickOn(showcase_.AboutButton());
    EXPECT_TRUE(showcase_.StyleButton(0).AboutBox().Visible()) << "none focused yet: the first";
    ShowWindow(showcase_.StyleButton(0).AboutBox().hWnd(), SW_HIDE);

    SetFocus(showcase_.StyleButton(7).UserControl().hWnd());
    SetFocus(showcase_.Switch("swCustom").UserControl().hWnd());
    ClickOn(showcase_.AboutButton());
    for (int style = 0; style < Showcase::kStyleCount; ++style)
        EXPECT_EQ(showcase_.StyleButton(style).AboutBox().Visible(), style == 7) << style;
}

TEST_F(ShowcaseTest, SwitchesChangeEveryStyleButtonAndSayWhatTheyWillDoNext) {
    struct Row {
        const char* name;
        const char* on;
        const char* off;
        bool (*changed)(const raReruri&);
    };
    const Row rows[] = {
        {"swDisabled", "Riattiva", "Disattiva", [](const raReruri& b) { return !b.UserControl().Enabled(); }},
        {"swToggle", "Modo pulsante", "Modo interruttore",
         [](const raReruri& b) { return b.ButtonType() == 1; }},
        {"swCustom", "Colori di sistema", "Colori propri",
         [](const raReruri& b) { return b.UseCustomColors(); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        raReruri& sw = showcase_.Switch(row.name);
        for (const bool on : {true, false}) {
            ClickOn(sw);
            EXPECT_EQ(sw.Caption(), on ? row.on : row.off);
            for (int style = 0; style < Showcase::kStyleCount; ++style)
                EXPECT_EQ(row.changed(showcase_.StyleButton(style)), on) << style;
        }
    }
    const DWORD classic = GetSysColor(COLOR_BTNFACE);
    ClickOn(showcase_.Switch("swScheme"));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(196, 212, 228));
    ClickOn(showcase_.Switch("swScheme"));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), classic);
}

// A button the toggle mode left held down comes up when the mode ends.
TEST_F(ShowcaseTest, LeavingTheToggleModeReleasesTheHeldButtons) {
    raReruri& toggle = showcase_.Switch("swToggle");
    raReruri& held = showcase_.StyleButton(3);
    ClickOn(toggle);
    ClickOn(held);
    ASSERT_TRUE(held.Value());
    ClickOn(toggle);
    EXPECT_FALSE(held.Value());
}

}  // namespace
}  // namespace showcase

// raReruri's interaction state machine, driven by the real window messages
// (and the real pointer-leave tracking) exactly as a pointer and keyboard
// would drive it. The rows of the state table above the input handling are
// walked in StateTableRows.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "control/raReruri.h"
#include "host/PropertyBag.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/ObjectTable.h"
#include "platform/kernel/KernelExtensions.h"
#include "platform/kernel/Modules.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"

namespace control {
namespace {

using namespace win32;

constexpr POINT kInside{10, 10};
constexpr POINT kOutside{500, 500};

// A shown, running button at the screen's top-left, 107 x 27, loaded from
// a bag, with its events counted.
struct Button {
    explicit Button(host::PropertyBag bag = {}, bool userMode = true, const char* name = "cmdTest") {
        host::ControlSite site;
        site.name = name;
        site.width = 107 * 15;
        site.height = 27 * 15;
        site.ambient.UserMode = userMode;
        control = raReruri::Create(site);
        control->Load(bag);
        control->Click.Connect([this] { ++clicks; });
        control->MouseEnter.Connect([this] { ++enters; });
        control->MouseLeave.Connect([this] { ++leaves; });
        ShowWindow(hwnd(), SW_SHOW);
    }
    HWND hwnd() const { return control->UserControl().hWnd(); }

    void Enter() {
        NotifyPointerMoved(kInside);
        SendMessageA(hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(kInside.x, kInside.y));
    }
    // The pointer goes away; the leave message is posted, not yet handled.
    void PointerAway() { NotifyPointerMoved(kOutside); }
    void Leave() {
        PointerAway();
        PumpPendingMessages();
    }
    void Press(UINT msg = WM_LBUTTONDOWN) { SendMessageA(hwnd(), msg, MK_LBUTTON, MAKELPARAM(5, 5)); }
    void Release(UINT msg = WM_LBUTTONUP, POINT at = {5, 5}) {
        SendMessageA(hwnd(), msg, 0, MAKELPARAM(at.x, at.y));
    }
    void Key(UINT msg, WPARAM key) { SendMessageA(hwnd(), msg, key, 0); }

    std::shared_ptr<raReruri> control;
    int clicks = 0, enters = 0, leaves = 0;
};

host::PropertyBag Bag(std::initializer_list<std::pair<const char*, host::PropertyValue>> entries) {
    host::PropertyBag bag;
    for (const auto& [key, value] : entries) bag.WriteProperty(key, value);
    return bag;
}

class InputTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearMessageQueue();
        NotifyPointerMoved(kOutside);
    }
    void TearDown() override {
        RegisterUserExports();
        ClearMessageQueue();
    }
};

// One row of the state table: a starting point, a trigger, the state it
// leads to and the events it raises.
struct Row {
    const char* name;
    std::function<void(Button&)> from;
    std::function<void(Button&)> trigger;
    ButtonState to;
    int clicks, enters, leaves;
};

TEST_F(InputTest, StateTableRows) {
    const auto none = [](Button&) {};
    const auto hot = [](Button& b) { b.Enter(); };
    const auto pressed = [](Button& b) {
        b.Enter();
        b.Press();
    };
    const std::vector<Row> rows = {
        {"properties loaded", none, none, ButtonState::Normal, 0, 0, 0},
        {"Normal, pointer enters", none, hot, ButtonState::Hot, 0, 1, 0},
        {"Hot, pointer leaves", hot, [](Button& b) { b.Leave(); }, ButtonState::Normal, 0, 1, 1},
        {"Pressed, pointer leaves", pressed, [](Button& b) { b.Leave(); }, ButtonState::Normal, 0, 1, 1},
        {"Hot, left press", hot, [](Button& b) { b.Press(); }, ButtonState::Pressed, 0, 1, 0},
        {"Hot, Space down", hot, [](Button& b) { b.Key(WM_KEYDOWN, 32); }, ButtonState::Pressed, 0, 1, 0},
        {"Pressed, left release", pressed, [](Button& b) { b.Release(); }, ButtonState::Hot, 1, 1, 0},
        {"Pressed, left release of an unchecked toggle",
         [](Button& b) {
             b.control->SetButtonType(1);
             b.Enter();
             b.Press();
         },
         [](Button& b) { b.Release(); }, ButtonState::Pressed, 0, 1, 0},
        {"Hot, access key",
         [](Button& b) {
             b.control->UserControl().SetAccessKeys("K");
             b.Enter();
         },
         [](Button& b) { b.Key(WM_SYSKEYDOWN, 'K'); }, ButtonState::Normal, 1, 1, 0},
        {"Pressed, Space up", [](Button& b) { b.Key(WM_KEYDOWN, 32); },
         [](Button& b) { b.Key(WM_KEYUP, 32); }, ButtonState::Normal, 1, 0, 0},
        {"Hot, Tab down", hot, [](Button& b) { b.Key(WM_KEYDOWN, 9); }, ButtonState::Hot, 0, 1, 1},
        {"Hot, right press and release", hot,
         [](Button& b) {
             b.Press(WM_RBUTTONDOWN);
             b.Release(WM_RBUTTONUP);
         },
         ButtonState::Hot, 0, 1, 0},
        {"Hot, Enabled assigned", hot, [](Button& b) { b.control->SetEnabled(true); }, ButtonState::Normal, 0,
         1, 0},
        {"Hot, repaint while disabled", hot, [](Button& b) { b.control->SetEnabled(false); },
         ButtonState::Disabled, 0, 1, 0},
        {"Normal, repaint while designing (style other than 5)", none,
         [](Button& b) {
             b.control->UserControl().SetAmbientUserMode(false);
             b.control->Refresh();
         },
         ButtonState::Hot, 0, 0, 0},
        {"Normal, repaint of a checked toggle", none,
         [](Button& b) {
             b.control->SetButtonType(1);
             b.control->SetValue(true);
         },
         ButtonState::Pressed, 0, 0, 0},
        // The forcing rules run in order, a later one overriding an earlier one.
        {"Checked toggle, repaint while disabled",
         [](Button& b) {
             b.control->SetButtonType(1);
             b.control->SetValue(true);
         },
         [](Button& b) { b.control->SetEnabled(false); }, ButtonState::Disabled, 0, 0, 0},
        {"Checked toggle, repaint while designing",
         [](Button& b) {
             b.control->SetButtonType(1);
             b.control->SetValue(true);
         },
         [](Button& b) {
             b.control->UserControl().SetAmbientUserMode(false);
             b.control->Refresh();
         },
         ButtonState::Pressed, 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Button b;
        row.from(b);
        row.trigger(b);
        EXPECT_EQ(b.control->CurrentState(), row.to);
        EXPECT_EQ(b.clicks, row.clicks);
        EXPECT_EQ(b.enters, row.enters);
        EXPECT_EQ(b.leaves, row.leaves);
        NotifyPointerMoved(kOutside);
        ClearMessageQueue();
    }
}

TEST_F(InputTest, EnterMakesHotAndRaisesMouseEnterOnce) {
    Button b;
    b.Enter();
    SendMessageA(b.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(12, 12));
    EXPECT_EQ(b.control->CurrentState(), ButtonState::Hot);
    EXPECT_TRUE(b.control->MouseInside());
    EXPECT_EQ(b.enters, 1);
}

TEST_F(InputTest, ReleaseAfterTheLeaveMessageRaisesNoClick) {
    Button b;
    b.Enter();
    b.Press();
    b.PointerAway();  // the leave is queued; the release lets it run first
    b.Release(WM_LBUTTONUP, {200, 5});
    EXPECT_EQ(b.clicks, 0);
    EXPECT_EQ(b.leaves, 1);
    EXPECT_FALSE(b.control->MouseInside());
}

TEST_F(InputTest, RightButtonChangesNothingButTheLastButton) {
    Button b;
    b.Enter();
    b.Press(WM_RBUTTONDOWN);
    b.Release(WM_RBUTTONUP);
    EXPECT_EQ(b.control->LastMouseButton(), 2);
    EXPECT_EQ(b.control->CurrentState(), ButtonState::Hot);
    // The double-click handler now does nothing either.
    SendMessageA(b.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(b.control->CurrentState(), ButtonState::Hot);
    EXPECT_EQ(b.clicks, 0);
}

TEST_F(InputTest, DoubleClickPressesAgainAndItsReleaseClicks) {
    Button b;
    b.Enter();
    b.Press();
    b.Release();
    SendMessageA(b.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(b.control->CurrentState(), ButtonState::Pressed);
    b.Release();
    EXPECT_EQ(b.clicks, 2);
}

TEST_F(InputTest, ToggleButtonValueFlipsOnLeftClicksOnly) {
    Button b(Bag({{"ButtonType", host::PropertyValue::Long(1)}}));
    // Space before any left release raises Click but does not toggle.
    b.Key(WM_KEYDOWN, 32);
    b.Key(WM_KEYUP, 32);
    EXPECT_EQ(b.clicks, 1);
    EXPECT_FALSE(b.control->Value());

    b.Enter();
    b.Press();
    b.Release();  // unchecked: no Click; the host click checks it
    EXPECT_TRUE(b.control->Value());
    EXPECT_EQ(b.clicks, 1);
    EXPECT_EQ(b.control->CurrentState(), ButtonState::Pressed);

    b.Press();
    b.Release();  // checked: Click, then unchecked
    EXPECT_FALSE(b.control->Value());
    EXPECT_EQ(b.clicks, 2);
    EXPECT_EQ(b.control->CurrentState(), ButtonState::Hot);

    // Now Space toggles too.
    b.Key(WM_KEYDOWN, 32);
    b.Key(WM_KEYUP, 32);
    EXPECT_TRUE(b.control->Value());
    EXPECT_EQ(b.clicks, 3);
}

TEST_F(InputTest, DisabledButtonStillGetsMouseEnterAndDrawsDisabled) {
    Button b;
    b.control->SetEnabled(false);
    b.Enter();
    EXPECT_EQ(b.enters, 1);
    EXPECT_EQ(b.control->CurrentState(), ButtonState::Disabled);
}

TEST_F(InputTest, AccessKeyClicksAndResetsTheState) {
    Button b;
    b.control->UserControl().SetAccessKeys("A");
    b.Enter();
    b.Key(WM_SYSKEYDOWN, 'A');
    EXPECT_EQ(b.clicks, 1);
    EXPECT_EQ(b.control->LastMouseButton(), 1);
    EXPECT_EQ(b.control->CurrentState(), ButtonState::Normal);
}

TEST_F(InputTest, ArrowKeysMoveTheFocusAlongTheButtons) {
    Button first({}, true, "cmdFirst");
    Button second({}, true, "cmdSecond");
    SetFocus(first.hwnd());
    EXPECT_TRUE(first.control->HasFocus());
    first.Key(WM_KEYDOWN, 39);  // Right
    EXPECT_EQ(GetFocus(), second.hwnd());
    EXPECT_FALSE(first.control->HasFocus());
    EXPECT_TRUE(second.control->HasFocus());
    second.Key(WM_KEYDOWN, 38);  // Up
    EXPECT_EQ(GetFocus(), first.hwnd());
}

TEST_F(InputTest, TrackingFallsBackToComctl32AndWithoutEitherThereIsNoSubclass) {
    {
        RemoveModuleExport("user32", "TrackMouseEvent");
        Button b;
        EXPECT_TRUE(b.control->TrackingAvailable());
        EXPECT_FALSE(b.control->UseUser32Tracking());
        b.Enter();
        b.Leave();
        EXPECT_EQ(b.enters, 1);
        EXPECT_EQ(b.leaves, 1);
    }
    {
        RemoveModuleExport("comctl32", "_TrackMouseEvent");
        Button b;
        EXPECT_FALSE(b.control->TrackingAvailable());
        b.Enter();
        b.Press();
        b.Release();
        EXPECT_EQ(b.enters, 0);
        EXPECT_EQ(b.control->CurrentState(), ButtonState::Hot);  // set by the host click
        EXPECT_EQ(b.clicks, 0);
    }
}

TEST_F(InputTest, DesigningShowsTheHotLookExceptForStyleFiveAndDoesNotSubclass) {
    Button designed(Bag({{"Style", host::PropertyValue::Long(2)}}), false);
    EXPECT_EQ(designed.control->CurrentState(), ButtonState::Hot);
    EXPECT_FALSE(designed.control->TrackingAvailable());
    designed.Enter();
    EXPECT_EQ(designed.enters, 0);
    Button rounded(Bag({{"Style", host::PropertyValue::Long(5)}}), false);
    EXPECT_EQ(rounded.control->CurrentState(), ButtonState::Normal);
}

TEST_F(InputTest, HidingGivesTheContainerItsTooltipBack) {
    Button b(Bag({{"ToolTipText", host::PropertyValue::String("Esci")}}));
    b.control->UserControl().Extender().SetToolTipText("");
    ShowWindow(b.hwnd(), SW_HIDE);
    EXPECT_FALSE(b.control->IsShown());
    EXPECT_EQ(b.control->UserControl().Extender().ToolTipText(), "Esci");
}

TEST_F(InputTest, OwnerMayDropTheButtonInItsClick) {
    const int windows = GetLiveWindowCount();
    auto b = std::make_unique<Button>();
    std::weak_ptr<raReruri> watch = b->control;
    b->control->Click.Connect([&b] { b.reset(); });
    b->Enter();
    const HWND hwnd = b->hwnd();
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpPendingMessages();
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(GetLiveWindowCount(), windows);
}

TEST_F(InputTest, ThousandButtonsLeaveNothingBehind) {
    const GdiLiveCounts gdi = GetGdiLiveCounts();
    const int windows = GetLiveWindowCount();
    const int thunks = GetLiveWindowProcThunkCount();
    for (int i = 0; i < 1000; ++i) {
        Button b;
        b.Enter();
        b.Leave();
    }
    ClearMessageQueue();
    EXPECT_EQ(GetGdiLiveCounts(), gdi);
    EXPECT_EQ(GetLiveWindowCount(), windows);
    EXPECT_EQ(GetLiveWindowProcThunkCount(), thunks);
}

}  // namespace
}  // namespace control

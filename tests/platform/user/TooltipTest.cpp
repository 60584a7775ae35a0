// The tooltip control's behaviour, driven by the real mouse messages of a
// tool's window and the message clock: delays, popping, the tool record,
// and what a tooltip leaves behind.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/user/Tooltips.h"
#include "platform/user/WindowSubclass.h"
#include "tests/platform/user/MessageLog.h"
#include "tests/platform/user/TooltipFixture.h"

using namespace win32;

namespace corvalmire::test {
namespace {

class TooltipTest : public TooltipFixture {};

TEST_F(TooltipTest, TheRecordSizesOfTheseVersions) {
    const HWND tip = MakeTooltip();
    for (const auto& [size, accepted] : std::vector<std::pair<UINT, bool>>{{0, false},
                                                                           {TTTOOLINFOA_V1_SIZE - 1, false},
                                                                           {TTTOOLINFOA_V1_SIZE, true},
                                                                           {TTTOOLINFOA_V2_SIZE, true},
                                                                           {TTTOOLINFOA_V3_SIZE, false}}) {
        EXPECT_EQ(AddTool(tip, "x", TTF_SUBCLASS, size), accepted ? TRUE : FALSE) << size;
    }
    EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
    DestroyWindow(tip);
}

// The tip shows once the pointer has rested for the initial delay, and goes
// after the automatic-pop delay; moves on the tool restart that delay.
TEST_F(TooltipTest, RestingShowsTheTipAndItPopsByItself) {
    const HWND tip = MakeTooltip();
    AddTool(tip, "Apri");
    MoveOnto({10, 10});
    Wait(499);
    EXPECT_FALSE(IsWindowVisible(tip));
    Wait(1);
    EXPECT_TRUE(IsWindowVisible(tip));
    Wait(4000);
    MoveOnto({11, 10});
    Wait(4999);
    EXPECT_TRUE(IsWindowVisible(tip));
    Wait(1);
    EXPECT_FALSE(IsWindowVisible(tip));
    MoveOnto({12, 10});
    Wait(600);
    EXPECT_FALSE(IsWindowVisible(tip)) << "popped: it waits for the pointer to come back";
}

// A pointer already resting on the window when the tool is added gets its
// tip without moving again.
TEST_F(TooltipTest, AToolAddedUnderTheRestingPointer) {
    SetCursorPos(kOwnerAt.x + 5, kOwnerAt.y + 5);
    const HWND tip = MakeTooltip();
    AddTool(tip, "Apri");
    Wait(500);
    EXPECT_TRUE(IsWindowVisible(tip));
}

TEST_F(TooltipTest, WhatPopsAShownTip) {
    struct Row {
        const char* what;
        std::function<void(TooltipFixture&)> act;
        DWORD wait;  // the tip is checked after this much more time
    };
    const std::vector<Row> rows = {
        {"a left press", [](TooltipFixture& f) { SendMessageA(f.owner(), WM_LBUTTONDOWN, MK_LBUTTON, 0); },
         0},
        {"a right release", [](TooltipFixture& f) { SendMessageA(f.owner(), WM_RBUTTONUP, 0, 0); }, 0},
        {"a move off the tool's rectangle",
         [](TooltipFixture& f) {
             f.MoveOnto({70, 25});
         },
         0},
        {"the pointer leaving for another window", [](TooltipFixture&) { SetCursorPos(900, 700); }, 100},
        {"the tool's window hidden", [](TooltipFixture& f) { ShowWindow(f.owner(), SW_HIDE); }, 0},
        {"the tool's window moved", [](TooltipFixture& f) { MoveWindow(f.owner(), 0, 0, 80, 30, TRUE); }, 0},
        {"TTM_POP", [](TooltipFixture& f) { SendMessageA(f.tooltip(), TTM_POP, 0, 0); }, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        SetUpOwner();
        const HWND tip = MakeTooltip();
        AddTool(tip, "Apri", TTF_SUBCLASS, TTTOOLINFOA_V2_SIZE, {0, 0, 60, 30});
        MoveOnto({10, 10});
        Wait(500);
        ASSERT_TRUE(IsWindowVisible(tip));
        row.act(*this);
        Wait(row.wait);
        EXPECT_FALSE(IsWindowVisible(tip));
    }
}

// The tool's window hears nothing when the window holding it moves: the
// tip goes at the next check that the tool is still where it was.
TEST_F(TooltipTest, ATipGoesWhenTheToolsParentMoves) {
    const HWND parent = CreateRecorded("parent", WS_VISIBLE, {0, 0, 400, 300});
    SetParent(owner(), parent);
    MoveWindow(owner(), kOwnerAt.x, kOwnerAt.y, 80, 30, TRUE);
    const HWND tip = MakeTooltip();
    AddTool(tip, "Apri");
    MoveOnto({10, 10});
    Wait(500);
    ASSERT_TRUE(IsWindowVisible(tip));
    MoveWindow(parent, 0, 1, 400, 300, TRUE);
    SetCursorPos(kOwnerAt.x + 10, kOwnerAt.y + 11);  // the pointer stays on the tool
    Wait(99);
    EXPECT_TRUE(IsWindowVisible(tip));
    Wait(1);
    EXPECT_FALSE(IsWindowVisible(tip));
    DestroyWindow(parent);
}

// A tip lets the pointer through: moving onto its stem, just above the
// point it was shown at, is still a move over the tool's window.
TEST_F(TooltipTest, ThePointerPassesThroughTheTip) {
    const HWND tip = MakeTooltip(TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON);
    AddTool(tip, "Apri file da convertire");
    MoveOnto({10, 20});
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, owner(), 0};
    TrackMouseEvent(&track);
    Wait(500);
    ASSERT_TRUE(IsWindowVisible(tip));
    EXPECT_EQ(WindowFromPoint({kOwnerAt.x + 10, kOwnerAt.y + 19}), owner());
    MoveOnto({10, 19});
    Wait(100);
    EXPECT_TRUE(IsWindowVisible(tip));
    track.dwFlags = TME_QUERY;
    TrackMouseEvent(&track);
    EXPECT_EQ(track.hwndTrack, owner()) << "no leave for the window beneath";
}

TEST_F(TooltipTest, MovingToAnotherToolSwapsAfterTheReshowDelay) {
    const HWND tip = MakeTooltip();
    AddTool(tip, "Apri file da convertire", TTF_SUBCLASS, TTTOOLINFOA_V2_SIZE, {0, 0, 40, 30}, 1);
    AddTool(tip, "Esci", TTF_SUBCLASS, TTTOOLINFOA_V2_SIZE, {40, 0, 80, 30}, 2);
    MoveOnto({10, 10});
    Wait(500);
    const RECT first = WindowRectOf(tip);
    MoveOnto({50, 10});
    EXPECT_FALSE(IsWindowVisible(tip));
    Wait(100);
    ASSERT_TRUE(IsWindowVisible(tip));
    EXPECT_LT(WindowRectOf(tip).right - WindowRectOf(tip).left, first.right - first.left)
        << "the second tool's shorter text";
}

// Deleting the tool hides its tip and the tooltip lets go of the window;
// destroying the tooltip leaves no window, subclass or GDI object behind.
TEST_F(TooltipTest, NothingOutlivesTheToolOrTheTooltip) {
    const HWND tip = MakeTooltip();
    AddTool(tip, "Apri");
    MoveOnto({10, 10});
    Wait(500);
    ASSERT_TRUE(IsWindowVisible(tip));
    EXPECT_EQ(GetLiveSubclassedWindowCount(), counts_.subclassed + 1);
    TOOLINFOA info;
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = owner();
    SendMessageA(tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_FALSE(IsWindowVisible(tip));
    EXPECT_EQ(GetLiveSubclassedWindowCount(), counts_.subclassed);
    AddTool(tip, "Apri");
    MoveOnto({10, 10});
    Wait(500);
    DestroyWindow(tip);
    EXPECT_EQ(Counts(), counts_);
}

}  // namespace
}  // namespace corvalmire::test

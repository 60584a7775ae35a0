// Window state: focus, enabling, showing, styles, timers, painting and the
// system colour broadcast, as the messages the windows receive.
#include <gtest/gtest.h>

#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/SysColors.h"
#include "platform/user/ScopedWindow.h"
#include "platform/user/UserExtensions.h"
#include "tests/platform/user/MessageLog.h"

using namespace win32;
using corvalmire::test::CreateRecorded;
using corvalmire::test::MessageLog;
using corvalmire::test::SequenceIs;

namespace {

class WindowStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearMessageQueue();
        parent_ = CreateRecorded("parent", WS_VISIBLE, {0, 0, 100, 100});
        a_ = CreateRecorded("a", WS_CHILD | WS_VISIBLE, {0, 0, 50, 50}, parent_);
        b_ = CreateRecorded("b", WS_CHILD | WS_VISIBLE, {50, 0, 100, 50}, parent_);
        PumpPendingMessages();
        MessageLog::Instance().Clear();
    }
    void TearDown() override {
        DestroyWindow(parent_);
        MessageLog::Instance().Watch({});
    }

    HWND parent_ = nullptr, a_ = nullptr, b_ = nullptr;
};

TEST_F(WindowStateTest, FocusMovesWithKillAndSetFocus) {
    MessageLog::Instance().Watch({WM_SETFOCUS, WM_KILLFOCUS});
    EXPECT_EQ(SetFocus(a_), nullptr);
    EXPECT_EQ(SetFocus(b_), a_);
    EXPECT_EQ(GetFocus(), b_);
    EXPECT_TRUE(SequenceIs({{"a", WM_SETFOCUS}, {"a", WM_KILLFOCUS}, {"b", WM_SETFOCUS}}));
    // Disabling the focused window takes the focus away, and a disabled
    // window cannot take it back.
    MessageLog::Instance().Clear();
    EXPECT_FALSE(EnableWindow(b_, FALSE));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(SetFocus(b_), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_TRUE(EnableWindow(b_, TRUE)) << "returns whether it was disabled";
    EXPECT_TRUE(SequenceIs({{"b", WM_KILLFOCUS}}));
    SetFocus(a_);
    DestroyWindow(a_);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(WindowStateTest, VisibilityFollowsTheParentChain) {
    EXPECT_TRUE(IsWindowVisible(a_));
    MessageLog::Instance().Watch({WM_SHOWWINDOW});
    EXPECT_TRUE(ShowWindow(parent_, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(a_));
    EXPECT_TRUE(GetWindowLongA(a_, GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(ShowWindow(parent_, SW_HIDE)) << "already hidden: no message";
    EXPECT_TRUE(SequenceIs({{"parent", WM_SHOWWINDOW}}));
}

TEST_F(WindowStateTest, StyleChangesAreAnnounced) {
    MessageLog::Instance().Watch({WM_STYLECHANGING, WM_STYLECHANGED});
    const LONG old = GetWindowLongA(a_, GWL_STYLE);
    EXPECT_EQ(SetWindowLongA(a_, GWL_STYLE, old | static_cast<LONG>(WS_CAPTION)), old);
    EXPECT_EQ(GetWindowLongA(a_, GWL_STYLE), old | static_cast<LONG>(WS_CAPTION));
    EXPECT_TRUE(SequenceIs({{"a", WM_STYLECHANGING}, {"a", WM_STYLECHANGED}}));
}

TEST_F(WindowStateTest, TimersFireOnTheMessageClockWithoutBacklog) {
    MessageLog::Instance().Watch({WM_TIMER});
    ASSERT_EQ(SetTimer(a_, 7, 100, nullptr), 7u);
    EXPECT_EQ(MillisecondsUntilNextTimer(), 100u);
    AdvanceMessageClock(99);
    PumpPendingMessages();
    EXPECT_TRUE(SequenceIs({}));
    AdvanceMessageClock(1);
    PumpPendingMessages();
    EXPECT_TRUE(SequenceIs({{"a", WM_TIMER}}));
    AdvanceMessageClock(350);
    PumpPendingMessages();
    EXPECT_TRUE(SequenceIs({{"a", WM_TIMER}, {"a", WM_TIMER}})) << "one message, however late";
    EXPECT_TRUE(KillTimer(a_, 7));
    EXPECT_FALSE(KillTimer(a_, 7));
    AdvanceMessageClock(1000);
    PumpPendingMessages();
    EXPECT_EQ(MessageLog::Instance().Entries().size(), 2u);
    EXPECT_EQ(MillisecondsUntilNextTimer(), INFINITE);
}

TEST_F(WindowStateTest, TimersOfADestroyedWindowDie) {
    SetTimer(b_, 1, 10, nullptr);
    DestroyWindow(b_);
    EXPECT_EQ(MillisecondsUntilNextTimer(), INFINITE);
}

TEST_F(WindowStateTest, SystemColourChangesReachEveryWindow) {
    MessageLog::Instance().Watch({WM_SYSCOLORCHANGE});
    const INT index = COLOR_BTNFACE;
    const COLORREF colour = RGB(1, 2, 3);
    SetSysColors(1, &index, &colour);
    EXPECT_TRUE(
        SequenceIs({{"parent", WM_SYSCOLORCHANGE}, {"b", WM_SYSCOLORCHANGE}, {"a", WM_SYSCOLORCHANGE}}));
    ResetSysColors();
}

TEST_F(WindowStateTest, InvalidatedWindowsGetOnePaintPerPump) {
    MessageLog::Instance().Watch({WM_PAINT});
    InvalidateRect(a_, nullptr, TRUE);
    InvalidateRect(a_, nullptr, TRUE);
    PumpPendingMessages();
    PumpPendingMessages();
    EXPECT_TRUE(SequenceIs({{"a", WM_PAINT}})) << "DefWindowProcA validates";
}

// A hidden child given a caption, made topmost and then top-level: what a
// control does to float a box of its own above every other window.
TEST_F(WindowStateTest, ACaptionedChildMadeTopLevelStaysTopmost) {
    const ScopedWindow boxWindow(CreateRecorded("box", WS_CHILD, {10, 20, 60, 50}, a_));
    const ScopedWindow laterWindow(CreateRecorded("later", WS_VISIBLE, {0, 0, 100, 100}));
    const HWND box = boxWindow.Get(), later = laterWindow.Get();
    const DWORD captioned = WS_CHILD | WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX;
    MessageLog::Instance().Watch({WM_SHOWWINDOW, WM_STYLECHANGED, WM_SIZE, WM_MOVE});
    SetWindowLongA(box, GWL_STYLE, static_cast<LONG>(captioned));
    EXPECT_TRUE(SetWindowPos(box, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW));
    EXPECT_TRUE(
        SetWindowPos(box, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED));
    EXPECT_EQ(SetParent(box, nullptr), a_);
    EXPECT_TRUE(SequenceIs({{"box", WM_STYLECHANGED}, {"box", WM_SHOWWINDOW}})) << "nothing moved or resized";

    EXPECT_EQ(GetParent(box), nullptr);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(box, GWL_STYLE)), captioned | WS_VISIBLE);
    EXPECT_TRUE(GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowVisible(box));
    RECT rect;
    GetWindowRect(box, &rect);
    EXPECT_EQ(rect, (RECT{10, 20, 60, 50})) << "its coordinates, now on the screen";
    // Above the top-level window made after it, which is not topmost.
    EXPECT_EQ(WindowFromPoint({30, 30}), box);
    SetWindowPos(later, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    EXPECT_EQ(WindowFromPoint({30, 30}), box);
}

}  // namespace

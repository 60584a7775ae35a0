// Leave tracking: WM_MOUSELEAVE is posted once when the pointer leaves the
// tracked window, at once when it is already outside, never after a cancel.
#include <gtest/gtest.h>

#include "platform/gdi/Gdi.h"
#include "platform/kernel/LastError.h"
#include "platform/user/UserExtensions.h"
#include "tests/platform/user/MessageLog.h"

using namespace win32;
using corvalmire::test::CreateRecorded;
using corvalmire::test::MessageLog;
using corvalmire::test::SequenceIs;

namespace {

class MouseTrackingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearMessageQueue();
        form_ = CreateRecorded("form", WS_VISIBLE, {500, 500, 700, 600});
        button_ = CreateRecorded("button", WS_CHILD | WS_VISIBLE, {10, 10, 110, 40}, form_);
        SetCursorPos(520, 520);  // over the button
        PumpPendingMessages();
        MessageLog::Instance().Watch({WM_MOUSELEAVE});
        MessageLog::Instance().Clear();
    }
    void TearDown() override {
        DestroyWindow(form_);
        MessageLog::Instance().Watch({});
    }

    BOOL Track(HWND hwnd, DWORD flags = TME_LEAVE, DWORD size = 16) {
        TRACKMOUSEEVENT event;
        event.cbSize = size;
        event.dwFlags = flags;
        event.hwndTrack = hwnd;
        return TrackMouseEvent(&event);
    }

    HWND form_ = nullptr, button_ = nullptr;
};

TEST_F(MouseTrackingTest, LeavingPostsOneLeaveAndEndsTracking) {
    ASSERT_TRUE(Track(button_));
    SetCursorPos(530, 525);  // still inside
    PumpPendingMessages();
    EXPECT_TRUE(SequenceIs({}));
    SetCursorPos(650, 580);  // onto the form
    SetCursorPos(520, 520);  // back over the button: tracking is over
    SetCursorPos(650, 580);
    EXPECT_TRUE(SequenceIs({})) << "posted, not sent";
    PumpPendingMessages();
    EXPECT_TRUE(SequenceIs({{"button", WM_MOUSELEAVE}}));
}

TEST_F(MouseTrackingTest, AlreadyOutsideGivesTheLeaveAtOnce) {
    SetCursorPos(900, 900);
    ASSERT_TRUE(Track(button_));
    PumpPendingMessages();
    EXPECT_TRUE(SequenceIs({{"button", WM_MOUSELEAVE}}));
    SetCursorPos(520, 520);
    SetCursorPos(900, 900);
    PumpPendingMessages();
    EXPECT_EQ(MessageLog::Instance().Entries().size(), 1u) << "nothing was tracked";
}

TEST_F(MouseTrackingTest, CancelledTrackingPostsNothing) {
    ASSERT_TRUE(Track(button_));
    ASSERT_TRUE(Track(button_, TME_LEAVE | TME_CANCEL));
    SetCursorPos(900, 900);
    PumpPendingMessages();
    EXPECT_TRUE(SequenceIs({}));
}

TEST_F(MouseTrackingTest, ACoveringChildAndTheRegionCountAsLeaving) {
    const HWND cover = CreateRecorded("cover", WS_CHILD | WS_VISIBLE, {0, 0, 20, 20}, button_);
    ASSERT_TRUE(Track(button_));
    SetCursorPos(515, 515);  // onto the child at the button's corner
    PumpPendingMessages();
    EXPECT_TRUE(SequenceIs({{"button", WM_MOUSELEAVE}}));
    DestroyWindow(cover);

    // Outside the window region is outside the window.
    SetWindowRgn(button_, CreateRectRgn(5, 5, 100, 30), FALSE);
    SetCursorPos(530, 525);
    ASSERT_TRUE(Track(button_));
    SetCursorPos(512, 512);
    PumpPendingMessages();
    EXPECT_TRUE(SequenceIs({{"button", WM_MOUSELEAVE}, {"button", WM_MOUSELEAVE}}));
}

TEST_F(MouseTrackingTest, QueryAndBadArguments) {
    ASSERT_TRUE(Track(button_));
    TRACKMOUSEEVENT query;
    query.cbSize = 16;
    query.dwFlags = TME_QUERY;
    ASSERT_TRUE(TrackMouseEvent(&query));
    EXPECT_EQ(query.dwFlags, TME_LEAVE);
    EXPECT_EQ(query.hwndTrack, button_);

    EXPECT_FALSE(Track(button_, TME_LEAVE, 12));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(Track(reinterpret_cast<HWND>(0x1234), TME_LEAVE));
    EXPECT_TRUE(_TrackMouseEvent(&query)) << "comctl32's entry behaves the same";
}

TEST_F(MouseTrackingTest, DestroyingTheTrackedWindowEndsTracking) {
    ASSERT_TRUE(Track(button_));
    DestroyWindow(button_);
    SetCursorPos(900, 900);
    EXPECT_EQ(PumpPendingMessages(), 0);
}

}  // namespace

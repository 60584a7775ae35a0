// The window core: creation and destruction sequences, Send versus Post,
// the pump, geometry in screen coordinates, and window-region ownership.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/kernel/LastError.h"
#include "platform/kernel/Modules.h"
#include "platform/user/UserExtensions.h"
#include "tests/platform/user/MessageLog.h"

using namespace win32;
using corvalmire::test::CreateRecorded;
using corvalmire::test::MessageLog;
using corvalmire::test::SequenceIs;

namespace {

class WindowCoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearMessageQueue();
        MessageLog::Instance().Watch({});
        MessageLog::Instance().Clear();
        liveWindows_ = GetLiveWindowCount();
    }
    void TearDown() override { EXPECT_EQ(GetLiveWindowCount(), liveWindows_); }

    int liveWindows_ = 0;
};

TEST_F(WindowCoreTest, CreationSendsCreateMessagesThenShows) {
    const HWND top = CreateRecorded("top", WS_OVERLAPPED | WS_VISIBLE, {10, 20, 110, 70});
    ASSERT_TRUE(IsWindow(top));
    EXPECT_TRUE(SequenceIs({{"top", WM_NCCREATE},
                            {"top", WM_CREATE},
                            {"top", WM_SIZE},
                            {"top", WM_MOVE},
                            {"top", WM_SHOWWINDOW}}));
    char text[16];
    EXPECT_EQ(GetWindowTextA(top, text, sizeof text), 3);
    EXPECT_STREQ(text, "top");
    EXPECT_TRUE(IsWindowVisible(top));
    DestroyWindow(top);
}

TEST_F(WindowCoreTest, SentMessagesRunAtOncePostedOnesWaitForThePump) {
    const HWND a = CreateRecorded("a", 0, {0, 0, 10, 10});
    MessageLog::Instance().Watch({WM_USER + 1, WM_USER + 2, WM_USER + 3});
    ASSERT_TRUE(PostMessageA(a, WM_USER + 1, 0, 0));
    SendMessageA(a, WM_USER + 2, 0, 0);
    EXPECT_TRUE(SequenceIs({{"a", WM_USER + 2}}));
    PostMessageA(a, WM_USER + 3, 0, 0);
    EXPECT_EQ(PumpPendingMessages(), 2);
    EXPECT_TRUE(SequenceIs({{"a", WM_USER + 2}, {"a", WM_USER + 1}, {"a", WM_USER + 3}}));
    EXPECT_EQ(PumpPendingMessages(), 0);
    EXPECT_FALSE(PostMessageA(reinterpret_cast<HWND>(0x1234), WM_USER, 0, 0));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    DestroyWindow(a);
}

TEST_F(WindowCoreTest, PeekMessageFiltersAnInclusiveRange) {
    const HWND a = CreateRecorded("a", 0, {0, 0, 10, 10});
    for (UINT message : {WM_USER + 1, WM_USER + 2, WM_USER + 3}) PostMessageA(a, message, 0, 0);
    MSG msg;
    std::vector<UINT> taken;
    while (PeekMessageA(&msg, nullptr, WM_USER + 2, WM_USER + 3, PM_REMOVE)) taken.push_back(msg.message);
    EXPECT_EQ(taken, (std::vector<UINT>{WM_USER + 2, WM_USER + 3}));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER + 1u);
    DestroyWindow(a);
}

LRESULT ReposterProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER) PostMessageA(hwnd, WM_USER, wParam + 1, 0);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST_F(WindowCoreTest, PumpDispatchesOnlyWhatWasPendingWhenCalled) {
    WNDCLASSA wc;
    wc.lpfnWndProc = ReposterProc;
    wc.lpszClassName = "Reposter";
    ASSERT_NE(RegisterClassA(&wc), 0);
    const HWND w = CreateWindowExA(0, "REPOSTER", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(w, nullptr) << "class names are case-insensitive";
    PostMessageA(w, WM_USER, 0, 0);
    EXPECT_EQ(PumpPendingMessages(), 1);
    EXPECT_EQ(PumpPendingMessages(), 1);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 2u);
    EXPECT_FALSE(UnregisterClassA("Reposter", nullptr)) << "the class still has a window";
    DestroyWindow(w);
    EXPECT_TRUE(UnregisterClassA("Reposter", nullptr));
}

TEST_F(WindowCoreTest, DestroyingAParentDestroysItsChildren) {
    const HWND parent = CreateRecorded("parent", 0, {0, 0, 100, 100});
    const HWND child = CreateRecorded("child", WS_CHILD, {0, 0, 50, 50}, parent);
    const HWND grandchild = CreateRecorded("grandchild", WS_CHILD, {0, 0, 5, 5}, child);
    const HWND sibling = CreateRecorded("sibling", WS_CHILD, {50, 0, 100, 50}, parent);
    const HWND owned = CreateRecorded("owned", WS_POPUP, {0, 0, 5, 5}, parent);
    const HWND ownedByChild = CreateRecorded("ownedByChild", WS_POPUP, {0, 0, 5, 5}, child);
    EXPECT_EQ(GetParent(owned), parent) << "a popup's parent is its owner";
    PostMessageA(child, WM_USER, 0, 0);
    MessageLog::Instance().Watch({WM_DESTROY, WM_NCDESTROY, WM_USER});
    ASSERT_TRUE(DestroyWindow(parent));
    // Owned windows go first, also those a child owns; children sit in z-order, newest on top.
    EXPECT_TRUE(SequenceIs({{"owned", WM_DESTROY},
                            {"owned", WM_NCDESTROY},
                            {"ownedByChild", WM_DESTROY},
                            {"ownedByChild", WM_NCDESTROY},
                            {"parent", WM_DESTROY},
                            {"sibling", WM_DESTROY},
                            {"child", WM_DESTROY},
                            {"grandchild", WM_DESTROY},
                            {"sibling", WM_NCDESTROY},
                            {"grandchild", WM_NCDESTROY},
                            {"child", WM_NCDESTROY},
                            {"parent", WM_NCDESTROY}}));
    for (HWND gone : {parent, child, grandchild, sibling, owned, ownedByChild}) EXPECT_FALSE(IsWindow(gone));
    EXPECT_EQ(PumpPendingMessages(), 0) << "messages for destroyed windows are dropped";
    EXPECT_FALSE(DestroyWindow(parent));
}

TEST_F(WindowCoreTest, WindowRectIsInScreenCoordinatesThroughTheParentChain) {
    const HWND top = CreateRecorded("top", 0, {100, 50, 400, 350});
    const HWND child = CreateRecorded("child", WS_CHILD, {10, 20, 40, 60}, top);
    const HWND inner = CreateRecorded("inner", WS_CHILD, {1, 2, 6, 9}, child);
    RECT rect;
    ASSERT_TRUE(GetWindowRect(inner, &rect));
    EXPECT_EQ(rect, (RECT{111, 72, 116, 79}));
    ASSERT_TRUE(GetClientRect(inner, &rect));
    EXPECT_EQ(rect, (RECT{0, 0, 5, 7}));

    MessageLog::Instance().Watch({WM_SIZE, WM_MOVE});
    ASSERT_TRUE(MoveWindow(child, 20, 30, 35, 40, FALSE));
    EXPECT_TRUE(SequenceIs({{"child", WM_SIZE}, {"child", WM_MOVE}}));
    GetWindowRect(inner, &rect);
    EXPECT_EQ(rect, (RECT{121, 82, 126, 89}));
    GetWindowRect(child, &rect);
    EXPECT_EQ(rect, (RECT{120, 80, 155, 120}));
    POINT point{0, 0};
    ClientToScreen(inner, &point);
    EXPECT_EQ(point, (POINT{121, 82}));

    MessageLog::Instance().Clear();
    SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_TRUE(SequenceIs({})) << "nothing changed, nothing sent";
    EXPECT_EQ(GetParent(inner), child);
    EXPECT_EQ(GetParent(top), nullptr);

    // Made top-level, a window keeps its coordinates, now on the screen.
    EXPECT_EQ(SetParent(child, nullptr), top);
    GetWindowRect(inner, &rect);
    EXPECT_EQ(rect, (RECT{21, 32, 26, 39}));
    DestroyWindow(child);
    DestroyWindow(top);
}

TEST_F(WindowCoreTest, TheWindowOwnsItsRegion) {
    const GdiLiveCounts before = GetGdiLiveCounts();
    const HWND w = CreateRecorded("w", WS_VISIBLE, {200, 200, 210, 210});
    const HRGN first = CreateRectRgn(0, 0, 5, 5);
    const HRGN second = CreateRectRgn(5, 5, 10, 10);
    ASSERT_TRUE(SetWindowRgn(w, first, TRUE));
    ASSERT_TRUE(SetWindowRgn(w, second, TRUE));
    EXPECT_EQ(GetGdiLiveCounts().regions, before.regions + 1) << "the replaced region was deleted";
    EXPECT_EQ(GetObjectType(first), 0u);

    const HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(w, copy), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(copy, second));
    DeleteObject(copy);
    // Hit-testing follows the region.
    EXPECT_EQ(WindowFromPoint({201, 201}), nullptr);
    EXPECT_EQ(WindowFromPoint({206, 206}), w);

    DestroyWindow(w);
    EXPECT_EQ(GetGdiLiveCounts(), before);
}

LONG previousProc = 0;

LRESULT AnswerUserWith42(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER) return 42;
    return CallWindowProcA(LongToWindowProc(previousProc), hwnd, msg, wParam, lParam);
}

TEST_F(WindowCoreTest, WindowLongsAndSubclassingWithAPlainProcedure) {
    const HWND w = CreateRecorded("w", 0, {0, 0, 10, 10});
    EXPECT_EQ(SetWindowLongA(w, GWL_USERDATA, 1234), 0);
    EXPECT_EQ(GetWindowLongA(w, GWL_USERDATA), 1234);
    EXPECT_EQ(GetWindowLongA(w, 99), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);

    previousProc = GetWindowLongA(w, GWL_WNDPROC);
    const LONG installed = WindowProcToLong(AnswerUserWith42);
    EXPECT_EQ(SetWindowLongA(w, GWL_WNDPROC, installed), previousProc);
    EXPECT_EQ(SendMessageA(w, WM_USER, 0, 0), 42);
    EXPECT_EQ(SendMessageA(w, WM_GETTEXTLENGTH, 0, 0), 1) << "the chain reaches the class procedure";
    // A value that is not a procedure handle (a truncated pointer) is refused.
    EXPECT_EQ(SetWindowLongA(w, GWL_WNDPROC, 0x1234), 0);
    EXPECT_EQ(GetWindowLongA(w, GWL_WNDPROC), installed);
    DestroyWindow(w);
}

TEST_F(WindowCoreTest, ExtraWindowBytesUpToTheLastLong) {
    WNDCLASSA wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.cbWndExtra = 8;
    wc.lpszClassName = "WithExtraBytes";
    ASSERT_NE(RegisterClassA(&wc), 0);
    const HWND w =
        CreateWindowExA(0, "WithExtraBytes", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(SetWindowLongA(w, 4, 77), 0);
    EXPECT_EQ(GetWindowLongA(w, 4), 77);
    SetLastError(0);
    EXPECT_EQ(SetWindowLongA(w, 5, 1), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);
    DestroyWindow(w);
    EXPECT_TRUE(UnregisterClassA("WithExtraBytes", nullptr));
}

TEST_F(WindowCoreTest, UserExportsAreInTheModuleTable) {
    const HMODULE user32 = GetModuleHandleA("user32");
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(user32, "TrackMouseEvent")),
              reinterpret_cast<void*>(&TrackMouseEvent));
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(user32, "SetWindowLongA")),
              reinterpret_cast<void*>(&SetWindowLongA));
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("comctl32"), "_TrackMouseEvent")),
              reinterpret_cast<void*>(&_TrackMouseEvent));
}

}  // namespace

// The window-subclass list: order, removal in any order (also from inside
// a subclass's own call), and its one procedure's place in the
// SetWindowLong chain.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/user/UserExtensions.h"
#include "platform/user/WindowSubclass.h"
#include "tests/platform/user/MessageLog.h"

using namespace win32;
using corvalmire::test::CreateRecorded;
using corvalmire::test::MessageLog;
using corvalmire::test::SequenceIs;

namespace {

// Subclasses log under the name their reference data points to (the log
// keys names by handle, so the name's address stands in for one); the
// window's own procedure logs under the window's name.
void RecordAs(const char* name, UINT msg) {
    const auto key = reinterpret_cast<HWND>(const_cast<char*>(name));
    MessageLog::Instance().Name(key, name);
    MessageLog::Instance().Record(key, msg);
}

LRESULT Logging(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR refData) {
    RecordAs(reinterpret_cast<const char*>(refData), msg);
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}
LRESULT LoggingToo(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR refData) {
    return Logging(hwnd, msg, wParam, lParam, id, refData);
}

// Removes itself on the first message it sees.
LRESULT SelfRemoving(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR refData) {
    RemoveWindowSubclass(hwnd, SelfRemoving, id);
    return Logging(hwnd, msg, wParam, lParam, id, refData);
}

// Removes the older entry (Logging, id 1), next in the chain, then passes the message on.
LRESULT RemovingTheNext(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR refData) {
    RemoveWindowSubclass(hwnd, Logging, 1);
    return Logging(hwnd, msg, wParam, lParam, id, refData);
}

constexpr UINT kProbe = WM_USER + 1;
const char* const kA = "A";
const char* const kB = "B";
auto Ref(const char* name) { return reinterpret_cast<DWORD_PTR>(name); }

class WindowSubclassTest : public ::testing::Test {
protected:
    void SetUp() override {
        windows_ = GetLiveSubclassedWindowCount();
        thunks_ = GetLiveWindowProcThunkCount();
        hwnd_ = CreateRecorded("window", 0, {0, 0, 10, 10});
        original_ = GetWindowLongA(hwnd_, GWL_WNDPROC);
        MessageLog::Instance().Watch({kProbe});
    }
    void TearDown() override {
        DestroyWindow(hwnd_);
        MessageLog::Instance().Watch({});
        EXPECT_EQ(GetLiveSubclassedWindowCount(), windows_);
        EXPECT_EQ(GetLiveWindowProcThunkCount(), thunks_);
    }
    void Probe() {
        MessageLog::Instance().Clear();
        SendMessageA(hwnd_, kProbe, 0, 0);
    }

    HWND hwnd_ = nullptr;
    LONG original_ = 0;
    int windows_ = 0, thunks_ = 0;
};

TEST_F(WindowSubclassTest, NewestFirstAndRemovableInAnyOrder) {
    ASSERT_TRUE(SetWindowSubclass(hwnd_, Logging, 1, Ref(kA)));
    ASSERT_TRUE(SetWindowSubclass(hwnd_, LoggingToo, 1, Ref(kB)));
    const LONG listProc = GetWindowLongA(hwnd_, GWL_WNDPROC);
    Probe();
    EXPECT_TRUE(SequenceIs({{"B", kProbe}, {"A", kProbe}, {"window", kProbe}}));

    ASSERT_TRUE(RemoveWindowSubclass(hwnd_, Logging, 1));  // the older one first
    EXPECT_FALSE(RemoveWindowSubclass(hwnd_, Logging, 1));
    Probe();
    EXPECT_TRUE(SequenceIs({{"B", kProbe}, {"window", kProbe}}));
    EXPECT_EQ(GetWindowLongA(hwnd_, GWL_WNDPROC), listProc) << "one procedure for the whole list";

    ASSERT_TRUE(RemoveWindowSubclass(hwnd_, LoggingToo, 1));
    EXPECT_EQ(GetWindowLongA(hwnd_, GWL_WNDPROC), original_);
    EXPECT_EQ(GetLiveSubclassedWindowCount(), windows_);
}

TEST_F(WindowSubclassTest, SettingAgainChangesTheReferenceData) {
    ASSERT_TRUE(SetWindowSubclass(hwnd_, Logging, 7, Ref(kA)));
    ASSERT_TRUE(SetWindowSubclass(hwnd_, Logging, 7, Ref(kB)));
    DWORD_PTR ref = 0;
    ASSERT_TRUE(GetWindowSubclass(hwnd_, Logging, 7, &ref));
    EXPECT_EQ(ref, Ref(kB));
    EXPECT_FALSE(GetWindowSubclass(hwnd_, Logging, 8, &ref));
    Probe();
    EXPECT_TRUE(SequenceIs({{"B", kProbe}, {"window", kProbe}})) << "one entry, not two";
    RemoveWindowSubclass(hwnd_, Logging, 7);
}

// The entry goes at once; the procedure leaves the chain once the call is over.
TEST_F(WindowSubclassTest, RemovalFromInsideItsOwnCall) {
    ASSERT_TRUE(SetWindowSubclass(hwnd_, SelfRemoving, 1, Ref(kA)));
    Probe();
    EXPECT_TRUE(SequenceIs({{"A", kProbe}, {"window", kProbe}}));
    EXPECT_EQ(GetWindowLongA(hwnd_, GWL_WNDPROC), original_);
    Probe();
    EXPECT_TRUE(SequenceIs({{"window", kProbe}}));
}

// An entry removed while the chain runs is passed over at once.
TEST_F(WindowSubclassTest, AnEntryRemovedWhileTheChainRunsIsSkipped) {
    ASSERT_TRUE(SetWindowSubclass(hwnd_, Logging, 1, Ref(kA)));
    ASSERT_TRUE(SetWindowSubclass(hwnd_, RemovingTheNext, 1, Ref(kB)));
    Probe();
    EXPECT_TRUE(SequenceIs({{"B", kProbe}, {"window", kProbe}}));
    ASSERT_TRUE(RemoveWindowSubclass(hwnd_, RemovingTheNext, 1));
}

// Someone replaced the procedure after the list: the list stays in the
// chain as a pass-through, and goes with the window.
TEST_F(WindowSubclassTest, APlainSubclassAboveKeepsTheListAsAPassThrough) {
    ASSERT_TRUE(SetWindowSubclass(hwnd_, Logging, 1, Ref(kA)));
    const LONG listProc = GetWindowLongA(hwnd_, GWL_WNDPROC);
    const WNDPROC above = AllocWindowProcThunk([listProc](HWND h, UINT m, WPARAM w, LPARAM l) {
        RecordAs("above", m);
        return CallWindowProcA(LongToWindowProc(listProc), h, m, w, l);
    });
    SetWindowLongA(hwnd_, GWL_WNDPROC, WindowProcToLong(above));
    ASSERT_TRUE(RemoveWindowSubclass(hwnd_, Logging, 1));
    EXPECT_EQ(GetLiveSubclassedWindowCount(), windows_ + 1);
    Probe();
    EXPECT_TRUE(SequenceIs({{"above", kProbe}, {"window", kProbe}}));
    DestroyWindow(hwnd_);
    EXPECT_EQ(GetLiveSubclassedWindowCount(), windows_);
    FreeWindowProcThunk(above);
}

TEST_F(WindowSubclassTest, TheWindowsLastMessageRemovesEverySubclass) {
    ASSERT_TRUE(SetWindowSubclass(hwnd_, Logging, 1, Ref(kA)));
    ASSERT_TRUE(SetWindowSubclass(hwnd_, LoggingToo, 2, Ref(kB)));
    MessageLog::Instance().Watch({WM_NCDESTROY});
    DestroyWindow(hwnd_);
    EXPECT_TRUE(SequenceIs({{"B", WM_NCDESTROY}, {"A", WM_NCDESTROY}, {"window", WM_NCDESTROY}}));
    EXPECT_EQ(GetLiveSubclassedWindowCount(), windows_);
    EXPECT_FALSE(SetWindowSubclass(hwnd_, Logging, 1, Ref(kA))) << "not a window any more";
}

}  // namespace

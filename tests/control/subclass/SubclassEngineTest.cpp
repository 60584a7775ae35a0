// The subclassing engine on real windows of the layer: what the callbacks
// and the previous procedure see, in order, compared with expected tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "control/SubclassEngine.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/kernel/EventLog.h"
#include "platform/kernel/KernelExtensions.h"
#include "platform/kernel/Modules.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"
#include "tests/support/LinesAre.h"

using namespace win32;
using control::ALL_MESSAGES;
using control::MSG_AFTER;
using control::MSG_BEFORE;
using control::MSG_BEFORE_AND_AFTER;
using control::SubclassEngine;

namespace {

std::vector<std::string> seen;

::testing::AssertionResult SeenIs(const std::vector<std::string>& expected) {
    return corvalmire::test::LinesAre(seen, expected);
}

std::string Name(UINT msg) {
    if (msg == WM_NCDESTROY) return "WM_NCDESTROY";
    if (msg == WM_DESTROY) return "WM_DESTROY";
    return msg >= WM_USER ? "U" + std::to_string(msg - WM_USER) : "0x" + std::to_string(msg);
}

// The class procedure: records user messages and answers 7.
LRESULT BaseProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg < WM_USER) return DefWindowProcA(hwnd, msg, wParam, lParam);
    seen.push_back("proc " + Name(msg));
    return 7;
}

// A sink that records its calls and runs a test-supplied action.
struct Sink : control::SubclassCallbackSink {
    explicit Sink(std::string n) : name(std::move(n)) {}
    void SubclassCallback(bool before, bool& handled, LRESULT& result, HWND hWnd, UINT uMsg, WPARAM, LPARAM,
                          LONG_PTR& userParam) override {
        if (uMsg >= WM_USER) seen.push_back(name + (before ? ".before " : ".after ") + Name(uMsg));
        if (action) action(before, handled, result, hWnd, uMsg, userParam);
    }
    std::string name;
    std::function<void(bool, bool&, LRESULT&, HWND, UINT, LONG_PTR&)> action;
};

class SubclassEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        static const bool registered = [] {
            WNDCLASSA wc;
            wc.lpfnWndProc = BaseProc;
            wc.lpszClassName = "SubclassTarget";
            return RegisterClassA(&wc) != 0;
        }();
        ASSERT_TRUE(registered);
        ClearApplicationEventRecord();
        thunks_ = GetLiveWindowProcThunkCount();
        hwnd_ = NewWindow();
        classProc_ = GetWindowLongA(hwnd_, GWL_WNDPROC);
        seen.clear();
    }
    void TearDown() override {
        DestroyWindow(hwnd_);
        engine_.sc_UnSubclassAll();
        other_.sc_UnSubclassAll();
        EXPECT_EQ(GetLiveWindowProcThunkCount(), thunks_) << "every per-window procedure was released";
    }

    static HWND NewWindow() {
        return CreateWindowExA(0, "SubclassTarget", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    static std::vector<std::string> Log() {
        std::vector<std::string> texts;
        for (const auto& event : ApplicationEventRecord()) {
            if (event.type == EVENTLOG_ERROR_TYPE) texts.push_back(event.text);
        }
        return texts;
    }

    Sink sink_{"A"};
    Sink otherSink_{"B"};
    SubclassEngine engine_{&sink_};
    SubclassEngine other_{&otherSink_};
    HWND hwnd_ = nullptr;
    LONG classProc_ = 0;
    int thunks_ = 0;
};

TEST_F(SubclassEngineTest, BeforePreviousAndAfterInThatOrder) {
    ASSERT_TRUE(engine_.sc_Subclass(hwnd_));
    engine_.sc_AddMessage(hwnd_, WM_USER, MSG_BEFORE_AND_AFTER);
    engine_.sc_AddMessage(hwnd_, WM_USER + 1, MSG_AFTER);
    sink_.action = [](bool before, bool&, LRESULT& result, HWND, UINT, LONG_PTR&) {
        if (!before) result += 1;  // the after call sees the previous procedure's result
    };
    EXPECT_EQ(SendMessageA(hwnd_, WM_USER, 0, 0), 8);
    SendMessageA(hwnd_, WM_USER + 1, 0, 0);
    SendMessageA(hwnd_, WM_USER + 2, 0, 0);
    EXPECT_TRUE(SeenIs({"A.before U0", "proc U0", "A.after U0", "proc U1", "A.after U1", "proc U2"}));
    EXPECT_TRUE(Log().empty());
}

TEST_F(SubclassEngineTest, HandledSuppressesThePreviousProcedureAndTheAfterCall) {
    ASSERT_TRUE(engine_.sc_Subclass(hwnd_));
    engine_.sc_AddMessage(hwnd_, ALL_MESSAGES, MSG_BEFORE_AND_AFTER);
    sink_.action = [](bool before, bool& handled, LRESULT& result, HWND, UINT msg, LONG_PTR&) {
        if (before && msg == WM_USER) {
            handled = true;
            result = 99;
        }
    };
    EXPECT_EQ(SendMessageA(hwnd_, WM_USER, 0, 0), 99);
    EXPECT_EQ(SendMessageA(hwnd_, WM_USER + 1, 0, 0), 7);
    EXPECT_TRUE(SeenIs({"A.before U0", "A.before U1", "proc U1", "A.after U1"}));
}

TEST_F(SubclassEngineTest, ASecondSubclassOfTheSameWindowIsRefused) {
    ASSERT_TRUE(engine_.sc_Subclass(hwnd_));
    engine_.sc_AddMessage(hwnd_, WM_USER, MSG_AFTER);
    EXPECT_FALSE(engine_.sc_Subclass(hwnd_));
    EXPECT_EQ(Log(), std::vector<std::string>{"raReruri.sc_Subclass: Window handle is already subclassed"});
    SendMessageA(hwnd_, WM_USER, 0, 0);
    EXPECT_TRUE(SeenIs({"proc U0", "A.after U0"})) << "the first subclass keeps working";
}

TEST_F(SubclassEngineTest, TheTableHoldsThirtyTwoMessagesAndReusesFreedSlots) {
    ASSERT_TRUE(engine_.sc_Subclass(hwnd_));
    for (UINT i = 0; i < 31; ++i) engine_.sc_AddMessage(hwnd_, WM_USER + i, MSG_AFTER);
    engine_.sc_AddMessage(hwnd_, WM_USER + 3, MSG_AFTER);  // already there: no new slot
    engine_.sc_RemoveMessage(hwnd_, WM_USER + 5, MSG_AFTER);
    engine_.sc_AddMessage(hwnd_, WM_USER + 40, MSG_AFTER);  // takes the freed slot
    engine_.sc_AddMessage(hwnd_, WM_USER + 31, MSG_AFTER);  // the 32nd slot
    EXPECT_TRUE(Log().empty());
    engine_.sc_AddMessage(hwnd_, WM_USER + 32, MSG_AFTER);
    engine_.sc_RemoveMessage(hwnd_, WM_MOUSELEAVE, MSG_AFTER);
    EXPECT_EQ(Log(),
              (std::vector<std::string>{
                  "raReruri.zAddMsg: Message table overflow. Either increase the value of Const MSG_ENTRIES "
                  "or use ALL_MESSAGES instead of specific message values",
                  "raReruri.zDelMsg: Message &H2A3 not found in table",
              }));
    for (UINT msg : {WM_USER + 5, WM_USER + 31, WM_USER + 32, WM_USER + 40}) SendMessageA(hwnd_, msg, 0, 0);
    EXPECT_TRUE(SeenIs({"proc U5", "proc U31", "A.after U31", "proc U32", "proc U40", "A.after U40"}));

    seen.clear();
    engine_.sc_AddMessage(hwnd_, ALL_MESSAGES, MSG_AFTER);
    SendMessageA(hwnd_, WM_USER + 32, 0, 0);
    EXPECT_TRUE(SeenIs({"proc U32", "A.after U32"})) << "ALL_MESSAGES still works on a full table";
}

TEST_F(SubclassEngineTest, UnsubclassFromABeforeCallTakesEffectRightAfterThePreviousProcedure) {
    ASSERT_TRUE(engine_.sc_Subclass(hwnd_));
    engine_.sc_AddMessage(hwnd_, WM_USER, MSG_BEFORE_AND_AFTER);
    sink_.action = [this](bool before, bool&, LRESULT&, HWND hWnd, UINT, LONG_PTR&) {
        if (before) engine_.sc_UnSubclass(hWnd);
    };
    EXPECT_EQ(SendMessageA(hwnd_, WM_USER, 0, 0), 7);
    EXPECT_TRUE(SeenIs({"A.before U0", "proc U0"})) << "no after call";
    EXPECT_EQ(GetWindowLongA(hwnd_, GWL_WNDPROC), classProc_);
    EXPECT_EQ(GetLiveWindowProcThunkCount(), thunks_);
}

TEST_F(SubclassEngineTest, UnsubclassFromAnAfterCallTakesEffectAtTheNextMessage) {
    ASSERT_TRUE(engine_.sc_Subclass(hwnd_));
    engine_.sc_AddMessage(hwnd_, WM_USER, MSG_BEFORE_AND_AFTER);
    sink_.action = [this](bool before, bool&, LRESULT&, HWND hWnd, UINT, LONG_PTR&) {
        if (!before) engine_.sc_UnSubclass(hWnd);
    };
    SendMessageA(hwnd_, WM_USER, 0, 0);
    EXPECT_NE(GetWindowLongA(hwnd_, GWL_WNDPROC), classProc_) << "still installed";
    SendMessageA(hwnd_, WM_USER, 0, 0);
    EXPECT_TRUE(SeenIs({"A.before U0", "proc U0", "A.after U0", "proc U0"}));
    EXPECT_EQ(GetWindowLongA(hwnd_, GWL_WNDPROC), classProc_);
}

TEST_F(SubclassEngineTest, NestedMessagesAndRemovalDuringACallbackAreSafe) {
    ASSERT_TRUE(engine_.sc_Subclass(hwnd_));
    engine_.sc_AddMessage(hwnd_, ALL_MESSAGES, MSG_BEFORE_AND_AFTER);
    sink_.action = [this](bool before, bool&, LRESULT&, HWND hWnd, UINT msg, LONG_PTR&) {
        if (before && msg == WM_USER) SendMessageA(hWnd, WM_USER + 1, 0, 0);
        if (before && msg == WM_USER + 1) engine_.sc_UnSubclass(hWnd);
    };
    EXPECT_EQ(SendMessageA(hwnd_, WM_USER, 0, 0), 7);
    // The nested message unhooks the window (no call of the previous
    // procedure was in progress); the outer one still reaches it.
    EXPECT_TRUE(SeenIs({"A.before U0", "A.before U1", "proc U1", "proc U0"}));
    EXPECT_EQ(GetWindowLongA(hwnd_, GWL_WNDPROC), classProc_);
}

TEST_F(SubclassEngineTest, TwoSubclassersChainAndUnhookInEitherOrder) {
    for (bool newestFirst : {false, true}) {
        SCOPED_TRACE(newestFirst ? "newest unhooks first" : "oldest unhooks first");
        ASSERT_TRUE(engine_.sc_Subclass(hwnd_));
        ASSERT_TRUE(other_.sc_Subclass(hwnd_));
        engine_.sc_AddMessage(hwnd_, WM_USER, MSG_BEFORE_AND_AFTER);
        other_.sc_AddMessage(hwnd_, WM_USER, MSG_BEFORE_AND_AFTER);
        seen.clear();
        SendMessageA(hwnd_, WM_USER, 0, 0);
        EXPECT_TRUE(SeenIs({"B.before U0", "A.before U0", "proc U0", "A.after U0", "B.after U0"}));

        (newestFirst ? other_ : engine_).sc_UnSubclass(hwnd_);
        seen.clear();
        SendMessageA(hwnd_, WM_USER, 0, 0);
        EXPECT_TRUE(newestFirst ? SeenIs({"A.before U0", "proc U0", "A.after U0"})
                                : SeenIs({"B.before U0", "proc U0", "B.after U0"}))
            << "the remaining subclasser keeps working";

        (newestFirst ? engine_ : other_).sc_UnSubclass(hwnd_);
        seen.clear();
        for (int i = 0; i < 3; ++i) SendMessageA(hwnd_, WM_USER, 0, 0);
        EXPECT_TRUE(SeenIs({"proc U0", "proc U0", "proc U0"}));
        EXPECT_EQ(GetWindowLongA(hwnd_, GWL_WNDPROC), classProc_) << "the chain unwound completely";
        EXPECT_EQ(GetLiveWindowProcThunkCount(), thunks_);
    }
}

TEST_F(SubclassEngineTest, UserParamIsKeptPerWindowAndPassedByReference) {
    ASSERT_TRUE(engine_.sc_Subclass(hwnd_, 5));
    engine_.sc_AddMessage(hwnd_, WM_USER, MSG_AFTER);
    EXPECT_EQ(engine_.sc_UserParam(hwnd_), 5);
    engine_.sc_UserParam(hwnd_, 6);
    sink_.action = [](bool, bool&, LRESULT&, HWND, UINT, LONG_PTR& userParam) { userParam *= 10; };
    SendMessageA(hwnd_, WM_USER, 0, 0);
    EXPECT_EQ(engine_.sc_UserParam(hwnd_), 60);
    EXPECT_EQ(engine_.sc_CallPrevWndProc(hwnd_, WM_USER + 9, 0, 0), 7);
    EXPECT_TRUE(SeenIs({"proc U0", "A.after U0", "proc U9"})) << "the previous procedure alone";
}

TEST_F(SubclassEngineTest, ErrorsAreLoggedWithRoutineAndMessage) {
    engine_.sc_UnSubclassAll();  // nothing subclassed: nothing logged
    engine_.sc_UnSubclass(hwnd_);
    engine_.sc_AddMessage(hwnd_, WM_USER);
    EXPECT_FALSE(engine_.sc_Subclass(reinterpret_cast<HWND>(0x1234)));
    EXPECT_FALSE(engine_.sc_Subclass(hwnd_, 0, 2));
    ASSERT_TRUE(engine_.sc_Subclass(hwnd_));
    engine_.sc_RemoveMessage(NewWindow(), WM_USER);
    EXPECT_EQ(Log(), (std::vector<std::string>{
                         "raReruri.sc_UnSubclass: Window handle isn't subclassed",
                         "raReruri.zMap_hWnd: Subclassing hasn't been started",
                         "raReruri.sc_Subclass: Invalid window handle",
                         "raReruri.sc_Subclass: Callback method not found",
                         "raReruri.zMap_hWnd: Window handle isn't subclassed",
                     }));
}

TEST_F(SubclassEngineTest, HasExportFollowsTheModuleTable) {
    EXPECT_TRUE(SubclassEngine::zHasExport("TrackMouseEvent", "User32"));
    EXPECT_TRUE(SubclassEngine::zHasExport("_TrackMouseEvent", "Comctl32"));
    EXPECT_FALSE(SubclassEngine::zHasExport("TrackMouseEvent", "NoSuchModule"));
    const FARPROC taken = RemoveModuleExport("user32", "TrackMouseEvent");
    ASSERT_NE(taken, nullptr);
    EXPECT_FALSE(SubclassEngine::zHasExport("TrackMouseEvent", "User32"));
    RegisterUserExports();
    EXPECT_TRUE(SubclassEngine::zHasExport("TrackMouseEvent", "User32"));
    EXPECT_EQ(ModuleLoadCount(GetModuleHandleA("user32")), 0) << "nothing stays loaded";
}

TEST_F(SubclassEngineTest, AThousandWindowsLeaveNothingBehind) {
    const int windows = GetLiveWindowCount();
    const GdiLiveCounts gdi = GetGdiLiveCounts();
    for (int i = 0; i < 1000; ++i) {
        const HWND hwnd = NewWindow();
        ASSERT_TRUE(engine_.sc_Subclass(hwnd));
        engine_.sc_AddMessage(hwnd, WM_USER, MSG_AFTER);
        SetWindowRgn(hwnd, CreateRectRgn(0, 0, 5, 5), FALSE);
        SendMessageA(hwnd, WM_USER, 0, 0);
        // Half are unhooked first; the rest go with their window.
        if (i % 2 == 0) engine_.sc_UnSubclass(hwnd);
        DestroyWindow(hwnd);
    }
    engine_.sc_UnSubclassAll();
    EXPECT_EQ(GetLiveWindowCount(), windows);
    EXPECT_EQ(GetGdiLiveCounts(), gdi);
    EXPECT_EQ(GetLiveWindowProcThunkCount(), thunks_);
    EXPECT_EQ(engine_.SubclassedWindowCount(), 0);
}

}  // namespace

#include <gtest/gtest.h>

#include "platform/user/ScopedWindow.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"

namespace {

using namespace win32;

HWND MakeWindow() {
    WNDCLASSA cls{};
    cls.lpfnWndProc = DefWindowProcA;
    cls.lpszClassName = "ScopedWindowTest";
    RegisterClassA(&cls);
    return CreateWindowExA(0, "ScopedWindowTest", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
}

TEST(ScopedWindow, DestroysTheWindowAndKillsTheTimerAtScopeEnd) {
    const int windows = GetLiveWindowCount();
    HWND hwnd = nullptr;
    {
        ScopedWindow window(MakeWindow());
        hwnd = window.Get();
        ASSERT_TRUE(IsWindow(hwnd));
        {
            ScopedTimer timer(hwnd, 7, 100);
            EXPECT_TRUE(timer);
            EXPECT_EQ(MillisecondsUntilNextTimer(), 100u);
        }
        EXPECT_EQ(MillisecondsUntilNextTimer(), INFINITE);
    }
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(GetLiveWindowCount(), windows);
}

}  // namespace

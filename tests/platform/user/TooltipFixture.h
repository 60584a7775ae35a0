// Tooltip tests: a visible window at kOwnerAt that tools are added to, a
// fixed work area, the pointer away from everything, the message clock
// driven by hand, and the layer's live-object counts checked at the end.
#pragma once

#include <gtest/gtest.h>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/user/Tooltips.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"

namespace corvalmire::test {

class TooltipFixture : public ::testing::Test {
public:
    static constexpr win32::POINT kOwnerAt{100, 100};
    static constexpr win32::RECT kWorkArea{0, 0, 1024, 738};

    win32::HWND owner() const { return owner_; }
    win32::HWND tooltip() const { return tooltip_; }  // the last one made

    // A new 80 x 30 owner; the previous one goes, its tooltips with it.
    void SetUpOwner();
    win32::HWND MakeTooltip(win32::DWORD style = win32::TTS_ALWAYSTIP | win32::TTS_NOPREFIX);
    win32::LRESULT AddTool(win32::HWND tip, const char* text, win32::UINT flags = win32::TTF_SUBCLASS,
                           win32::UINT size = win32::TTTOOLINFOA_V2_SIZE, win32::RECT rect = {0, 0, 80, 30},
                           win32::UINT_PTR id = 0);
    // The pointer moves to that point of the owner, which hears of it.
    void MoveOnto(win32::POINT client);
    void Wait(win32::DWORD milliseconds);
    static win32::RECT WindowRectOf(win32::HWND hwnd);

protected:
    struct Live {
        int windows = 0, subclassed = 0, thunks = 0;
        win32::GdiLiveCounts gdi;
        friend bool operator==(const Live&, const Live&) = default;
    };
    static Live Counts();

    void SetUp() override;
    void TearDown() override;

    Live before_;  // without the owner
    Live counts_;  // with it
    win32::HWND owner_ = nullptr;
    win32::HWND tooltip_ = nullptr;
};

}  // namespace corvalmire::test

#include "tests/platform/user/TooltipFixture.h"

#include "platform/user/WindowSubclass.h"
#include "tests/platform/user/MessageLog.h"

namespace corvalmire::test {

using namespace win32;

void TooltipFixture::SetUp() {
    ClearMessageQueue();
    SetWorkArea(kWorkArea);
    SetCursorPos(900, 700);
    before_ = Counts();
    SetUpOwner();
    counts_ = Counts();
}

void TooltipFixture::TearDown() {
    DestroyWindow(owner_);
    ClearMessageQueue();
    EXPECT_EQ(Counts(), before_);
}

TooltipFixture::Live TooltipFixture::Counts() {
    return {GetLiveWindowCount(), GetLiveSubclassedWindowCount(), GetLiveWindowProcThunkCount(),
            GetGdiLiveCounts()};
}

void TooltipFixture::SetUpOwner() {
    if (owner_) DestroyWindow(owner_);
    SetCursorPos(900, 700);
    owner_ = CreateRecorded("owner", WS_VISIBLE, {kOwnerAt.x, kOwnerAt.y, kOwnerAt.x + 80, kOwnerAt.y + 30});
    PumpPendingMessages();
}

HWND TooltipFixture::MakeTooltip(DWORD style) {
    tooltip_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr, nullptr, nullptr);
    return tooltip_;
}

LRESULT TooltipFixture::AddTool(HWND tip, const char* text, UINT flags, UINT size, RECT rect, UINT_PTR id) {
    TOOLINFOA info;
    info.cbSize = size;
    info.uFlags = flags;
    info.hwnd = owner_;
    info.uId = id;
    info.rect = rect;
    info.lpszText = const_cast<char*>(text);
    return SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void TooltipFixture::MoveOnto(POINT client) {
    SetCursorPos(kOwnerAt.x + client.x, kOwnerAt.y + client.y);
    SendMessageA(owner_, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
}

void TooltipFixture::Wait(DWORD milliseconds) {
    AdvanceMessageClock(milliseconds);
    PumpPendingMessages();
}

RECT TooltipFixture::WindowRectOf(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
}

}  // namespace corvalmire::test

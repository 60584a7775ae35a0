#include "platform/user/Timers.h"

#include <algorithm>
#include <vector>

#include "platform/kernel/LastError.h"
#include "platform/user/Input.h"
#include "platform/user/Messages.h"
#include "platform/user/UserExtensions.h"
#include "platform/user/Window.h"
#include "platform/user/WindowInternals.h"

namespace win32 {
namespace {

// The platform's USER_TIMER_MINIMUM.
constexpr UINT kMinimumElapse = 10;

struct Timer {
    HWND hwnd;
    UINT_PTR id;
    UINT elapse;
    TIMERPROC proc;
    DWORD due;
};

struct Timers {
    std::vector<Timer> timers;
    DWORD clock = 0;
    UINT_PTR nextThreadTimerId = 0x7FF0;
};

Timers& TheTimers() {
    static Timers timers;
    return timers;
}

bool IsDue(const Timer& timer, DWORD now) { return static_cast<std::int32_t>(now - timer.due) >= 0; }

void TellPresenter() {
    if (WindowPresenter* presenter = GetWindowPresenter()) presenter->TimersChanged();
}

}  // namespace

UINT_PTR SetTimer(HWND hwnd, UINT_PTR idEvent, UINT elapse, TIMERPROC timerFunc) {
    if (hwnd != nullptr && !IsWindow(hwnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    Timers& all = TheTimers();
    if (hwnd == nullptr) idEvent = all.nextThreadTimerId++;
    elapse = std::max(elapse, kMinimumElapse);
    const Timer timer{hwnd, idEvent, elapse, timerFunc, all.clock + elapse};
    const auto same = std::find_if(all.timers.begin(), all.timers.end(),
                                   [&](const Timer& t) { return t.hwnd == hwnd && t.id == idEvent; });
    if (same != all.timers.end()) {
        *same = timer;
    } else {
        all.timers.push_back(timer);
    }
    TellPresenter();
    return idEvent == 0 ? 1 : idEvent;
}

BOOL KillTimer(HWND hwnd, UINT_PTR idEvent) {
    auto& timers = TheTimers().timers;
    if (std::erase_if(timers, [&](const Timer& t) { return t.hwnd == hwnd && t.id == idEvent; }) == 0) {
        return FALSE;
    }
    TellPresenter();
    return TRUE;
}

DWORD GetMessageClock() { return TheTimers().clock; }
void AdvanceMessageClock(DWORD milliseconds) { TheTimers().clock += milliseconds; }

DWORD MillisecondsUntilNextTimer() {
    const Timers& all = TheTimers();
    DWORD soonest = INFINITE;
    for (const Timer& timer : all.timers) {
        const DWORD wait = IsDue(timer, all.clock) ? 0 : timer.due - all.clock;
        soonest = std::min(soonest, wait);
    }
    return soonest;
}

namespace user {

bool PeekDueTimer(HWND filter, MSG& out, bool remove) {
    Timers& all = TheTimers();
    for (Timer& timer : all.timers) {
        if (!IsDue(timer, all.clock)) continue;
        if (filter != nullptr && timer.hwnd != filter && !IsChild(filter, timer.hwnd)) continue;
        out = MSG{};
        out.hwnd = timer.hwnd;
        out.message = WM_TIMER;
        out.wParam = timer.id;
        out.lParam = reinterpret_cast<LPARAM>(timer.proc);
        out.time = all.clock;
        GetCursorPos(&out.pt);
        if (remove) timer.due = all.clock + timer.elapse;
        return true;
    }
    return false;
}

void KillWindowTimers(HWND hwnd) {
    if (std::erase_if(TheTimers().timers, [hwnd](const Timer& t) { return t.hwnd == hwnd; }) > 0) {
        TellPresenter();
    }
}

}  // namespace user
}  // namespace win32

#include <deque>

#include "platform/kernel/LastError.h"
#include "platform/user/Input.h"
#include "platform/user/Timers.h"
#include "platform/user/UserExtensions.h"
#include "platform/user/Window.h"
#include "platform/user/WindowInternals.h"

namespace win32 {
namespace {

struct Posted {
    MSG msg;
    std::uint64_t sequence;
};

struct Queue {
    std::deque<Posted> posted;
    std::uint64_t nextSequence = 1;
    bool quit = false;
    int quitCode = 0;
    DWORD lastTime = 0;
    DWORD lastPos = 0;
};

Queue& TheQueue() {
    static Queue queue;
    return queue;
}

MSG Stamped(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg;
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = GetMessageClock();
    GetCursorPos(&msg.pt);
    return msg;
}

bool Matches(const MSG& msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    if (hwnd != nullptr && msg.hwnd != hwnd && !IsChild(hwnd, msg.hwnd)) return false;
    if (filterMin == 0 && filterMax == 0) return true;
    return msg.message >= filterMin && msg.message <= filterMax;
}

bool PeekPosted(MSG& out, HWND hwnd, UINT filterMin, UINT filterMax, bool remove) {
    auto& posted = TheQueue().posted;
    for (auto it = posted.begin(); it != posted.end(); ++it) {
        if (!Matches(it->msg, hwnd, filterMin, filterMax)) continue;
        out = it->msg;
        if (remove) posted.erase(it);
        return true;
    }
    return false;
}

bool PeekPaint(MSG& out, HWND hwnd, UINT filterMin, UINT filterMax) {
    for (HWND candidate : user::AllWindows()) {
        if (!user::LookupWindow(candidate)->needsPaint) continue;
        const MSG paint = Stamped(candidate, WM_PAINT, 0, 0);
        if (!Matches(paint, hwnd, filterMin, filterMax)) continue;
        out = paint;
        return true;
    }
    return false;
}

void Remember(const MSG& msg) {
    TheQueue().lastTime = msg.time;
    TheQueue().lastPos = static_cast<DWORD>(MAKELPARAM(msg.pt.x, msg.pt.y));
}

int DispatchPendingPaints() {
    int dispatched = 0;
    for (HWND hwnd : user::AllWindows()) {
        const user::Window* window = user::LookupWindow(hwnd);
        if (window == nullptr || !window->needsPaint) continue;
        const MSG paint = Stamped(hwnd, WM_PAINT, 0, 0);
        Remember(paint);
        DispatchMessageA(&paint);
        ++dispatched;
    }
    return dispatched;
}

int DispatchDueTimers() {
    // Timers due now fire once each; one that becomes due again waits.
    std::vector<MSG> due;
    MSG timer;
    while (user::PeekDueTimer(nullptr, timer, true)) due.push_back(timer);
    for (const MSG& msg : due) {
        Remember(msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(due.size());
}

}  // namespace

namespace user {

void RemoveQueuedMessages(HWND hwnd) {
    std::erase_if(TheQueue().posted, [hwnd](const Posted& p) { return p.msg.hwnd == hwnd; });
}

}  // namespace user

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd != nullptr && !IsWindow(hwnd)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    Queue& queue = TheQueue();
    queue.posted.push_back({Stamped(hwnd, msg, wParam, lParam), queue.nextSequence++});
    if (WindowPresenter* presenter = GetWindowPresenter()) presenter->MessagePosted();
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    TheQueue().quit = true;
    TheQueue().quitCode = exitCode;
    if (WindowPresenter* presenter = GetWindowPresenter()) presenter->MessagePosted();
}

BOOL PeekMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMsg) {
    if (msg == nullptr) return FALSE;
    const bool remove = (removeMsg & PM_REMOVE) != 0;
    Queue& queue = TheQueue();
    bool found = PeekPosted(*msg, hwnd, filterMin, filterMax, remove);
    if (!found && queue.quit) {
        *msg = Stamped(nullptr, WM_QUIT, static_cast<WPARAM>(queue.quitCode), 0);
        if (remove) queue.quit = false;
        found = true;
    }
    if (!found) found = PeekPaint(*msg, hwnd, filterMin, filterMax);
    if (!found &&
        (filterMin == 0 && filterMax == 0 ? true : WM_TIMER >= filterMin && WM_TIMER <= filterMax)) {
        found = user::PeekDueTimer(hwnd, *msg, remove);
    }
    if (found) Remember(*msg);
    return found ? TRUE : FALSE;
}

BOOL GetMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    while (!PeekMessageA(msg, hwnd, filterMin, filterMax, PM_REMOVE)) {
        WindowPresenter* presenter = GetWindowPresenter();
        if (presenter == nullptr || !presenter->WaitForMessage()) return -1;
    }
    return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL TranslateMessage(const MSG*) { return FALSE; }

LRESULT DispatchMessageA(const MSG* msg) {
    if (msg == nullptr) return 0;
    if (msg->message == WM_TIMER && msg->lParam != 0) {
        auto* timerProc = reinterpret_cast<TIMERPROC>(msg->lParam);
        timerProc(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
        return 0;
    }
    if (msg->hwnd == nullptr) return 0;
    return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

DWORD GetMessageTime() { return TheQueue().lastTime; }
DWORD GetMessagePos() { return TheQueue().lastPos; }

int PumpPendingMessages() {
    Queue& queue = TheQueue();
    const std::uint64_t end = queue.nextSequence;
    int dispatched = 0;
    while (!queue.posted.empty() && queue.posted.front().sequence < end) {
        const MSG msg = queue.posted.front().msg;
        queue.posted.pop_front();
        Remember(msg);
        DispatchMessageA(&msg);
        ++dispatched;
    }
    // Each marked window gets one WM_PAINT per pump, even if it stays marked.
    dispatched += DispatchPendingPaints();
    dispatched += DispatchDueTimers();
    return dispatched;
}

void ClearMessageQueue() {
    TheQueue().posted.clear();
    TheQueue().quit = false;
}

}  // namespace win32

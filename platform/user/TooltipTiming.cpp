// When a tip shows and when it goes: the initial, reshow and automatic-pop
// delays, and a short check while it is up that the pointer is still on the
// tool and the tool's window has not been hidden or moved (the pointer can
// leave for another window without the tool's window hearing of it).
#include "platform/gdi/Rects.h"
#include "platform/user/Timers.h"
#include "platform/user/TooltipState.h"
#include "platform/user/Window.h"

namespace win32::user {
namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr UINT_PTR kPopTimer = 2;
constexpr UINT_PTR kLeaveTimer = 3;
constexpr UINT kLeaveCheckDelay = 100;

bool ToolStillThere(const Tooltip& tip) {
    if (!PointerOverTool(tip, tip.shownTool)) return false;
    RECT now;
    GetWindowRect(tip.tools[static_cast<std::size_t>(tip.shownTool)].hwnd, &now);
    return EqualRect(&now, &tip.shownToolRect) != FALSE;
}

}  // namespace

void RelayEvent(HWND self, const MSG* msg) {
    const Tooltip* tip = FindTooltip(self);
    if (tip == nullptr || msg == nullptr) return;
    switch (msg->message) {
        case WM_MOUSEMOVE: {
            const POINT client{static_cast<SHORT>(LOWORD(msg->lParam)),
                               static_cast<SHORT>(HIWORD(msg->lParam))};
            PointerOnTool(self, ToolAt(*tip, msg->hwnd, client));
            break;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            // A click puts the tip away; it comes back only after the pointer
            // has left the tool and returned.
            KillTimer(self, kShowTimer);
            HideTip(self);
            break;
        default: break;
    }
}

void PointerOnTool(HWND self, int tool) {
    Tooltip* tip = FindTooltip(self);
    if (tip == nullptr) return;
    if (tool == tip->pointerTool) {
        if (tool >= 0 && tip->shownTool == tool) SetTimer(self, kPopTimer, tip->autopopDelay, nullptr);
        return;
    }
    const int from = tip->pointerTool;
    tip->pointerTool = tool;
    if (tool < 0) {
        KillTimer(self, kShowTimer);
        HideTip(self);
        return;
    }
    const UINT delay = from >= 0 ? tip->reshowDelay : tip->initialDelay;
    SetTimer(self, kShowTimer, delay, nullptr);
    if (from >= 0) HideTip(self);
}

void OnTooltipTimer(HWND self, UINT_PTR timer) {
    Tooltip* tip = FindTooltip(self);
    if (tip == nullptr) return;
    switch (timer) {
        case kShowTimer:
            KillTimer(self, kShowTimer);
            if (PointerOverTool(*tip, tip->pointerTool)) {
                ShowTip(self, tip->pointerTool);
                if ((tip = FindTooltip(self)) != nullptr && tip->shownTool >= 0) {
                    SetTimer(self, kPopTimer, tip->autopopDelay, nullptr);
                    SetTimer(self, kLeaveTimer, kLeaveCheckDelay, nullptr);
                }
            } else {
                tip->pointerTool = -1;
            }
            break;
        case kPopTimer: HideTip(self); break;
        case kLeaveTimer:
            if (tip->shownTool < 0 || !ToolStillThere(*tip)) PopTip(self);
            break;
        default: break;
    }
}

void PopTip(HWND self) {
    Tooltip* tip = FindTooltip(self);
    if (tip == nullptr) return;
    tip->pointerTool = -1;
    KillTimer(self, kShowTimer);
    HideTip(self);
}

void HideTip(HWND self) {
    Tooltip* tip = FindTooltip(self);
    if (tip == nullptr) return;
    KillTimer(self, kPopTimer);
    KillTimer(self, kLeaveTimer);
    if (tip->shownTool < 0) return;
    tip->shownTool = -1;
    ShowWindow(self, SW_HIDE);
}

}  // namespace win32::user

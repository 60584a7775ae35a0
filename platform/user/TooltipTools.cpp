// The tooltip's tools: adding and deleting them, finding the one under a
// point, and watching their windows through the window-subclass chain.
#include <algorithm>
#include <cstring>

#include "platform/gdi/Rects.h"
#include "platform/user/Input.h"
#include "platform/user/Timers.h"
#include "platform/user/TooltipState.h"
#include "platform/user/Window.h"
#include "platform/user/WindowSubclass.h"

namespace win32::user {
namespace {

// The window whose messages tell where the pointer is over a tool.
HWND WatchedWindow(const TooltipTool& tool) {
    return (tool.flags & TTF_IDISHWND) ? reinterpret_cast<HWND>(tool.id) : tool.hwnd;
}

bool SameTool(const TooltipTool& tool, const TOOLINFOA& info) {
    if ((tool.flags & TTF_IDISHWND) && (info.uFlags & TTF_IDISHWND)) return tool.id == info.uId;
    return tool.hwnd == info.hwnd && tool.id == info.uId;
}

bool Acceptable(const TOOLINFOA* info) {
    return info && info->cbSize >= TTTOOLINFOA_V1_SIZE && info->cbSize <= TTTOOLINFOA_V2_SIZE;
}

// Text pointers below 0x10000 are string resource ids, and -1 asks for the
// text on demand: neither is kept here, the tool has no text then.
std::string ToolText(LPCSTR text) {
    if (reinterpret_cast<std::uintptr_t>(text) < 0x10000 || text == reinterpret_cast<LPCSTR>(-1)) return {};
    return text;
}

// Mouse messages of a watched window go to the tooltip as relayed events;
// the window being hidden, moved or destroyed pops the tip.
LRESULT TooltipSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR refData) {
    const auto tooltip = reinterpret_cast<HWND>(refData);
    switch (msg) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP: {
            MSG relayed;
            relayed.hwnd = hwnd;
            relayed.message = msg;
            relayed.wParam = wParam;
            relayed.lParam = lParam;
            relayed.time = GetMessageTime();
            GetCursorPos(&relayed.pt);
            SendMessageA(tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
            break;
        }
        case WM_SHOWWINDOW:
            if (!wParam) SendMessageA(tooltip, TTM_POP, 0, 0);
            break;
        case WM_MOVE:
        case WM_DESTROY: SendMessageA(tooltip, TTM_POP, 0, 0); break;
        default: break;
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

// Each tooltip subclasses under its own handle, so two tooltips can watch
// one window.
void Unwatch(HWND self, HWND watched) {
    RemoveWindowSubclass(watched, TooltipSubclassProc, reinterpret_cast<UINT_PTR>(self));
}

bool StillWatched(const Tooltip& tip, HWND watched) {
    return std::any_of(tip.tools.begin(), tip.tools.end(), [&](const TooltipTool& tool) {
        return (tool.flags & TTF_SUBCLASS) && WatchedWindow(tool) == watched;
    });
}

}  // namespace

LRESULT AddTool(HWND self, const TOOLINFOA* info) {
    Tooltip* tip = FindTooltip(self);
    if (tip == nullptr || !Acceptable(info)) return FALSE;
    TooltipTool tool;
    tool.flags = info->uFlags;
    tool.hwnd = info->hwnd;
    tool.id = info->uId;
    tool.rect = info->rect;
    tool.text = ToolText(info->lpszText);
    const HWND watched = WatchedWindow(tool);
    if ((tool.flags & TTF_SUBCLASS) &&
        !SetWindowSubclass(watched, TooltipSubclassProc, reinterpret_cast<UINT_PTR>(self),
                           reinterpret_cast<DWORD_PTR>(self))) {
        return FALSE;
    }
    tip->tools.push_back(std::move(tool));
    // The move that brought the pointer here reached the window before the
    // tool existed: a pointer resting on it now still gets its tip.
    const int added = static_cast<int>(tip->tools.size()) - 1;
    if (tip->pointerTool < 0 && PointerOverTool(*tip, added)) PointerOnTool(self, added);
    return TRUE;
}

void DeleteTool(HWND self, const TOOLINFOA* info) {
    Tooltip* tip = FindTooltip(self);
    if (tip == nullptr || !Acceptable(info)) return;
    const auto found = std::find_if(tip->tools.begin(), tip->tools.end(),
                                    [&](const TooltipTool& tool) { return SameTool(tool, *info); });
    if (found == tip->tools.end()) return;
    const int index = static_cast<int>(found - tip->tools.begin());
    if (tip->shownTool == index || tip->pointerTool == index) {
        PopTip(self);
        if ((tip = FindTooltip(self)) == nullptr) return;
    }
    const TooltipTool removed = tip->tools[static_cast<std::size_t>(index)];
    tip->tools.erase(tip->tools.begin() + index);
    for (int* slot : {&tip->pointerTool, &tip->shownTool})
        if (*slot > index) --*slot;
    if ((removed.flags & TTF_SUBCLASS) && !StillWatched(*tip, WatchedWindow(removed)))
        Unwatch(self, WatchedWindow(removed));
}

void ReleaseTools(Tooltip& tip) {
    for (const TooltipTool& tool : tip.tools)
        if (tool.flags & TTF_SUBCLASS) Unwatch(tip.self, WatchedWindow(tool));
    tip.tools.clear();
    tip.pointerTool = tip.shownTool = -1;
}

int ToolAt(const Tooltip& tip, HWND hwnd, POINT client) {
    for (std::size_t i = 0; i < tip.tools.size(); ++i) {
        const TooltipTool& tool = tip.tools[i];
        if (WatchedWindow(tool) != hwnd) continue;
        if ((tool.flags & TTF_IDISHWND) || PtInRect(&tool.rect, client)) return static_cast<int>(i);
    }
    return -1;
}

// Where the pointer is now: over the tool's visible window (not over a
// window covering it) and within the tool's rectangle.
bool PointerOverTool(const Tooltip& tip, int index) {
    if (index < 0 || index >= static_cast<int>(tip.tools.size())) return false;
    const HWND watched = WatchedWindow(tip.tools[static_cast<std::size_t>(index)]);
    if (!IsWindowVisible(watched)) return false;
    POINT pointer;
    GetCursorPos(&pointer);
    const HWND under = WindowFromPoint(pointer);
    if (under != watched && !IsChild(watched, under)) return false;
    ScreenToClient(watched, &pointer);
    return ToolAt(tip, watched, pointer) == index;
}

}  // namespace win32::user

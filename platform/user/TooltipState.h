// Internal: what a tooltip window keeps, and what the parts of the tooltip
// control ask of each other. Functions that send messages take the window
// handle and look the state up again afterwards: a message may destroy the
// tooltip.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/user/Tooltips.h"

namespace win32::user {

struct TooltipTool {
    UINT flags = 0;
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    RECT rect{};
    std::string text;
};

struct Tooltip {
    HWND self = nullptr;
    std::vector<TooltipTool> tools;
    int pointerTool = -1;  // the tool under the pointer, as the relayed moves tell
    int shownTool = -1;    // the tool whose tip is up; -1 while hidden
    RECT shownToolRect{};  // where that tool's window was on the screen then
    std::string title;
    HICON titleIcon = nullptr;          // owned
    std::optional<COLORREF> backColor;  // unset: the system's colour at each paint
    std::optional<COLORREF> textColor;
    UINT initialDelay = 0;
    UINT autopopDelay = 0;
    UINT reshowDelay = 0;
    // The window's pixels, which the tooltip draws itself and the presenter shows.
    HDC surface = nullptr;
    HGDIOBJ surfaceStockBitmap = nullptr;
};

Tooltip* FindTooltip(HWND hwnd);
WNDCLASSA TooltipClass();

// Tools (TooltipTools.cpp).
LRESULT AddTool(HWND self, const TOOLINFOA* info);
void DeleteTool(HWND self, const TOOLINFOA* info);
void ReleaseTools(Tooltip& tip);
int ToolAt(const Tooltip& tip, HWND hwnd, POINT client);
bool PointerOverTool(const Tooltip& tip, int tool);

// Timing (TooltipTiming.cpp).
void RelayEvent(HWND self, const MSG* msg);
void PointerOnTool(HWND self, int tool);
void OnTooltipTimer(HWND self, UINT_PTR timer);
void PopTip(HWND self);
void HideTip(HWND self);

// Face (TooltipShow.cpp): lays out, places, draws and shows the tip.
void ShowTip(HWND self, int tool);
void ReleaseSurface(Tooltip& tip);

}  // namespace win32::user

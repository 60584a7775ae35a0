// The tooltip control of the common controls (as version 5.8x has it): the
// window class "tooltips_class32", its styles, tool flags, messages and the
// tool record. The class is registered with the window layer from the start.
//
// Tools whose flags hold TTF_SUBCLASS are watched through the window-subclass
// chain (WindowSubclass.h): their windows' mouse messages reach the tooltip
// without TTM_RELAYEVENT. Resting the pointer on a tool for the initial
// delay shows the tip; moving onto another tool swaps it after the reshow
// delay; it pops after the automatic-pop delay, on a button message, and as
// soon as the pointer leaves the tool or the tool's window is hidden, moved
// or destroyed. The delays are the platform's defaults (the double-click
// time, 500 ms, to show; ten times that to pop; a fifth of it from one tool
// to the next); no message changes them here. Every window counts as active
// here, so TTS_ALWAYSTIP changes nothing. TTS_BALLOON gives the rounded body with a stem pointing at the
// pointer; a title gives a bold title line with an optional icon.
#pragma once

#include "platform/user/Messages.h"
#include "platform/user/WindowTypes.h"

namespace win32 {

inline constexpr char TOOLTIPS_CLASSA[] = "tooltips_class32";

// Window styles.
constexpr DWORD TTS_ALWAYSTIP = 0x01;
constexpr DWORD TTS_NOPREFIX = 0x02;
constexpr DWORD TTS_BALLOON = 0x40;

// Tool flags.
constexpr UINT TTF_IDISHWND = 0x0001;
constexpr UINT TTF_CENTERTIP = 0x0002;
constexpr UINT TTF_SUBCLASS = 0x0010;

// Messages.
constexpr UINT TTM_ADDTOOLA = WM_USER + 4;
constexpr UINT TTM_DELTOOLA = WM_USER + 5;
constexpr UINT TTM_RELAYEVENT = WM_USER + 7;
constexpr UINT TTM_GETTOOLCOUNT = WM_USER + 13;
constexpr UINT TTM_SETTIPBKCOLOR = WM_USER + 19;
constexpr UINT TTM_SETTIPTEXTCOLOR = WM_USER + 20;
constexpr UINT TTM_POP = WM_USER + 28;
constexpr UINT TTM_SETTITLEA = WM_USER + 32;

// TTM_SETTITLEA icons.
constexpr WPARAM TTI_NONE = 0;
constexpr WPARAM TTI_INFO = 1;
constexpr WPARAM TTI_WARNING = 2;
constexpr WPARAM TTI_ERROR = 3;

// Longer titles are cut to this many characters.
constexpr int kTooltipTitleMax = 100;

// The tool record. cbSize is the size of the 32-bit record a program fills
// in: 40 (no lParam) or 44; the 48-byte form of later versions is refused,
// as these versions refuse it.
struct TOOLINFOA {
    UINT cbSize = 0;
    UINT uFlags = 0;
    HWND hwnd = nullptr;
    UINT_PTR uId = 0;
    RECT rect{};
    HINSTANCE hinst = nullptr;
    LPSTR lpszText = nullptr;
    LPARAM lParam = 0;
};
constexpr UINT TTTOOLINFOA_V1_SIZE = 40;
constexpr UINT TTTOOLINFOA_V2_SIZE = 44;
constexpr UINT TTTOOLINFOA_V3_SIZE = 48;

}  // namespace win32

// The "tooltips_class32" window class: its procedure and per-window state.
#include <cstring>
#include <map>
#include <memory>

#include "platform/gdi/Icons.h"
#include "platform/user/Input.h"
#include "platform/user/TooltipIcons.h"
#include "platform/user/TooltipState.h"
#include "platform/user/UserExtensions.h"
#include "platform/user/Window.h"
#include "platform/user/WindowTable.h"

namespace win32::user {
namespace {

constexpr LRESULT HTTRANSPARENT = -1;
constexpr LRESULT MA_NOACTIVATE = 3;

std::map<HWND, std::unique_ptr<Tooltip>>& Tooltips() {
    static std::map<HWND, std::unique_ptr<Tooltip>> tooltips;
    return tooltips;
}

// A tooltip is a top-most tool window that never takes the focus; the
// plain look has a border, the balloon draws its own outline.
void Create(HWND hwnd) {
    if (Window* window = LookupWindow(hwnd)) {
        const bool balloon = (window->style & TTS_BALLOON) != 0;
        window->style = (window->style & ~(WS_CHILD | WS_BORDER)) | WS_POPUP | (balloon ? 0 : WS_BORDER);
        window->exStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    }
    auto tip = std::make_unique<Tooltip>();
    tip->self = hwnd;
    // The platform's defaults, from the double-click time.
    tip->initialDelay = GetDoubleClickTime();
    tip->autopopDelay = tip->initialDelay * 10;
    tip->reshowDelay = tip->initialDelay / 5;
    Tooltips()[hwnd] = std::move(tip);
}

void ReplaceTitleIcon(Tooltip& tip, HICON icon) {
    if (tip.titleIcon) DestroyIcon(tip.titleIcon);
    tip.titleIcon = icon;
}

void Destroy(HWND hwnd) {
    const auto it = Tooltips().find(hwnd);
    if (it == Tooltips().end()) return;
    ReleaseTools(*it->second);
    ReleaseSurface(*it->second);
    ReplaceTitleIcon(*it->second, nullptr);
    Tooltips().erase(it);
}

// The title is copied, cut to the length these versions keep; an icon
// given by handle is copied too.
LRESULT SetTitle(HWND hwnd, WPARAM icon, LPCSTR title) {
    Tooltip* tip = FindTooltip(hwnd);
    if (tip == nullptr || title == nullptr) return FALSE;
    tip->title.assign(title, ::strnlen(title, kTooltipTitleMax));
    ReplaceTitleIcon(*tip, CreateTooltipIcon(icon));
    return TRUE;
}

// A change to a tip that is up shows it again with its new face.
void Refresh(HWND hwnd) {
    if (const Tooltip* tip = FindTooltip(hwnd); tip && tip->shownTool >= 0) ShowTip(hwnd, tip->shownTool);
}

LRESULT TooltipMessage(Tooltip& tip, UINT msg, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = tip.self;
    switch (msg) {
        case TTM_ADDTOOLA: return AddTool(hwnd, reinterpret_cast<const TOOLINFOA*>(lParam));
        case TTM_DELTOOLA: DeleteTool(hwnd, reinterpret_cast<const TOOLINFOA*>(lParam)); return 0;
        case TTM_GETTOOLCOUNT: return static_cast<LRESULT>(tip.tools.size());
        case TTM_RELAYEVENT: RelayEvent(hwnd, reinterpret_cast<const MSG*>(lParam)); return 0;
        case TTM_POP: PopTip(hwnd); return 0;
        case TTM_SETTIPBKCOLOR: tip.backColor = static_cast<COLORREF>(wParam); break;
        case TTM_SETTIPTEXTCOLOR: tip.textColor = static_cast<COLORREF>(wParam); break;
        case TTM_SETTITLEA: {
            const LRESULT result = SetTitle(hwnd, wParam, reinterpret_cast<LPCSTR>(lParam));
            Refresh(hwnd);
            return result;
        }
        default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    Refresh(hwnd);
    return 0;
}

LRESULT TooltipProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NCCREATE: Create(hwnd); break;
        case WM_DESTROY:
            if (Tooltip* tip = FindTooltip(hwnd)) ReleaseTools(*tip);
            return 0;
        case WM_NCDESTROY: Destroy(hwnd); return 0;
        case WM_TIMER: OnTooltipTimer(hwnd, wParam); return 0;
        // The surface is always up to date; the presenter reads it.
        case WM_PAINT: ValidateRect(hwnd, nullptr); return 0;
        // The pointer goes through a tip to whatever lies beneath.
        case WM_NCHITTEST: return HTTRANSPARENT;
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        default:
            if (Tooltip* tip = FindTooltip(hwnd); tip && msg >= WM_USER)
                return TooltipMessage(*tip, msg, wParam, lParam);
            break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

Tooltip* FindTooltip(HWND hwnd) {
    const auto it = Tooltips().find(hwnd);
    return it == Tooltips().end() ? nullptr : it->second.get();
}

WNDCLASSA TooltipClass() {
    WNDCLASSA wc;
    wc.lpfnWndProc = TooltipProc;
    wc.lpszClassName = TOOLTIPS_CLASSA;
    return wc;
}

}  // namespace win32::user

namespace win32 {

HDC GetTooltipSurface(HWND tooltip) {
    const user::Tooltip* tip = user::FindTooltip(tooltip);
    return tip ? tip->surface : nullptr;
}

}  // namespace win32

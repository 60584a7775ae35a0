// The button's own tooltip, which can be a balloon with a title, a title
// icon and colours of its own. It is built when the pointer enters and torn
// down when it leaves; in between the system's tooltip control shows it by
// itself whenever the pointer rests on the button (it watches the button's
// mouse messages through the window-subclass chain). Meanwhile the
// container's own tooltip text is borrowed, so the container shows none.

#include "control/Trap.h"
#include "control/raReruri.h"
#include "control/raReruriCaption.h"
#include "control/styles/Colors.h"
#include "host/App.h"
#include "platform/user/User32.h"

namespace control {
namespace {

using namespace win32;

constexpr raReruri::Long kBalloonType = 1;

// The handle may have outlived its window (destroyed with the control's
// window, or by someone else).
bool IsOwnTooltip(HWND tooltip, HWND owner) {
    char className[sizeof TOOLTIPS_CLASSA + 1] = {};
    return tooltip && IsWindow(tooltip) && GetParent(tooltip) == owner &&
           GetClassNameA(tooltip, className, sizeof className) == sizeof TOOLTIPS_CLASSA - 1 &&
           std::string(className) == TOOLTIPS_CLASSA;
}

}  // namespace

void raReruri::BuildTooltip() {
    Trap([&] {
        // The control keeps one tooltip: one built before goes first.
        DestroyTooltipWindow();
        host::Extender& wrapper = userControl_->Extender();
        toolTipText_ = wrapper.ToolTipText();
        wrapper.SetToolTipText("");
        toolTipBorrowed_ = true;
        toolRecordText_ = AnsiCaption(toolTipText_);
        toolRecord_.lpszText = toolRecordText_.data();
        DWORD style = TTS_ALWAYSTIP | TTS_NOPREFIX;
        if (!enabled_ || !isShown_) return;  // the text stays borrowed until leave or hide
        if (toolTipType_ == kBalloonType) style |= TTS_BALLOON;

        const HWND hwnd = userControl_->hWnd();
        const HINSTANCE instance = host::App().hInstance();
        tooltipWindow_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT,
                                         CW_USEDEFAULT, CW_USEDEFAULT, hwnd, nullptr, instance, nullptr);
        toolRecord_.cbSize = TTTOOLINFOA_V2_SIZE;
        toolRecord_.uFlags = TTF_SUBCLASS;
        toolRecord_.hwnd = hwnd;
        toolRecord_.uId = 0;
        GetClientRect(hwnd, &toolRecord_.rect);
        toolRecord_.hinst = instance;
        SendMessageA(tooltipWindow_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&toolRecord_));

        if (!toolTipTitle_.empty() || toolTipIcon_ != 0) {
            const std::string title = AnsiCaption(toolTipTitle_);
            SendMessageA(tooltipWindow_, TTM_SETTITLEA, static_cast<WPARAM>(toolTipIcon_),
                         reinterpret_cast<LPARAM>(title.c_str()));
        }
        // Black (0) is never applied: the tooltip keeps the system's colour.
        if (toolTipForeColor_ != 0) {
            SendMessageA(tooltipWindow_, TTM_SETTIPTEXTCOLOR,
                         static_cast<DWORD>(styles::TranslateColor(toolTipForeColor_)), 0);
        }
        if (toolTipBackColor_ != 0) {
            SendMessageA(tooltipWindow_, TTM_SETTIPBKCOLOR,
                         static_cast<DWORD>(styles::TranslateColor(toolTipBackColor_)), 0);
        }
    });
}

void raReruri::RemoveTooltip() {
    Trap([&] {
        GiveTooltipTextBack();
        DestroyTooltipWindow();
    });
}

void raReruri::GiveTooltipTextBack() {
    userControl_->Extender().SetToolTipText(toolTipText_);
    toolTipBorrowed_ = false;
}

// Only a tooltip window this control made and still owns is ever acted on.
win32::HWND raReruri::TooltipWindow() const {
    return IsOwnTooltip(tooltipWindow_, userControl_->hWnd()) ? tooltipWindow_ : nullptr;
}

// The handle is forgotten with the window, so a later removal (after an
// enter while disabled) has nothing to act on.
void raReruri::DestroyTooltipWindow() {
    const HWND tooltip = TooltipWindow();
    tooltipWindow_ = nullptr;
    if (!tooltip) return;
    SendMessageA(tooltip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&toolRecord_));
    DestroyWindow(tooltip);
}

// The container's copy is the one saved and the one each build takes over,
// so it gets the new text; a tooltip that is up is built anew with it.
void raReruri::SetToolTipText(const std::string& value) {
    Trap([&] {
        toolTipText_ = value;
        userControl_->Extender().SetToolTipText(value);
        if (toolTipBorrowed_ || TooltipWindow()) BuildTooltip();
        Notify("ToolTipText");
        Refresh();
    });
}

}  // namespace control

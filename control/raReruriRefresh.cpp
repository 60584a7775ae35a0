// DrawCaption: the last step of Refresh (control/Render.cpp).
#include "control/RenderCaption.h"
#include "control/Trap.h"
#include "control/raReruri.h"
#include "control/styles/Colors.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiScoped.h"

namespace control {
namespace {

win32::COLORREF SysColor(int index) { return win32::GetSysColor(index); }

}  // namespace

void raReruri::DrawCaption() {
    Trap([&] {
        std::int32_t color = static_cast<std::int32_t>(SysColor(win32::COLOR_BTNTEXT));
        if (currentState_ == ButtonState::Disabled)
            color = styles::TranslateColor(SystemColorRef(win32::COLOR_GRAYTEXT));
        else if (useCustomColors_)
            color = currentState_ == ButtonState::Normal ? fontColor_ : fontHighlightColor_;
        const host::OLE_COLOR saved = userControl_->ForeColor();
        userControl_->SetForeColor(static_cast<host::OLE_COLOR>(color));
        win32::RECT rect = captionRect_;
        const std::string text = AnsiCaption(caption_);
        win32::DrawTextA(userControl_->hDC(), text.c_str(), -1, &rect,
                         static_cast<win32::UINT>(captionFormat_));
        userControl_->SetForeColor(saved);
    });
}

}  // namespace control

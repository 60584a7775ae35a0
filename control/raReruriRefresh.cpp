// Refresh: the one routine every repaint goes through.
//
// TEMPORARY FACE: until the render pipeline and the style painters are wired
// in, every style is drawn as a plain face (back colour, a one-pixel frame in
// a colour per state) with the caption on top. PaintTemporaryFace is what
// the pipeline replaces; the state forcing and DrawCaption stay.
#include "control/Trap.h"
#include "control/raReruri.h"
#include "control/styles/Colors.h"
#include "control/styles/GdiScoped.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Gdi.h"

namespace control {
namespace {

constexpr std::int32_t kSysGrayText = static_cast<std::int32_t>(0x80000011);

win32::COLORREF SysColor(int index) { return win32::GetSysColor(index); }

}  // namespace

void raReruri::Refresh() {
    Trap([&] {
        userControl_->Cls();
        contentMargin_ = 3;
        if (!isShown_) return;
        ForceState();
        PaintTemporaryFace();
        DrawCaption();
    });
    Trap([&] { userControl_->Invalidate(); });
}

void raReruri::PaintTemporaryFace() {
    const win32::HDC dc = userControl_->hDC();
    const win32::RECT all = clientRect_;
    if (useCustomColors_) {
        styles::ScopedBrush face(styles::ToColorRef(styles::TranslateColor(backColor_)));
        win32::FillRect(dc, &all, face.Get());
    }
    win32::COLORREF frame = SysColor(win32::COLOR_BTNSHADOW);
    if (currentState_ == ButtonState::Hot) frame = SysColor(win32::COLOR_HIGHLIGHT);
    if (currentState_ == ButtonState::Pressed) frame = SysColor(win32::COLOR_3DDKSHADOW);
    if (currentState_ == ButtonState::Disabled) frame = SysColor(win32::COLOR_GRAYTEXT);
    styles::ScopedBrush brush(frame);
    win32::FrameRect(dc, &all, brush.Get());
}

void raReruri::DrawCaption() {
    Trap([&] {
        std::int32_t color = static_cast<std::int32_t>(SysColor(win32::COLOR_BTNTEXT));
        if (currentState_ == ButtonState::Disabled) color = styles::TranslateColor(kSysGrayText);
        else if (useCustomColors_) color = currentState_ == ButtonState::Normal ? fontColor_ : fontHighlightColor_;
        const host::OLE_COLOR saved = userControl_->ForeColor();
        userControl_->SetForeColor(static_cast<host::OLE_COLOR>(color));
        win32::RECT rect = captionRect_;
        win32::DrawTextA(userControl_->hDC(), caption_.c_str(), -1, &rect, static_cast<win32::UINT>(captionFormat_));
        userControl_->SetForeColor(saved);
    });
}

}  // namespace control

// Refresh: the one routine every repaint goes through. It clears, settles
// the drawn state, lets the current style paint the face, then puts the icon
// and the caption on top.
#include "control/Trap.h"
#include "control/raReruri.h"
#include "control/raReruriCaption.h"
#include "control/raReruriStyles.h"
#include "control/styles/Colors.h"
#include "control/styles/Rounding.h"
#include "host/DrawingSurface.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiScoped.h"
#include "platform/gdi/SysColors.h"

namespace control {

void raReruri::Refresh() {
    Trap([&] {
        userControl_->Cls();
        contentMargin_ = 3;
        if (!isShown_) return;
        ForceState();
        PaintFace();
        DrawIcon();
        DrawCaption();
    });
    Trap([&] { userControl_->Invalidate(); });
}

void raReruri::PaintFace() {
    if (style_ == kThemedStyle) {
        PaintThemedFace();
        return;
    }
    const StylePainter& entry = StylePainterFor(style_);
    if (entry.paint) {
        host::UserControl* surface = userControl_.get();
        faceCache_.Paint(entry.paint, FaceSnapshot(), [surface](styles::Color color) {
            surface->AssignBackColor(static_cast<host::OLE_COLOR>(color));
        });
    }
    contentMargin_ = entry.contentMargin;
}

styles::FaceState raReruri::FaceSnapshot() {
    host::UserControl* surface = userControl_.get();
    styles::FaceState face;
    face.dc = surface->hDC();
    face.width = styles::RoundToInt32(surface->ScaleWidth());
    face.height = styles::RoundToInt32(surface->ScaleHeight());
    face.state = currentState_;
    face.hasFocus = hasFocus_;
    face.showFocus = showFocus_;
    face.displayAsDefault = surface->Ambient().DisplayAsDefault;
    face.useCustomColors = useCustomColors_;
    face.backColor = backColor_;
    face.highlightColor = highlightColor_;
    face.setBackColor = [surface](styles::Color color) {
        surface->SetBackColor(static_cast<host::OLE_COLOR>(color));
    };
    return face;
}

// The drawn state a repaint settles on, before anything is painted. Later
// rules override earlier ones, and the result stays in CurrentState.
void raReruri::ForceState() {
    constexpr Long kRoundedGradient = 5;
    // While the form is being designed, every style but 5 shows its hot look.
    if (!userControl_->Ambient().UserMode && style_ != kRoundedGradient) currentState_ = ButtonState::Hot;
    if (buttonType_ == kToggleButton && value_) currentState_ = ButtonState::Pressed;
    if (!enabled_) {
        currentState_ = ButtonState::Disabled;
        const host::OLE_COLOR buttonFace = host::SystemColor(win32::COLOR_BTNFACE);
        // Refresh comes here straight from Cls: when the new colour fills the
        // same, clearing again would change no pixel.
        if (host::ResolveColor(userControl_->BackColor()) == host::ResolveColor(buttonFace))
            userControl_->AssignBackColor(buttonFace);
        else
            userControl_->SetBackColor(buttonFace);
    }
}

// The caption, the last step of Refresh.
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

// Refresh: the one routine every repaint goes through. It clears, settles
// the drawn state, lets the current style paint the face, then puts the icon
// and the caption on top.
#include "control/RenderStyles.h"
#include "control/Trap.h"
#include "control/raReruri.h"
#include "control/styles/Rounding.h"

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
    if (entry.paint) entry.paint(FaceSnapshot());
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

}  // namespace control

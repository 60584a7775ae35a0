// The icon step of Refresh: placement by IconAlign and state, the raised
// look of style 4 when hot, and the picture itself.
#include "control/RenderIcon.h"

#include "control/raReruri.h"
#include "control/styles/Rounding.h"
#include "platform/gdi/Gdi.h"

namespace control {
namespace {

using styles::RoundToInt32;

constexpr std::int32_t kTintedFlatStyle = 4;
constexpr win32::COLORREF kSilhouette = 0x808080;

}  // namespace

win32::POINT IconOrigin(std::int32_t iconAlign, float sw, float sh, std::int32_t iconSize,
                        std::int32_t margin) {
    const double w = sw, h = sh, size = iconSize;
    const auto centredX = [&] { return RoundToInt32((w - size) / 2); };
    const auto centredY = [&] { return RoundToInt32((h - size) / 2); };
    switch (iconAlign) {
        case 0: return {centredX(), centredY()};
        case 1: return {margin, centredY()};
        case 2: return {RoundToInt32(w - size - margin), centredY()};
        case 3: return {centredX(), margin};
        case 4: return {centredX(), RoundToInt32(h - size - margin)};
        default: return {0, 0};
    }
}

void raReruri::DrawIcon() {
    if (!icon_ || icon_->Handle() == 0) return;
    host::UserControl& surface = *userControl_;
    const std::int32_t size = iconSize_;
    win32::POINT at =
        IconOrigin(iconAlign_, surface.ScaleWidth(), surface.ScaleHeight(), size, contentMargin_);
    if (currentState_ == ButtonState::Pressed) {
        at.x += 1;
        at.y += 1;
    }
    if (currentState_ == ButtonState::Hot && style_ == kTintedFlatStyle) {
        PaintIconShadow(at);
        at.x -= 2;
        at.y -= 2;
    }
    PaintIconPicture(at);
}

// The raised icon's shadow: the icon drawn where it sits, then every pixel
// of its square that differs from the face colour (read at (1, 1)) turned
// grey. The scan includes both ends, so it covers one pixel more than the
// icon each way.
void raReruri::PaintIconShadow(win32::POINT at) {
    host::UserControl& surface = *userControl_;
    const std::int32_t size = iconSize_;
    surface.PaintPicture(*icon_, static_cast<float>(at.x), static_cast<float>(at.y), static_cast<float>(size),
                         static_cast<float>(size));
    const win32::HDC dc = surface.hDC();
    const win32::COLORREF background = win32::GetPixel(dc, 1, 1);
    for (std::int32_t py = at.y; py <= at.y + size; ++py)
        for (std::int32_t px = at.x; px <= at.x + size; ++px)
            if (win32::GetPixel(dc, px, py) != background) win32::SetPixelV(dc, px, py, kSilhouette);
}

// The picture at its final place. The mask-colour and grey-level routines
// arrive with the icon drawing code; until then those paths draw the picture
// as it is.
void raReruri::PaintIconPicture(win32::POINT at) {
    const float size = iconSize_;
    userControl_->PaintPicture(*icon_, static_cast<float>(at.x), static_cast<float>(at.y), size, size);
}

}  // namespace control

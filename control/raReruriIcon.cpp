// The icon step of Refresh: placement by IconAlign and state, the raised
// look of style 4 when hot, and the picture itself, drawn as it is, through
// its mask colour, or in grey levels when disabled.
#include "control/raReruriIcon.h"

#include <algorithm>

#include "control/Trap.h"
#include "control/raReruri.h"
#include "control/styles/IconGrayscale.h"
#include "control/styles/PictureMasked.h"
#include "control/styles/Rounding.h"
#include "platform/gdi/Gdi.h"

namespace control {
namespace {

using styles::MaskedLook;
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
    win32::POINT at =
        IconOrigin(iconAlign_, surface.ScaleWidth(), surface.ScaleHeight(), iconSize_, contentMargin_);
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

// The image of the icon file nearest IconSize (a picture of one image is
// itself).
const host::Picture& raReruri::ShownIcon() const { return icon_->NearestSize(iconSize_); }

// The raised icon's shadow. With a mask colour: a grey silhouette one pixel
// down and right, then the icon one pixel up and left (the icon is drawn
// once more, a pixel further, by the caller). Without: the icon drawn where
// it sits, then every pixel of its square that differs from the face colour
// (read at (1, 1)) turned grey. That scan includes both ends, so it covers
// one pixel more than the icon each way; it stops at the surface's edges,
// where reading and writing would change nothing anyway.
void raReruri::PaintIconShadow(win32::POINT at) {
    const host::Picture& picture = ShownIcon();
    host::UserControl& surface = *userControl_;
    const std::int32_t size = iconSize_;
    const win32::HDC dc = surface.hDC();
    if (useMaskColor_) {
        PaintPictureMasked(dc, at.x + 1, at.y + 1, size, size, picture, maskColor_, kSilhouette,
                           MaskedLook::Plain);
        PaintPictureMasked(dc, at.x - 1, at.y - 1, size, size, picture, maskColor_, styles::kNoFill,
                           MaskedLook::Plain);
        return;
    }
    surface.PaintPicture(picture, static_cast<float>(at.x), static_cast<float>(at.y),
                         static_cast<float>(size), static_cast<float>(size));
    const win32::COLORREF background = win32::GetPixel(dc, 1, 1);
    win32::RECT box;
    win32::GetClipBox(dc, &box);
    const long long top = std::max<long long>(at.y, box.top), left = std::max<long long>(at.x, box.left);
    const long long bottom = std::min<long long>(static_cast<long long>(at.y) + size, box.bottom - 1LL);
    const long long right = std::min<long long>(static_cast<long long>(at.x) + size, box.right - 1LL);
    for (long long py = top; py <= bottom; ++py)
        for (long long px = left; px <= right; ++px)
            if (win32::GetPixel(dc, int(px), int(py)) != background)
                win32::SetPixelV(dc, int(px), int(py), kSilhouette);
}

// The picture at its final place.
void raReruri::PaintIconPicture(win32::POINT at) {
    const host::Picture& picture = ShownIcon();
    const std::int32_t size = iconSize_;
    const win32::HDC dc = userControl_->hDC();
    if (useMaskColor_) {
        PaintPictureMasked(dc, at.x, at.y, size, size, picture, maskColor_, styles::kNoFill,
                           enabled_ ? MaskedLook::Plain : MaskedLook::Grayscale);
    } else if (enabled_) {
        userControl_->PaintPicture(picture, static_cast<float>(at.x), static_cast<float>(at.y),
                                   static_cast<float>(size), static_cast<float>(size));
    } else {
        PaintIconGrayscale(dc, reinterpret_cast<win32::HICON>(picture.Handle()), at.x, at.y, size, size);
    }
}

void raReruri::PaintPictureMasked(win32::HDC hDC, Long X, Long Y, Long Width, Long Height,
                                  const host::Picture& picture, Color TransparentColor, Long FillColor,
                                  MaskedLook look) {
    Trap([&] {
        const styles::MaskSettings settings{userControl_->hDC(), useMaskColor_, maskColor_};
        const styles::MaskedPicture source{picture.Handle(), picture.Type() == host::PictureType::Bitmap,
                                           picture.Width(), picture.Height()};
        styles::PaintPictureMasked(settings, hDC, X, Y, Width, Height, source, TransparentColor, FillColor,
                                   look);
    });
}

bool raReruri::PaintIconGrayscale(win32::HDC Dest_hDC, win32::HICON hIcon, Long Dest_X, Long Dest_Y,
                                  Long Dest_Height, Long Dest_Width) {
    bool drawn = false;
    Trap([&] {
        drawn = styles::PaintIconGrayscale(Dest_hDC, hIcon, Dest_X, Dest_Y, Dest_Height, Dest_Width);
    });
    return drawn;
}

}  // namespace control

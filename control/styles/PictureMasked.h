// PaintPictureMasked: a picture composed over the surface pixel by pixel,
// with one colour transparent, optionally as a flat-colour silhouette, in
// grey levels or blended with what lies under it.
#pragma once

#include <cstdint>

#include "control/styles/Color.h"
#include "platform/Win32Types.h"

namespace control::styles {

// What the routine needs of a picture object.
struct MaskedPicture {
    win32::LONG_PTR handle = 0;
    bool isBitmap = false;   // a bitmap is used as it is; anything else is drawn as an icon
    std::int32_t width = 0;  // the picture's own size in pixels
    std::int32_t height = 0;
};

// The control's state the routine reads besides its arguments.
struct MaskSettings {
    win32::HDC surface = nullptr;  // the control's DC: memory DCs and nearest colours come from it
    bool useMaskColor = false;     // False: no pixel is transparent
    Color maskColor = 0;           // also fills an icon's background
};

enum class MaskedLook : unsigned { Plain = 0, DarkOnly = 1, Grayscale = 2, Blend = 4 };
constexpr MaskedLook operator|(MaskedLook a, MaskedLook b) {
    return static_cast<MaskedLook>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool Has(MaskedLook set, MaskedLook flag) {
    return (static_cast<unsigned>(set) & static_cast<unsigned>(flag)) != 0;
}

constexpr std::int32_t kNoFill = -1;

// Draws the picture, unscaled from its top-left corner, into the width x
// height rectangle at (x, y) of hdc. A negative width or height takes the
// picture's own. With fillColor >= 0 every opaque pixel takes that colour
// (DarkOnly leaves out pixels whose channels add up to more than 384);
// otherwise Grayscale, else Blend, else the pixel itself. Only the part of
// the rectangle that lands on hdc's surface is worked out.
void PaintPictureMasked(const MaskSettings& control, win32::HDC hdc, std::int32_t x, std::int32_t y,
                        std::int32_t width, std::int32_t height, const MaskedPicture& picture,
                        Color transparentColor, std::int32_t fillColor, MaskedLook look);

// The Grayscale level of a pixel: round(round(0.3 red) + 0.59 green +
// 0.11 blue), each rounding to even.
std::uint8_t MaskedGrey(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

}  // namespace control::styles

// PaintPictureMasked. The surface and the picture each go through a 24-bit
// bottom-up DIB buffer (one bulk read, one bulk write); per pixel only the
// nearest-colour lookup goes back to the device.
#include "control/styles/PictureMasked.h"

#include <algorithm>
#include <vector>

#include "control/styles/Rounding.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/GdiScoped.h"
#include "platform/gdi/Icons.h"

namespace control::styles {
namespace {

using win32::BYTE;
using win32::HDC;

constexpr int kDarkOnlyLimit = 384;

// The part of the target rectangle that lands on the DC's visible surface:
// the rectangle's own size may be anything a file or a setting holds.
struct Visible {
    std::int32_t left = 0, top = 0, width = 0, height = 0;
    std::int32_t fromX = 0, fromY = 0;  // where that part starts within the picture
};

bool VisiblePart(HDC hdc, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                 Visible& part) {
    win32::RECT box;
    if (win32::GetClipBox(hdc, &box) <= win32::NULLREGION) return false;
    const long long left = std::max<long long>(x, box.left), top = std::max<long long>(y, box.top);
    const long long right = std::min<long long>(static_cast<long long>(x) + width, box.right);
    const long long bottom = std::min<long long>(static_cast<long long>(y) + height, box.bottom);
    if (left >= right || top >= bottom) return false;
    part = {static_cast<std::int32_t>(left),         static_cast<std::int32_t>(top),
            static_cast<std::int32_t>(right - left), static_cast<std::int32_t>(bottom - top),
            static_cast<std::int32_t>(left - x),     static_cast<std::int32_t>(top - y)};
    return true;
}

win32::BITMAPINFO Info24(std::int32_t width, std::int32_t height) {
    win32::BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(win32::BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = win32::BI_RGB;
    return info;
}

// A width x height copy of src from (srcX, srcY), read into a 24-bit buffer.
std::vector<BYTE> ReadBuffer(HDC compatible, std::int32_t width, std::int32_t height, HDC src,
                             std::int32_t srcX, std::int32_t srcY) {
    win32::ScopedMemoryDC dc(compatible);
    win32::ScopedBitmap bitmap(win32::CreateCompatibleBitmap(compatible, width, height));
    std::vector<BYTE> buffer(std::size_t(win32::DibStride(width, 24)) * std::size_t(height));
    {
        win32::ScopedSelect select(dc.Get(), bitmap.Get());
        win32::BitBlt(dc.Get(), 0, 0, width, height, src, srcX, srcY, win32::SRCCOPY);
    }
    win32::BITMAPINFO info = Info24(width, height);
    win32::GetDIBits(dc.Get(), bitmap.Get(), 0, static_cast<win32::UINT>(height), buffer.data(), &info,
                     win32::DIB_RGB_COLORS);
    return buffer;
}

// The visible part of the picture as a 24-bit buffer. A bitmap is used as
// it is; an icon is drawn at its own size over the mask colour, which also
// fills whatever of the rectangle the icon does not cover, so that part
// stays transparent.
std::vector<BYTE> PictureBuffer(const MaskSettings& control, HDC hdc, const MaskedPicture& picture,
                                const Visible& part) {
    win32::ScopedMemoryDC source(control.surface);
    if (picture.isBitmap) {
        win32::ScopedSelect select(source.Get(), reinterpret_cast<win32::HGDIOBJ>(picture.handle));
        return ReadBuffer(hdc, part.width, part.height, source.Get(), part.fromX, part.fromY);
    }
    win32::ScopedBitmap scratch(win32::CreateCompatibleBitmap(hdc, part.width, part.height));
    win32::ScopedSelect select(source.Get(), scratch.Get());
    win32::ScopedBrush mask(ToColorRef(control.maskColor));
    const win32::RECT all{0, 0, part.width, part.height};
    win32::FillRect(source.Get(), &all, mask.Get());
    win32::DrawIconEx(source.Get(), -part.fromX, -part.fromY, reinterpret_cast<win32::HICON>(picture.handle),
                      0, 0, 0, mask.Get(), win32::DI_NORMAL);
    return ReadBuffer(hdc, part.width, part.height, source.Get(), 0, 0);
}

// What the rules make of one picture colour: whether it is transparent and
// its grey level. Pictures are runs of few colours, so this is worked out
// once per run: the same answers with far fewer nearest-colour lookups.
class ColourRules {
public:
    ColourRules(const MaskSettings& control, Color transparentColor)
        : control_(control), transparent_(ToColorRef(transparentColor)) {}
    void See(const BYTE* p) {
        const win32::COLORREF colour = win32::RGB(p[2], p[1], p[0]);
        if (colour == last_) return;
        last_ = colour;
        transparent =
            control_.useMaskColor && win32::GetNearestColor(control_.surface, colour) == transparent_;
        grey = MaskedGrey(p[2], p[1], p[0]);
    }
    bool transparent = false;
    BYTE grey = 0;

private:
    const MaskSettings& control_;
    const win32::COLORREF transparent_;
    win32::COLORREF last_ = win32::CLR_INVALID;  // no colour read from a buffer
};

// One pixel of the destination buffer (d) given the picture's (p), both B, G, R.
void ComposePixel(BYTE* d, const BYTE* p, const ColourRules& rules, std::int32_t fillColor,
                  const BYTE fill[3], MaskedLook look) {
    if (fillColor >= 0) {
        if (Has(look, MaskedLook::DarkOnly) && p[0] + p[1] + p[2] > kDarkOnlyLimit) return;
        d[0] = fill[0], d[1] = fill[1], d[2] = fill[2];
    } else if (Has(look, MaskedLook::Grayscale)) {
        d[0] = d[1] = d[2] = rules.grey;
    } else if (Has(look, MaskedLook::Blend)) {
        for (int c = 0; c < 3; ++c) d[c] = static_cast<BYTE>((2 * p[c] + d[c]) / 3);
    } else {
        d[0] = p[0], d[1] = p[1], d[2] = p[2];
    }
}

}  // namespace

std::uint8_t MaskedGrey(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<std::uint8_t>(RoundHalfEven(RoundHalfEven(0.3 * red) + 0.59 * green + 0.11 * blue));
}

void PaintPictureMasked(const MaskSettings& control, HDC hdc, std::int32_t x, std::int32_t y,
                        std::int32_t width, std::int32_t height, const MaskedPicture& picture,
                        Color transparentColor, std::int32_t fillColor, MaskedLook look) {
    if (width == 0 || height == 0) return;
    if (width < 0) width = picture.width;
    if (height < 0) height = picture.height;
    Visible part;
    if (!VisiblePart(hdc, x, y, width, height, part)) return;
    std::vector<BYTE> dest = ReadBuffer(hdc, part.width, part.height, hdc, part.left, part.top);
    const std::vector<BYTE> source = PictureBuffer(control, hdc, picture, part);
    // FillColor 0 and negative both give black bytes; only >= 0 fills.
    const BYTE fill[3] = {static_cast<BYTE>(fillColor > 0 ? fillColor >> 16 : 0),
                          static_cast<BYTE>(fillColor > 0 ? fillColor >> 8 : 0),
                          static_cast<BYTE>(fillColor > 0 ? fillColor : 0)};
    const std::size_t stride = std::size_t(win32::DibStride(part.width, 24));
    ColourRules rules(control, transparentColor);
    for (std::size_t row = 0; row < std::size_t(part.height); ++row) {
        for (std::size_t i = row * stride; i < row * stride + 3 * std::size_t(part.width); i += 3) {
            rules.See(&source[i]);
            if (!rules.transparent) ComposePixel(&dest[i], &source[i], rules, fillColor, fill, look);
        }
    }
    const win32::BITMAPINFO info = Info24(part.width, part.height);
    win32::SetDIBitsToDevice(hdc, part.left, part.top, static_cast<win32::DWORD>(part.width),
                             static_cast<win32::DWORD>(part.height), 0, 0, 0,
                             static_cast<win32::UINT>(part.height), dest.data(), &info,
                             win32::DIB_RGB_COLORS);
}

}  // namespace control::styles

#include "control/styles/IconGrayscale.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "control/styles/Rounding.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/GdiScoped.h"
#include "platform/gdi/Icons.h"

namespace control::styles {
namespace {

// 0x000000, 0x101010 ... 0x808080, 0xA0A0A0 ... 0xF0F0F0 and 0xFFFFFF:
// 0x909090 is not among them.
bool IsGreyLevel(win32::COLORREF color) {
    const win32::COLORREF v = color & 0xFF;
    return color == (v | v << 8 | v << 16) && (v == 0xFF || (v % 0x10 == 0 && v != 0x90));
}

// Every pixel of the bitmap (not selected into a DC) becomes its GrayLevel.
void TurnGrey(win32::HDC dc, win32::HBITMAP bitmap, int width, int height) {
    win32::BITMAPINFO info = win32::TopDown32BitInfo(width, height);
    std::vector<std::uint32_t> pixels(std::size_t(width) * std::size_t(height));  // 0x00RRGGBB
    if (win32::GetDIBits(dc, bitmap, 0, win32::UINT(height), pixels.data(), &info, win32::DIB_RGB_COLORS) !=
        height)
        return;
    // Icons are runs of few colours: the last one is worked out once.
    std::uint32_t lastIn = 0xFFFFFFFF, lastOut = 0;  // no pixel read has a fourth byte
    for (std::uint32_t& p : pixels) {
        if (p != lastIn) {
            lastIn = p;
            const win32::COLORREF grey =
                GrayLevel(win32::RGB(win32::BYTE(p >> 16), win32::BYTE(p >> 8), win32::BYTE(p)));
            lastOut = (grey & 0xFF) * 0x010101;
        }
        p = lastOut;
    }
    win32::SetDIBits(dc, bitmap, 0, win32::UINT(height), pixels.data(), &info, win32::DIB_RGB_COLORS);
}

}  // namespace

win32::COLORREF GrayLevel(win32::COLORREF color) {
    if (IsGreyLevel(color)) return color;
    const double red = color & 0xFF, green = (color >> 8) & 0xFF, blue = (color >> 16) & 0xFF;
    const auto v =
        static_cast<win32::BYTE>(std::min(255.0, RoundHalfEven(0.59 * green + 0.33 * red + 0.11 * blue)));
    return win32::RGB(v, v, v);
}

bool GetIconBitmaps(win32::HICON hIcon, win32::HBITMAP& maskBitmap, win32::HBITMAP& colorBitmap) {
    win32::ICONINFO info;
    if (!win32::GetIconInfo(hIcon, &info)) return false;
    maskBitmap = info.hbmMask;
    colorBitmap = info.hbmColor;
    return true;
}

win32::HICON CreateIconFromBitmaps(win32::HBITMAP maskBitmap, win32::HBITMAP colorBitmap) {
    if (!maskBitmap || !colorBitmap) return nullptr;
    win32::ICONINFO info;
    info.fIcon = win32::TRUE;
    info.hbmMask = maskBitmap;
    info.hbmColor = colorBitmap;
    return win32::CreateIconIndirect(&info);
}

// The pixels go through one bulk read and one bulk write rather than a
// device call each way per pixel: the same pixels at a fraction of the cost,
// which keeps a disabled icon cheaper than the face under it.
bool GrayscaleBitmap(win32::HDC hdc, win32::HBITMAP hBitmap, std::int32_t x, std::int32_t y,
                     std::int32_t srcX, std::int32_t srcY) {
    if (!hdc || !hBitmap) return false;
    win32::ScopedWindowDC screen;
    win32::ScopedMemoryDC memory(screen.Get());
    win32::BITMAP size;
    if (!win32::GetObjectA(hBitmap, sizeof size, &size) || size.bmWidth <= 0 || size.bmHeight <= 0)
        return false;
    TurnGrey(memory.Get(), hBitmap, size.bmWidth, size.bmHeight);
    win32::ScopedSelect select(memory.Get(), hBitmap);
    win32::BitBlt(hdc, x, y, size.bmWidth, size.bmHeight, memory.Get(), srcX, srcY, win32::SRCCOPY);
    return true;
}

bool PaintIconGrayscale(win32::HDC Dest_hDC, win32::HICON hIcon, std::int32_t Dest_X, std::int32_t Dest_Y,
                        std::int32_t Dest_Height, std::int32_t Dest_Width) {
    if (!Dest_hDC || !hIcon) return false;
    win32::HBITMAP mask = nullptr, colour = nullptr;
    if (!GetIconBitmaps(hIcon, mask, colour)) return false;
    // Declared so that they go in this order: the grey icon, the scratch
    // DC, then both bitmaps.
    const win32::ScopedBitmap ownedMask(mask), ownedColour(colour);
    const win32::ScopedMemoryDC scratch;
    if (!scratch || !GrayscaleBitmap(scratch.Get(), colour, 0, 0, 0, 0)) return false;
    const win32::ScopedIcon grey(CreateIconFromBitmaps(mask, colour));
    return grey && win32::DrawIconEx(Dest_hDC, Dest_X, Dest_Y, grey.Get(), Dest_Width, Dest_Height, 0,
                                     nullptr, win32::DI_NORMAL);
}

}  // namespace control::styles

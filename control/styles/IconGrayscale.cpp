#include "control/styles/IconGrayscale.h"

#include <algorithm>
#include <array>
#include <memory>

#include "control/styles/GdiScoped.h"
#include "control/styles/Rounding.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Icons.h"

namespace control::styles {
namespace {

// 0x909090 is not among them.
constexpr std::array<win32::COLORREF, 16> kGreyLevels{
    0x000000, 0x101010, 0x202020, 0x303030, 0x404040, 0x505050, 0x606060, 0x707070,
    0x808080, 0xA0A0A0, 0xB0B0B0, 0xC0C0C0, 0xD0D0D0, 0xE0E0E0, 0xF0F0F0, 0xFFFFFF};

struct IconDestroyer {
    void operator()(win32::HICON__* icon) const { win32::DestroyIcon(icon); }
};
using ScopedIcon = std::unique_ptr<win32::HICON__, IconDestroyer>;

class ScreenDC {
public:
    ScreenDC() : dc_(win32::GetDC(nullptr)) {}
    ~ScreenDC() { win32::ReleaseDC(nullptr, dc_); }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    win32::HDC Get() const { return dc_; }

private:
    win32::HDC dc_;
};

}  // namespace

win32::COLORREF GrayLevel(win32::COLORREF color) {
    if (std::find(kGreyLevels.begin(), kGreyLevels.end(), color) != kGreyLevels.end()) return color;
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

// One read and one write through the device a pixel, column by column.
bool GrayscaleBitmap(win32::HDC hdc, win32::HBITMAP hBitmap, std::int32_t x, std::int32_t y,
                     std::int32_t srcX, std::int32_t srcY) {
    if (!hdc || !hBitmap) return false;
    ScreenDC screen;
    ScopedMemoryDC memory(screen.Get());
    ScopedSelect select(memory.Get(), hBitmap);
    win32::BITMAP size;
    if (!win32::GetObjectA(hBitmap, sizeof size, &size) || size.bmWidth <= 0 || size.bmHeight <= 0)
        return false;
    for (int px = 0; px < size.bmWidth; ++px) {
        for (int py = 0; py < size.bmHeight; ++py) {
            const win32::COLORREF c = win32::GetPixel(memory.Get(), px, py);
            if (c == win32::CLR_INVALID) continue;
            win32::SetPixelV(memory.Get(), px, py, GrayLevel(c));
        }
    }
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
    const ScopedBitmap ownedMask(mask), ownedColour(colour);
    const ScopedMemoryDC scratch;
    if (!scratch || !GrayscaleBitmap(scratch.Get(), colour, 0, 0, 0, 0)) return false;
    const ScopedIcon grey(CreateIconFromBitmaps(mask, colour));
    return grey && win32::DrawIconEx(Dest_hDC, Dest_X, Dest_Y, grey.get(), Dest_Width, Dest_Height, 0,
                                     nullptr, win32::DI_NORMAL);
}

}  // namespace control::styles

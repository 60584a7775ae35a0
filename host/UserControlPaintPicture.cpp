#include <algorithm>
#include <cmath>
#include <vector>

#include "host/UserControl.h"
#include "platform/gdi/Gdi.h"

namespace host {
namespace {

win32::BITMAPINFO TopDown32(int width, int height) {
    win32::BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(win32::BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = win32::BI_RGB;
    return info;
}

// The bitmap's pixels, top-down, 32 bits each; empty on failure.
std::vector<std::uint32_t> ReadPixels(win32::HDC dc, win32::HBITMAP bitmap, int width, int height) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    win32::BITMAPINFO info = TopDown32(width, height);
    if (win32::GetDIBits(dc, bitmap, 0, static_cast<win32::UINT>(height), pixels.data(), &info,
                         win32::DIB_RGB_COLORS) != height)
        pixels.clear();
    return pixels;
}

int Round(float v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

// Scaled by nearest neighbour: each target pixel takes the source pixel
// under its centre. An icon leaves the pixels of its mask's set bits alone.
// Only the part that lands on the surface is worked out, so a huge size
// costs no more than the surface.
void UserControl::PaintPicture(const Picture& picture, float x, float y, float width, float height) {
    if (picture.Type() == PictureType::None) return;
    const int w = Round(width), h = Round(height);
    const int sw = picture.Width(), sh = picture.Height();
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
    const int left = Round(x), top = Round(y);
    const int x0 = std::max(0, -left), y0 = std::max(0, -top);
    const int x1 = static_cast<int>(std::min<long long>(w, static_cast<long long>(width_) - left));
    const int y1 = static_cast<int>(std::min<long long>(h, static_cast<long long>(height_) - top));
    if (x0 >= x1 || y0 >= y1) return;
    const std::vector<std::uint32_t> source =
        ReadPixels(dc_, reinterpret_cast<win32::HBITMAP>(picture.Handle()), sw, sh);
    const std::vector<std::uint32_t> mask =
        picture.Mask() ? ReadPixels(dc_, picture.Mask(), sw, sh) : std::vector<std::uint32_t>();
    if (source.empty() || (picture.Mask() && mask.empty())) return;
    const int vw = x1 - x0, vh = y1 - y0;
    std::vector<std::uint32_t> scaled(static_cast<std::size_t>(vw) * static_cast<std::size_t>(vh));
    std::vector<bool> opaque(scaled.size(), true);
    for (int ty = y0; ty < y1; ++ty) {
        const auto sy = static_cast<std::size_t>((2LL * ty + 1) * sh / (2LL * h));
        for (int tx = x0; tx < x1; ++tx) {
            const auto sx = static_cast<std::size_t>((2LL * tx + 1) * sw / (2LL * w));
            const std::size_t from = sy * static_cast<std::size_t>(sw) + sx;
            const std::size_t to = static_cast<std::size_t>(ty - y0) * static_cast<std::size_t>(vw) +
                                   static_cast<std::size_t>(tx - x0);
            scaled[to] = source[from];
            if (!mask.empty()) opaque[to] = (mask[from] & 0xFFFFFF) == 0;
        }
    }
    if (mask.empty()) {
        const win32::BITMAPINFO info = TopDown32(vw, vh);
        win32::SetDIBitsToDevice(dc_, left + x0, top + y0, static_cast<win32::DWORD>(vw),
                                 static_cast<win32::DWORD>(vh), 0, 0, 0, static_cast<win32::UINT>(vh),
                                 scaled.data(), &info, win32::DIB_RGB_COLORS);
        return;
    }
    for (int ty = 0; ty < vh; ++ty) {
        for (int tx = 0; tx < vw; ++tx) {
            const std::size_t i =
                static_cast<std::size_t>(ty) * static_cast<std::size_t>(vw) + static_cast<std::size_t>(tx);
            if (!opaque[i]) continue;
            const std::uint32_t rgb = scaled[i];  // 0x00RRGGBB as the DIB read it
            win32::SetPixelV(dc_, left + x0 + tx, top + y0 + ty,
                             win32::RGB(static_cast<win32::BYTE>(rgb >> 16),
                                        static_cast<win32::BYTE>(rgb >> 8), static_cast<win32::BYTE>(rgb)));
        }
    }
}

}  // namespace host

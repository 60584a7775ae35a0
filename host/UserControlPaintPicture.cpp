#include <algorithm>
#include <cmath>
#include <vector>

#include "host/UserControl.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/Icons.h"

namespace host {
namespace {

// The bitmap's pixels, top-down, 32 bits each; empty on failure.
std::vector<std::uint32_t> ReadPixels(win32::HDC dc, win32::HBITMAP bitmap, int width, int height) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    win32::BITMAPINFO info = win32::TopDown32BitInfo(width, height);
    if (win32::GetDIBits(dc, bitmap, 0, static_cast<win32::UINT>(height), pixels.data(), &info,
                         win32::DIB_RGB_COLORS) != height)
        pixels.clear();
    return pixels;
}

// Nearest, ties to even, as nearbyint in the default rounding mode: adding
// and taking away 2^52 rounds in double without calling into libm, whose
// pages would be mapped at start-up for this alone.
int Round(float v) {
    constexpr double kTwo52 = 4503599627370496.0;
    const double magnitude = std::fabs(double(v));
    if (!(magnitude < kTwo52)) return static_cast<int>(v);
    return static_cast<int>(std::copysign((magnitude + kTwo52) - kTwo52, double(v)));
}

}  // namespace

// Scaled by nearest neighbour: each target pixel takes the source pixel
// under its centre; icons are drawn through their mask or alpha. Only the
// part that lands on the surface is worked out, so a huge size costs no
// more than the surface.
void UserControl::PaintPicture(const Picture& picture, float x, float y, float width, float height) {
    if (picture.Type() == PictureType::None) return;
    const int w = Round(width), h = Round(height);
    const int sw = picture.Width(), sh = picture.Height();
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
    const int left = Round(x), top = Round(y);
    if (picture.Type() == PictureType::Icon) {
        win32::DrawIconEx(hDC(), left, top, reinterpret_cast<win32::HICON>(picture.Handle()), w, h, 0,
                          nullptr, win32::DI_NORMAL);
        return;
    }
    const int x0 = std::max(0, -left), y0 = std::max(0, -top);
    const int x1 = static_cast<int>(std::min<long long>(w, static_cast<long long>(surface_.Width()) - left));
    const int y1 = static_cast<int>(std::min<long long>(h, static_cast<long long>(surface_.Height()) - top));
    if (x0 >= x1 || y0 >= y1) return;
    const std::vector<std::uint32_t> source =
        ReadPixels(hDC(), reinterpret_cast<win32::HBITMAP>(picture.Handle()), sw, sh);
    if (source.empty()) return;
    const int vw = x1 - x0, vh = y1 - y0;
    std::vector<std::uint32_t> scaled(static_cast<std::size_t>(vw) * static_cast<std::size_t>(vh));
    for (int ty = y0; ty < y1; ++ty) {
        const auto sy = static_cast<std::size_t>((2LL * ty + 1) * sh / (2LL * h));
        for (int tx = x0; tx < x1; ++tx) {
            const auto sx = static_cast<std::size_t>((2LL * tx + 1) * sw / (2LL * w));
            scaled[static_cast<std::size_t>(ty - y0) * static_cast<std::size_t>(vw) +
                   static_cast<std::size_t>(tx - x0)] = source[sy * static_cast<std::size_t>(sw) + sx];
        }
    }
    const win32::BITMAPINFO info = win32::TopDown32BitInfo(vw, vh);
    win32::SetDIBitsToDevice(hDC(), left + x0, top + y0, static_cast<win32::DWORD>(vw),
                             static_cast<win32::DWORD>(vh), 0, 0, 0, static_cast<win32::UINT>(vh),
                             scaled.data(), &info, win32::DIB_RGB_COLORS);
}

}  // namespace host

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

// Bitmaps are scaled by nearest neighbour: each target pixel takes the source
// pixel under its centre.
void UserControl::PaintPicture(const Picture& picture, float x, float y, float width, float height) {
    if (picture.Type() != PictureType::Bitmap) return;
    const int w = Round(width), h = Round(height);
    const int sw = picture.Width(), sh = picture.Height();
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
    const auto bitmap = reinterpret_cast<win32::HBITMAP>(picture.Handle());
    const std::vector<std::uint32_t> source = ReadPixels(dc_, bitmap, sw, sh);
    if (source.empty()) return;
    std::vector<std::uint32_t> scaled(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int ty = 0; ty < h; ++ty) {
        const auto sy = static_cast<std::size_t>((2LL * ty + 1) * sh / (2LL * h));
        for (int tx = 0; tx < w; ++tx) {
            const auto sx = static_cast<std::size_t>((2LL * tx + 1) * sw / (2LL * w));
            scaled[static_cast<std::size_t>(ty) * static_cast<std::size_t>(w) + static_cast<std::size_t>(tx)] =
                source[sy * static_cast<std::size_t>(sw) + sx];
        }
    }
    const win32::BITMAPINFO info = TopDown32(w, h);
    win32::SetDIBitsToDevice(dc_, Round(x), Round(y), static_cast<win32::DWORD>(w), static_cast<win32::DWORD>(h), 0,
                             0, 0, static_cast<win32::UINT>(h), scaled.data(), &info, win32::DIB_RGB_COLORS);
}

}  // namespace host

#include "tests/differential/Surface.h"

#include <cstring>

namespace corvalmire::differential {
namespace {

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

#ifdef _WIN32

Surface::Surface(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info = TopDown32(width, height);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
}

void Surface::Load(const std::vector<std::uint32_t>& pixels) {
    GdiFlush();
    std::memcpy(bits_, pixels.data(), pixels.size() * sizeof(std::uint32_t));
}

std::vector<std::uint32_t> Surface::Read() const {
    GdiFlush();
    std::vector<std::uint32_t> pixels(bits_, bits_ + std::size_t(width_) * std::size_t(height_));
    // The fourth byte of a 32-bit BI_RGB pixel is unused.
    for (std::uint32_t& p : pixels) p &= 0x00FFFFFF;
    return pixels;
}

#else

Surface::Surface(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
    bitmap_ = CreateCompatibleBitmap(dc_, width, height);
    previous_ = SelectObject(dc_, bitmap_);
}

void Surface::Load(const std::vector<std::uint32_t>& pixels) {
    BITMAPINFO info = TopDown32(width_, height_);
    SetDIBits(dc_, bitmap_, 0, UINT(height_), pixels.data(), &info, DIB_RGB_COLORS);
}

std::vector<std::uint32_t> Surface::Read() const {
    std::vector<std::uint32_t> pixels(std::size_t(width_) * std::size_t(height_));
    BITMAPINFO info = TopDown32(width_, height_);
    GetDIBits(dc_, bitmap_, 0, UINT(height_), pixels.data(), &info, DIB_RGB_COLORS);
    for (std::uint32_t& p : pixels) p &= 0x00FFFFFF;
    return pixels;
}

#endif

Surface::~Surface() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

HBITMAP Surface::TakeOut() {
    SelectObject(dc_, previous_);
    return bitmap_;
}

void Surface::PutBack() { SelectObject(dc_, bitmap_); }

}  // namespace corvalmire::differential

// Icons read from .ico data: the colour image and its AND mask, each turned
// into a 32-bit bitmap through SetDIBits.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "host/Picture.h"
#include "platform/gdi/Gdi.h"

namespace host {
namespace {

std::uint32_t Read32(std::span<const unsigned char> b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t Read16(std::span<const unsigned char> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

struct Entry {
    std::size_t offset = 0, size = 0;
    int width = 0;
};

// The directory entry closest to 16 pixels wide; an entry of width 0 is 256.
bool PickEntry(std::span<const unsigned char> bytes, Entry& picked) {
    if (bytes.size() < 6 || Read16(bytes, 0) != 0 || Read16(bytes, 2) != 1) return false;
    const int count = Read16(bytes, 4);
    if (count == 0 || bytes.size() < 6 + 16 * std::size_t(count)) return false;
    for (int i = 0; i < count; ++i) {
        const std::size_t at = 6 + 16 * std::size_t(i);
        const int width = bytes[at] ? bytes[at] : 256;
        if (picked.size && std::abs(width - 16) >= std::abs(picked.width - 16)) continue;
        picked = {Read32(bytes, at + 12), Read32(bytes, at + 8), width};
    }
    return picked.offset + picked.size <= bytes.size() && picked.size >= 40;
}

// A bitmap of the DIB bits, or nullptr.
win32::HBITMAP FromDib(const win32::BITMAPINFO* info, const unsigned char* bits, int width, int height) {
    const win32::HDC dc = win32::CreateCompatibleDC(nullptr);
    win32::HBITMAP bitmap = win32::CreateCompatibleBitmap(dc, width, height);
    if (bitmap && win32::SetDIBits(dc, bitmap, 0, static_cast<win32::UINT>(height), bits, info,
                                   win32::DIB_RGB_COLORS) != height) {
        win32::DeleteObject(bitmap);
        bitmap = nullptr;
    }
    win32::DeleteDC(dc);
    return bitmap;
}

}  // namespace

PicturePtr Picture::FromIconFile(std::span<const unsigned char> bytes) {
    Entry entry;
    if (!PickEntry(bytes, entry)) return nullptr;
    const auto image = bytes.subspan(entry.offset, entry.size);
    const int width = static_cast<int>(Read32(image, 4));
    const int height = static_cast<int>(Read32(image, 8)) / 2;  // colour image above its mask
    const int bits = Read16(image, 14);
    if (Read32(image, 0) != 40 || Read32(image, 16) != 0 || width <= 0 || height <= 0 || bits == 0 ||
        bits > 32)
        return nullptr;
    const std::uint32_t colours = bits <= 8 ? (Read32(image, 32) ? Read32(image, 32) : 1u << bits) : 0;
    const std::size_t colourBytes = std::size_t(win32::DibStride(width, bits)) * std::size_t(height);
    const std::size_t maskBytes = std::size_t(win32::DibStride(width, 1)) * std::size_t(height);
    const std::size_t pixelsAt = 40 + 4 * std::size_t(colours);
    if (image.size() < pixelsAt + colourBytes + maskBytes) return nullptr;

    // The header as a DIB of the colour image alone (a copy: the data may be unaligned).
    std::vector<unsigned char> header(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(pixelsAt));
    std::int32_t dibHeight = height;
    std::memcpy(header.data() + 8, &dibHeight, 4);
    const auto* colourInfo = reinterpret_cast<const win32::BITMAPINFO*>(header.data());
    const win32::HBITMAP colour = FromDib(colourInfo, image.data() + pixelsAt, width, height);

    // The mask: 1 bit a pixel, black where the icon is drawn, white where not.
    std::vector<unsigned char> maskHeader(40 + 8, 0);
    std::memcpy(maskHeader.data(), header.data(), 40);
    const std::uint16_t one = 1;
    const std::uint32_t two = 2;
    std::memcpy(maskHeader.data() + 14, &one, 2);
    std::memcpy(maskHeader.data() + 32, &two, 4);
    maskHeader[44] = maskHeader[45] = maskHeader[46] = 0xFF;  // entry 1: white
    const auto* maskInfo = reinterpret_cast<const win32::BITMAPINFO*>(maskHeader.data());
    const win32::HBITMAP mask = FromDib(maskInfo, image.data() + pixelsAt + colourBytes, width, height);
    if (!colour || !mask) {
        if (colour) win32::DeleteObject(colour);
        if (mask) win32::DeleteObject(mask);
        return nullptr;
    }
    PicturePtr picture(new Picture(colour, PictureType::Icon, width, height));
    picture->mask_ = mask;
    return picture;
}

}  // namespace host

#include "tools/render/PictureFile.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/GdiScoped.h"

namespace render_tool {
namespace {

using win32::BITMAPINFOHEADER;

std::uint32_t Read32(std::span<const std::uint8_t> b, size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}

// A packed DIB (header, colour table, bits) as a bitmap of the given
// height. Returns 0 when malformed.
win32::HBITMAP BitmapFromDib(std::span<const std::uint8_t> dib, int height) {
    if (dib.size() < sizeof(BITMAPINFOHEADER)) return nullptr;
    BITMAPINFOHEADER header;
    std::memcpy(&header, dib.data(), sizeof header);
    const int bits = header.biBitCount;
    if (header.biSize < 40 || header.biPlanes != 1 || header.biCompression != 0 || header.biWidth < 1 ||
        header.biWidth > 1024 || height < 1 || height > 1024 ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32))
        return nullptr;
    const size_t colors = bits <= 8 ? (header.biClrUsed ? header.biClrUsed : 1u << bits) : 0;
    const size_t tableEnd = header.biSize + colors * 4;
    const size_t stride = static_cast<size_t>(win32::DibStride(header.biWidth, bits));
    if (colors > 256 || dib.size() < tableEnd + stride * size_t(height)) return nullptr;

    // The header and colour table as the GDI call wants them, with the real height.
    std::vector<std::uint8_t> info(sizeof(BITMAPINFOHEADER) + 256 * 4);
    std::memcpy(info.data(), dib.data(), sizeof(BITMAPINFOHEADER));
    std::memcpy(info.data() + sizeof(BITMAPINFOHEADER), dib.data() + header.biSize, colors * 4);
    auto* bmi = reinterpret_cast<win32::BITMAPINFO*>(info.data());
    bmi->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi->bmiHeader.biHeight = header.biHeight < 0 ? -height : height;
    win32::ScopedBitmap bitmap(
        win32::CreateCompatibleBitmap(win32::ScopedWindowDC().Get(), header.biWidth, height));
    if (bitmap && win32::SetDIBits(nullptr, bitmap.Get(), 0, static_cast<win32::UINT>(height),
                                   dib.data() + tableEnd, bmi, win32::DIB_RGB_COLORS) == 0)
        return nullptr;
    return bitmap.Release();
}

}  // namespace

host::PicturePtr PictureFromBmpBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 14 + 40 || bytes[0] != 'B' || bytes[1] != 'M') return nullptr;
    const std::uint32_t bitsOffset = Read32(bytes, 10);
    BITMAPINFOHEADER header;
    std::memcpy(&header, bytes.data() + 14, sizeof header);
    // The reader wants header, table and bits in one run, as a packed DIB holds them.
    const size_t tableAndHeader = bitsOffset - 14;
    if (bitsOffset < 14 + 40 || bitsOffset > bytes.size()) return nullptr;
    std::vector<std::uint8_t> packed(bytes.begin() + 14, bytes.end());
    const size_t colors =
        header.biBitCount <= 8 ? (header.biClrUsed ? header.biClrUsed : 1u << header.biBitCount) : 0;
    if (header.biSize + colors * 4 != tableAndHeader) return nullptr;  // gaps are not supported
    // Negative heights are top-down; the most negative one has no positive
    // counterpart in an int and is far beyond what the reader accepts anyway.
    const long long height = std::llabs(static_cast<long long>(header.biHeight));
    const win32::HBITMAP bitmap =
        BitmapFromDib(packed, static_cast<int>(std::min<long long>(height, INT_MAX)));
    return bitmap ? host::Picture::FromBitmap(bitmap) : nullptr;
}

host::PicturePtr LoadPictureFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return nullptr;
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                          std::istreambuf_iterator<char>());
    std::string ext = path.size() >= 4 ? path.substr(path.size() - 4) : "";
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (ext == ".ico") return host::Picture::FromIconFile(bytes);
    if (ext == ".bmp") return PictureFromBmpBytes(bytes);
    return nullptr;
}

}  // namespace render_tool

// CreateIconFromResourceEx: one icon image, as an .ico entry or an icon
// resource holds it, decoded into an icon object.
#include "platform/gdi/IconImage.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/IconObject.h"
#include "platform/gdi/Icons.h"

namespace win32 {
namespace {

constexpr std::size_t kHeaderSize = sizeof(BITMAPINFOHEADER);

std::uint32_t Read32(std::span<const BYTE> b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t Read16(std::span<const BYTE> b, std::size_t at) {
    return std::uint16_t(b[at] | b[at + 1] << 8);
}

// Where the parts of an icon DIB lie; every size here is checked against
// the data before it is used.
struct DibLayout {
    int width = 0, height = 0, bitCount = 0;
    std::uint32_t colours = 0;
    std::span<const BYTE> table, xorBits, andBits;
};

bool Supported(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32; }

std::optional<DibLayout> ParseDib(std::span<const BYTE> data) {
    if (data.size() < kHeaderSize) return std::nullopt;
    const std::uint32_t headerSize = Read32(data, 0);
    const auto width = static_cast<std::int32_t>(Read32(data, 4));
    const auto doubleHeight = static_cast<std::int32_t>(Read32(data, 8));
    DibLayout dib;
    dib.width = width;
    dib.height = doubleHeight / 2;  // the height counts the colour image and its mask
    dib.bitCount = Read16(data, 14);
    if (headerSize < kHeaderSize || headerSize > data.size() || Read16(data, 12) != 1 ||
        Read32(data, 16) != BI_RGB || width <= 0 || width > kMaxIconSide || dib.height <= 0 ||
        dib.height > kMaxIconSide || !Supported(dib.bitCount))
        return std::nullopt;
    const std::uint32_t used = Read32(data, 32);
    dib.colours = dib.bitCount <= 8 ? (used ? used : 1u << dib.bitCount) : 0;
    if (dib.colours > 256) return std::nullopt;
    const std::size_t rows = std::size_t(dib.height);
    const std::size_t tableBytes = 4 * std::size_t(dib.colours);
    const std::size_t xorBytes = std::size_t(DibStride(width, dib.bitCount)) * rows;
    const std::size_t andBytes = std::size_t(DibStride(width, 1)) * rows;
    if (data.size() - headerSize < tableBytes + xorBytes + andBytes) return std::nullopt;
    dib.table = data.subspan(headerSize, tableBytes);
    dib.xorBits = data.subspan(headerSize + tableBytes, xorBytes);
    dib.andBits = data.subspan(headerSize + tableBytes + xorBytes, andBytes);
    return dib;
}

// The colour image through SetDIBits, which knows every depth we accept.
bool ReadColours(const DibLayout& dib, gdi::Icon& icon) {
    std::vector<BYTE> info(kHeaderSize + 256 * sizeof(RGBQUAD));
    BITMAPINFOHEADER header;
    header.biSize = kHeaderSize;
    header.biWidth = dib.width;
    header.biHeight = dib.height;
    header.biPlanes = 1;
    header.biBitCount = WORD(dib.bitCount);
    header.biClrUsed = dib.colours;
    std::memcpy(info.data(), &header, kHeaderSize);
    if (!dib.table.empty()) std::memcpy(info.data() + kHeaderSize, dib.table.data(), dib.table.size());
    const HBITMAP scratch = CreateBitmap(dib.width, dib.height, 1, 32, nullptr);
    const bool read =
        SetDIBits(nullptr, scratch, 0, UINT(dib.height), dib.xorBits.data(),
                  reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS) == dib.height;
    if (read) icon.colour = gdi::LookupBitmap(scratch)->pixels;
    DeleteObject(scratch);
    return read;
}

void ReadMask(const DibLayout& dib, gdi::Icon& icon) {
    const std::size_t stride = std::size_t(DibStride(dib.width, 1));
    for (int y = 0; y < dib.height; ++y) {
        const BYTE* row = dib.andBits.data() + stride * std::size_t(dib.height - 1 - y);  // bottom-up
        for (int x = 0; x < dib.width; ++x) icon.andMask[icon.Index(x, y)] = (row[x / 8] >> (7 - x % 8)) & 1;
    }
}

// A 32-bit image's fourth bytes; an image whose alpha is zero throughout
// has none and is drawn through its mask, as the platform does.
void ReadAlpha(const DibLayout& dib, gdi::Icon& icon) {
    const std::size_t stride = std::size_t(DibStride(dib.width, 32));
    std::vector<std::uint8_t> alpha(icon.colour.size());
    for (int y = 0; y < dib.height; ++y) {
        const BYTE* row = dib.xorBits.data() + stride * std::size_t(dib.height - 1 - y);
        for (int x = 0; x < dib.width; ++x) alpha[icon.Index(x, y)] = row[std::size_t(x) * 4 + 3];
    }
    if (std::any_of(alpha.begin(), alpha.end(), [](std::uint8_t a) { return a != 0; }))
        icon.alpha = std::move(alpha);
}

// A 1-bit image whose colours are black then white makes a monochrome icon.
bool BlackThenWhite(const DibLayout& dib) {
    static constexpr BYTE kBlackWhite[8] = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0};
    return dib.bitCount == 1 && dib.table.size() == 8 && std::memcmp(dib.table.data(), kBlackWhite, 8) == 0;
}

std::unique_ptr<gdi::Icon> IconFromDib(std::span<const BYTE> data) {
    const std::optional<DibLayout> dib = ParseDib(data);
    if (!dib) return nullptr;
    auto icon = std::make_unique<gdi::Icon>(dib->width, dib->height);
    if (!ReadColours(*dib, *icon)) return nullptr;
    ReadMask(*dib, *icon);
    if (dib->bitCount == 32) ReadAlpha(*dib, *icon);
    icon->monochrome = BlackThenWhite(*dib);
    return icon;
}

std::unique_ptr<gdi::Icon> Resampled(const gdi::Icon& from, int cx, int cy) {
    auto icon = std::make_unique<gdi::Icon>(cx, cy);
    icon->monochrome = from.monochrome;
    if (!from.alpha.empty()) icon->alpha.resize(icon->colour.size());
    for (int y = 0; y < cy; ++y) {
        const int sy = int((2LL * y + 1) * from.height / (2LL * cy));
        for (int x = 0; x < cx; ++x) {
            const std::size_t s = from.Index(int((2LL * x + 1) * from.width / (2LL * cx)), sy);
            const std::size_t t = icon->Index(x, y);
            icon->colour[t] = from.colour[s];
            icon->andMask[t] = from.andMask[s];
            if (!from.alpha.empty()) icon->alpha[t] = from.alpha[s];
        }
    }
    return icon;
}

bool IsPng(std::span<const BYTE> data) {
    static constexpr BYTE kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    return data.size() >= 8 && std::memcmp(data.data(), kSignature, 8) == 0;
}

}  // namespace

HICON CreateIconFromResourceEx(const BYTE* bits, DWORD size, BOOL icon, DWORD, int cx, int cy, UINT flags) {
    if (!bits || cx < 0 || cy < 0 || cx > kMaxIconSide || cy > kMaxIconSide) return nullptr;
    std::span<const BYTE> data(bits, size);
    if (!icon) {
        if (data.size() < 4) return nullptr;
        data = data.subspan(4);  // a cursor image starts with its hot spot
    }
    std::unique_ptr<gdi::Icon> image = IsPng(data) ? gdi::IconFromPng(data) : IconFromDib(data);
    if (!image) return nullptr;
    if (cx == 0) cx = (flags & LR_DEFAULTSIZE) ? kSystemIconSize : image->width;
    if (cy == 0) cy = (flags & LR_DEFAULTSIZE) ? kSystemIconSize : image->height;
    if (cx != image->width || cy != image->height) image = Resampled(*image, cx, cy);
    return gdi::InsertIcon(std::move(image));
}

}  // namespace win32

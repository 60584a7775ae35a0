#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/ObjectTable.h"

namespace win32 {
namespace {

// Reads pixels of an uncompressed DIB in any of the depths we accept.
class DibReader {
public:
    explicit DibReader(const BITMAPINFO& info, const void* bits)
        : header_(info.bmiHeader), colors_(info.bmiColors), bits_(static_cast<const BYTE*>(bits)) {
        stride_ = DibStride(header_.biWidth, header_.biBitCount);
        paletteSize_ =
            header_.biBitCount <= 8 ? (header_.biClrUsed ? header_.biClrUsed : 1u << header_.biBitCount) : 0;
    }

    static bool Supported(const BITMAPINFOHEADER& h) {
        const int b = h.biBitCount;
        return h.biSize >= sizeof(BITMAPINFOHEADER) && h.biCompression == BI_RGB &&
               DibImageSize(h.biWidth, h.biHeight, b) != 0 &&
               (b == 1 || b == 4 || b == 8 || b == 24 || b == 32);
    }

    // Row index within the buffer (0 = first stored row).
    std::uint32_t Pixel(int bufferRow, int x) const {
        const BYTE* row = bits_ + std::size_t(stride_) * std::size_t(bufferRow);
        switch (header_.biBitCount) {
            case 1: return Palette((row[x / 8] >> (7 - x % 8)) & 1);
            case 4: return Palette((row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
            case 8: return Palette(row[x]);
            case 24: return Rgb(row + std::size_t(x) * 3);
            default: return Rgb(row + std::size_t(x) * 4);
        }
    }

    // A 32-bit row without its fourth bytes, in one pass.
    void CopyRow32(int bufferRow, int width, std::uint32_t* out) const {
        std::memcpy(out, bits_ + std::size_t(stride_) * std::size_t(bufferRow), std::size_t(width) * 4);
        for (int x = 0; x < width; ++x) out[x] &= 0x00FFFFFF;
    }

private:
    static std::uint32_t Rgb(const BYTE* p) {
        return (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
    }
    std::uint32_t Palette(unsigned index) const {
        if (index >= paletteSize_) return 0;
        const RGBQUAD& q = colors_[index];
        return (std::uint32_t(q.rgbRed) << 16) | (std::uint32_t(q.rgbGreen) << 8) | q.rgbBlue;
    }

    const BITMAPINFOHEADER& header_;
    const RGBQUAD* colors_;
    const BYTE* bits_;
    LONG stride_ = 0;
    unsigned paletteSize_ = 0;
};

void StorePixel(BYTE* out, int bitCount, std::uint32_t pixel) {
    out[0] = BYTE(pixel);
    out[1] = BYTE(pixel >> 8);
    out[2] = BYTE(pixel >> 16);
    if (bitCount == 32) out[3] = 0;
}

}  // namespace

int GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage) {
    gdi::Bitmap* bitmap = gdi::LookupBitmap(hbm);
    if (!gdi::LookupDC(hdc) || !bitmap || !info || usage != DIB_RGB_COLORS) return 0;
    BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biSize < sizeof(BITMAPINFOHEADER)) return 0;
    if (!bits) {
        // Header query: describe the bitmap in its own size.
        if (h.biBitCount == 0) {
            h.biWidth = bitmap->width;
            h.biHeight = bitmap->height;
            h.biPlanes = 1;
            h.biBitCount = 32;
            h.biCompression = BI_RGB;
        }
        h.biSizeImage = DibImageSize(h.biWidth, h.biHeight, h.biBitCount);
        return h.biSizeImage ? bitmap->height : 0;
    }
    if ((h.biBitCount != 24 && h.biBitCount != 32) || h.biCompression != BI_RGB ||
        DibImageSize(h.biWidth, h.biHeight, h.biBitCount) == 0)
        return 0;
    const int height = std::abs(h.biHeight);
    const bool bottomUp = h.biHeight > 0;
    if (start >= UINT(height)) return 0;
    const int count = int(std::min<UINT>(lines, UINT(height) - start));
    const std::size_t stride = std::size_t(DibStride(h.biWidth, h.biBitCount));
    const int bytesPerPixel = h.biBitCount / 8;
    for (int i = 0; i < count; ++i) {
        const int scan = int(start) + i;
        const int y = bottomUp ? height - 1 - scan : scan;
        BYTE* out = static_cast<BYTE*>(bits) + stride * std::size_t(i);
        std::fill_n(out, stride, BYTE(0));
        if (y < 0 || y >= bitmap->height) continue;
        const int width = std::min<int>(h.biWidth, bitmap->width);
        // Stored pixels are the 32-bit layout already (B, G, R, 0 in memory).
        if (h.biBitCount == 32)
            std::memcpy(out, bitmap->Row(y), std::size_t(width) * 4);
        else
            for (int x = 0; x < width; ++x)
                StorePixel(out + x * bytesPerPixel, h.biBitCount, bitmap->Row(y)[x]);
    }
    return count;
}

int SetDIBits(HDC, HBITMAP hbm, UINT start, UINT lines, const void* bits, const BITMAPINFO* info,
              UINT usage) {
    gdi::Bitmap* bitmap = gdi::LookupBitmap(hbm);
    if (!bitmap || !bits || !info || usage != DIB_RGB_COLORS || !DibReader::Supported(info->bmiHeader))
        return 0;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    const int height = std::abs(h.biHeight);
    if (start >= UINT(height)) return 0;
    const int count = int(std::min<UINT>(lines, UINT(height) - start));
    const DibReader reader(*info, bits);
    const int width = std::min<int>(h.biWidth, bitmap->width);
    for (int i = 0; i < count; ++i) {
        const int scan = int(start) + i;
        const int y = h.biHeight > 0 ? bitmap->height - 1 - scan : scan;
        if (y < 0 || y >= bitmap->height) continue;
        if (h.biBitCount == 32)
            reader.CopyRow32(i, width, bitmap->Row(y));
        else
            for (int x = 0; x < width; ++x) bitmap->Row(y)[x] = reader.Pixel(i, x);
    }
    return count;
}

int SetDIBitsToDevice(HDC hdc, int xDest, int yDest, DWORD w, DWORD h, int xSrc, int ySrc, UINT startScan,
                      UINT lines, const void* bits, const BITMAPINFO* info, UINT usage) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc || !bits || !info || usage != DIB_RGB_COLORS || !DibReader::Supported(info->bmiHeader)) return 0;
    const BITMAPINFOHEADER& header = info->bmiHeader;
    const long long dibHeight = std::abs(static_cast<long long>(header.biHeight));
    const bool bottomUp = header.biHeight > 0;
    const long long firstScan = startScan;
    // Scans count up from the bottom of the picture whichever way its rows
    // are stored, and (xSrc, ySrc) is its lower-left corner either way. The
    // buffer holds scans firstScan.. upwards, stored bottom first in a
    // bottom-up DIB, top first in a top-down one.
    const long long stored =
        bottomUp ? std::min<long long>(lines, dibHeight - firstScan) : std::min<long long>(lines, dibHeight);
    if (firstScan >= dibHeight || stored <= 0) return 0;
    const long long topScan = firstScan + (bottomUp ? stored : lines) - 1;
    const DibReader reader(*info, bits);
    gdi::DrawTarget target(*dc);
    int set = 0;
    const long long width = std::min<long long>(w, 1LL << 30), height = std::min<long long>(h, 1LL << 30);
    for (long long j = 0; j < height; ++j) {
        const long long scan = static_cast<long long>(ySrc) + (height - 1 - j);
        const long long bufferRow = bottomUp ? scan - firstScan : topScan - scan;
        if (bufferRow < 0 || bufferRow >= stored) continue;
        ++set;
        const long long x0 = std::max<long long>(0, -static_cast<long long>(xSrc));
        const long long x1 = std::min<long long>(width, static_cast<long long>(header.biWidth) - xSrc);
        if (x0 >= x1) continue;
        target.ForEachSpan(gdi::ClampToInt(yDest + j), gdi::ClampToInt(xDest + x0),
                           gdi::ClampToInt(xDest + x1), [&](std::uint32_t* row, int a, int b) {
                               for (int x = a; x < b; ++x)
                                   row[x] = reader.Pixel(int(bufferRow),
                                                         int(xSrc + (x - static_cast<long long>(xDest))));
                           });
    }
    return set;
}

}  // namespace win32

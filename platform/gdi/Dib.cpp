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

    // count pixels of a row from column x, as pixels: a 32-bit row without
    // its fourth bytes in one pass, other depths pixel by pixel.
    void CopyPixels(int bufferRow, int x, int count, std::uint32_t* out) const {
        if (header_.biBitCount != 32) {
            for (int i = 0; i < count; ++i) out[i] = Pixel(bufferRow, x + i);
            return;
        }
        const BYTE* row = bits_ + std::size_t(stride_) * std::size_t(bufferRow) + std::size_t(x) * 4;
        if (count == 1) {  // a column piece
            std::uint32_t pixel;
            std::memcpy(&pixel, row, 4);
            *out = pixel & 0x00FFFFFF;
            return;
        }
        // Four pixels a step: a whole surface comes back this way from a cache.
        using Four = std::uint32_t __attribute__((vector_size(16)));
        int i = 0;
        for (; i + 4 <= count; i += 4) {
            Four pixels;
            std::memcpy(&pixels, row + std::size_t(i) * 4, sizeof pixels);
            pixels &= 0x00FFFFFF;
            std::memcpy(out + i, &pixels, sizeof pixels);
        }
        for (; i < count; ++i) {
            std::uint32_t pixel;
            std::memcpy(&pixel, row + std::size_t(i) * 4, 4);
            out[i] = pixel & 0x00FFFFFF;
        }
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
        reader.CopyPixels(i, 0, width, bitmap->Row(y));
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
    const long long width = std::min<long long>(w, 1LL << 30), height = std::min<long long>(h, 1LL << 30);
    // Destination row j shows buffer row rowAtZero - j (bottom-up) or
    // rowAtZero + j (top-down); the rows the buffer holds are one interval of j.
    const long long rowAtZero = bottomUp ? ySrc + height - 1 - firstScan : topScan - ySrc - height + 1;
    const long long step = bottomUp ? -1 : 1;
    const long long jFirst = std::max(0LL, bottomUp ? rowAtZero - stored + 1 : -rowAtZero);
    const long long jLast = std::min(height, bottomUp ? rowAtZero + 1 : stored - rowAtZero);
    if (jFirst >= jLast) return 0;
    const int set = static_cast<int>(jLast - jFirst);
    const long long x0 = std::max<long long>(0, -static_cast<long long>(xSrc));
    const long long x1 = std::min<long long>(width, static_cast<long long>(header.biWidth) - xSrc);
    if (x0 >= x1 || !target.bitmap()) return set;
    // Only rows that land on the bitmap are walked.
    const long long jEnd = std::min(jLast, static_cast<long long>(target.bitmap()->height) - yDest);
    const int left = gdi::ClampToInt(xDest + x0), right = gdi::ClampToInt(xDest + x1);
    const long long jBegin = std::max(jFirst, -static_cast<long long>(yDest));
    const auto sourceX = [&](int x) { return static_cast<int>(xSrc + (x - static_cast<long long>(xDest))); };
    if (target.Unclipped()) {
        // The same columns on every row: the column pieces of a gradient
        // arrive as one-pixel-wide DIBs, so the per-row work stays small.
        const int a = std::max(left, 0), b = std::min(right, target.bitmap()->width);
        for (long long j = jBegin; a < b && j < jEnd; ++j)
            reader.CopyPixels(static_cast<int>(rowAtZero + step * j), sourceX(a), b - a,
                              target.bitmap()->Row(static_cast<int>(yDest + j)) + a);
        return set;
    }
    for (long long j = jBegin; j < jEnd; ++j) {
        const int bufferRow = static_cast<int>(rowAtZero + step * j);
        target.ForEachSpan(static_cast<int>(yDest + j), left, right, [&](std::uint32_t* row, int a, int b) {
            reader.CopyPixels(bufferRow, sourceX(a), b - a, row + a);
        });
    }
    return set;
}

}  // namespace win32

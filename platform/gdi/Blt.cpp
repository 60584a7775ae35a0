#include <algorithm>
#include <vector>

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/ObjectTable.h"
#include "platform/gdi/PensBrushes.h"

namespace win32 {
namespace {

constexpr std::uint32_t kRgb = 0x00FFFFFF;

bool NeedsSource(DWORD rop) {
    return rop == SRCCOPY || rop == SRCPAINT || rop == SRCAND || rop == SRCINVERT || rop == NOTSRCCOPY;
}
bool NeedsBrush(DWORD rop) { return rop == PATCOPY; }
bool Known(DWORD rop) {
    return NeedsSource(rop) || NeedsBrush(rop) || rop == DSTINVERT || rop == BLACKNESS || rop == WHITENESS;
}

std::uint32_t Apply(DWORD rop, std::uint32_t d, std::uint32_t s, std::uint32_t pattern) {
    switch (rop) {
        case SRCCOPY: return s;
        case SRCPAINT: return d | s;
        case SRCAND: return d & s;
        case SRCINVERT: return d ^ s;
        case NOTSRCCOPY: return ~s & kRgb;
        case DSTINVERT: return ~d & kRgb;
        case PATCOPY: return pattern;
        case BLACKNESS: return 0;
        case WHITENESS: return kRgb;
        default: return d;
    }
}

// The part of the source that exists, copied first so a blit within one
// bitmap can overlap: rows y0..y1-1 and columns x0..x1-1.
std::vector<std::uint32_t> CopySource(const gdi::Bitmap& src, int x0, int y0, int x1, int y1) {
    std::vector<std::uint32_t> copy;
    copy.reserve(std::size_t(x1 - x0) * std::size_t(y1 - y0));
    for (int y = y0; y < y1; ++y) {
        const std::uint32_t* row = src.pixels.data() + std::size_t(y) * std::size_t(src.width);
        copy.insert(copy.end(), row + x0, row + x1);
    }
    return copy;
}

}  // namespace

BOOL BitBlt(HDC dest, int x, int y, int w, int h, HDC src, int xSrc, int ySrc, DWORD rop) {
    gdi::DeviceContext* d = gdi::LookupDC(dest);
    if (!d || !Known(rop)) return FALSE;
    const gdi::DeviceContext* s = NeedsSource(rop) ? gdi::LookupDC(src) : nullptr;
    if (NeedsSource(rop) && !s) return FALSE;
    gdi::Paint pattern;
    if (NeedsBrush(rop)) {
        pattern = gdi::BrushPaint(nullptr, *d);
        if (!pattern.valid) return FALSE;
        if (!pattern.visible) return TRUE;
    }
    if (w <= 0 || h <= 0) return TRUE;
    gdi::DrawTarget target(*d);
    const gdi::Bitmap* sourceBitmap = s ? gdi::SelectedBitmap(*s) : nullptr;
    if (!target.bitmap() || (s && !sourceBitmap)) return TRUE;

    // Only the part whose source lies inside the source bitmap is painted.
    long long srcX0 = 0, srcX1 = w, srcY0 = 0, srcY1 = h;
    std::vector<std::uint32_t> source;
    if (sourceBitmap) {
        srcX0 = std::max<long long>(0, -static_cast<long long>(xSrc));
        srcX1 = std::min<long long>(w, static_cast<long long>(sourceBitmap->width) - xSrc);
        srcY0 = std::max<long long>(0, -static_cast<long long>(ySrc));
        srcY1 = std::min<long long>(h, static_cast<long long>(sourceBitmap->height) - ySrc);
        if (srcX0 >= srcX1 || srcY0 >= srcY1) return TRUE;
        source = CopySource(*sourceBitmap, int(xSrc + srcX0), int(ySrc + srcY0), int(xSrc + srcX1),
                            int(ySrc + srcY1));
    }
    const long long left = static_cast<long long>(x) + srcX0;  // 64 bits: x + w may pass INT_MAX
    const std::size_t stride = std::size_t(srcX1 - srcX0);
    // Rows off the destination bitmap are skipped up front, not one by one.
    const long long firstRow = std::max<long long>(srcY0, -static_cast<long long>(y));
    const long long endRow = std::min<long long>(srcY1, static_cast<long long>(target.bitmap()->height) - y);
    for (long long row = firstRow; row < endRow; ++row) {
        const std::uint32_t* line =
            source.empty() ? nullptr : source.data() + std::size_t(row - srcY0) * stride;
        target.ForEachSpan(gdi::ClampToInt(y + row), gdi::ClampToInt(left),
                           gdi::ClampToInt(left + (srcX1 - srcX0)), [&](std::uint32_t* out, int a, int b) {
                               for (int i = a; i < b; ++i) {
                                   out[i] = Apply(rop, out[i], line ? line[i - left] : 0, pattern.pixel);
                               }
                           });
    }
    return TRUE;
}

BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
    if (NeedsSource(rop)) return FALSE;
    // A negative extent paints the same rectangle reached the other way:
    // x+w .. x-1, as the platform does (x itself is not painted).
    const long long left = w < 0 ? static_cast<long long>(x) + w : x;
    const long long top = h < 0 ? static_cast<long long>(y) + h : y;
    const long long width = w < 0 ? -static_cast<long long>(w) : w;
    const long long height = h < 0 ? -static_cast<long long>(h) : h;
    return BitBlt(hdc, gdi::ClampToInt(left), gdi::ClampToInt(top), gdi::ClampToInt(width),
                  gdi::ClampToInt(height), nullptr, 0, 0, rop);
}

}  // namespace win32

#include <algorithm>
#include <vector>

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/PensBrushes.h"

namespace win32 {
namespace {

constexpr std::uint32_t kRgb = 0x00FFFFFF;

bool NeedsSource(DWORD rop) { return rop == SRCCOPY || rop == SRCPAINT || rop == SRCAND || rop == SRCINVERT || rop == NOTSRCCOPY; }
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

// The source rows copied first, so a blit within one bitmap can overlap.
std::vector<std::uint32_t> CopySource(const gdi::Bitmap& src, int x, int y, int w, int h) {
    std::vector<std::uint32_t> copy(std::size_t(w) * std::size_t(h), 0);
    for (int row = 0; row < h; ++row) {
        const int sy = y + row;
        if (sy < 0 || sy >= src.height) continue;
        for (int col = 0; col < w; ++col) {
            const int sx = x + col;
            if (sx >= 0 && sx < src.width) copy[std::size_t(row) * std::size_t(w) + std::size_t(col)] = src.pixels[std::size_t(sy) * std::size_t(src.width) + std::size_t(sx)];
        }
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
    int srcX0 = 0, srcX1 = w, srcY0 = 0, srcY1 = h;
    std::vector<std::uint32_t> source;
    if (sourceBitmap) {
        srcX0 = std::max(0, -xSrc);
        srcX1 = std::min(w, sourceBitmap->width - xSrc);
        srcY0 = std::max(0, -ySrc);
        srcY1 = std::min(h, sourceBitmap->height - ySrc);
        if (srcX0 >= srcX1 || srcY0 >= srcY1) return TRUE;
        source = CopySource(*sourceBitmap, xSrc, ySrc, w, h);
    }
    for (int row = srcY0; row < srcY1; ++row) {
        const std::uint32_t* line = source.empty() ? nullptr : source.data() + std::size_t(row) * std::size_t(w);
        target.ForEachSpan(y + row, x + srcX0, x + srcX1, [&](std::uint32_t* out, int a, int b) {
            for (int i = a; i < b; ++i) out[i] = Apply(rop, out[i], line ? line[i - x] : 0, pattern.pixel);
        });
    }
    return TRUE;
}

BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
    if (NeedsSource(rop)) return FALSE;
    return BitBlt(hdc, x, y, w, h, nullptr, 0, 0, rop);
}

}  // namespace win32

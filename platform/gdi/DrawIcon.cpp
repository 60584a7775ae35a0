// DrawIconEx: nearest-neighbour scaling (each target pixel takes the icon
// pixel under its centre), the AND mask and XOR colour of the platform's
// icon drawing, and alpha blending for icons that carry alpha.
#include <algorithm>

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/IconObject.h"
#include "platform/gdi/Icons.h"

namespace win32 {
namespace {

constexpr std::uint32_t kRgb = 0xFFFFFF;

// Rounded to nearest: (s a + d (255 - a)) / 255 per channel.
std::uint32_t Blend(std::uint32_t source, std::uint32_t dest, std::uint32_t alpha) {
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t s = (source >> shift) & 0xFF, d = (dest >> shift) & 0xFF;
        out |= ((s * alpha + d * (255 - alpha) + 127) / 255) << shift;
    }
    return out;
}

// One row of the icon, as pointers, so the loop below does no index sums.
struct IconRow {
    const std::uint32_t* colour;
    const std::uint8_t* andMask;
    const std::uint8_t* alpha;  // nullptr when the icon has none

    std::uint32_t Compose(int x, std::uint32_t dest, UINT flags) const {
        if (alpha && (flags & DI_IMAGE)) return Blend(colour[x], dest, alpha[x]);
        // Without branches on the mask, which changes along every edge.
        if (flags & DI_MASK) dest &= (0u - andMask[x]) & kRgb;
        if (flags & DI_IMAGE) dest = (flags & DI_MASK) ? dest ^ colour[x] : colour[x];
        return dest;
    }
};

// The icon pixel under the centre of target pixel t of n, for a source of m.
int SourceIndex(long long t, long long n, int m) { return int((2 * t + 1) * m / (2 * n)); }

void PaintIcon(const gdi::DeviceContext& dc, int x, int y, const gdi::Icon& icon, int cx, int cy,
               UINT flags) {
    gdi::DrawTarget target(dc);
    if (!target.bitmap()) return;
    // Rows off the bitmap are skipped up front; ForEachSpan cuts the columns.
    const long long firstRow = std::max<long long>(0, -static_cast<long long>(y));
    const long long endRow = std::min<long long>(cy, static_cast<long long>(target.bitmap()->height) - y);
    const long long left = x;
    const bool unscaled = cx == icon.width;  // the common case needs no division per pixel
    for (long long ty = firstRow; ty < endRow; ++ty) {
        const std::size_t start = icon.Index(0, SourceIndex(ty, cy, icon.height));
        const IconRow source{icon.colour.data() + start, icon.andMask.data() + start,
                             icon.alpha.empty() ? nullptr : icon.alpha.data() + start};
        target.ForEachSpan(int(y + ty), gdi::ClampToInt(left), gdi::ClampToInt(left + cx),
                           [&](std::uint32_t* row, int a, int b) {
                               for (int tx = a; tx < b; ++tx) {
                                   const int sx =
                                       unscaled ? int(tx - left) : SourceIndex(tx - left, cx, icon.width);
                                   row[tx] = source.Compose(sx, row[tx], flags);
                               }
                           });
    }
}

}  // namespace

BOOL DrawIconEx(HDC hdc, int x, int y, HICON handle, int cx, int cy, UINT, HBRUSH flickerFreeBrush,
                UINT flags) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    const gdi::Icon* icon = gdi::LookupIcon(handle);
    if (!dc || !icon || !(flags & DI_NORMAL)) return FALSE;
    if (cx == 0) cx = (flags & DI_DEFAULTSIZE) ? kSystemIconSize : icon->width;
    if (cy == 0) cy = (flags & DI_DEFAULTSIZE) ? kSystemIconSize : icon->height;
    if (cx < 0 || cy < 0) return FALSE;
    if (flickerFreeBrush) {
        const long long right = static_cast<long long>(x) + cx, bottom = static_cast<long long>(y) + cy;
        const RECT box{x, y, gdi::ClampToInt(right), gdi::ClampToInt(bottom)};
        FillRect(hdc, &box, flickerFreeBrush);
    }
    PaintIcon(*dc, x, y, *icon, cx, cy, flags);
    return TRUE;
}

}  // namespace win32

// Internal to platform/gdi (and the text code beside it): where a DC's
// drawing lands, with colour conversion at the API boundary.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ObjectTable.h"

namespace win32::gdi {

// COLORREF is 0x00BBGGRR, pixels are 0x00RRGGBB: swap red and blue.
constexpr std::uint32_t ToPixel(COLORREF c) {
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
constexpr COLORREF ToColorRef(std::uint32_t p) { return ToPixel(p); }

inline DeviceContext* LookupDC(HDC hdc) { return LookupAs<DeviceContext>(hdc, ObjectKind::DC); }
inline Bitmap* LookupBitmap(HGDIOBJ h) { return LookupAs<Bitmap>(h, ObjectKind::Bitmap); }
inline Region* LookupRegion(HGDIOBJ h) { return LookupAs<Region>(h, ObjectKind::Region); }

// Narrows a coordinate sum to int without wrapping (bitmaps are far smaller).
constexpr int ClampToInt(long long v) {
    return v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : int(v);
}

// The bitmap a DC draws on; nullptr for a screen DC.
inline Bitmap* SelectedBitmap(const DeviceContext& dc) { return dc.screen ? nullptr : dc.bitmapObject; }

// A DC's bitmap cut to its clip region. Every drawing call goes through one,
// so nothing ever writes outside the bitmap or the clip. Cheap to make.
class DrawTarget {
public:
    explicit DrawTarget(const DeviceContext& dc)
        : bitmap_(SelectedBitmap(dc)), clip_(dc.hasClip ? &dc.clip : nullptr) {}

    bool Visible(int x, int y) const;
    void Plot(int x, int y, std::uint32_t pixel) {
        if (Visible(x, y)) bitmap_->Row(y)[x] = pixel;
    }
    void Fill(const RECT& rect, std::uint32_t pixel);
    // Calls fn(row pointer, x0, x1) for every visible part of row y in [x0, x1).
    template <typename Fn>
    void ForEachSpan(int y, int x0, int x1, Fn&& fn) const;
    Bitmap* bitmap() const { return bitmap_; }
    // True when only the bitmap's edges cut (no clip region).
    bool Unclipped() const { return clip_ == nullptr; }

private:
    Bitmap* bitmap_;
    const std::vector<RECT>* clip_;  // nullptr: no clip region
};

template <typename Fn>
void DrawTarget::ForEachSpan(int y, int x0, int x1, Fn&& fn) const {
    if (!bitmap_ || y < 0 || y >= bitmap_->height) return;
    if (x0 < 0) x0 = 0;
    if (x1 > bitmap_->width) x1 = bitmap_->width;
    if (x0 >= x1) return;
    std::uint32_t* row = bitmap_->Row(y);
    if (!clip_) {
        fn(row, x0, x1);
        return;
    }
    for (const RECT& r : *clip_) {
        if (y < r.top || y >= r.bottom) continue;
        const int a = x0 > r.left ? x0 : r.left;
        const int b = x1 < r.right ? x1 : r.right;
        if (a < b) fn(row, a, b);
    }
}

// Rasterises the platform's 1-pixel line from (x1,y1) up to, not including,
// (x2,y2), calling plot(x, y) for each pixel in drawing order.
template <typename Plot>
void RasteriseLine(int x1, int y1, int x2, int y2, Plot&& plot);

// The same pixels, less those whose major coordinate falls outside a
// width x height bitmap; the walk starts at the first such pixel.
template <typename Plot>
void RasteriseLineWithin(int x1, int y1, int x2, int y2, int width, int height, Plot&& plot);

}  // namespace win32::gdi

#include "platform/gdi/LineRaster.inl"

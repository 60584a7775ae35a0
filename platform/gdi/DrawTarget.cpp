#include "platform/gdi/DrawTarget.h"

#include <algorithm>
#include <cstddef>
#include <cwchar>

#include "platform/gdi/ObjectTable.h"

namespace win32::gdi {

namespace {

// wmemset stores a 32-bit pattern at memset's speed (wchar_t is 32 bits
// here); short runs, most lines, are cheaper as plain stores.
void FillPixels(std::uint32_t* out, std::size_t n, std::uint32_t v) {
    static_assert(sizeof(wchar_t) == sizeof(std::uint32_t));
    if (n >= 16) {
        std::wmemset(reinterpret_cast<wchar_t*>(out), static_cast<wchar_t>(v), n);
        return;
    }
    for (std::size_t i = 0; i < n; ++i) out[i] = v;
}

}  // namespace

bool DrawTarget::Visible(int x, int y) const {
    if (!bitmap_ || !bitmap_->Contains(x, y)) return false;
    if (!clip_) return true;
    return std::any_of(clip_->begin(), clip_->end(), [&](const RECT& r) {
        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    });
}

void DrawTarget::Fill(const RECT& rect, std::uint32_t pixel) {
    if (!bitmap_) return;
    const int top = std::max<int>(rect.top, 0);
    const int bottom = std::min<int>(rect.bottom, bitmap_->height);
    if (!clip_) {
        // Most fills are unclipped one-pixel lines: a store per row.
        const int left = std::max<int>(rect.left, 0);
        const int right = std::min<int>(rect.right, bitmap_->width);
        if (left >= right || top >= bottom) return;
        const std::size_t count = std::size_t(right - left);
        const std::size_t stride = std::size_t(bitmap_->width);
        std::uint32_t* out = bitmap_->Row(top) + left;
        if (count == stride) {  // whole rows are one run (a cleared surface)
            FillPixels(out, count * std::size_t(bottom - top), pixel);
            return;
        }
        for (int y = top; y < bottom; ++y, out += stride) {
            if (count == 1)
                *out = pixel;
            else
                FillPixels(out, count, pixel);
        }
        return;
    }
    for (int y = top; y < bottom; ++y) {
        ForEachSpan(y, rect.left, rect.right, [pixel](std::uint32_t* row, int a, int b) {
            FillPixels(row + a, std::size_t(b - a), pixel);
        });
    }
}

}  // namespace win32::gdi

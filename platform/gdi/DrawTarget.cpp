#include "platform/gdi/DrawTarget.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "platform/gdi/ObjectTable.h"

namespace win32::gdi {

namespace {

// Explicit 32-byte stores: -O2 leaves a plain fill loop scalar, and fills
// are what every repaint spends most of its time on.
void FillPixels(std::uint32_t* out, std::size_t n, std::uint32_t v) {
    using Block = std::uint32_t __attribute__((vector_size(32)));
    const Block block = {v, v, v, v, v, v, v, v};
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) std::memcpy(out + i, &block, sizeof block);
    for (; i < n; ++i) out[i] = v;
}

}  // namespace

Bitmap* SelectedBitmap(const DeviceContext& dc) { return dc.screen ? nullptr : LookupBitmap(dc.bitmap); }

DrawTarget::DrawTarget(const DeviceContext& dc)
    : bitmap_(SelectedBitmap(dc)), clip_(dc.hasClip ? &dc.clip : nullptr) {}

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
    for (int y = top; y < bottom; ++y) {
        ForEachSpan(y, rect.left, rect.right, [pixel](std::uint32_t* row, int a, int b) {
            FillPixels(row + a, std::size_t(b - a), pixel);
        });
    }
}

}  // namespace win32::gdi

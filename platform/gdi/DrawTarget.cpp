#include "platform/gdi/DrawTarget.h"

#include <algorithm>
#include <cstddef>

namespace win32::gdi {

Bitmap* SelectedBitmap(const DeviceContext& dc) { return dc.screen ? nullptr : LookupBitmap(dc.bitmap); }

DrawTarget::DrawTarget(const DeviceContext& dc) : bitmap_(SelectedBitmap(dc)), clip_(dc.hasClip ? &dc.clip : nullptr) {}

bool DrawTarget::Visible(int x, int y) const {
    if (!bitmap_ || !bitmap_->Contains(x, y)) return false;
    if (!clip_) return true;
    return std::any_of(clip_->begin(), clip_->end(),
                       [&](const RECT& r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; });
}

void DrawTarget::Fill(const RECT& rect, std::uint32_t pixel) {
    if (!bitmap_) return;
    const int top = std::max<int>(rect.top, 0);
    const int bottom = std::min<int>(rect.bottom, bitmap_->height);
    for (int y = top; y < bottom; ++y) {
        ForEachSpan(y, rect.left, rect.right,
                    [pixel](std::uint32_t* row, int a, int b) { std::fill_n(row + a, std::size_t(b - a), pixel); });
    }
}

}  // namespace win32::gdi

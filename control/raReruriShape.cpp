#include "control/raReruriShape.h"

#include "control/Trap.h"
#include "control/raReruri.h"
#include "control/styles/Rounding.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiScoped.h"
#include "platform/user/Window.h"

namespace control {
namespace {

using styles::RoundToInt32;
using win32::POINT;

constexpr int kRoundCorner = 18;

// Region makers answer 0 instead of failing; SetWindowRgn(0) then shows the
// whole rectangle.
template <typename Make>
win32::HRGN NoThrow(Make&& make) noexcept {
    try {
        return make();
    } catch (...) {
        return nullptr;
    }
}

}  // namespace

// Top corners cut by one pixel, bottom corners by two.
std::array<POINT, 8> BevelOutline(std::int32_t sw, std::int32_t sh) {
    return {{{0, 1}, {1, 0}, {sw - 1, 0}, {sw, 1}, {sw, sh - 2}, {sw - 2, sh}, {2, sh}, {0, sh - 2}}};
}

// Corners cut by 2 (top left), 3 (top right, bottom right) and 4 (bottom left).
std::array<POINT, 8> SlantOutline(std::int32_t sw, std::int32_t sh) {
    return {{{0, 2}, {2, 0}, {sw - 3, 0}, {sw, 3}, {sw, sh - 3}, {sw - 3, sh}, {4, sh}, {0, sh - 4}}};
}

win32::HRGN MakeBevelRegion(float scaleWidth, float scaleHeight) {
    return NoThrow([&] {
        const auto points = BevelOutline(RoundToInt32(scaleWidth), RoundToInt32(scaleHeight));
        return win32::CreatePolygonRgn(points.data(), static_cast<int>(points.size()), win32::ALTERNATE);
    });
}

win32::HRGN MakeSlantRegion(float scaleWidth, float scaleHeight) {
    return NoThrow([&] {
        const auto points = SlantOutline(RoundToInt32(scaleWidth), RoundToInt32(scaleHeight));
        return win32::CreatePolygonRgn(points.data(), static_cast<int>(points.size()), win32::ALTERNATE);
    });
}

// One more than the size, because a rounded-rectangle region leaves out its
// right column and bottom row.
win32::HRGN MakeRoundRegion(float scaleWidth, float scaleHeight) {
    return NoThrow([&] {
        const double right = static_cast<double>(scaleWidth) + 1;
        const double bottom = static_cast<double>(scaleHeight) + 1;
        return win32::CreateRoundRectRgn(0, 0, RoundToInt32(right), RoundToInt32(bottom), kRoundCorner,
                                         kRoundCorner);
    });
}

win32::HRGN MakeWindowRegion(std::int32_t style, float scaleWidth, float scaleHeight) {
    switch (style) {
        case 5:
        case 7: return MakeBevelRegion(scaleWidth, scaleHeight);
        case 8:
        case 9: return MakeSlantRegion(scaleWidth, scaleHeight);
        case 10: return MakeRoundRegion(scaleWidth, scaleHeight);
        default:
            return NoThrow([&] {
                return win32::CreateRectRgn(0, 0, RoundToInt32(scaleWidth), RoundToInt32(scaleHeight));
            });
    }
}

// The layout's shaping step: the region of the current style, handed to the
// control's window, which owns it from then on.
void raReruri::BuildWindowRegion() {
    Trap([&] {
        GiveWindowRegion(MakeWindowRegion(style_, userControl_->ScaleWidth(), userControl_->ScaleHeight()));
    });
}

// The window frees the region it replaces. A region the window refused is
// still ours, so it is freed here instead of leaking.
void raReruri::GiveWindowRegion(win32::HRGN region) {
    win32::ScopedRegion owned(region);
    if (win32::SetWindowRgn(userControl_->hWnd(), region, win32::TRUE)) windowRegion_ = owned.Release();
}

}  // namespace control

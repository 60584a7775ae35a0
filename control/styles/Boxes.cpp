#include "control/styles/Boxes.h"

#include "control/styles/CheckedMath.h"
#include "control/styles/Colors.h"
#include "control/styles/Rounding.h"
#include "platform/gdi/GdiScoped.h"

namespace control::styles {

void FillRectSolid(win32::HDC hdc, const win32::RECT& rect, Color color) {
    try {
        win32::ScopedBrush brush(ToColorRef(color));
        win32::FillRect(hdc, &rect, brush.Get());
    } catch (...) {
    }
}

void FillBox(win32::HDC hdc, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
             Color color) {
    try {
        const win32::RECT rect{x, y, CheckedAdd(x, width), CheckedAdd(y, height)};
        FillRectSolid(hdc, rect, color);
    } catch (...) {
    }
}

void DrawBox(win32::HDC hdc, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
             Color color) {
    try {
        win32::ScopedPen pen(ToColorRef(color));
        win32::ScopedSelect select(hdc, pen.Get());
        win32::MoveToEx(hdc, x, y, nullptr);
        // Each corner is computed just before its segment, so an overflowing
        // bottom still leaves the top side drawn.
        const std::int32_t right = CheckedAdd(x, width);
        win32::LineTo(hdc, right, y);
        const std::int32_t bottom = CheckedAdd(y, height);
        win32::LineTo(hdc, right, bottom);
        win32::LineTo(hdc, x, bottom);
        win32::LineTo(hdc, x, y);
    } catch (...) {
    }
}

void DrawEdgeBox(win32::HDC hdc, float left, float top, float width, float height, std::int32_t edge,
                 std::int32_t flags) {
    try {
        // The sums are single precision, like the sizes the callers pass.
        const float right = left + width;
        const float bottom = top + height;
        win32::RECT rect{RoundToInt32(left), RoundToInt32(top), RoundToInt32(right), RoundToInt32(bottom)};
        win32::DrawEdge(hdc, &rect, static_cast<win32::UINT>(edge), static_cast<win32::UINT>(flags));
    } catch (...) {
    }
}

void DrawDoubleFrame(win32::HDC surface, std::int32_t x, std::int32_t y, std::int32_t width,
                     std::int32_t height, Color outerColor, Color innerColor, Color cornerColor) {
    try {
        DrawBox(surface, x, y, CheckedSub(width, 1), CheckedSub(height, 1), outerColor);
        DrawBox(surface, CheckedAdd(x, 1), CheckedAdd(y, 1), CheckedSub(width, 1), CheckedSub(height, 1),
                innerColor);
        // The two corners of the 2-pixel frame that neither outline covers.
        win32::SetPixelV(surface, x, CheckedAdd(y, height), ToColorRef(cornerColor));
        win32::SetPixelV(surface, CheckedAdd(x, width), y, ToColorRef(cornerColor));
        // Where the outer outline's bottom and right meet the inner's left and top.
        const Color mixed = MixColors(innerColor, outerColor);
        win32::SetPixelV(surface, CheckedAdd(x, 1), CheckedSub(CheckedAdd(y, height), 1), ToColorRef(mixed));
        win32::SetPixelV(surface, CheckedSub(CheckedAdd(x, width), 1), CheckedAdd(y, 1), ToColorRef(mixed));
    } catch (...) {
    }
}

}  // namespace control::styles

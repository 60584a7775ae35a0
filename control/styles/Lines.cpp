#include "control/styles/Lines.h"

#include "platform/gdi/GdiScoped.h"

namespace control::styles {

void DrawLineDC(win32::HDC hdc, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                Color color) {
    try {
        win32::ScopedPen pen(ToColorRef(color));
        win32::ScopedSelect select(hdc, pen.Get());
        win32::MoveToEx(hdc, x1, y1, nullptr);
        win32::LineTo(hdc, x2, y2);
    } catch (...) {
        // Drawing errors never reach the painter.
    }
}

void DrawLine(win32::HDC surface, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
              Color color) {
    DrawLineDC(surface, x1, y1, x2, y2, color);
}

}  // namespace control::styles

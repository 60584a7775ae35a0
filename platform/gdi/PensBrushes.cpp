#include "platform/gdi/PensBrushes.h"

#include <memory>

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/ObjectTable.h"

namespace win32 {

HPEN CreatePen(int style, int width, COLORREF color) {
    if (style < PS_SOLID || style > PS_INSIDEFRAME) return nullptr;
    return static_cast<HPEN>(gdi::Insert(std::make_unique<gdi::Pen>(style, width, color & 0x00FFFFFF)));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return static_cast<HBRUSH>(gdi::Insert(std::make_unique<gdi::Brush>(BS_SOLID, color & 0x00FFFFFF)));
}

namespace gdi {

Paint BrushPaint(HBRUSH hbr, const DeviceContext& dc) {
    if (!hbr) hbr = dc.brush;
    const auto value = reinterpret_cast<std::uintptr_t>(hbr);
    // Small values are system colour indices plus one, as the platform allows.
    if (value >= 1 && value <= std::uintptr_t(kSysColorCount)) {
        return Paint{true, true, ToPixel(GetSysColor(int(value) - 1))};
    }
    Brush* brush = LookupAs<Brush>(hbr, ObjectKind::Brush);
    if (!brush) return Paint{};
    return Paint{true, brush->style != int(BS_NULL), ToPixel(brush->color)};
}

Paint PenPaint(const DeviceContext& dc) {
    Pen* pen = LookupAs<Pen>(dc.pen, ObjectKind::Pen);
    if (!pen) return Paint{};
    return Paint{true, pen->style != PS_NULL, ToPixel(pen->color)};
}

}  // namespace gdi
}  // namespace win32

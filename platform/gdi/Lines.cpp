#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/ObjectTable.h"
#include "platform/gdi/PensBrushes.h"

namespace win32 {
namespace {

void DrawSegment(const gdi::DeviceContext& dc, const gdi::Paint& paint, int x1, int y1, int x2, int y2) {
    if (!paint.visible) return;
    gdi::DrawTarget target(dc);
    if (!target.bitmap()) return;
    // Straight lines are spans: the start pixel is drawn, the end pixel is not.
    if (y1 == y2 || x1 == x2) {
        const bool horizontal = y1 == y2;
        const long long from = horizontal ? x1 : y1, to = horizontal ? x2 : y2;
        const int a = gdi::ClampToInt(from < to ? from : to + 1);
        const int b = gdi::ClampToInt(from < to ? to : from + 1);
        target.Fill(horizontal ? RECT{a, y1, b, gdi::ClampToInt(y1 + 1LL)}
                               : RECT{x1, a, gdi::ClampToInt(x1 + 1LL), b},
                    paint.pixel);
        return;
    }
    const gdi::Bitmap& bitmap = *target.bitmap();
    gdi::RasteriseLineWithin(x1, y1, x2, y2, bitmap.width, bitmap.height,
                             [&](int x, int y) { target.Plot(x, y, paint.pixel); });
}

}  // namespace

BOOL LineTo(HDC hdc, int x, int y) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return FALSE;
    const gdi::Paint paint = gdi::PenPaint(*dc);
    if (!paint.valid) return FALSE;
    DrawSegment(*dc, paint, dc->position.x, dc->position.y, x, y);
    dc->position = POINT{x, y};
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* points, int count) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc || !points || count < 2) return FALSE;
    const gdi::Paint paint = gdi::PenPaint(*dc);
    if (!paint.valid) return FALSE;
    for (int i = 1; i < count; ++i)
        DrawSegment(*dc, paint, points[i - 1].x, points[i - 1].y, points[i].x, points[i].y);
    return TRUE;
}

}  // namespace win32

#include <algorithm>
#include <utility>

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/ObjectTable.h"
#include "platform/gdi/PensBrushes.h"

namespace win32 {

int FillRect(HDC hdc, const RECT* rect, HBRUSH hbr) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc || !rect) return 0;
    const gdi::Paint paint = gdi::BrushPaint(hbr, *dc);
    if (!paint.valid) return 0;
    if (paint.visible) gdi::DrawTarget(*dc).Fill(*rect, paint.pixel);
    return 1;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH hbr) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc || !rect) return 0;
    const RECT& r = *rect;
    // Unlike FillRect it takes only brush objects, not COLOR_xxx + 1, and an
    // empty or inverted rectangle is a failure, as on the platform.
    if (IsRectEmpty(&r) || !gdi::LookupAs<gdi::Brush>(hbr, gdi::ObjectKind::Brush)) return 0;
    const gdi::Paint paint = gdi::BrushPaint(hbr, *dc);
    if (!paint.visible) return 1;
    gdi::DrawTarget target(*dc);
    target.Fill(RECT{r.left, r.top, r.right, r.top + 1}, paint.pixel);
    target.Fill(RECT{r.left, r.bottom - 1, r.right, r.bottom}, paint.pixel);
    target.Fill(RECT{r.left, r.top, r.left + 1, r.bottom}, paint.pixel);
    target.Fill(RECT{r.right - 1, r.top, r.right, r.bottom}, paint.pixel);
    return 1;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return FALSE;
    const gdi::Paint pen = gdi::PenPaint(*dc);
    const gdi::Paint brush = gdi::BrushPaint(nullptr, *dc);
    if (!pen.valid || !brush.valid) return FALSE;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    gdi::DrawTarget target(*dc);
    if (!pen.visible) {
        // Without an outline the platform fills one pixel less each way.
        if (brush.visible) target.Fill(RECT{left, top, right - 1, bottom - 1}, brush.pixel);
        return TRUE;
    }
    if (right - left < 1 || bottom - top < 1) return TRUE;
    if (brush.visible) target.Fill(RECT{left + 1, top + 1, right - 1, bottom - 1}, brush.pixel);
    target.Fill(RECT{left, top, right, top + 1}, pen.pixel);
    target.Fill(RECT{left, bottom - 1, right, bottom}, pen.pixel);
    target.Fill(RECT{left, top, left + 1, bottom}, pen.pixel);
    target.Fill(RECT{right - 1, top, right, bottom}, pen.pixel);
    return TRUE;
}

}  // namespace win32

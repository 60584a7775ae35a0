#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/ObjectTable.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/RegionBands.h"

namespace win32 {
namespace {

// Saturating, so the bands stay in order at the ends of the int range.
std::vector<RECT> Shifted(std::vector<RECT> rects, int dx, int dy) {
    for (RECT& r : rects) {
        r = RECT{gdi::ClampToInt(1LL * r.left + dx), gdi::ClampToInt(1LL * r.top + dy),
                 gdi::ClampToInt(1LL * r.right + dx), gdi::ClampToInt(1LL * r.bottom + dy)};
    }
    return rects;
}

BOOL PaintRects(HDC hdc, const std::vector<RECT>& rects, HBRUSH hbr) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return FALSE;
    const gdi::Paint paint = gdi::BrushPaint(hbr, *dc);
    if (!paint.valid) return FALSE;
    if (!paint.visible) return TRUE;
    gdi::DrawTarget target(*dc);
    for (const RECT& r : rects) target.Fill(r, paint.pixel);
    return TRUE;
}

}  // namespace

BOOL FillRgn(HDC hdc, HRGN hrgn, HBRUSH hbr) {
    gdi::Region* region = gdi::LookupRegion(hrgn);
    if (!region || !hbr) return FALSE;
    return PaintRects(hdc, region->rects, hbr);
}

BOOL PaintRgn(HDC hdc, HRGN hrgn) {
    gdi::Region* region = gdi::LookupRegion(hrgn);
    if (!region) return FALSE;
    return PaintRects(hdc, region->rects, nullptr);
}

BOOL FrameRgn(HDC hdc, HRGN hrgn, HBRUSH hbr, int w, int h) {
    gdi::Region* region = gdi::LookupRegion(hrgn);
    if (!region || !hbr || w <= 0 || h <= 0) return FALSE;
    // The frame is what erosion by w columns and h rows takes away.
    const std::vector<RECT>& all = region->rects;
    std::vector<RECT> interior = all;
    for (auto [dx, dy] : {std::pair{w, 0}, std::pair{-w, 0}, std::pair{0, h}, std::pair{0, -h}}) {
        interior = gdi::CombineRects(interior, Shifted(all, dx, dy), RGN_AND);
    }
    return PaintRects(hdc, gdi::CombineRects(all, interior, RGN_DIFF), hbr);
}

}  // namespace win32

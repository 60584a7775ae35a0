#include "platform/gdi/Regions.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/ObjectTable.h"
#include "platform/gdi/RegionBands.h"

namespace win32 {

namespace gdi {

std::vector<RECT> RectList(int left, int top, int right, int bottom) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (left == right || top == bottom) return {};
    return {RECT{left, top, right, bottom}};
}

HRGN NewRegion(std::vector<RECT> rects) {
    auto region = std::make_unique<Region>();
    region->rects = std::move(rects);
    return static_cast<HRGN>(Insert(std::move(region)));
}

}  // namespace gdi

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    return gdi::NewRegion(gdi::RectList(left, top, right, bottom));
}

HRGN CreateRectRgnIndirect(const RECT* rect) {
    return rect ? CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom) : nullptr;
}

BOOL SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom) {
    gdi::Region* region = gdi::LookupRegion(hrgn);
    if (!region) return FALSE;
    region->rects = gdi::RectList(left, top, right, bottom);
    return TRUE;
}

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
    gdi::Region* d = gdi::LookupRegion(dest);
    gdi::Region* a = gdi::LookupRegion(src1);
    if (!d || !a || mode < RGN_AND || mode > RGN_COPY) return ERROR;
    if (mode == RGN_COPY) {
        d->rects = a->rects;
        return gdi::RegionType(d->rects);
    }
    gdi::Region* b = gdi::LookupRegion(src2);
    if (!b) return ERROR;
    d->rects = gdi::CombineRects(a->rects, b->rects, mode);
    return gdi::RegionType(d->rects);
}

int OffsetRgn(HRGN hrgn, int dx, int dy) {
    gdi::Region* region = gdi::LookupRegion(hrgn);
    if (!region) return ERROR;
    // A move past the ends of the int range would wrap and unsort the bands:
    // refused, the region left as it was.
    const RECT box = gdi::RegionBounds(region->rects);
    auto fits = [](long long v) { return v == gdi::ClampToInt(v); };
    if (!region->rects.empty() && !(fits(1LL * box.left + dx) && fits(1LL * box.right + dx) &&
                                    fits(1LL * box.top + dy) && fits(1LL * box.bottom + dy)))
        return ERROR;
    for (RECT& r : region->rects) OffsetRect(&r, dx, dy);
    return gdi::RegionType(region->rects);
}

int GetRgnBox(HRGN hrgn, RECT* box) {
    gdi::Region* region = gdi::LookupRegion(hrgn);
    if (!region || !box) return ERROR;
    *box = gdi::RegionBounds(region->rects);
    return gdi::RegionType(region->rects);
}

BOOL PtInRegion(HRGN hrgn, int x, int y) {
    gdi::Region* region = gdi::LookupRegion(hrgn);
    return region && gdi::RectsContain(region->rects, x, y);
}

BOOL RectInRegion(HRGN hrgn, const RECT* rect) {
    gdi::Region* region = gdi::LookupRegion(hrgn);
    if (!region || !rect) return FALSE;
    // An inverted rectangle is put in order, as a region made from it would be.
    const std::vector<RECT> ordered = gdi::RectList(rect->left, rect->top, rect->right, rect->bottom);
    RECT overlap;
    return !ordered.empty() && std::any_of(region->rects.begin(), region->rects.end(), [&](const RECT& r) {
        return IntersectRect(&overlap, &r, &ordered.front());
    });
}

BOOL EqualRgn(HRGN a, HRGN b) {
    gdi::Region* ra = gdi::LookupRegion(a);
    gdi::Region* rb = gdi::LookupRegion(b);
    return ra && rb && ra->rects == rb->rects;
}

DWORD GetRegionData(HRGN hrgn, DWORD size, RGNDATA* buffer) {
    gdi::Region* region = gdi::LookupRegion(hrgn);
    if (!region) return 0;
    const DWORD rectBytes = DWORD(region->rects.size() * sizeof(RECT));
    const DWORD needed = DWORD(sizeof(RGNDATAHEADER)) + rectBytes;
    if (!buffer) return needed;
    if (size < needed) return 0;
    buffer->rdh.dwSize = sizeof(RGNDATAHEADER);
    buffer->rdh.iType = RDH_RECTANGLES;
    buffer->rdh.nCount = DWORD(region->rects.size());
    buffer->rdh.nRgnSize = rectBytes;
    buffer->rdh.rcBound = gdi::RegionBounds(region->rects);
    if (rectBytes) std::memcpy(buffer->Buffer, region->rects.data(), rectBytes);
    return size;
}

std::vector<RECT> GetRegionRects(HRGN hrgn) {
    gdi::Region* region = gdi::LookupRegion(hrgn);
    return region ? region->rects : std::vector<RECT>{};
}

}  // namespace win32

#include <climits>

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/ObjectTable.h"
#include "platform/gdi/RegionBands.h"
#include "platform/gdi/Regions.h"

namespace win32 {
namespace {

// What a DC without a clip region can draw on.
std::vector<RECT> Surface(const gdi::DeviceContext& dc) {
    if (const gdi::Bitmap* b = gdi::SelectedBitmap(dc)) return {RECT{0, 0, b->width, b->height}};
    return {};
}

std::vector<RECT> CurrentClip(const gdi::DeviceContext& dc) { return dc.hasClip ? dc.clip : Surface(dc); }

int SetClip(gdi::DeviceContext& dc, std::vector<RECT> rects) {
    dc.hasClip = true;
    dc.clip = std::move(rects);
    return gdi::RegionType(dc.clip);
}

}  // namespace

int SelectClipRgn(HDC hdc, HRGN hrgn) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return ERROR;
    if (!hrgn) {
        dc->hasClip = false;
        dc->clip.clear();
        return SIMPLEREGION;
    }
    gdi::Region* region = gdi::LookupRegion(hrgn);
    if (!region) return ERROR;
    return SetClip(*dc, region->rects);
}

int GetClipBox(HDC hdc, RECT* box) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc || !box) return ERROR;
    if (!dc->hasClip) {  // the surface itself, without building region lists
        const gdi::Bitmap* b = gdi::SelectedBitmap(*dc);
        *box = b ? RECT{0, 0, b->width, b->height} : RECT{};
        return b ? SIMPLEREGION : NULLREGION;
    }
    const std::vector<RECT> visible = gdi::CombineRects(CurrentClip(*dc), Surface(*dc), RGN_AND);
    *box = gdi::RegionBounds(visible);
    return gdi::RegionType(visible);
}

int GetClipRgn(HDC hdc, HRGN hrgn) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    gdi::Region* region = gdi::LookupRegion(hrgn);
    if (!dc || !region) return -1;
    if (!dc->hasClip) return 0;
    region->rects = dc->clip;
    return 1;
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return ERROR;
    // An inverted rectangle is put in order, as a region made from it would be.
    const std::vector<RECT> rect = gdi::RectList(left, top, right, bottom);
    // Without a clip region everything is visible.
    const std::vector<RECT> everything{RECT{INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2}};
    return SetClip(*dc, gdi::CombineRects(dc->hasClip ? dc->clip : everything, rect, RGN_AND));
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return ERROR;
    const std::vector<RECT> rect = gdi::RectList(left, top, right, bottom);
    return SetClip(*dc, gdi::CombineRects(CurrentClip(*dc), rect, RGN_DIFF));
}

}  // namespace win32

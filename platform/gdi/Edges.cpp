#include <array>

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/ObjectTable.h"

namespace win32 {
namespace {

// System colour of each ring side, indexed by edge & 0xF; -1 = not drawn.
// The platform's tables: an edge with only an inner border is drawn in the
// outer ring, and BF_SOFT changes only the left/top colours.
using Table = std::array<signed char, 16>;
constexpr signed char N = -1;
constexpr signed char HL = COLOR_BTNHIGHLIGHT, LG = COLOR_3DLIGHT, SH = COLOR_BTNSHADOW,
                      DK = COLOR_3DDKSHADOW;
constexpr signed char FC = COLOR_BTNFACE, WF = COLOR_WINDOWFRAME, WN = COLOR_WINDOW;

constexpr Table kLTOuter = {N, LG, SH, N, HL, LG, SH, N, DK, LG, SH, N, N, LG, SH, N};
constexpr Table kRBOuter = {N, DK, HL, N, SH, DK, HL, N, LG, DK, HL, N, N, DK, HL, N};
constexpr Table kLTInner = {N, N, N, N, N, HL, HL, N, N, DK, DK, N, N, N, N, N};
constexpr Table kRBInner = {N, N, N, N, N, SH, SH, N, N, LG, LG, N, N, N, N, N};
constexpr Table kLTOuterSoft = {N, HL, DK, N, LG, HL, DK, N, SH, HL, DK, N, N, HL, DK, N};
constexpr Table kLTInnerSoft = {N, N, N, N, N, LG, LG, N, N, SH, SH, N, N, N, N, N};
constexpr Table kOuterFlat = {N, SH, SH, SH, FC, SH, SH, SH, FC, SH, SH, SH, FC, SH, SH, SH};
constexpr Table kInnerFlat = {N, N, N, N, N, FC, FC, FC, N, FC, FC, FC, N, FC, FC, FC};
constexpr Table kOuterMono = {N, WF, WF, WF, WN, WF, WF, WF, WN, WF, WF, WF, WN, WF, WF, WF};
constexpr Table kInnerMono = {N, N, N, N, N, WN, WN, WN, N, WN, WN, WN, N, WN, WN, WN};

struct Colors {
    int ltOuter, rbOuter, ltInner, rbInner;
};

Colors PickColors(UINT edge, UINT flags) {
    const size_t i = edge & 0xF;
    if (flags & BF_MONO) return {kOuterMono[i], kOuterMono[i], kInnerMono[i], kInnerMono[i]};
    if (flags & BF_FLAT) return {kOuterFlat[i], kOuterFlat[i], kInnerFlat[i], kInnerFlat[i]};
    const bool soft = flags & BF_SOFT;
    return {soft ? kLTOuterSoft[i] : kLTOuter[i], kRBOuter[i], soft ? kLTInnerSoft[i] : kLTInner[i],
            kRBInner[i]};
}

class EdgePainter {
public:
    EdgePainter(const gdi::DeviceContext& dc) : target_(dc) {}
    // The platform draws each side as a pen line, so reversed runs of tiny
    // rectangles light the same pixels as LineTo would.
    void Line(int color, int x1, int y1, int x2, int y2) {
        if (color < 0) return;
        const std::uint32_t pixel = gdi::ToPixel(GetSysColor(color));
        gdi::RasteriseLine(x1, y1, x2, y2, [&](int x, int y) { target_.Plot(x, y, pixel); });
    }

private:
    gdi::DrawTarget target_;
};

void DrawRings(const gdi::DeviceContext& dc, const RECT& r, const Colors& c, UINT flags) {
    EdgePainter p(dc);
    const bool left = flags & BF_LEFT, top = flags & BF_TOP, right = flags & BF_RIGHT,
               bottom = flags & BF_BOTTOM;
    // Inner runs are one pixel shorter at a corner only where both sides meet.
    const int ltPlus = left && top, rtPlus = right && top, lbPlus = left && bottom, rbPlus = right && bottom;
    if (top) p.Line(c.ltOuter, r.left, r.top, r.right, r.top);
    if (left) p.Line(c.ltOuter, r.left, r.top, r.left, r.bottom);
    if (bottom) p.Line(c.rbOuter, r.left, r.bottom - 1, r.right, r.bottom - 1);
    if (right) p.Line(c.rbOuter, r.right - 1, r.top, r.right - 1, r.bottom);
    if (top) p.Line(c.ltInner, r.left + ltPlus, r.top + 1, r.right - rtPlus, r.top + 1);
    if (left) p.Line(c.ltInner, r.left + 1, r.top + ltPlus, r.left + 1, r.bottom - lbPlus);
    if (bottom) p.Line(c.rbInner, r.left + lbPlus, r.bottom - 2, r.right - rbPlus, r.bottom - 2);
    if (right) p.Line(c.rbInner, r.right - 2, r.top + rtPlus, r.right - 2, r.bottom - rbPlus);
}

}  // namespace

BOOL DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc || !rect || (flags & BF_DIAGONAL)) return FALSE;
    const Colors colors = PickColors(edge, flags);
    DrawRings(*dc, *rect, colors, flags);
    // Raised and sunken together in one ring is meaningless: the platform
    // draws what it can and reports failure.
    const bool conflicting = (edge & BDR_INNER) == BDR_INNER || (edge & BDR_OUTER) == BDR_OUTER;
    const BOOL result = conflicting && !(flags & (BF_FLAT | BF_MONO)) ? FALSE : TRUE;
    if (((flags & BF_MIDDLE) && result) || (flags & BF_ADJUST)) {
        const int inset = ((edge & BDR_INNER) ? 1 : 0) + ((edge & BDR_OUTER) ? 1 : 0);
        RECT inner = *rect;
        if (flags & BF_LEFT) inner.left += inset;
        if (flags & BF_RIGHT) inner.right -= inset;
        if (flags & BF_TOP) inner.top += inset;
        if (flags & BF_BOTTOM) inner.bottom -= inset;
        if ((flags & BF_MIDDLE) && result)
            FillRect(hdc, &inner, GetSysColorBrush(flags & BF_MONO ? COLOR_WINDOW : COLOR_BTNFACE));
        if (flags & BF_ADJUST) *rect = inner;
    }
    return result;
}

}  // namespace win32

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/ObjectTable.h"

namespace win32 {

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return CLR_INVALID;
    gdi::DrawTarget target(*dc);
    if (!target.Visible(x, y)) return CLR_INVALID;
    target.Plot(x, y, gdi::ToPixel(color & 0x00FFFFFF));
    return color & 0x00FFFFFF;
}

BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color) { return SetPixel(hdc, x, y, color) != CLR_INVALID; }

COLORREF GetPixel(HDC hdc, int x, int y) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return CLR_INVALID;
    gdi::DrawTarget target(*dc);
    if (!target.Visible(x, y)) return CLR_INVALID;
    return gdi::ToColorRef(target.bitmap()->Row(y)[x]);
}

}  // namespace win32

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/ObjectTable.h"

namespace win32 {

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return CLR_INVALID;
    COLORREF previous = dc->textColor;
    dc->textColor = color;
    return previous;
}

COLORREF GetTextColor(HDC hdc) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    return dc ? dc->textColor : CLR_INVALID;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return CLR_INVALID;
    COLORREF previous = dc->bkColor;
    dc->bkColor = color;
    return previous;
}

COLORREF GetBkColor(HDC hdc) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    return dc ? dc->bkColor : CLR_INVALID;
}

int SetBkMode(HDC hdc, int mode) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    int previous = dc->bkMode;
    dc->bkMode = mode;
    return previous;
}

int GetBkMode(HDC hdc) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    return dc ? dc->bkMode : 0;
}

BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return FALSE;
    if (previous) *previous = dc->position;
    dc->position = POINT{x, y};
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, POINT* position) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc || !position) return FALSE;
    *position = dc->position;
    return TRUE;
}

COLORREF GetNearestColor(HDC hdc, COLORREF color) {
    // 32-bit surfaces hold every RGB exactly; there are no palettes.
    if (!gdi::LookupDC(hdc)) return CLR_INVALID;
    return color & 0x00FFFFFF;
}

}  // namespace win32

#include "platform/ole/OleColor.h"

namespace win32 {

HRESULT OleTranslateColor(OLE_COLOR color, HPALETTE palette, COLORREF* result) {
    COLORREF translated = 0;
    switch (color >> 24) {
        case 0x00: translated = palette ? (color | 0x02000000) : color; break;
        case 0x01:  // palette index; we have no palettes to check it against
        case 0x02:  // palette-relative RGB
            translated = color;
            break;
        case 0x80: {
            // The middle bytes are ignored, as the platform does.
            const int index = int(color & 0xFF);
            if (index >= kSysColorCount) return E_INVALIDARG;
            translated = GetSysColor(index);
            break;
        }
        default: return E_INVALIDARG;
    }
    if (result) *result = translated;
    return S_OK;
}

}  // namespace win32

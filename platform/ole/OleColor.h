// OLE colour translation: OLE_COLOR values, including system-colour
// references, to plain COLORREF.
#pragma once

#include "platform/Win32Types.h"
#include "platform/gdi/Gdi.h"

namespace win32 {

using OLE_COLOR = DWORD;

// 0x00bbggrr: the colour itself (0x02bbggrr with a palette).
// 0x80000000 | index: the current system colour; an index GetSysColor does
// not know gives E_INVALIDARG. 0x01 and 0x02 forms pass through unchanged.
// Anything else is E_INVALIDARG. result may be nullptr (validation only)
// and is left alone on failure.
HRESULT OleTranslateColor(OLE_COLOR color, HPALETTE palette, COLORREF* result);

}  // namespace win32

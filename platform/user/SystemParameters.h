// SystemParametersInfoA and the desktop's work area.
#pragma once

#include "platform/user/WindowTypes.h"

namespace win32 {

// Only SPI_GETWORKAREA is answered; other actions give FALSE.
BOOL SystemParametersInfoA(UINT action, UINT uiParam, LPVOID pvParam, UINT winIni);

// The presenter supplies the primary screen's available geometry. Headless,
// the work area is 0,0,1024,738: a 1024x768 screen less a 30-pixel taskbar.
void SetWorkArea(const RECT& workArea);

}  // namespace win32

// SystemParametersInfoA and the desktop's work area.
#pragma once

#include "platform/user/WindowTypes.h"

namespace win32 {

// Only SPI_GETWORKAREA is answered; other actions give FALSE.
BOOL SystemParametersInfoA(UINT action, UINT uiParam, LPVOID pvParam, UINT winIni);

}  // namespace win32

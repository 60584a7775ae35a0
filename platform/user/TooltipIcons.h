// Internal: the title icons of the tooltip. The stock ones (information,
// warning, error) are 16 x 16 images of our own; any other TTM_SETTITLEA
// icon value is an icon handle, copied. Drawn as the platform draws them,
// with DrawIconEx(DI_NORMAL) at 16 x 16.
#pragma once

#include "platform/user/Tooltips.h"

namespace win32::user {

constexpr int kTooltipIconSize = 16;

// A new icon the caller destroys: the stock image for TTI_INFO, TTI_WARNING
// and TTI_ERROR, a copy of any other value taken as an icon handle;
// nullptr for TTI_NONE or a value that is no icon.
HICON CreateTooltipIcon(WPARAM icon);
void DrawTooltipIcon(HDC hdc, int x, int y, HICON icon);

}  // namespace win32::user

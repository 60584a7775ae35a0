// Internal: the title icons of the tooltip (information, warning, error),
// 16 x 16 images of our own, drawn as the platform draws an icon: the mask
// ANDed in, then the colour image XORed over it.
#pragma once

#include "platform/user/Tooltips.h"

namespace win32::user {

constexpr int kTooltipIconSize = 16;

// Draws TTI_INFO, TTI_WARNING or TTI_ERROR with its top-left at (x, y);
// any other value draws nothing.
void DrawTooltipIcon(HDC hdc, int x, int y, WPARAM icon);

}  // namespace win32::user

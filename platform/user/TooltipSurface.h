// Ours, not the platform's: the pixels of a tooltip window. A tooltip draws
// its face itself, into a memory DC the size of the window; the presenter
// shows that bitmap (GetBitmapPixels) through the window region.
#pragma once

#include "platform/user/WindowTypes.h"

namespace win32 {

// The tooltip's drawing surface; nullptr for any other window, or before
// the tip was first shown.
HDC GetTooltipSurface(HWND tooltip);

}  // namespace win32

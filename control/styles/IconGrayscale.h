// Grey-level icons: PaintIconGrayscale and the three helpers behind it.
// The colour bitmap of a copy of the icon is turned grey pixel by pixel,
// which is fine for icon-sized bitmaps only.
#pragma once

#include <cstdint>

#include "platform/Win32Types.h"

namespace control::styles {

// Draws hIcon in grey levels at (Dest_X, Dest_Y), scaled to Dest_Width x
// Dest_Height (0 = its own size). False, with nothing drawn, when a handle
// is 0, the icon's bitmaps cannot be had (a monochrome icon has no colour
// bitmap) or the grey icon cannot be made.
bool PaintIconGrayscale(win32::HDC Dest_hDC, win32::HICON hIcon, std::int32_t Dest_X, std::int32_t Dest_Y,
                        std::int32_t Dest_Height, std::int32_t Dest_Width);

// Copies of the icon's mask and colour bitmaps, which the caller deletes.
bool GetIconBitmaps(win32::HICON hIcon, win32::HBITMAP& maskBitmap, win32::HBITMAP& colorBitmap);

// Turns the bitmap grey in place (GrayLevel of each pixel), then copies it
// whole from (srcX, srcY) to hdc at (x, y).
bool GrayscaleBitmap(win32::HDC hdc, win32::HBITMAP hBitmap, std::int32_t x, std::int32_t y,
                     std::int32_t srcX, std::int32_t srcY);

// An icon with hot spot (0, 0) from the two bitmaps; nullptr if either is.
win32::HICON CreateIconFromBitmaps(win32::HBITMAP maskBitmap, win32::HBITMAP colorBitmap);

// The sixteen exact grey levels stay; any other colour becomes the grey
// round(0.59 green + 0.33 red + 0.11 blue), capped at 255 (the weights add
// up to 1.03, so light colours turn white).
win32::COLORREF GrayLevel(win32::COLORREF color);

}  // namespace control::styles

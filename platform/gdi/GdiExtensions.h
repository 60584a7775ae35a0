// What our GDI offers beyond the platform's API: hooks for the window layer
// and the presenter, leak counts for tests, pixel access and image files.
// Everything declared in Gdi.h, Font.h and SysColors.h matches the platform;
// everything here is ours.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Win32Types.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Rects.h"

namespace win32 {

// Lets the font code publish its stock fonts; the object must be marked stock.
void RegisterStockObject(int index, HGDIOBJ object);

struct WindowDCProvider {
    std::function<HDC(HWND)> get;            // a DC drawing on the window, or nullptr to fall back
    std::function<bool(HWND, HDC)> release;  // true when it owned hdc
};
void SetWindowDCProvider(WindowDCProvider provider);  // an empty provider removes it

// Bytes per stored row of a DIB: width * bits rounded up to whole DWORDs;
// 0 for a width or depth that is not positive, or a row that no LONG holds.
constexpr LONG DibStride(LONG width, int bitCount) {
    if (width <= 0 || bitCount <= 0 || bitCount > 32) return 0;
    const long long stride = (static_cast<long long>(width) * bitCount + 31) / 32 * 4;
    return stride > INT32_MAX ? 0 : static_cast<LONG>(stride);
}
// Bytes of |height| such rows; 0 when DibStride is, for a height of 0 or
// INT32_MIN, or when the image would not fit in a DWORD (biSizeImage).
constexpr DWORD DibImageSize(LONG width, LONG height, int bitCount) {
    const long long rows = height < 0 ? -static_cast<long long>(height) : height;
    const long long size = static_cast<long long>(DibStride(width, bitCount)) * rows;
    return height == INT32_MIN || size > UINT32_MAX ? 0 : static_cast<DWORD>(size);
}

// The header of a top-down 32-bit BI_RGB DIB: how the code that moves whole
// surfaces through GetDIBits and SetDIBitsToDevice describes its pixels.
inline BITMAPINFO TopDown32BitInfo(LONG width, LONG height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// The region's rectangles, sorted in y-x bands; empty for a bad handle.
std::vector<RECT> GetRegionRects(HRGN hrgn);

// A bitmap's pixels (or those of the bitmap selected into a DC) as the layer
// keeps them: top-down rows of `width` 0x00RRGGBB values, Qt's RGB32, so a
// presenter shows them without conversion. Valid until the bitmap is deleted
// or resized; empty (data nullptr) for anything else.
struct BitmapPixels {
    const std::uint32_t* data = nullptr;
    int width = 0;
    int height = 0;
};
BitmapPixels GetBitmapPixels(HGDIOBJ bitmapOrDC);

// Writes a bitmap (or the bitmap selected into a DC) to .png or .ppm
// (binary P6), chosen by the extension; false on failure.
bool WriteBitmapImage(HGDIOBJ bitmapOrDC, const std::string& path);

// Live GDI objects by kind, stock objects excluded; tests compare these
// before and after a run to prove nothing leaked.
struct GdiLiveCounts {
    int dcs = 0, pens = 0, brushes = 0, bitmaps = 0, regions = 0, fonts = 0, icons = 0;
    int Total() const { return dcs + pens + brushes + bitmaps + regions + fonts + icons; }
    friend bool operator==(const GdiLiveCounts&, const GdiLiveCounts&) = default;
};
GdiLiveCounts GetGdiLiveCounts();

// lfHeight for a size in points on our 96 dpi surfaces: 8.25 pt -> -11.
LONG FontHeightFromPoints(double points);

// The installed family that fonts of this face name draw with (the face
// CreateFontA's fonts get, regular weight); the name itself when nothing is
// installed. Handing Qt this name spares it a search of its own for a
// Windows face name the system does not have.
std::string InstalledFamily(const std::string& faceName);

// Back to the classic scheme, telling the listeners if anything changed.
void ResetSysColors();

// The window layer broadcasts WM_SYSCOLORCHANGE from here.
using SysColorListenerId = int;
SysColorListenerId AddSysColorChangeListener(std::function<void()> listener);
void RemoveSysColorChangeListener(SysColorListenerId id);

}  // namespace win32

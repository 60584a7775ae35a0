// Icons: made from a mask and a colour bitmap or from an icon image as .ico
// files store it (a DIB with its AND mask, or a PNG), drawn with DrawIconEx,
// and the directory of an .ico file with the entry nearest a size.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/Win32Types.h"

namespace win32 {

struct ICONINFO {
    BOOL fIcon = TRUE;
    DWORD xHotspot = 0;
    DWORD yHotspot = 0;
    HBITMAP hbmMask = nullptr;   // white where the icon is transparent
    HBITMAP hbmColor = nullptr;  // nullptr for a monochrome icon: the mask is then twice as high
};

constexpr UINT DI_MASK = 0x0001;
constexpr UINT DI_IMAGE = 0x0002;
constexpr UINT DI_NORMAL = DI_MASK | DI_IMAGE;
constexpr UINT DI_COMPAT = 0x0004;
constexpr UINT DI_DEFAULTSIZE = 0x0008;

constexpr UINT LR_DEFAULTCOLOR = 0x0000;
constexpr UINT LR_DEFAULTSIZE = 0x0040;

// The system's large icon size, what DI_DEFAULTSIZE and LR_DEFAULTSIZE use.
constexpr int kSystemIconSize = 32;

// Copies both bitmaps (the caller keeps and deletes its own). hbmMask is
// required; a mask pixel is transparent where it is white.
HICON CreateIconIndirect(const ICONINFO* info);
// Fills info with new copies of the icon's bitmaps, which the caller deletes.
// An icon's hot spot is its centre.
BOOL GetIconInfo(HICON icon, ICONINFO* info);
BOOL DestroyIcon(HICON icon);

// Draws the icon at (x, y) scaled to cx x cy (0 = the icon's own size, or
// kSystemIconSize with DI_DEFAULTSIZE); a negative size draws nothing and
// fails. A brush fills the cx x cy rectangle first. DI_MASK ANDs the mask
// in, DI_IMAGE then XORs the colour (copies it without DI_MASK); an icon
// with an alpha channel is blended over the destination instead. Only the
// part that lands on the DC's bitmap is worked out.
BOOL DrawIconEx(HDC hdc, int x, int y, HICON icon, int cx, int cy, UINT stepIfAniCur, HBRUSH flickerFreeBrush,
                UINT flags);

// One icon image as an .ico entry stores it: a BITMAPINFOHEADER of twice
// the icon's height, colour table, colour bits and AND mask (1, 4, 8, 24 or
// 32 bits a pixel; a 32-bit image carries alpha), or a whole PNG file.
// cx, cy 0 keep the image's size. Malformed or truncated data gives nullptr.
HICON CreateIconFromResourceEx(const BYTE* bits, DWORD size, BOOL icon, DWORD version, int cx, int cy,
                               UINT flags);

// ---- .ico files -------------------------------------------------------------
// Images larger than this on a side are refused: no icon is that big, and a
// size written in a file never decides how much memory is taken.
constexpr int kMaxIconSide = 1024;

struct IcoEntry {
    int width = 0;  // from the directory; 0 there means 256
    int height = 0;
    int bitCount = 0;
    std::span<const BYTE> image;  // the entry's bytes within the file
};

// The entries of an .ico file whose data lies within it; empty when the
// bytes are not an icon file.
std::vector<IcoEntry> ReadIcoDirectory(std::span<const BYTE> file);

// The entry nearest size x size (least |width - size| + |height - size|,
// then most bits a pixel, then the first); -1 when there is none.
int NearestIcoEntry(const std::vector<IcoEntry>& entries, int size);

}  // namespace win32

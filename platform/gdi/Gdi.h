// The software GDI: device contexts over 32-bit bitmaps, pens, brushes,
// lines, fills, edges, regions, DIB transfer and system colours, with the
// Win32 names, constants and signatures. Text and fonts have their own header.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Win32Types.h"
#include "platform/gdi/Rects.h"
#include "platform/gdi/SysColors.h"

namespace win32 {

CORVALMIRE_DECLARE_HANDLE(HPALETTE);

// ---- Stock objects ------------------------------------------------------
constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int OEM_FIXED_FONT = 10;
constexpr int ANSI_FIXED_FONT = 11;
constexpr int ANSI_VAR_FONT = 12;
constexpr int SYSTEM_FONT = 13;
constexpr int DEVICE_DEFAULT_FONT = 14;
constexpr int DEFAULT_PALETTE = 15;
constexpr int SYSTEM_FIXED_FONT = 16;
constexpr int DEFAULT_GUI_FONT = 17;

// Stock brushes and pens; the stock 1x1 bitmap of a fresh memory DC is not
// reachable through this (as on the platform). Font indices return whatever
// the font code registered with RegisterStockObject, else nullptr.
HGDIOBJ GetStockObject(int index);

// ---- Object kinds for GetObjectType / GetCurrentObject -------------------
constexpr DWORD OBJ_PEN = 1;
constexpr DWORD OBJ_BRUSH = 2;
constexpr DWORD OBJ_DC = 3;
constexpr DWORD OBJ_PAL = 5;
constexpr DWORD OBJ_FONT = 6;
constexpr DWORD OBJ_BITMAP = 7;
constexpr DWORD OBJ_REGION = 8;
constexpr DWORD OBJ_MEMDC = 10;

DWORD GetObjectType(HGDIOBJ object);  // 0 for a stale handle; icons are not GDI objects and give 0
HGDIOBJ GetCurrentObject(HDC hdc, UINT type);

// ---- Device contexts ----------------------------------------------------
HDC CreateCompatibleDC(HDC hdc);  // hdc may be nullptr (the screen)
BOOL DeleteDC(HDC hdc);

// GetDC(nullptr) is the screen: it accepts every call and draws nowhere.
// For a window, the window layer installs a provider; without one, every
// window gets a screen DC too.
HDC GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC hdc);

// Selects a pen, brush, bitmap or font (returns the previous one of that kind,
// nullptr on failure) or a region (copies it as the clip region and returns
// the region type, as the platform does).
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);  // FALSE while the object is selected into a DC

COLORREF SetTextColor(HDC hdc, COLORREF color);  // CLR_INVALID on failure
COLORREF GetTextColor(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
int SetBkMode(HDC hdc, int mode);  // previous mode, 0 on failure
int GetBkMode(HDC hdc);

BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous);
BOOL GetCurrentPositionEx(HDC hdc, POINT* position);

// ---- Colours --------------------------------------------------------------
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
constexpr COLORREF CLR_NONE = 0xFFFFFFFF;
COLORREF GetNearestColor(HDC hdc, COLORREF color);

// ---- Bitmaps -------------------------------------------------------------
struct BITMAP {
    LONG bmType = 0;
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    LONG bmWidthBytes = 0;
    WORD bmPlanes = 0;
    WORD bmBitsPixel = 0;
    LPVOID bmBits = nullptr;
};

// Always 32 bits per pixel: where the platform would make a monochrome
// bitmap (a memory DC still holding its stock bitmap) we keep colour, which
// no caller of ours can tell apart except by GetObject's bmBitsPixel.
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);
// bits (if any) are read in the given depth (1, 24 or 32 bpp, rows padded to
// 2 bytes as the platform's device-dependent layout); the bitmap is 32-bit.
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitCount, const void* bits);

// Bitmaps answer with a BITMAP; pens, brushes and regions with their own
// structures below. Fonts are answered by the font code (see Font.h).
int GetObjectA(HGDIOBJ object, int size, void* buffer);
int GetObject(HGDIOBJ object, int size, void* buffer);

// Raster operations BitBlt understands.
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD PATCOPY = 0x00F00021;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;

// Copies w x h pixels; pixels whose source or destination lies outside the
// bitmaps (or the destination clip) are skipped. FALSE for an unknown rop.
BOOL BitBlt(HDC dest, int x, int y, int w, int h, HDC src, int xSrc, int ySrc, DWORD rop);
BOOL PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop);  // PATCOPY, BLACKNESS, WHITENESS, DSTINVERT

// ---- Device-independent bitmaps ------------------------------------------
constexpr DWORD BI_RGB = 0;
constexpr UINT DIB_RGB_COLORS = 0;

struct BITMAPINFOHEADER {
    DWORD biSize = 0;
    LONG biWidth = 0;
    LONG biHeight = 0;
    WORD biPlanes = 0;
    WORD biBitCount = 0;
    DWORD biCompression = 0;
    DWORD biSizeImage = 0;
    LONG biXPelsPerMeter = 0;
    LONG biYPelsPerMeter = 0;
    DWORD biClrUsed = 0;
    DWORD biClrImportant = 0;
};
struct RGBQUAD {
    BYTE rgbBlue = 0;
    BYTE rgbGreen = 0;
    BYTE rgbRed = 0;
    BYTE rgbReserved = 0;
};
struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};

// Reads scan lines of hbm (which must not be selected into a DC other than
// hdc, as on the platform we do not enforce it) into bits as 24 or 32 bpp
// BI_RGB; biHeight > 0 stores bottom-up. bits == nullptr fills in the header
// (biSizeImage) only. Returns the lines copied, 0 on failure.
int GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage);
// Writes a DIB (1, 4, 8 bpp with colour table, 24 or 32 bpp) to a bitmap.
int SetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT lines, const void* bits, const BITMAPINFO* info,
              UINT usage);
// Copies a w x h part of a DIB to the DC without stretching; (xSrc, ySrc) is
// the lower-left corner, for top-down DIBs too. Returns the lines set.
int SetDIBitsToDevice(HDC hdc, int xDest, int yDest, DWORD w, DWORD h, int xSrc, int ySrc, UINT startScan,
                      UINT lines, const void* bits, const BITMAPINFO* info, UINT usage);

// ---- Pens and brushes ----------------------------------------------------
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_DASHDOTDOT = 4;
constexpr int PS_NULL = 5;
constexpr int PS_INSIDEFRAME = 6;
constexpr UINT BS_SOLID = 0;
constexpr UINT BS_NULL = 1;
constexpr UINT BS_HOLLOW = BS_NULL;

struct LOGPEN {
    UINT lopnStyle = 0;
    POINT lopnWidth;
    COLORREF lopnColor = 0;
};
struct LOGBRUSH {
    UINT lbStyle = 0;
    COLORREF lbColor = 0;
    UINT_PTR lbHatch = 0;
};

// Every style draws as a solid 1-pixel line except PS_NULL, which draws nothing.
HPEN CreatePen(int style, int width, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);

// ---- Drawing ---------------------------------------------------------------
// Draws from the current position up to, not including, (x, y) and moves
// the current position there; Bresenham with the platform's octant bias.
BOOL LineTo(HDC hdc, int x, int y);
BOOL Polyline(HDC hdc, const POINT* points, int count);
// Fills left..right-1 x top..bottom-1. hbr may be a brush, (HBRUSH)(COLOR_xxx + 1)
// or nullptr (the DC's brush). Returns nonzero; an empty rect draws nothing.
int FillRect(HDC hdc, const RECT* rect, HBRUSH hbr);
int FrameRect(HDC hdc, const RECT* rect, HBRUSH hbr);
// Outline with the pen, inside with the brush, as FillRect's pixel set.
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);  // the colour set, or CLR_INVALID (-1) outside
BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC hdc, int x, int y);  // CLR_INVALID outside the bitmap or clip

// ---- DrawEdge ------------------------------------------------------------
constexpr UINT BDR_RAISEDOUTER = 0x0001;
constexpr UINT BDR_SUNKENOUTER = 0x0002;
constexpr UINT BDR_RAISEDINNER = 0x0004;
constexpr UINT BDR_SUNKENINNER = 0x0008;
constexpr UINT BDR_OUTER = BDR_RAISEDOUTER | BDR_SUNKENOUTER;
constexpr UINT BDR_INNER = BDR_RAISEDINNER | BDR_SUNKENINNER;
constexpr UINT BDR_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr UINT BDR_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr UINT EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

constexpr UINT BF_LEFT = 0x0001;
constexpr UINT BF_TOP = 0x0002;
constexpr UINT BF_RIGHT = 0x0004;
constexpr UINT BF_BOTTOM = 0x0008;
constexpr UINT BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr UINT BF_TOPRIGHT = BF_TOP | BF_RIGHT;
constexpr UINT BF_BOTTOMLEFT = BF_BOTTOM | BF_LEFT;
constexpr UINT BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr UINT BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr UINT BF_DIAGONAL = 0x0010;
constexpr UINT BF_MIDDLE = 0x0800;
constexpr UINT BF_SOFT = 0x1000;
constexpr UINT BF_ADJUST = 0x2000;
constexpr UINT BF_FLAT = 0x4000;
constexpr UINT BF_MONO = 0x8000;

// BF_DIAGONAL is not supported (returns FALSE, draws nothing).
BOOL DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags);

// ---- Regions -------------------------------------------------------------
constexpr int ERROR = 0;
constexpr int RGN_ERROR = ERROR;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;

constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

constexpr DWORD RDH_RECTANGLES = 1;
struct RGNDATAHEADER {
    DWORD dwSize = 0;
    DWORD iType = 0;
    DWORD nCount = 0;
    DWORD nRgnSize = 0;
    RECT rcBound;
};
struct RGNDATA {
    RGNDATAHEADER rdh;
    char Buffer[1];
};

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);
// Covers left..right-2 x top..bottom-2 with elliptic corners (the platform's
// "interior only at right and bottom" quirk).
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
HRGN CreateEllipticRgnIndirect(const RECT* rect);

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode);  // region type or ERROR
BOOL SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom);
int OffsetRgn(HRGN hrgn, int dx, int dy);
int GetRgnBox(HRGN hrgn, RECT* box);
BOOL PtInRegion(HRGN hrgn, int x, int y);
BOOL RectInRegion(HRGN hrgn, const RECT* rect);
BOOL EqualRgn(HRGN a, HRGN b);
// Fills buffer (if size allows) with the header and the banded rectangles;
// returns the size needed (buffer nullptr) or written, 0 on failure.
DWORD GetRegionData(HRGN hrgn, DWORD size, RGNDATA* buffer);

BOOL FillRgn(HDC hdc, HRGN hrgn, HBRUSH hbr);
BOOL PaintRgn(HDC hdc, HRGN hrgn);  // with the DC's brush
// Paints every pixel of the region that lies within w columns or h rows of
// a pixel outside it (the platform's region frame).
BOOL FrameRgn(HDC hdc, HRGN hrgn, HBRUSH hbr, int w, int h);

// The clip region is a copy; nullptr removes clipping. Returns the new type.
int SelectClipRgn(HDC hdc, HRGN hrgn);
int GetClipBox(HDC hdc, RECT* box);
// Copies the DC's clip region into hrgn: 1 if there is one, 0 if none, -1 on error.
int GetClipRgn(HDC hdc, HRGN hrgn);
int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom);

}  // namespace win32

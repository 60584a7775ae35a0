// Fonts and text output with the Win32 names: logical fonts matched to
// installed faces through fontconfig and rendered with FreeType, text
// metrics and extents, TextOutA and DrawTextA.
//
// Text is bytes in the ANSI code page, which here is Windows-1252: bytes
// 0x80-0x9F are its printable characters (0x80 is the euro sign), the five
// bytes it leaves undefined and 0xA0-0xFF are the Latin-1 code points.
#pragma once

#include "platform/Win32Types.h"

namespace win32 {

constexpr int LF_FACESIZE = 32;

constexpr LONG FW_DONTCARE = 0;
constexpr LONG FW_THIN = 100;
constexpr LONG FW_LIGHT = 300;
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_MEDIUM = 500;
constexpr LONG FW_SEMIBOLD = 600;
constexpr LONG FW_BOLD = 700;
constexpr LONG FW_HEAVY = 900;

constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr BYTE SYMBOL_CHARSET = 2;
constexpr BYTE OEM_CHARSET = 255;

constexpr BYTE OUT_DEFAULT_PRECIS = 0;
constexpr BYTE CLIP_DEFAULT_PRECIS = 0;
constexpr BYTE DEFAULT_QUALITY = 0;
constexpr BYTE NONANTIALIASED_QUALITY = 3;
constexpr BYTE ANTIALIASED_QUALITY = 4;

constexpr BYTE DEFAULT_PITCH = 0;
constexpr BYTE FIXED_PITCH = 1;
constexpr BYTE VARIABLE_PITCH = 2;
constexpr BYTE FF_DONTCARE = 0x00;
constexpr BYTE FF_ROMAN = 0x10;
constexpr BYTE FF_SWISS = 0x20;
constexpr BYTE FF_MODERN = 0x30;
constexpr BYTE FF_SCRIPT = 0x40;
constexpr BYTE FF_DECORATIVE = 0x50;

struct LOGFONTA {
    LONG lfHeight = 0;  // < 0: em height in pixels; > 0: cell height; 0: the default size
    LONG lfWidth = 0;   // ignored: glyphs keep their design proportions
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    CHAR lfFaceName[LF_FACESIZE] = {};
};

struct TEXTMETRICA {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
    LONG tmWeight = 0;
    LONG tmOverhang = 0;
    LONG tmDigitizedAspectX = 96;
    LONG tmDigitizedAspectY = 96;
    BYTE tmFirstChar = 0x20;
    BYTE tmLastChar = 0xFF;
    BYTE tmDefaultChar = 0x1F;
    BYTE tmBreakChar = 0x20;
    BYTE tmItalic = 0;
    BYTE tmUnderlined = 0;
    BYTE tmStruckOut = 0;
    BYTE tmPitchAndFamily = 0;
    BYTE tmCharSet = 0;
};

HFONT CreateFontIndirectA(const LOGFONTA* logFont);
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, LPCSTR faceName);

// Metrics and extents of the DC's font (the stock default when none is selected).
BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics);
BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR text, int count, SIZE* size);
// The requested face name of the DC's font, as the platform reports it.
int GetTextFaceA(HDC hdc, int count, LPSTR faceName);

// Draws count bytes with the top-left of the text cell at (x, y), in the
// DC's text colour; OPAQUE mode first fills the cell with the background
// colour. No prefix processing.
BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int count);

constexpr UINT DT_TOP = 0x0;
constexpr UINT DT_LEFT = 0x0;
constexpr UINT DT_CENTER = 0x1;
constexpr UINT DT_RIGHT = 0x2;
constexpr UINT DT_VCENTER = 0x4;
constexpr UINT DT_BOTTOM = 0x8;
constexpr UINT DT_WORDBREAK = 0x10;
constexpr UINT DT_SINGLELINE = 0x20;
constexpr UINT DT_EXPANDTABS = 0x40;
constexpr UINT DT_NOCLIP = 0x100;
constexpr UINT DT_EXTERNALLEADING = 0x200;
constexpr UINT DT_CALCRECT = 0x400;
constexpr UINT DT_NOPREFIX = 0x800;
constexpr UINT DT_RTLREADING = 0x20000;

// The platform's DrawTextA for the flags above. DT_RTLREADING is accepted
// and changes nothing: it only matters for Hebrew and Arabic fonts, and our
// captions are Latin text laid out left to right.
int DrawTextA(HDC hdc, LPCSTR text, int count, RECT* rect, UINT format);

}  // namespace win32

namespace win32::gdi {

// GetObjectA answers fonts through this: copies the LOGFONTA (or as much as size allows) and
// returns the bytes written, sizeof(LOGFONTA) when buffer is nullptr, 0 for
// a handle that is not a font.
int GetFontObject(HGDIOBJ font, int size, void* buffer);

// The stock font a DC uses until another is selected ("MS Sans Serif" 8 pt,
// which resolves to the installed sans-serif face). Created on first use.
HFONT DefaultFont();

}  // namespace win32::gdi

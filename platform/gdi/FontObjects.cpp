#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include "platform/gdi/FontFaces.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/ObjectTable.h"

namespace win32 {

// Clamped far beyond any real size, so no value wraps on its way to a LONG.
// Rounded half away from zero, as lround does, without calling into libm,
// whose pages would be mapped at start-up for this alone.
LONG FontHeightFromPoints(double points) {
    const double pixels = points * 96.0 / 72.0;
    if (pixels != pixels) return 0;
    const double magnitude = std::fabs(std::clamp(pixels, -1e6, 1e6));
    const auto whole = static_cast<LONG>(magnitude);  // exact below 2^52
    const LONG rounded = whole + (magnitude - static_cast<double>(whole) >= 0.5 ? 1 : 0);
    return pixels < 0 ? rounded : -rounded;
}

HFONT CreateFontIndirectA(const LOGFONTA* logFont) {
    if (!logFont) return nullptr;
    LOGFONTA copy = *logFont;
    copy.lfFaceName[LF_FACESIZE - 1] = '\0';  // a name that fills the array is cut, never overrun
    return static_cast<HFONT>(gdi::Insert(std::make_unique<gdi::Font>(copy)));
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, LPCSTR faceName) {
    LOGFONTA lf;
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = static_cast<BYTE>(italic);
    lf.lfUnderline = static_cast<BYTE>(underline);
    lf.lfStrikeOut = static_cast<BYTE>(strikeOut);
    lf.lfCharSet = static_cast<BYTE>(charSet);
    lf.lfOutPrecision = static_cast<BYTE>(outPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    lf.lfQuality = static_cast<BYTE>(quality);
    lf.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName) std::strncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

}  // namespace win32

namespace win32::gdi {
namespace {

// The stock fonts are published as soon as the font code is linked in, so
// a fresh DC starts with one.
const bool kStockFontsRegistered = [] {
    HFONT font = DefaultFont();
    RegisterStockObject(SYSTEM_FONT, font);
    RegisterStockObject(DEFAULT_GUI_FONT, font);
    RegisterStockObject(ANSI_VAR_FONT, font);
    return true;
}();

}  // namespace

HFONT DefaultFont() {
    static const HFONT font = [] {
        LOGFONTA lf;
        lf.lfHeight = FontHeightFromPoints(8);
        lf.lfWeight = FW_NORMAL;
        lf.lfCharSet = ANSI_CHARSET;
        lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
        std::strcpy(lf.lfFaceName, "MS Sans Serif");
        auto object = std::make_unique<Font>(lf);
        object->stock = true;
        return static_cast<HFONT>(Insert(std::move(object)));
    }();
    return font;
}

int Font::GetObjectInfo(int size, void* buffer) const {
    if (!buffer) return static_cast<int>(sizeof(LOGFONTA));
    // As the platform does for fonts, a short buffer gets the leading part.
    const int bytes = std::clamp<int>(size, 0, sizeof(LOGFONTA));
    std::memcpy(buffer, &logFont, size_t(bytes));
    return bytes;
}

int GetFontObject(HGDIOBJ font, int size, void* buffer) {
    const Font* object = LookupAs<Font>(font, ObjectKind::Font);
    return object ? object->GetObjectInfo(size, buffer) : 0;
}

Font* SelectedFont(const DeviceContext& dc) {
    if (dc.fontObject) return static_cast<Font*>(dc.fontObject);
    return LookupAs<Font>(DefaultFont(), ObjectKind::Font);
}

GlyphCache* GlyphsOf(Font& font) {
    if (!font.glyphs) font.glyphs = GlyphCacheFor(font.logFont);
    return font.glyphs;
}

TextContext TextContextOf(HDC hdc) {
    DeviceContext* dc = LookupAs<DeviceContext>(hdc, ObjectKind::DC);
    if (!dc) return {};
    Font* font = SelectedFont(*dc);
    GlyphCache* glyphs = font ? GlyphsOf(*font) : nullptr;
    if (!glyphs) return {};
    return {dc, font, glyphs};
}

}  // namespace win32::gdi

#include <cstring>

#include "platform/gdi/Font.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/GlyphCache.h"
#include "platform/gdi/TextRender.h"

namespace win32 {

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* tm) {
    const gdi::TextContext text = gdi::TextContextOf(hdc);
    if (!text.dc || !tm) return FALSE;
    const gdi::FaceMetrics& m = text.glyphs->Metrics();
    const LOGFONTA& lf = text.font->logFont;
    *tm = TEXTMETRICA{};
    tm->tmHeight = m.Height();
    tm->tmAscent = m.ascent;
    tm->tmDescent = m.descent;
    tm->tmInternalLeading = m.Height() - m.ppem;
    tm->tmExternalLeading = m.externalLeading;
    tm->tmAveCharWidth = m.aveCharWidth;
    tm->tmMaxCharWidth = m.maxCharWidth;
    tm->tmWeight = lf.lfWeight == FW_DONTCARE ? (m.bold ? FW_BOLD : FW_NORMAL) : lf.lfWeight;
    tm->tmItalic = lf.lfItalic ? 1 : 0;
    tm->tmUnderlined = lf.lfUnderline ? 1 : 0;
    tm->tmStruckOut = lf.lfStrikeOut ? 1 : 0;
    // TMPF_FIXED_PITCH (1) set means variable pitch, as on the platform;
    // 2 | 4 say vector and TrueType.
    tm->tmPitchAndFamily = BYTE((m.fixedPitch ? 0 : 1) | 2 | 4 | (lf.lfPitchAndFamily & 0xF0));
    tm->tmCharSet = lf.lfCharSet;
    return TRUE;
}

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR text, int count, SIZE* size) {
    const gdi::TextContext context = gdi::TextContextOf(hdc);
    if (!context.dc || !size || count < 0 || (!text && count > 0)) return FALSE;
    size->cx = context.glyphs->Width(text, count);
    size->cy = context.glyphs->Metrics().Height();
    return TRUE;
}

int GetTextFaceA(HDC hdc, int count, LPSTR faceName) {
    const gdi::TextContext context = gdi::TextContextOf(hdc);
    if (!context.dc) return 0;
    const char* name = context.font->logFont.lfFaceName;
    const int length = static_cast<int>(strnlen(name, LF_FACESIZE));
    if (!faceName) return length + 1;
    if (count <= 0) return 0;
    const int copied = length < count - 1 ? length : count - 1;
    std::memcpy(faceName, name, size_t(copied));
    faceName[copied] = '\0';
    return copied;
}

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int count) {
    const gdi::TextContext context = gdi::TextContextOf(hdc);
    if (!context.dc || count < 0 || (!text && count > 0)) return FALSE;
    gdi::TextPainter(*context.dc, *context.font, *context.glyphs, nullptr).DrawRun(x, y, text, count);
    return TRUE;
}

}  // namespace win32

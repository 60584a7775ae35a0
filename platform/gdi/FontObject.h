// Internal to platform/gdi: the object behind an HFONT.
#pragma once

#include "platform/gdi/Font.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ObjectTable.h"

namespace win32::gdi {

class GlyphCache;

struct Font : GdiObject {
    explicit Font(const LOGFONTA& lf) : GdiObject(ObjectKind::Font), logFont(lf) {}
    int GetObjectInfo(int size, void* buffer) const override;

    LOGFONTA logFont;
    // Resolved on first use; shared by every font of the same face, size and
    // style, and owned by the face cache (it outlives the font).
    GlyphCache* glyphs = nullptr;
};

// The font a DC draws with: its selected font, or the stock default.
Font* SelectedFont(const DeviceContext& dc);

// The font's glyph cache, resolving the face on first use; nullptr only
// when no face at all is installed.
GlyphCache* GlyphsOf(Font& font);

// What every text call needs: the DC, its font and the font's glyphs.
struct TextContext {
    DeviceContext* dc = nullptr;
    Font* font = nullptr;
    GlyphCache* glyphs = nullptr;
};
// All three set, or dc == nullptr for a stale DC or when no face is installed.
TextContext TextContextOf(HDC hdc);

}  // namespace win32::gdi

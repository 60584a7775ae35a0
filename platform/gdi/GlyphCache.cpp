#include "platform/gdi/GlyphCache.h"

#include FT_OUTLINE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H
#include FT_SIZES_H

#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/gdi/TextCodePage.h"

namespace win32::gdi {
namespace {

// Font units times a 16.16 scale, rounded to whole pixels.
int ScaledPixels(FT_Long units, FT_Fixed scale) {
    return static_cast<int>((FT_MulFix(units, scale) + 32) >> 6);
}

bool HasOs2(const TT_OS2* os2) { return os2 && os2->version != 0xFFFF; }

}  // namespace

GlyphCache::GlyphCache(FT_Face face, int ppem, bool embolden, bool oblique)
    : face_(face), embolden_(embolden), oblique_(oblique) {
    FT_New_Size(face_, &size_);
    Activate();
    FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(ppem));
    metrics_.ppem = ppem;
    ComputeMetrics();
}

GlyphCache::~GlyphCache() {
    if (size_) FT_Done_Size(size_);
}

void GlyphCache::Activate() const {
    if (size_) FT_Activate_Size(size_);
}

void GlyphCache::ComputeMetrics() {
    const FT_Fixed yScale = face_->size->metrics.y_scale;
    const FT_Fixed xScale = face_->size->metrics.x_scale;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face_, FT_SFNT_HHEA));
    // The platform sizes the text cell from the Windows ascent and descent.
    FT_Long ascent = face_->ascender;
    FT_Long descent = -face_->descender;
    if (HasOs2(os2) && (os2->usWinAscent || os2->usWinDescent)) {
        ascent = os2->usWinAscent;
        descent = os2->usWinDescent;
    }
    metrics_.ascent = ScaledPixels(ascent, yScale);
    metrics_.descent = ScaledPixels(descent, yScale);
    if (hhea) {
        const FT_Long gap = hhea->Line_Gap - ((ascent + descent) - (hhea->Ascender - hhea->Descender));
        metrics_.externalLeading = std::max(0, ScaledPixels(gap, yScale));
    }
    metrics_.maxCharWidth = ScaledPixels(face_->bbox.xMax - face_->bbox.xMin, xScale) + (embolden_ ? 1 : 0);
    metrics_.aveCharWidth =
        HasOs2(os2) && os2->xAvgCharWidth > 0 ? ScaledPixels(os2->xAvgCharWidth, xScale) : Advance('x');
    metrics_.underlineOffset = std::max(1, ScaledPixels(-face_->underline_position, yScale));
    metrics_.underlineThickness = std::max(1, ScaledPixels(face_->underline_thickness, yScale));
    if (HasOs2(os2) && os2->yStrikeoutSize > 0) {
        metrics_.strikeoutOffset = ScaledPixels(os2->yStrikeoutPosition, yScale);
        metrics_.strikeoutThickness = std::max(1, ScaledPixels(os2->yStrikeoutSize, yScale));
    } else {
        metrics_.strikeoutOffset = metrics_.ascent / 3;
    }
    metrics_.fixedPitch = FT_IS_FIXED_WIDTH(face_);
    metrics_.bold = embolden_ || (face_->style_flags & FT_STYLE_FLAG_BOLD);
}

const Glyph& GlyphCache::Get(unsigned char byte) {
    std::unique_ptr<Glyph>& slot = glyphs_[byte];
    if (!slot) {
        slot = std::make_unique<Glyph>(Rasterise(byte));
        ++rasterised_;
    }
    return *slot;
}

int GlyphCache::Width(const char* text, int count) {
    long long width = 0;
    for (int i = 0; i < count; ++i) width += Advance(static_cast<unsigned char>(text[i]));
    return static_cast<int>(std::min<long long>(width, std::numeric_limits<int>::max()));
}

Glyph GlyphCache::Rasterise(unsigned char byte) const {
    Glyph glyph;
    Activate();
    const FT_UInt index = FT_Get_Char_Index(face_, AnsiToCodePoint(byte));
    if (FT_Load_Glyph(face_, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) return glyph;
    FT_GlyphSlot slot = face_->glyph;
    if (oblique_) FT_GlyphSlot_Oblique(slot);
    if (embolden_) FT_GlyphSlot_Embolden(slot);
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.coverage.resize(size_t(glyph.width) * size_t(glyph.height));
    for (int y = 0; y < glyph.height; ++y) {
        const unsigned char* row = bitmap.buffer + std::ptrdiff_t(y) * bitmap.pitch;
        std::memcpy(glyph.coverage.data() + size_t(y) * size_t(glyph.width), row, size_t(glyph.width));
    }
    return glyph;
}

}  // namespace win32::gdi

#include "platform/gdi/TextRender.h"

#include <algorithm>
#include <limits>

#include "platform/gdi/CoverageBlend.h"
#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GlyphCache.h"
#include "platform/gdi/ObjectTable.h"

namespace win32::gdi {
namespace {

constexpr RECT kNoClip{std::numeric_limits<LONG>::min(), std::numeric_limits<LONG>::min(),
                       std::numeric_limits<LONG>::max(), std::numeric_limits<LONG>::max()};

}  // namespace

TextPainter::TextPainter(const DeviceContext& dc, Font& font, GlyphCache& glyphs, const RECT* clip)
    : dc_(dc),
      font_(font),
      glyphs_(glyphs),
      clip_(clip ? *clip : kNoClip),
      textPixel_(ToPixel(dc.textColor)) {}

// The part of [x0, x1) x [y0, y1) inside the clip rectangle and the bitmap,
// worked out in 64 bits: text placed near the ends of the int range lands
// nowhere instead of wrapping onto the surface.
TextPainter::Area TextPainter::Visible(long long x0, long long y0, long long x1, long long y1) const {
    const Bitmap* bitmap = SelectedBitmap(dc_);
    if (!bitmap) return {};
    return {int(std::clamp<long long>(std::max<long long>(x0, clip_.left), 0, bitmap->width)),
            int(std::clamp<long long>(std::max<long long>(y0, clip_.top), 0, bitmap->height)),
            int(std::clamp<long long>(std::min<long long>(x1, clip_.right), 0, bitmap->width)),
            int(std::clamp<long long>(std::min<long long>(y1, clip_.bottom), 0, bitmap->height))};
}

void TextPainter::Fill(long long left, long long top, long long right, long long bottom,
                       std::uint32_t pixel) {
    const DrawTarget target(dc_);
    const Area area = Visible(left, top, right, bottom);
    for (int y = area.y0; y < area.y1; ++y)
        target.ForEachSpan(y, area.x0, area.x1,
                           [pixel](std::uint32_t* row, int a, int b) { std::fill(row + a, row + b, pixel); });
}

void TextPainter::Blend(long long x, long long y, int width, int height, const std::uint8_t* coverage) {
    const DrawTarget target(dc_);
    const Area area = Visible(x, y, x + width, y + height);
    const std::uint32_t text = textPixel_;
    for (int row = area.y0; row < area.y1; ++row) {
        const std::uint8_t* source = coverage + size_t(row - y) * size_t(width);
        target.ForEachSpan(row, area.x0, area.x1, [source, text, x](std::uint32_t* pixels, int a, int b) {
            BlendCoverageRow(pixels + a, source + (a - x), b - a, text);
        });
    }
}

void TextPainter::DrawRow(int x0, int x1, int y) { Fill(x0, y, x1, y + 1LL, textPixel_); }

void TextPainter::DrawRun(int x, int y, const char* text, int count) {
    if (!SelectedBitmap(dc_) || count <= 0) return;
    const FaceMetrics& metrics = glyphs_.Metrics();
    const long long width = glyphs_.Width(text, count);
    if (dc_.bkMode == OPAQUE) Fill(x, y, x + width, y + (long long)metrics.Height(), ToPixel(dc_.bkColor));
    const long long baseline = y + (long long)metrics.ascent;
    long long pen = x;
    for (int i = 0; i < count; ++i) {
        const Glyph& glyph = glyphs_.Get(static_cast<unsigned char>(text[i]));
        if (!glyph.coverage.empty())
            Blend(pen + glyph.left, baseline - glyph.top, glyph.width, glyph.height, glyph.coverage.data());
        pen += glyph.advance;
    }
    if (font_.logFont.lfUnderline) {
        const long long top = baseline + metrics.underlineOffset;
        Fill(x, top, x + width, top + metrics.underlineThickness, textPixel_);
    }
    if (font_.logFont.lfStrikeOut) {
        const long long top = baseline - metrics.strikeoutOffset;
        Fill(x, top, x + width, top + metrics.strikeoutThickness, textPixel_);
    }
}

}  // namespace win32::gdi

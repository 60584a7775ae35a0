// Internal: puts text into a DC's bitmap - glyph coverage blended in the
// text colour over what is there, cell fills and underlines - cut to the
// bitmap, the DC's clip region and an optional rectangle.
#pragma once

#include <cstdint>

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ObjectTable.h"

namespace win32::gdi {

class GlyphCache;
struct Font;

class TextPainter {
public:
    // clip may be nullptr (no rectangle clipping).
    TextPainter(const DeviceContext& dc, Font& font, GlyphCache& glyphs, const RECT* clip);

    // The run with the top-left of its cell at (x, y), with the font's own
    // underline and strike-out; OPAQUE mode fills the cell first.
    void DrawRun(int x, int y, const char* text, int count);
    // A one-pixel row [x0, x1) at y in the text colour (prefix underlines).
    void DrawRow(int x0, int x1, int y);

private:
    struct Area {
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    };
    Area Visible(long long x0, long long y0, long long x1, long long y1) const;
    void Fill(long long left, long long top, long long right, long long bottom, std::uint32_t pixel);
    void Blend(long long x, long long y, int width, int height, const std::uint8_t* coverage);

    const DeviceContext& dc_;
    Font& font_;
    GlyphCache& glyphs_;
    RECT clip_;
    std::uint32_t textPixel_;
};

}  // namespace win32::gdi

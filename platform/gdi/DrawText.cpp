#include <algorithm>
#include <cstring>
#include <limits>
#include <string_view>

#include "platform/gdi/DrawTextLayout.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/GlyphCache.h"
#include "platform/gdi/TextRender.h"

namespace win32 {
namespace {

int Clamp(long long value) {
    return int(
        std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// An empty string measured with count -1: the platform answers the line
// height, and DT_CALCRECT gives a zero-width rectangle, one line high only
// in single-line mode.
int EmptyText(int lineHeight, RECT* rect, UINT format) {
    if (format & DT_CALCRECT) {
        rect->right = rect->left;
        rect->bottom = (format & DT_SINGLELINE) ? Clamp(1LL * rect->top + lineHeight) : rect->top;
    }
    return lineHeight;
}

// Draws one laid-out line: each tab segment, then the prefix underline, a
// one-pixel row under the prefixed character, one pixel shorter than it.
void DrawLine(gdi::TextPainter& painter, gdi::GlyphCache& glyphs, const gdi::TextLine& line, int x, int y) {
    for (const gdi::TextSegment& seg : line.segments) {
        const char* text = line.text.data() + seg.start;
        painter.DrawRun(Clamp(1LL * x + seg.x), y, text, int(seg.length));
        const long long offset = line.prefixOffset - static_cast<long long>(seg.start);
        if (line.prefixOffset < 0 || offset < 0 || offset >= static_cast<long long>(seg.length)) continue;
        const long long left = 1LL * x + seg.x + glyphs.Width(text, int(offset));
        const long long right = left + glyphs.Advance(static_cast<unsigned char>(text[offset])) - 1;
        painter.DrawRow(Clamp(left), Clamp(right), Clamp(1LL * y + glyphs.Metrics().ascent + 1));
    }
}

}  // namespace

int DrawTextA(HDC hdc, LPCSTR text, int count, RECT* rect, UINT format) {
    const gdi::TextContext context = gdi::TextContextOf(hdc);
    if (!context.dc || !text || !rect || count == 0) return 0;
    gdi::GlyphCache& glyphs = *context.glyphs;
    const gdi::FaceMetrics& metrics = glyphs.Metrics();
    const int lineHeight = metrics.Height() + ((format & DT_EXTERNALLEADING) ? metrics.externalLeading : 0);
    if (count < 0) {
        count = int(std::min<std::size_t>(std::strlen(text), std::numeric_limits<int>::max()));
        if (count == 0) return EmptyText(lineHeight, rect, format);
    }
    if (format & DT_SINGLELINE) format &= ~DT_WORDBREAK;
    if (format & DT_CALCRECT) format |= DT_NOCLIP;

    const std::string_view source(text, std::size_t(count));
    const gdi::LineRules rules{format, Clamp(1LL * rect->right - rect->left), metrics.aveCharWidth * 8};
    const RECT clip = *rect;
    gdi::TextPainter painter(*context.dc, *context.font, glyphs, (format & DT_NOCLIP) ? nullptr : &clip);
    long long y = rect->top;
    int maxWidth = 0;
    std::size_t pos = 0;
    gdi::TextLine line;
    bool lastLine = false;
    do {
        // Without DT_NOCLIP the line that first reaches past the bottom is the last one.
        lastLine = !(format & DT_NOCLIP) && y + lineHeight > rect->bottom;
        pos = gdi::NextLine(source, pos, rules, glyphs, line);
        long long x = rect->left;
        if (format & DT_CENTER)
            x = (1LL * rect->left + rect->right - line.width) / 2;
        else if (format & DT_RIGHT)
            x = 1LL * rect->right - line.width;
        if (format & DT_SINGLELINE) {
            // Two separate halvings, as the platform rounds them.
            if (format & DT_VCENTER)
                y = rect->top + (1LL * rect->bottom - rect->top) / 2 - metrics.Height() / 2;
            else if (format & DT_BOTTOM)
                y = 1LL * rect->bottom - metrics.Height();
        }
        if (format & DT_CALCRECT)
            maxWidth = std::max(maxWidth, line.width);
        else
            DrawLine(painter, glyphs, line, Clamp(x), Clamp(y));
        y += lineHeight;
    } while (pos < source.size() && !lastLine);

    if (format & DT_CALCRECT) {
        rect->right = Clamp(1LL * rect->left + maxWidth);
        rect->bottom = Clamp(y);
    }
    const int height = Clamp(y - rect->top);
    return height == 0 ? 1 : height;
}

}  // namespace win32

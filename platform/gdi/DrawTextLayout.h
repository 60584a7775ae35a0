// Internal: how DrawTextA cuts text into lines - prefix characters, CR/LF,
// tab expansion and word breaking, with the platform's rules.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Win32Types.h"

namespace win32::gdi {

class GlyphCache;

// A run of the line between tabs, placed x pixels from the line's start.
struct TextSegment {
    std::size_t start = 0;
    std::size_t length = 0;
    int x = 0;
};

struct TextLine {
    std::string text;  // what is drawn: prefixes removed, tabs left out
    std::vector<TextSegment> segments;
    int width = 0;          // pixels, tabs included
    int prefixOffset = -1;  // index into text of the underlined character
};

struct LineRules {
    UINT format = 0;   // DT_ flags
    int width = 0;     // of the rectangle
    int tabWidth = 0;  // pixels per tab stop (DT_EXPANDTABS)
};

// Takes one line from text, starting at pos, into line; returns where the
// next line starts, or text.size() when the text is used up.
std::size_t NextLine(std::string_view text, std::size_t pos, const LineRules& rules, GlyphCache& glyphs,
                     TextLine& line);

}  // namespace win32::gdi

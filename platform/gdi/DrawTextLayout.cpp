#include "platform/gdi/DrawTextLayout.h"

#include <algorithm>
#include <limits>

#include "platform/gdi/Font.h"
#include "platform/gdi/GlyphCache.h"

namespace win32::gdi {
namespace {

constexpr char kTab = '\t';
constexpr char kPrefix = '&';

bool IsBreak(char c) { return c == '\r' || c == '\n'; }

// How many leading characters fit in maxWidth pixels.
std::size_t CharsThatFit(GlyphCache& glyphs, std::string_view segment, long long maxWidth) {
    long long width = 0;
    for (std::size_t i = 0; i < segment.size(); ++i) {
        width += glyphs.Advance(static_cast<unsigned char>(segment[i]));
        if (width > maxWidth) return i;
    }
    return segment.size();
}

struct Break {
    std::size_t length;  // characters kept on the line
    std::size_t used;    // characters consumed, a swallowed space included
};

// The platform's word break, for a segment that does not fit: back from the
// first character that does not fit to a space or the end of a word. Left
// aligned text keeps the trailing spaces that fit; centred and right aligned
// keep all but one; one space at the break is swallowed. A word that alone
// is wider than the rectangle goes whole on a line of its own.
Break WordBreak(std::string_view seg, std::size_t charsFit, UINT format) {
    std::size_t p = charsFit;
    bool wordFits = true;
    if (charsFit == 0) {
        wordFits = false;
    } else if (seg[p] == ' ') {
        --p;  // the word just fitted
    } else {
        while (p > 0 && seg[--p] != ' ') {
        }
        wordFits = p != 0 || seg[p] == ' ';
    }
    if (wordFits) {
        if (!(format & (DT_RIGHT | DT_CENTER)) || seg[p] != ' ') ++p;
        const bool nextIsSpace = p < seg.size() && seg[p] == ' ';
        return {p, p + (nextIsSpace ? 1 : 0)};
    }
    std::size_t end = charsFit;
    while (end < seg.size() && seg[end] != ' ') ++end;
    return {end, end + (end < seg.size() ? 1 : 0)};
}

}  // namespace

std::size_t NextLine(std::string_view text, std::size_t pos, const LineRules& rules, GlyphCache& glyphs,
                     TextLine& line) {
    line = TextLine{};
    const bool expandTabs = (rules.format & DT_EXPANDTABS) && rules.tabWidth > 0;
    const bool singleLine = rules.format & DT_SINGLELINE;
    const bool prefixes = !(rules.format & DT_NOPREFIX);
    std::size_t i = pos;
    long long x = 0;
    // sourceEnd[j]: the index in text just after where line.text[j] came from.
    std::vector<std::size_t> sourceEnd;
    while (i < text.size()) {
        if (expandTabs && text[i] == kTab) {
            x = (x / rules.tabWidth + 1) * rules.tabWidth;
            for (++i; i < text.size() && text[i] == kTab; ++i) x += rules.tabWidth;
        }
        const std::size_t segStart = line.text.size();
        const std::size_t segSource = i;
        while (i < text.size() && !(expandTabs && text[i] == kTab) && !(!singleLine && IsBreak(text[i]))) {
            // A lone '&' at the very end stays a literal.
            if (prefixes && text[i] == kPrefix && i + 1 < text.size()) {
                ++i;
                if (text[i] != kPrefix) {
                    if (line.prefixOffset == -1 || line.prefixOffset >= int(segStart))
                        line.prefixOffset = int(line.text.size());
                    continue;
                }
            }
            line.text += text[i++];
            sourceEnd.push_back(i);
        }
        std::string_view seg = std::string_view(line.text).substr(segStart);
        const std::size_t fit = CharsThatFit(glyphs, seg, rules.width - x);
        bool broken = false;
        if (fit < seg.size() && (rules.format & DT_WORDBREAK)) {
            const Break cut = WordBreak(seg, fit, rules.format);
            i = cut.used == 0 ? segSource : sourceEnd[segStart + cut.used - 1];
            line.text.resize(segStart + cut.length);
            seg = std::string_view(line.text).substr(segStart);
            broken = true;
        }
        line.segments.push_back(
            {segStart, seg.size(), int(std::min<long long>(x, std::numeric_limits<int>::max()))});
        x += glyphs.Width(seg.data(), int(seg.size()));
        if (broken || i >= text.size()) break;
        if (IsBreak(text[i])) {
            ++i;
            // CRLF and LFCR are one break; CRCR or LFLF are two.
            if (i < text.size() && IsBreak(text[i]) && text[i] != text[i - 1]) ++i;
            break;
        }
        // Otherwise a tab: the next segment of the same line.
    }
    if (line.prefixOffset >= int(line.text.size())) line.prefixOffset = -1;  // cut off by the break
    line.width = int(std::min<long long>(x, std::numeric_limits<int>::max()));
    return i;
}

}  // namespace win32::gdi

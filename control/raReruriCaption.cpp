#include "control/raReruriCaption.h"

#include <cstdint>

#include "platform/gdi/TextCodePage.h"

namespace control {
namespace {

// Length of the UTF-8 sequence starting at s[i] and its code point, or 0
// when the bytes there are not a valid sequence.
size_t DecodeUtf8(std::string_view s, size_t i, char32_t& out) {
    const auto b = [&](size_t k) { return static_cast<std::uint8_t>(s[k]); };
    const std::uint8_t lead = b(i);
    size_t length = lead > 0xF4 ? 0 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || i + length > s.size()) return 0;
    char32_t c = lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b(i + k) & 0x3F);
    }
    const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    out = c;
    return length;
}

}  // namespace

std::string AnsiCaption(std::string_view utf8) {
    std::string ansi;
    ansi.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<std::uint8_t>(utf8[i]);
        char32_t c = 0;
        const size_t length = byte < 0x80 ? 0 : DecodeUtf8(utf8, i, c);
        if (length == 0) {
            ansi.push_back(static_cast<char>(byte));  // ASCII, or a stray byte kept as Latin-1
            ++i;
            continue;
        }
        ansi.push_back(win32::CodePointToAnsi(c));
        i += length;
    }
    return ansi;
}

}  // namespace control

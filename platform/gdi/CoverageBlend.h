// Internal: glyph coverage blended over a pixel.
#pragma once

#include <cstdint>

namespace win32::gdi {

// alpha/255 of text over (255-alpha)/255 of under, per channel, rounded:
// (t*a + u*(255-a) + 127) / 255. Red and blue share one 32-bit multiply in
// 16-bit lanes (at most 65,152 each, so no lane carries into the next), and
// (x + (x >> 8) + 1) >> 8 is x / 255 exactly for every x below 65,535.
constexpr std::uint32_t BlendCoverage(std::uint32_t under, std::uint32_t text, unsigned alpha) {
    const unsigned rest = 255 - alpha;
    const auto divide = [](std::uint32_t x) { return ((x + ((x >> 8) & 0x00FF00FFu) + 0x00010001u) >> 8) & 0x00FF00FFu; };
    const std::uint32_t redBlue = (text & 0x00FF00FFu) * alpha + (under & 0x00FF00FFu) * rest + 0x007F007Fu;
    const std::uint32_t green = ((text >> 8) & 0xFFu) * alpha + ((under >> 8) & 0xFFu) * rest + 0x7Fu;
    return divide(redBlue) | (divide(green) << 8);
}

}  // namespace win32::gdi

// Internal: glyph coverage blended over a pixel.
#pragma once

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace win32::gdi {

// alpha/255 of text over (255-alpha)/255 of under, per channel, rounded:
// (t*a + u*(255-a) + 127) / 255. Red and blue share one 32-bit multiply in
// 16-bit lanes (at most 65,152 each, so no lane carries into the next), and
// (x + (x >> 8) + 1) >> 8 is x / 255 exactly for every x below 65,535.
constexpr std::uint32_t BlendCoverage(std::uint32_t under, std::uint32_t text, unsigned alpha) {
    const unsigned rest = 255 - alpha;
    const auto divide = [](std::uint32_t x) {
        return ((x + ((x >> 8) & 0x00FF00FFu) + 0x00010001u) >> 8) & 0x00FF00FFu;
    };
    const std::uint32_t redBlue = (text & 0x00FF00FFu) * alpha + (under & 0x00FF00FFu) * rest + 0x007F007Fu;
    const std::uint32_t green = ((text >> 8) & 0xFFu) * alpha + ((under >> 8) & 0xFFu) * rest + 0x7Fu;
    return divide(redBlue) | (divide(green) << 8);
}

// BlendCoverage over a row of count pixels; pixels without coverage keep
// their value. With SSE2, four pixels a step in 16-bit lanes (the same
// arithmetic, so the same result) and without branches, which glyph edges
// would mispredict.
inline void BlendCoverageRow(std::uint32_t* pixels, const std::uint8_t* alpha, int count,
                             std::uint32_t text) {
    int i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i ink = _mm_unpacklo_epi8(_mm_set1_epi32(int(text)), zero);
    const __m128i full = _mm_set1_epi16(255), half = _mm_set1_epi16(127), one = _mm_set1_epi16(1);
    const __m128i colour = _mm_set1_epi32(0x00FFFFFF);
    const auto blend = [&](__m128i under, __m128i a) {
        const __m128i x = _mm_add_epi16(
            _mm_add_epi16(_mm_mullo_epi16(ink, a), _mm_mullo_epi16(under, _mm_sub_epi16(full, a))), half);
        return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(x, _mm_srli_epi16(x, 8)), one), 8);
    };
    for (; i + 4 <= count; i += 4) {
        std::uint32_t cover;
        std::memcpy(&cover, alpha + i, 4);
        if (cover == 0) continue;
        const __m128i under = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + i));
        const __m128i pairs = _mm_unpacklo_epi8(_mm_cvtsi32_si128(int(cover)), _mm_cvtsi32_si128(int(cover)));
        const __m128i spread = _mm_unpacklo_epi8(pairs, pairs);  // each pixel's coverage in its four bytes
        const __m128i low = blend(_mm_unpacklo_epi8(under, zero), _mm_unpacklo_epi8(spread, zero));
        const __m128i high = blend(_mm_unpackhi_epi8(under, zero), _mm_unpackhi_epi8(spread, zero));
        const __m128i blended = _mm_and_si128(_mm_packus_epi16(low, high), colour);
        const __m128i bare = _mm_cmpeq_epi32(spread, zero);
        const __m128i out = _mm_or_si128(_mm_andnot_si128(bare, blended), _mm_and_si128(bare, under));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + i), out);
    }
#endif
    for (; i < count; ++i)
        if (alpha[i] != 0) pixels[i] = BlendCoverage(pixels[i], text, alpha[i]);
}

}  // namespace win32::gdi

// Internal: one face at one pixel size and synthetic style, with its
// metrics and its glyphs rasterised once, on first use, as 8-bit coverage.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace win32::gdi {

struct Glyph {
    int advance = 0;  // whole pixels, hinted
    int left = 0;     // bitmap offset from the pen position
    int top = 0;      // bitmap top above the baseline
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;  // width * height, 0 = none, 255 = full
};

struct FaceMetrics {
    int ppem = 0;  // em height in pixels
    int ascent = 0;
    int descent = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
    int underlineOffset = 1;  // rows below the baseline
    int underlineThickness = 1;
    int strikeoutOffset = 0;  // rows above the baseline
    int strikeoutThickness = 1;
    bool fixedPitch = false;
    bool bold = false;  // the face is bold or is emboldened
    int Height() const { return ascent + descent; }
};

class GlyphCache {
public:
    // face stays owned by the face cache; the cache gets its own FT_Size.
    GlyphCache(FT_Face face, int ppem, bool embolden, bool oblique);
    ~GlyphCache();
    GlyphCache(const GlyphCache&) = delete;
    GlyphCache& operator=(const GlyphCache&) = delete;

    const FaceMetrics& Metrics() const { return metrics_; }
    // The glyph of one ANSI byte.
    const Glyph& Get(unsigned char byte);
    int Advance(unsigned char byte) { return Get(byte).advance; }
    // Sum of the advances (GDI text is not kerned), capped at INT_MAX.
    int Width(const char* text, int count);
    // How many glyphs were rasterised so far (tests check caching with it).
    int Rasterised() const { return rasterised_; }

private:
    void Activate() const;
    Glyph Rasterise(unsigned char byte) const;
    void ComputeMetrics();

    FT_Face face_;
    FT_Size size_ = nullptr;
    bool embolden_;
    bool oblique_;
    FaceMetrics metrics_;
    std::array<std::unique_ptr<Glyph>, 256> glyphs_{};
    int rasterised_ = 0;
};

}  // namespace win32::gdi

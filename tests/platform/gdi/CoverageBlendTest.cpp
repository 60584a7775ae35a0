#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "platform/gdi/CoverageBlend.h"

namespace {

// Every coverage over every pair of channel values, each channel of the
// pixel different, against the per-channel rounded division.
TEST(CoverageBlend, MatchesTheRoundedDivisionForEveryValue) {
    const auto expected = [](unsigned u, unsigned t, unsigned a) {
        return (t * a + u * (255 - a) + 127) / 255;
    };
    int wrong = 0;
    for (unsigned a = 0; a <= 255; ++a)
        for (unsigned u = 0; u <= 255; ++u)
            for (unsigned t = 0; t <= 255; ++t) {
                const std::uint32_t under = (u << 16) | ((255 - u) << 8) | (u ^ 0x5A);
                const std::uint32_t text = (t << 16) | ((t * 7) & 0xFF) << 8 | (255 - t);
                const std::uint32_t want = (expected(u, t, a) << 16) |
                                           (expected(255 - u, (t * 7) & 0xFF, a) << 8) |
                                           expected(u ^ 0x5A, 255 - t, a);
                if (win32::gdi::BlendCoverage(under, text, a) != want && ++wrong <= 5)
                    ADD_FAILURE() << std::hex << under << " " << text << " " << a;
            }
    EXPECT_EQ(wrong, 0);
}

// Rows of every length up to a few groups of four, with uncovered, partly
// and fully covered pixels (and stray top bytes), against the pixel-by-pixel
// blend; uncovered pixels keep exactly what they held.
TEST(CoverageBlend, RowsBlendLikeSinglePixels) {
    std::mt19937 random(17);
    for (std::size_t count = 0; count <= 13; ++count)
        for (int round = 0; round < 300; ++round) {
            std::vector<std::uint32_t> pixels(count + 1);
            std::vector<std::uint8_t> alpha(count);
            for (auto& p : pixels) p = std::uint32_t(random());
            for (auto& a : alpha) {
                const unsigned kind = random() % 4;
                a = kind < 2 ? 0 : kind == 2 ? 255 : std::uint8_t(random());
            }
            const std::uint32_t text = std::uint32_t(random()) & 0x00FFFFFF;
            std::vector<std::uint32_t> expected = pixels;
            for (std::size_t i = 0; i < count; ++i)
                if (alpha[i]) expected[i] = win32::gdi::BlendCoverage(pixels[i], text, alpha[i]);
            win32::gdi::BlendCoverageRow(pixels.data(), alpha.data(), int(count), text);
            ASSERT_EQ(pixels, expected) << "count " << count << " round " << round;
        }
}

}  // namespace

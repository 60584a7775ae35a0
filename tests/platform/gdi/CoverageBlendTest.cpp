#include <gtest/gtest.h>

#include <cstdint>

#include "platform/gdi/CoverageBlend.h"

namespace {

// Every coverage over every pair of channel values, each channel of the
// pixel different, against the per-channel rounded division.
TEST(CoverageBlend, MatchesTheRoundedDivisionForEveryValue) {
    const auto expected = [](unsigned u, unsigned t, unsigned a) { return (t * a + u * (255 - a) + 127) / 255; };
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

}  // namespace

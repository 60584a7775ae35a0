// Test support: .ico files written byte by byte from small images, in any
// depth an icon file holds, or as a PNG entry.
#pragma once

#include <cstdint>
#include <vector>

namespace corvalmire::test {

constexpr int kPngEntry = 0;  // bitCount of an entry stored as a PNG file

struct TestIconImage {
    int width = 0, height = 0;
    int bitCount = 24;                // 1, 4, 8, 24, 32 or kPngEntry
    std::vector<std::uint32_t> argb;  // top-down, 0xAARRGGBB; alpha only counts for 32 bits and PNG
    std::vector<bool> transparent;    // the AND mask, top-down (ignored for PNG)
};

// A width x height image of one colour, nothing transparent.
TestIconImage SolidImage(int width, int height, int bitCount, std::uint32_t argb);

// A whole .ico file with one entry per image. A DIB entry's colour table
// holds the image's colours in order of first appearance.
std::vector<unsigned char> IcoFile(const std::vector<TestIconImage>& images);

}  // namespace corvalmire::test

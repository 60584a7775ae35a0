#include "tests/platform/gdi/IcoFixture.h"

#include <png.h>

#include <algorithm>
#include <stdexcept>

namespace corvalmire::test {
namespace {

using Bytes = std::vector<unsigned char>;

void Put16(Bytes& b, unsigned v) {
    b.insert(b.end(), {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)});
}
void Put32(Bytes& b, unsigned v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
std::size_t Stride(int width, int bits) { return std::size_t((width * bits + 31) / 32 * 4); }

Bytes PngBytes(const TestIconImage& image) {
    Bytes bgra;
    for (std::uint32_t p : image.argb)
        bgra.insert(bgra.end(), {static_cast<unsigned char>(p), static_cast<unsigned char>(p >> 8),
                                 static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 24)});
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_BGRA;
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&png, nullptr, &size, 0, bgra.data(), 0, nullptr);
    Bytes out(size);
    if (!png_image_write_to_memory(&png, out.data(), &size, 0, bgra.data(), 0, nullptr))
        throw std::runtime_error("cannot write the test PNG");
    out.resize(size);
    return out;
}

// Colour bits, bottom-up rows; below 16 bits, indices into the palette.
void PutPixels(Bytes& b, const TestIconImage& image, const std::vector<std::uint32_t>& palette) {
    const int bits = image.bitCount;
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(Stride(image.width, bits));
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = image.argb[std::size_t(y * image.width + x)];
            if (bits <= 8) {
                const auto index =
                    unsigned(std::find(palette.begin(), palette.end(), p & 0xFFFFFF) - palette.begin());
                const int shift = 8 - bits - (x * bits) % 8;
                row[std::size_t(x * bits / 8)] |= static_cast<unsigned char>(index << shift);
            } else {
                for (int c = 0; c < bits / 8; ++c)
                    row[std::size_t(x * bits / 8 + c)] = static_cast<unsigned char>(p >> (8 * c));
            }
        }
        b.insert(b.end(), row.begin(), row.end());
    }
}

void PutMask(Bytes& b, const TestIconImage& image) {
    for (int y = image.height - 1; y >= 0; --y) {
        Bytes row(Stride(image.width, 1));
        for (int x = 0; x < image.width; ++x)
            if (image.transparent[std::size_t(y * image.width + x)])
                row[std::size_t(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
        b.insert(b.end(), row.begin(), row.end());
    }
}

Bytes EntryBytes(const TestIconImage& image) {
    if (image.bitCount == kPngEntry) return PngBytes(image);
    std::vector<std::uint32_t> palette;
    if (image.bitCount <= 8)
        for (std::uint32_t p : image.argb)
            if (std::find(palette.begin(), palette.end(), p & 0xFFFFFF) == palette.end())
                palette.push_back(p & 0xFFFFFF);
    Bytes b;
    Put32(b, 40), Put32(b, unsigned(image.width)), Put32(b, unsigned(2 * image.height));
    Put16(b, 1), Put16(b, unsigned(image.bitCount)), Put32(b, 0), Put32(b, 0), Put32(b, 0), Put32(b, 0);
    Put32(b, unsigned(palette.size())), Put32(b, 0);
    for (std::uint32_t c : palette) Put32(b, c);  // B, G, R, 0
    PutPixels(b, image, palette);
    PutMask(b, image);
    return b;
}

}  // namespace

TestIconImage SolidImage(int width, int height, int bitCount, std::uint32_t argb) {
    const std::size_t n = std::size_t(width) * std::size_t(height);
    return {width, height, bitCount, std::vector<std::uint32_t>(n, argb), std::vector<bool>(n, false)};
}

std::vector<unsigned char> IcoFile(const std::vector<TestIconImage>& images) {
    Bytes file, data;
    Put16(file, 0), Put16(file, 1), Put16(file, unsigned(images.size()));
    const std::size_t first = 6 + 16 * images.size();
    for (const TestIconImage& image : images) {
        const Bytes entry = EntryBytes(image);
        file.insert(file.end(), {static_cast<unsigned char>(image.width % 256),
                                 static_cast<unsigned char>(image.height % 256), 0, 0});
        Put16(file, 1), Put16(file, unsigned(image.bitCount ? image.bitCount : 32));
        Put32(file, unsigned(entry.size())), Put32(file, unsigned(first + data.size()));
        data.insert(data.end(), entry.begin(), entry.end());
    }
    file.insert(file.end(), data.begin(), data.end());
    return file;
}

}  // namespace corvalmire::test

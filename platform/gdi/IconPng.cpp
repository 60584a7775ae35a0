// PNG icon images, the form newer .ico files use for their large entries,
// read with libpng's simplified interface (which reports errors by return
// value, not by longjmp).
#include <png.h>

#include <vector>

#include "platform/gdi/IconImage.h"
#include "platform/gdi/Icons.h"

namespace win32::gdi {
namespace {

std::unique_ptr<Icon> FromBgra(int width, int height, const std::vector<png_byte>& bgra) {
    auto icon = std::make_unique<Icon>(width, height);
    icon->alpha.resize(icon->colour.size());
    for (std::size_t i = 0; i < icon->colour.size(); ++i) {
        const png_byte* p = bgra.data() + 4 * i;
        icon->colour[i] = std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0];
        icon->alpha[i] = p[3];
        // The mask stands in for alpha where alpha is lost (a copy made
        // through GetIconInfo): mostly transparent pixels are left out.
        icon->andMask[i] = p[3] < 128;
    }
    return icon;
}

}  // namespace

std::unique_ptr<Icon> IconFromPng(std::span<const BYTE> data) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data.data(), data.size())) return nullptr;
    if (image.width == 0 || image.height == 0 || image.width > png_uint_32(kMaxIconSide) ||
        image.height > png_uint_32(kMaxIconSide)) {
        png_image_free(&image);
        return nullptr;
    }
    image.format = PNG_FORMAT_BGRA;
    std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
    const bool read = png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr) != 0;
    png_image_free(&image);  // finish_read normally has; calling it again is harmless
    if (!read) return nullptr;
    return FromBgra(int(image.width), int(image.height), pixels);
}

}  // namespace win32::gdi

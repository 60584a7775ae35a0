#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/ObjectTable.h"

namespace win32 {
namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

bool EndsWith(const std::string& s, const std::string& suffix) {
    return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::vector<png_byte> RgbRow(const gdi::Bitmap& bitmap, int y) {
    std::vector<png_byte> row(size_t(bitmap.width) * 3);
    const std::uint32_t* src = bitmap.pixels.data() + size_t(y) * size_t(bitmap.width);
    for (int x = 0; x < bitmap.width; ++x) {
        row[size_t(x) * 3] = png_byte(src[x] >> 16);
        row[size_t(x) * 3 + 1] = png_byte(src[x] >> 8);
        row[size_t(x) * 3 + 2] = png_byte(src[x]);
    }
    return row;
}

bool WritePpm(const gdi::Bitmap& bitmap, std::FILE* f) {
    if (std::fprintf(f, "P6\n%d %d\n255\n", bitmap.width, bitmap.height) < 0) return false;
    for (int y = 0; y < bitmap.height; ++y) {
        const std::vector<png_byte> row = RgbRow(bitmap, y);
        if (std::fwrite(row.data(), 1, row.size(), f) != row.size()) return false;
    }
    return true;
}

bool WritePng(const gdi::Bitmap& bitmap, std::FILE* f) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    // libpng reports errors by longjmp; nothing with a destructor is live
    // between setjmp and the writes below except the rows, kept outside.
    std::vector<std::vector<png_byte>> rows;
    for (int y = 0; y < bitmap.height; ++y) rows.push_back(RgbRow(bitmap, y));
    std::vector<png_bytep> pointers;
    for (auto& row : rows) pointers.push_back(row.data());
    bool ok = false;
    if (info && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, f);
        png_set_IHDR(png, info, png_uint_32(bitmap.width), png_uint_32(bitmap.height), 8, PNG_COLOR_TYPE_RGB,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        png_write_image(png, pointers.data());
        png_write_end(png, nullptr);
        ok = true;
    }
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return ok;
}

}  // namespace

bool WriteBitmapImage(HGDIOBJ bitmapOrDC, const std::string& path) {
    const gdi::Bitmap* bitmap = gdi::LookupBitmap(bitmapOrDC);
    if (!bitmap) {
        if (const gdi::DeviceContext* dc = gdi::LookupDC(static_cast<HDC>(bitmapOrDC)))
            bitmap = gdi::SelectedBitmap(*dc);
    }
    const bool png = EndsWith(path, ".png");
    if (!bitmap || (!png && !EndsWith(path, ".ppm"))) return false;
    File file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) return false;
    const bool written = png ? WritePng(*bitmap, file.get()) : WritePpm(*bitmap, file.get());
    return std::fclose(file.release()) == 0 && written;
}

}  // namespace win32

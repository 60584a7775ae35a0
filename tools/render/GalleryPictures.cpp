#include "tools/render/GalleryPictures.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "host/Resources.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiScoped.h"
#include "platform/gdi/Icons.h"
#include "resources/Resources.h"

namespace render_tool {
namespace {

constexpr int kSize = 16;
constexpr win32::COLORREF kSilver = 0xC0C0C0;

// One BGRA pixel of the disc: blue to green from top to bottom, its alpha
// falling from 255 to 0 over the outermost two pixels.
void DiscPixel(int x, int y, unsigned char* out) {
    const double distance = std::hypot(x + 0.5 - kSize / 2.0, y + 0.5 - kSize / 2.0);
    const double alpha = std::clamp((kSize / 2.0 - distance) / 2.0, 0.0, 1.0);
    out[0] = static_cast<unsigned char>(230 - 12 * y);
    out[1] = static_cast<unsigned char>(60 + 10 * y);
    out[2] = 40;
    out[3] = static_cast<unsigned char>(std::lround(255 * alpha));
}

}  // namespace

host::PicturePtr ConvertIcon() {
    host::AddResources(corvalmire::EmbeddedResources());
    const host::ResourceEntry* icon = host::FindResource(corvalmire::kResConvertIcon, "ICON");
    return icon ? host::Picture::FromIconFile(icon->bytes) : nullptr;
}

host::PicturePtr ConvertBitmapOnSilver() {
    const host::PicturePtr icon = ConvertIcon();
    win32::ScopedMemoryDC dc;
    win32::ScopedBitmap bitmap(win32::CreateCompatibleBitmap(dc.Get(), kSize, kSize));
    {
        win32::ScopedSelect select(dc.Get(), bitmap.Get());
        win32::ScopedBrush silver(kSilver);
        const win32::RECT all{0, 0, kSize, kSize};
        win32::FillRect(dc.Get(), &all, silver.Get());
        if (icon)
            win32::DrawIconEx(dc.Get(), 0, 0, reinterpret_cast<win32::HICON>(icon->Handle()), kSize, kSize, 0,
                              nullptr, win32::DI_NORMAL);
    }
    return host::Picture::FromBitmap(bitmap.Release());
}

// The icon image as an .ico entry holds it: header, bottom-up BGRA rows and
// an AND mask hiding the mostly transparent pixels, which is what shows
// where alpha is lost (the grey copy of a disabled button).
host::PicturePtr SoftDiscIcon() {
    win32::BITMAPINFOHEADER header;
    header.biSize = sizeof header;
    header.biWidth = kSize;
    header.biHeight = 2 * kSize;
    header.biPlanes = 1;
    header.biBitCount = 32;
    std::vector<unsigned char> image(sizeof header + 4 * kSize * kSize + 4 * kSize, 0);
    std::memcpy(image.data(), &header, sizeof header);
    const std::size_t maskAt = sizeof header + 4 * kSize * kSize;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            unsigned char* pixel = image.data() + sizeof header + 4 * ((kSize - 1 - y) * kSize + x);
            DiscPixel(x, y, pixel);
            if (pixel[3] < 128)
                image[maskAt + 4 * (kSize - 1 - y) + x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
        }
    const win32::HICON icon =
        win32::CreateIconFromResourceEx(image.data(), static_cast<win32::DWORD>(image.size()), win32::TRUE,
                                        0x00030000, 0, 0, win32::LR_DEFAULTCOLOR);
    return icon ? host::Picture::FromIcon(icon) : nullptr;
}

}  // namespace render_tool

// Icon handles made from and taken apart into bitmaps.
#include <algorithm>

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/IconObject.h"
#include "platform/gdi/Icons.h"

namespace win32 {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

// A mask bitmap turns monochrome the way the platform converts colour to
// one bit: white (the default background colour) is 1, anything else 0.
bool MaskBit(const gdi::Bitmap& mask, int x, int y) {
    return mask.Contains(x, y) &&
           (mask.pixels[std::size_t(y) * std::size_t(mask.width) + std::size_t(x)] & kWhite) == kWhite;
}

std::unique_ptr<gdi::Icon> FromMonochromeMask(const gdi::Bitmap& mask) {
    const int height = mask.height / 2;
    if (height <= 0) return nullptr;
    auto icon = std::make_unique<gdi::Icon>(mask.width, height);
    icon->monochrome = true;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            icon->andMask[icon->Index(x, y)] = MaskBit(mask, x, y);
            icon->colour[icon->Index(x, y)] = MaskBit(mask, x, y + height) ? kWhite : 0;
        }
    return icon;
}

std::unique_ptr<gdi::Icon> FromColourAndMask(const gdi::Bitmap& colour, const gdi::Bitmap& mask) {
    auto icon = std::make_unique<gdi::Icon>(colour.width, colour.height);
    icon->colour = colour.pixels;
    const int width = std::min(colour.width, mask.width), height = std::min(colour.height, mask.height);
    for (int y = 0; y < height; ++y) {  // outside the mask bitmap the icon is opaque
        const std::uint32_t* row = mask.pixels.data() + std::size_t(y) * std::size_t(mask.width);
        std::uint8_t* bits = icon->andMask.data() + icon->Index(0, y);
        for (int x = 0; x < width; ++x) bits[x] = (row[x] & kWhite) == kWhite;
    }
    return icon;
}

// A new bitmap of the given pixels, nominally one bit deep for masks.
HBITMAP NewBitmap(int width, int height, UINT bits, const std::vector<std::uint32_t>& pixels) {
    const HBITMAP handle = CreateBitmap(width, height, 1, bits, nullptr);
    if (gdi::Bitmap* bitmap = gdi::LookupBitmap(handle)) bitmap->pixels = pixels;
    return handle;
}

}  // namespace

HICON CreateIconIndirect(const ICONINFO* info) {
    if (!info) return nullptr;
    const gdi::Bitmap* mask = gdi::LookupBitmap(info->hbmMask);
    if (!mask) return nullptr;
    std::unique_ptr<gdi::Icon> icon;
    if (!info->hbmColor) {
        icon = FromMonochromeMask(*mask);
    } else if (const gdi::Bitmap* colour = gdi::LookupBitmap(info->hbmColor)) {
        icon = FromColourAndMask(*colour, *mask);
    }
    return icon ? gdi::InsertIcon(std::move(icon)) : nullptr;
}

BOOL GetIconInfo(HICON handle, ICONINFO* info) {
    const gdi::Icon* icon = gdi::LookupIcon(handle);
    if (!icon || !info) return FALSE;
    const int maskHeight = icon->monochrome ? 2 * icon->height : icon->height;
    std::vector<std::uint32_t> maskPixels(std::size_t(icon->width) * std::size_t(maskHeight));
    for (std::size_t i = 0; i < icon->andMask.size(); ++i) {
        maskPixels[i] = icon->andMask[i] ? kWhite : 0;
        if (icon->monochrome) maskPixels[i + icon->andMask.size()] = icon->colour[i];
    }
    ICONINFO result;
    result.xHotspot = DWORD(icon->width / 2);
    result.yHotspot = DWORD(icon->height / 2);
    result.hbmMask = NewBitmap(icon->width, maskHeight, 1, maskPixels);
    if (!icon->monochrome) result.hbmColor = NewBitmap(icon->width, icon->height, 32, icon->colour);
    if (!result.hbmMask || (!icon->monochrome && !result.hbmColor)) {
        if (result.hbmMask) DeleteObject(result.hbmMask);
        if (result.hbmColor) DeleteObject(result.hbmColor);
        return FALSE;
    }
    *info = result;
    return TRUE;
}

BOOL DestroyIcon(HICON icon) { return gdi::LookupIcon(icon) && gdi::Erase(icon) ? TRUE : FALSE; }

}  // namespace win32

// Internal to platform/gdi: what an icon handle refers to.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ObjectTable.h"

namespace win32::gdi {

// width x height pixels, top-down. A pixel with its andMask bit set keeps
// the destination (XORed with the colour, as the platform draws icons);
// with alpha present the colour is blended by it and the mask is not used.
struct Icon : GdiObject {
    Icon(int w, int h)
        : GdiObject(ObjectKind::Icon),
          width(w),
          height(h),
          colour(std::size_t(w) * std::size_t(h)),
          andMask(colour.size()) {}
    int width;
    int height;
    std::vector<std::uint32_t> colour;  // 0x00RRGGBB
    std::vector<std::uint8_t> andMask;  // 1 = transparent
    std::vector<std::uint8_t> alpha;    // empty, or one value a pixel
    bool monochrome = false;            // no colour bitmap: colour is black or white

    std::size_t Index(int x, int y) const { return std::size_t(y) * std::size_t(width) + std::size_t(x); }
};

inline Icon* LookupIcon(HICON handle) { return LookupAs<Icon>(handle, ObjectKind::Icon); }

// Puts a finished icon in the handle table; nullptr when that fails.
inline HICON InsertIcon(std::unique_ptr<Icon> icon) { return static_cast<HICON>(Insert(std::move(icon))); }

}  // namespace win32::gdi

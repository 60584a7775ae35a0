#include <cstring>
#include <memory>

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/ObjectTable.h"

namespace win32 {
namespace {

// Refuse sizes whose buffer would not fit comfortably in memory.
constexpr long long kMaxPixels = 1LL << 28;

gdi::Bitmap* NewBitmap(int width, int height, HBITMAP& handle) {
    handle = nullptr;
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > kMaxPixels) return nullptr;
    auto bitmap = std::make_unique<gdi::Bitmap>(width, height);
    gdi::Bitmap* raw = bitmap.get();
    handle = static_cast<HBITMAP>(gdi::Insert(std::move(bitmap)));
    return raw;
}

// Device-dependent rows are padded to 16 bits.
std::size_t DdbStride(int width, UINT bits) { return ((std::size_t(width) * bits + 15) / 16) * 2; }

void LoadDdbBits(gdi::Bitmap& bitmap, UINT bits, const BYTE* data) {
    const std::size_t stride = DdbStride(bitmap.width, bits);
    for (int y = 0; y < bitmap.height; ++y) {
        const BYTE* src = data + stride * std::size_t(y);
        std::uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.width; ++x) {
            if (bits == 1) {
                row[x] = (src[x / 8] >> (7 - x % 8)) & 1 ? 0xFFFFFFu : 0u;
            } else {
                const BYTE* p = src + std::size_t(x) * (bits / 8);
                row[x] = (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
            }
        }
    }
}

}  // namespace

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    if (!gdi::LookupDC(hdc)) return nullptr;
    HBITMAP handle;
    NewBitmap(width, height, handle);
    return handle;
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitCount, const void* bits) {
    if (planes != 1 || (bitCount != 1 && bitCount != 24 && bitCount != 32)) return nullptr;
    HBITMAP handle;
    gdi::Bitmap* bitmap = NewBitmap(width, height, handle);
    if (!bitmap) return nullptr;
    bitmap->nominalBits = int(bitCount);
    if (bits) LoadDdbBits(*bitmap, bitCount, static_cast<const BYTE*>(bits));
    return handle;
}

int GetObjectA(HGDIOBJ object, int size, void* buffer) {
    gdi::GdiObject* o = gdi::Lookup(object);
    if (!o) return 0;
    auto answer = [&](const auto& value) -> int {
        constexpr int needed = int(sizeof(value));
        if (!buffer) return needed;
        if (size < needed) return 0;
        std::memcpy(buffer, &value, sizeof(value));
        return needed;
    };
    switch (o->kind) {
        case gdi::ObjectKind::Bitmap: {
            const auto& b = static_cast<const gdi::Bitmap&>(*o);
            BITMAP info;
            info.bmWidth = b.width;
            info.bmHeight = b.height;
            info.bmWidthBytes = LONG(DdbStride(b.width, UINT(b.nominalBits)));
            info.bmPlanes = 1;
            info.bmBitsPixel = WORD(b.nominalBits);
            return answer(info);
        }
        case gdi::ObjectKind::Pen: {
            const auto& p = static_cast<const gdi::Pen&>(*o);
            return answer(LOGPEN{UINT(p.style), POINT{p.width, 0}, p.color});
        }
        case gdi::ObjectKind::Brush: {
            const auto& b = static_cast<const gdi::Brush&>(*o);
            return answer(LOGBRUSH{UINT(b.style), b.color, 0});
        }
        default: return o->GetObjectInfo(size, buffer);
    }
}

int GetObject(HGDIOBJ object, int size, void* buffer) { return GetObjectA(object, size, buffer); }

}  // namespace win32

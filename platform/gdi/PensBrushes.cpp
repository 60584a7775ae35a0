#include "platform/gdi/PensBrushes.h"

#include <cstddef>
#include <memory>
#include <new>

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/ObjectTable.h"

namespace win32 {

HPEN CreatePen(int style, int width, COLORREF color) {
    if (style < PS_SOLID || style > PS_INSIDEFRAME) return nullptr;
    return static_cast<HPEN>(gdi::Insert(std::make_unique<gdi::Pen>(style, width, color & 0x00FFFFFF)));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return static_cast<HBRUSH>(gdi::Insert(std::make_unique<gdi::Brush>(BS_SOLID, color & 0x00FFFFFF)));
}

namespace gdi {
namespace {

// One block size fits both kinds; the list is capped, so a burst of objects
// gives its memory back. Sanitizer builds keep plain allocations, so a use
// after DeleteObject is still caught there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kRecycle = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kRecycle = false;
#else
constexpr bool kRecycle = true;
#endif
#else
constexpr bool kRecycle = true;
#endif
constexpr std::size_t kBlockSize = 64;
constexpr int kMaxFree = 64;
static_assert(sizeof(Pen) <= kBlockSize && sizeof(Brush) <= kBlockSize);

struct FreeBlock {
    FreeBlock* next;
};
constinit FreeBlock* freeBlocks = nullptr;
constinit int freeCount = 0;

}  // namespace

void* RecycledBlocks::Take(std::size_t size) {
    if (kRecycle && size <= kBlockSize && freeBlocks) {
        FreeBlock* block = freeBlocks;
        freeBlocks = block->next;
        --freeCount;
        return block;
    }
    return ::operator new(size <= kBlockSize ? kBlockSize : size);
}

void RecycledBlocks::Give(void* block, std::size_t size) noexcept {
    if (kRecycle && size <= kBlockSize && freeCount < kMaxFree) {
        freeBlocks = ::new (block) FreeBlock{freeBlocks};
        ++freeCount;
        return;
    }
    ::operator delete(block);
}

Paint BrushPaint(HBRUSH hbr, const DeviceContext& dc) {
    if (!hbr || hbr == dc.brush) {
        const Brush* brush = dc.brushObject;
        if (!brush) return Paint{};
        return Paint{true, brush->style != int(BS_NULL), ToPixel(brush->color)};
    }
    const auto value = reinterpret_cast<std::uintptr_t>(hbr);
    // Small values are system colour indices plus one, as the platform allows.
    if (value >= 1 && value <= std::uintptr_t(kSysColorCount)) {
        return Paint{true, true, ToPixel(GetSysColor(int(value) - 1))};
    }
    Brush* brush = LookupAs<Brush>(hbr, ObjectKind::Brush);
    if (!brush) return Paint{};
    return Paint{true, brush->style != int(BS_NULL), ToPixel(brush->color)};
}

Paint PenPaint(const DeviceContext& dc) {
    const Pen* pen = dc.penObject;
    if (!pen) return Paint{};
    return Paint{true, pen->style != PS_NULL, ToPixel(pen->color)};
}

}  // namespace gdi
}  // namespace win32

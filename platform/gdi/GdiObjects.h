// The GDI object model shared by the gdi sources: what a handle refers to.
// Internal to platform/gdi; the rest of the program sees only handles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Win32Types.h"

namespace win32::gdi {

enum class ObjectKind { DC, Pen, Brush, Bitmap, Region, Font, Icon };
constexpr int kObjectKindCount = 7;

struct GdiObject {
    explicit GdiObject(ObjectKind k) : kind(k) {}
    virtual ~GdiObject() = default;
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    // GetObject for kinds whose structure lives outside this folder (fonts).
    virtual int GetObjectInfo(int /*size*/, void* /*buffer*/) const { return 0; }

    const ObjectKind kind;
    int selections = 0;  // DCs this object is selected into; DeleteObject refuses while > 0
    bool stock = false;  // stock objects are never deleted
};

// A 32-bit top-down pixel buffer, one 0x00RRGGBB value per pixel (Qt's RGB32).
struct Bitmap : GdiObject {
    Bitmap(int w, int h)
        : GdiObject(ObjectKind::Bitmap), width(w), height(h), pixels(size_t(w) * size_t(h)) {}
    int width;
    int height;
    int nominalBits = 32;  // what GetObject reports; storage is always 32-bit
    std::vector<std::uint32_t> pixels;

    std::uint32_t* Row(int y) { return pixels.data() + size_t(y) * size_t(width); }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// Drawing code makes and deletes a pen or brush for nearly every line and
// fill, so their memory goes to a short free list instead of back to malloc.
struct RecycledBlocks {
    static void* Take(std::size_t size);
    static void Give(void* block, std::size_t size) noexcept;
};

struct Pen : GdiObject {
    Pen(int s, int w, COLORREF c) : GdiObject(ObjectKind::Pen), style(s), width(w), color(c) {}
    static void* operator new(std::size_t size) { return RecycledBlocks::Take(size); }
    static void operator delete(void* block, std::size_t size) noexcept { RecycledBlocks::Give(block, size); }
    int style;
    int width;
    COLORREF color;
};

struct Brush : GdiObject {
    Brush(int s, COLORREF c) : GdiObject(ObjectKind::Brush), style(s), color(c) {}
    static void* operator new(std::size_t size) { return RecycledBlocks::Take(size); }
    static void operator delete(void* block, std::size_t size) noexcept { RecycledBlocks::Give(block, size); }
    int style;  // BS_SOLID or BS_NULL
    COLORREF color;
};

// A region as y-x banded rectangles: sorted by top, then left; rectangles of
// one band share top and bottom and never overlap or touch.
struct Region : GdiObject {
    Region() : GdiObject(ObjectKind::Region) {}
    std::vector<RECT> rects;
};

struct DeviceContext : GdiObject {
    DeviceContext() : GdiObject(ObjectKind::DC) {}
    bool screen = false;       // from GetDC: drawing goes nowhere, queries still answer
    HBITMAP bitmap = nullptr;  // a memory DC starts with the shared 1x1 stock bitmap
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
    // The objects behind those four handles. A selected object cannot be
    // deleted, so these stay valid while selected and spare each drawing
    // call a lookup.
    Bitmap* bitmapObject = nullptr;
    Pen* penObject = nullptr;
    Brush* brushObject = nullptr;
    GdiObject* fontObject = nullptr;
    COLORREF textColor = 0x000000;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = 2;  // OPAQUE
    POINT position{};
    // Clip region in device coordinates, as banded rectangles; only
    // meaningful while hasClip is set (an empty list then clips everything).
    bool hasClip = false;
    std::vector<RECT> clip;
};

}  // namespace win32::gdi

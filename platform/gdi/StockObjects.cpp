#include "platform/gdi/StockObjects.h"

#include <array>
#include <memory>

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/ObjectTable.h"

namespace win32 {
namespace {

constexpr int kStockCount = DEFAULT_GUI_FONT + 1;

HGDIOBJ MakeStock(std::unique_ptr<gdi::GdiObject> object) {
    object->stock = true;
    return gdi::Insert(std::move(object));
}

std::array<HGDIOBJ, kStockCount>& StockTable() {
    static std::array<HGDIOBJ, kStockCount> table = [] {
        std::array<HGDIOBJ, kStockCount> t{};
        t[WHITE_BRUSH] = MakeStock(std::make_unique<gdi::Brush>(BS_SOLID, RGB(255, 255, 255)));
        t[LTGRAY_BRUSH] = MakeStock(std::make_unique<gdi::Brush>(BS_SOLID, RGB(192, 192, 192)));
        t[GRAY_BRUSH] = MakeStock(std::make_unique<gdi::Brush>(BS_SOLID, RGB(128, 128, 128)));
        t[DKGRAY_BRUSH] = MakeStock(std::make_unique<gdi::Brush>(BS_SOLID, RGB(64, 64, 64)));
        t[BLACK_BRUSH] = MakeStock(std::make_unique<gdi::Brush>(BS_SOLID, RGB(0, 0, 0)));
        t[NULL_BRUSH] = MakeStock(std::make_unique<gdi::Brush>(BS_NULL, 0));
        t[WHITE_PEN] = MakeStock(std::make_unique<gdi::Pen>(PS_SOLID, 1, RGB(255, 255, 255)));
        t[BLACK_PEN] = MakeStock(std::make_unique<gdi::Pen>(PS_SOLID, 1, RGB(0, 0, 0)));
        t[NULL_PEN] = MakeStock(std::make_unique<gdi::Pen>(PS_NULL, 1, 0));
        return t;
    }();
    return table;
}

}  // namespace

HGDIOBJ GetStockObject(int index) {
    if (index < 0 || index >= kStockCount) return nullptr;
    return StockTable()[size_t(index)];
}

void RegisterStockObject(int index, HGDIOBJ object) {
    if (index < 0 || index >= kStockCount) return;
    if (gdi::GdiObject* o = gdi::Lookup(object)) o->stock = true;
    StockTable()[size_t(index)] = object;
}

namespace gdi {

HBITMAP DefaultBitmap() {
    // One shared 1x1 bitmap, as the platform gives every new memory DC.
    static const HBITMAP bitmap = [] {
        auto b = std::make_unique<Bitmap>(1, 1);
        b->stock = true;
        return static_cast<HBITMAP>(Insert(std::move(b)));
    }();
    return bitmap;
}

}  // namespace gdi
}  // namespace win32

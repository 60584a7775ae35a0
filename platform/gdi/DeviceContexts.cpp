#include <memory>
#include <utility>

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/ObjectTable.h"
#include "platform/gdi/Selection.h"
#include "platform/gdi/StockObjects.h"

namespace win32 {
namespace {

WindowDCProvider& Provider() {
    static WindowDCProvider provider;
    return provider;
}

HDC NewDC(bool screen) {
    auto dc = std::make_unique<gdi::DeviceContext>();
    dc->screen = screen;
    const auto select = [](auto& slot, auto*& slotObject, HGDIOBJ object) {
        if (gdi::GdiObject* o = gdi::Lookup(object)) gdi::SwapSelection(slot, slotObject, object, *o);
    };
    if (!screen) select(dc->bitmap, dc->bitmapObject, gdi::DefaultBitmap());
    select(dc->pen, dc->penObject, GetStockObject(BLACK_PEN));
    select(dc->brush, dc->brushObject, GetStockObject(WHITE_BRUSH));
    select(dc->font, dc->fontObject, GetStockObject(SYSTEM_FONT));
    return static_cast<HDC>(gdi::Insert(std::move(dc)));
}

void Release(gdi::GdiObject* o) {
    if (o && o->selections > 0) --o->selections;
}

}  // namespace

HDC CreateCompatibleDC(HDC hdc) {
    // Any DC (or none) is compatible: there is one pixel format.
    if (hdc && !gdi::LookupDC(hdc)) return nullptr;
    return NewDC(false);
}

BOOL DeleteDC(HDC hdc) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return FALSE;
    for (gdi::GdiObject* o :
         {static_cast<gdi::GdiObject*>(dc->bitmapObject), static_cast<gdi::GdiObject*>(dc->penObject),
          static_cast<gdi::GdiObject*>(dc->brushObject), dc->fontObject})
        Release(o);
    gdi::Erase(hdc);
    return TRUE;
}

HDC GetDC(HWND hwnd) {
    if (hwnd && Provider().get) {
        if (HDC hdc = Provider().get(hwnd)) return hdc;
    }
    return NewDC(true);
}

int ReleaseDC(HWND hwnd, HDC hdc) {
    if (Provider().release && Provider().release(hwnd, hdc)) return 1;
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc || !dc->screen) return 0;
    return DeleteDC(hdc);
}

void SetWindowDCProvider(WindowDCProvider provider) { Provider() = std::move(provider); }

}  // namespace win32

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

void Retain(HGDIOBJ handle) {
    if (gdi::GdiObject* o = gdi::Lookup(handle)) ++o->selections;
}

void Release(HGDIOBJ handle) {
    if (gdi::GdiObject* o = gdi::Lookup(handle); o && o->selections > 0) --o->selections;
}

HDC NewDC(bool screen) {
    auto dc = std::make_unique<gdi::DeviceContext>();
    dc->screen = screen;
    dc->bitmap = screen ? nullptr : gdi::DefaultBitmap();
    dc->pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    dc->brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    dc->font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    for (HGDIOBJ h : {HGDIOBJ(dc->bitmap), HGDIOBJ(dc->pen), HGDIOBJ(dc->brush), HGDIOBJ(dc->font)})
        Retain(h);
    return static_cast<HDC>(gdi::Insert(std::move(dc)));
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
    for (HGDIOBJ h : {HGDIOBJ(dc->bitmap), HGDIOBJ(dc->pen), HGDIOBJ(dc->brush), HGDIOBJ(dc->font)})
        Release(h);
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

namespace gdi {

void SwapSelection(HGDIOBJ& slot, HGDIOBJ next) {
    Release(slot);
    Retain(next);
    slot = next;
}

}  // namespace gdi
}  // namespace win32

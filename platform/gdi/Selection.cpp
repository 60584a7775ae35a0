#include "platform/gdi/Selection.h"

#include "platform/gdi/DrawTarget.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/ObjectTable.h"

namespace win32 {
namespace {

template <typename Handle, typename Object>
HGDIOBJ Swap(Handle& slot, Object*& slotObject, HGDIOBJ next, gdi::GdiObject& nextObject) {
    HGDIOBJ previous = slot;
    gdi::SwapSelection(slot, slotObject, next, nextObject);
    return previous;
}

}  // namespace

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    gdi::GdiObject* o = gdi::Lookup(object);
    if (!dc || !o) return nullptr;
    switch (o->kind) {
        case gdi::ObjectKind::Pen: return Swap(dc->pen, dc->penObject, object, *o);
        case gdi::ObjectKind::Brush: return Swap(dc->brush, dc->brushObject, object, *o);
        case gdi::ObjectKind::Font: return Swap(dc->font, dc->fontObject, object, *o);
        case gdi::ObjectKind::Bitmap:
            // Only memory DCs take bitmaps, and a bitmap lives in one DC at a time.
            if (dc->screen) return nullptr;
            if (object == dc->bitmap) return object;
            if (o->selections > 0 && !o->stock) return nullptr;
            return Swap(dc->bitmap, dc->bitmapObject, object, *o);
        case gdi::ObjectKind::Region:
            return reinterpret_cast<HGDIOBJ>(
                static_cast<std::intptr_t>(SelectClipRgn(hdc, static_cast<HRGN>(object))));
        case gdi::ObjectKind::DC:
        case gdi::ObjectKind::Icon: return nullptr;
    }
    return nullptr;
}

BOOL DeleteObject(HGDIOBJ object) {
    gdi::GdiObject* o = gdi::Lookup(object);
    if (!o || o->kind == gdi::ObjectKind::DC || o->kind == gdi::ObjectKind::Icon) return FALSE;
    if (o->stock) return TRUE;  // the platform ignores deleting stock objects
    // The platform frees a selected object later or not at all; refusing
    // keeps the DC from pointing at a freed object and shows the mistake.
    if (o->selections > 0) return FALSE;
    return gdi::Erase(object) ? TRUE : FALSE;
}

DWORD GetObjectType(HGDIOBJ object) {
    gdi::GdiObject* o = gdi::Lookup(object);
    if (!o) return 0;
    switch (o->kind) {
        case gdi::ObjectKind::Pen: return OBJ_PEN;
        case gdi::ObjectKind::Brush: return OBJ_BRUSH;
        case gdi::ObjectKind::Bitmap: return OBJ_BITMAP;
        case gdi::ObjectKind::Region: return OBJ_REGION;
        case gdi::ObjectKind::Font: return OBJ_FONT;
        case gdi::ObjectKind::DC: return static_cast<gdi::DeviceContext*>(o)->screen ? OBJ_DC : OBJ_MEMDC;
        case gdi::ObjectKind::Icon: return 0;
    }
    return 0;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    gdi::DeviceContext* dc = gdi::LookupDC(hdc);
    if (!dc) return nullptr;
    switch (type) {
        case OBJ_PEN: return dc->pen;
        case OBJ_BRUSH: return dc->brush;
        case OBJ_FONT: return dc->font;
        case OBJ_BITMAP: return dc->bitmap;
        default: return nullptr;
    }
}

}  // namespace win32

#include "platform/gdi/ObjectTable.h"

#include <unordered_map>

namespace win32::gdi {
namespace {

struct Table {
    std::unordered_map<std::uintptr_t, std::unique_ptr<GdiObject>> objects;
    std::uintptr_t next = 0x10000;
};

Table& TheTable() {
    static Table table;
    return table;
}

}  // namespace

HGDIOBJ Insert(std::unique_ptr<GdiObject> object) {
    Table& table = TheTable();
    // Step by 4 so handles look like the platform's and low bits stay clear.
    const std::uintptr_t value = table.next;
    table.next += 4;
    table.objects.emplace(value, std::move(object));
    return reinterpret_cast<HGDIOBJ>(value);
}

GdiObject* Lookup(HGDIOBJ handle) {
    Table& table = TheTable();
    auto it = table.objects.find(reinterpret_cast<std::uintptr_t>(handle));
    return it == table.objects.end() ? nullptr : it->second.get();
}

bool Erase(HGDIOBJ handle) { return TheTable().objects.erase(reinterpret_cast<std::uintptr_t>(handle)) > 0; }

}  // namespace win32::gdi

namespace win32 {

GdiLiveCounts GetGdiLiveCounts() {
    GdiLiveCounts counts;
    for (const auto& [value, object] : gdi::TheTable().objects) {
        if (object->stock) continue;
        switch (object->kind) {
            case gdi::ObjectKind::DC: ++counts.dcs; break;
            case gdi::ObjectKind::Pen: ++counts.pens; break;
            case gdi::ObjectKind::Brush: ++counts.brushes; break;
            case gdi::ObjectKind::Bitmap: ++counts.bitmaps; break;
            case gdi::ObjectKind::Region: ++counts.regions; break;
            case gdi::ObjectKind::Font: ++counts.fonts; break;
            case gdi::ObjectKind::Icon: ++counts.icons; break;
        }
    }
    return counts;
}

}  // namespace win32

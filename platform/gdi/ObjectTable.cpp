#include "platform/gdi/ObjectTable.h"

#include <vector>

#include "platform/gdi/GdiExtensions.h"

namespace win32::gdi {

namespace table_detail {
constinit SlotView view;
}  // namespace table_detail

namespace {

using table_detail::kHandleBase;
using table_detail::kIndexBits;
using table_detail::kIndexMask;
using table_detail::Slot;
constexpr std::uintptr_t kGenerationMask = 0x3FF;  // values stay within 32 bits

struct Table {
    std::vector<Slot> slots;      // slot 0 is never used, so no handle is the base
    std::uint32_t firstFree = 0;  // freed slots, most recent first; 0 for none

    void Publish() { table_detail::view = {slots.data(), slots.size()}; }
};

// Constant-initialised and never destroyed: no guard on the way in, and
// objects that outlive main (stock objects, caches torn down late) stay
// valid to the end. What is left at exit is still reachable, not leaked.
union TableStorage {
    constexpr TableStorage() : table() {}
    ~TableStorage() {}
    Table table;
};
constinit TableStorage storage;

Table& TheTable() { return storage.table; }

std::uintptr_t ValueOf(std::uintptr_t index, std::uintptr_t generation) {
    return kHandleBase + ((((generation & kGenerationMask) << kIndexBits) | index) << 2);
}

}  // namespace

HGDIOBJ Insert(std::unique_ptr<GdiObject> object) {
    Table& table = TheTable();
    std::uint32_t index = table.firstFree;
    if (index != 0) {
        table.firstFree = table.slots[index].nextFree;
    } else {
        if (table.slots.size() > kIndexMask) return nullptr;  // out of handles, as the platform can be
        if (table.slots.empty()) table.slots.emplace_back();
        index = static_cast<std::uint32_t>(table.slots.size());
        table.slots.emplace_back();
        table.Publish();
    }
    Slot& slot = table.slots[index];
    slot.object = object.release();
    slot.handle = ValueOf(index, slot.generation);
    return reinterpret_cast<HGDIOBJ>(slot.handle);
}

bool Erase(HGDIOBJ handle) {
    if (!Lookup(handle)) return false;
    Table& table = TheTable();
    const auto index = static_cast<std::uint32_t>(table_detail::IndexOf(handle));
    Slot& slot = table.slots[index];
    // Freed first, so an object whose destructor touches the table finds it consistent.
    GdiObject* object = slot.object;
    slot.object = nullptr;
    slot.handle = 0;
    ++slot.generation;
    slot.nextFree = table.firstFree;
    table.firstFree = index;
    delete object;
    return true;
}

}  // namespace win32::gdi

namespace win32 {

GdiLiveCounts GetGdiLiveCounts() {
    GdiLiveCounts counts;
    const gdi::table_detail::SlotView& view = gdi::table_detail::view;
    for (std::size_t i = 0; i < view.size; ++i) {
        const gdi::GdiObject* object = view.entries[i].object;
        if (!object || object->stock) continue;
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

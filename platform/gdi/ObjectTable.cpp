#include "platform/gdi/ObjectTable.h"

#include <vector>

#include "platform/gdi/GdiExtensions.h"

namespace win32::gdi {
namespace {

// Handles index a slot table, so a lookup is an array access. A handle also
// carries its slot's generation: a slot's next object gets a new value, so a
// stale handle fails its call instead of reaching that object (the platform
// keeps a uniqueness count in its handles for the same reason).
constexpr std::uintptr_t kHandleBase = 0x10000;  // handles look like the platform's
constexpr unsigned kIndexBits = 18;              // 262,143 live objects at most
constexpr std::uintptr_t kIndexMask = (std::uintptr_t{1} << kIndexBits) - 1;
constexpr std::uintptr_t kGenerationMask = 0x3FF;  // values stay within 32 bits

struct Slot {
    std::unique_ptr<GdiObject> object;
    std::uintptr_t generation = 0;
};

struct Table {
    std::vector<Slot> slots = std::vector<Slot>(1);  // slot 0 is never used, so no handle is the base
    std::vector<std::uintptr_t> free;
};

Table& TheTable() {
    static Table table;
    return table;
}

std::uintptr_t ValueOf(std::uintptr_t index, std::uintptr_t generation) {
    return kHandleBase + ((((generation & kGenerationMask) << kIndexBits) | index) << 2);
}

// The live slot a handle names, or nullptr.
Slot* SlotOf(HGDIOBJ handle) {
    const auto value = reinterpret_cast<std::uintptr_t>(handle);
    if (value < kHandleBase || (value & 3) != 0) return nullptr;
    const std::uintptr_t bits = (value - kHandleBase) >> 2;
    const std::uintptr_t index = bits & kIndexMask;
    Table& table = TheTable();
    if (index == 0 || index >= table.slots.size()) return nullptr;
    Slot& slot = table.slots[index];
    if (!slot.object || (slot.generation & kGenerationMask) != (bits >> kIndexBits)) return nullptr;
    return &slot;
}

}  // namespace

HGDIOBJ Insert(std::unique_ptr<GdiObject> object) {
    Table& table = TheTable();
    std::uintptr_t index;
    if (!table.free.empty()) {
        index = table.free.back();
        table.free.pop_back();
    } else {
        if (table.slots.size() > kIndexMask) return nullptr;  // out of handles, as the platform can be
        index = table.slots.size();
        table.slots.emplace_back();
    }
    Slot& slot = table.slots[index];
    slot.object = std::move(object);
    return reinterpret_cast<HGDIOBJ>(ValueOf(index, slot.generation));
}

GdiObject* Lookup(HGDIOBJ handle) {
    Slot* slot = SlotOf(handle);
    return slot ? slot->object.get() : nullptr;
}

bool Erase(HGDIOBJ handle) {
    Slot* slot = SlotOf(handle);
    if (!slot) return false;
    // Freed first, so an object whose destructor touches the table finds it consistent.
    std::unique_ptr<GdiObject> object = std::move(slot->object);
    ++slot->generation;
    Table& table = TheTable();
    table.free.push_back(static_cast<std::uintptr_t>(slot - table.slots.data()));
    object.reset();
    return true;
}

}  // namespace win32::gdi

namespace win32 {

GdiLiveCounts GetGdiLiveCounts() {
    GdiLiveCounts counts;
    for (const auto& slot : gdi::TheTable().slots) {
        const gdi::GdiObject* object = slot.object.get();
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

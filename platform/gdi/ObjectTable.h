// The handle table behind every GDI handle, with live-object counts by kind.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/gdi/GdiObjects.h"

namespace win32::gdi {

// Takes ownership and hands out a handle; nullptr when the table is full.
// A freed slot's next object gets a different value, so a stale handle fails
// its call instead of reaching that object.
HGDIOBJ Insert(std::unique_ptr<GdiObject> object);

namespace table_detail {

// Handles index a slot table, so a lookup is an array access. A handle also
// carries its slot's generation: a slot's next object gets a new value, so a
// stale handle fails its call instead of reaching that object (the platform
// keeps a uniqueness count in its handles for the same reason).
constexpr std::uintptr_t kHandleBase = 0x10000;  // handles look like the platform's
constexpr unsigned kIndexBits = 18;              // 262,143 live objects at most
constexpr std::uintptr_t kIndexMask = (std::uintptr_t{1} << kIndexBits) - 1;

struct Slot {
    GdiObject* object = nullptr;
    std::uintptr_t handle = 0;  // the live object's handle value; 0 while free
    std::uint32_t generation = 0;
    std::uint32_t nextFree = 0;  // while free: the next free slot, 0 for none
};

// What a lookup reads: constant-initialised, so every GDI call finds it
// without a guard, and it stays valid (empty) after the table is gone.
struct SlotView {
    const Slot* entries = nullptr;
    std::size_t size = 0;
};
extern constinit SlotView view;

inline std::uintptr_t IndexOf(HGDIOBJ handle) {
    return ((reinterpret_cast<std::uintptr_t>(handle) - kHandleBase) >> 2) & kIndexMask;
}

}  // namespace table_detail

// The object behind a handle, or nullptr for a stale or foreign handle.
// Every GDI call starts here, so it is one masked index and one compare: a
// live slot's stored handle equals the handle only when base, alignment and
// generation all match.
inline GdiObject* Lookup(HGDIOBJ handle) {
    using namespace table_detail;
    const std::uintptr_t index = IndexOf(handle);
    if (index >= view.size) return nullptr;
    const Slot& slot = view.entries[index];
    return slot.handle == reinterpret_cast<std::uintptr_t>(handle) ? slot.object : nullptr;
}

template <typename T>
T* LookupAs(HGDIOBJ handle, ObjectKind kind) {
    GdiObject* object = Lookup(handle);
    return object && object->kind == kind ? static_cast<T*>(object) : nullptr;
}

// Destroys the object; false for an unknown handle.
bool Erase(HGDIOBJ handle);

}  // namespace win32::gdi

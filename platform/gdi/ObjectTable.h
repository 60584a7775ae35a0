// The handle table behind every GDI handle, with live-object counts by kind.
#pragma once

#include <array>
#include <memory>

#include "platform/gdi/GdiObjects.h"

namespace win32::gdi {

// Takes ownership and hands out a handle; nullptr when the table is full.
// A freed slot's next object gets a different value, so a stale handle fails
// its call instead of reaching that object.
HGDIOBJ Insert(std::unique_ptr<GdiObject> object);

// The object behind a handle, or nullptr for a stale or foreign handle.
GdiObject* Lookup(HGDIOBJ handle);

template <typename T>
T* LookupAs(HGDIOBJ handle, ObjectKind kind) {
    GdiObject* object = Lookup(handle);
    return object && object->kind == kind ? static_cast<T*>(object) : nullptr;
}

// Destroys the object; false for an unknown handle.
bool Erase(HGDIOBJ handle);

}  // namespace win32::gdi

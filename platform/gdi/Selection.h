// Internal: moving an object into a DC slot keeps the selection counts right.
#pragma once

#include "platform/Win32Types.h"
#include "platform/gdi/GdiObjects.h"

namespace win32::gdi {

// Releases the object in a DC slot, retains next (already looked up as
// nextObject) and stores both. Inline: painting code selects a pen in and
// out for every line it draws.
template <typename Handle, typename Object>
void SwapSelection(Handle& slot, Object*& slotObject, HGDIOBJ next, GdiObject& nextObject) {
    if (slotObject && slotObject->selections > 0) --slotObject->selections;
    ++nextObject.selections;
    slot = static_cast<Handle>(next);
    slotObject = static_cast<Object*>(&nextObject);
}

}  // namespace win32::gdi

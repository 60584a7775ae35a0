// Internal: what a pen or brush argument paints with.
#pragma once

#include <cstdint>

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/ObjectTable.h"

namespace win32::gdi {

struct Paint {
    bool valid = false;    // false: bad handle, the call fails
    bool visible = false;  // false: a null pen or brush, nothing is drawn
    std::uint32_t pixel = 0;
};

// hbr may be a brush, (HBRUSH)(COLOR_xxx + 1) or nullptr for the DC's brush.
Paint BrushPaint(HBRUSH hbr, const DeviceContext& dc);
Paint PenPaint(const DeviceContext& dc);

}  // namespace win32::gdi

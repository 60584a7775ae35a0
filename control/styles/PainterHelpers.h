// Small helpers the painters share: system colours, runs of single pixels
// and a palette shifted from one base colour.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "control/styles/Color.h"
#include "control/styles/Colors.h"
#include "platform/gdi/Gdi.h"

namespace control::styles::detail {

// A system colour as it is at this paint (painters never keep one).
inline Color SystemColor(int index) { return static_cast<Color>(win32::GetSysColor(index)); }

// Single pixels of one colour, set in the order given.
inline void SetPixels(win32::HDC dc, Color color, std::initializer_list<win32::POINT> points) {
    for (const win32::POINT& p : points) win32::SetPixelV(dc, p.x, p.y, ToColorRef(color));
}

// s(d): the base colour with every channel shifted by d, clamped to 0..255.
struct Shifted {
    Color base;
    Color operator()(std::int32_t delta) const { return ShiftColor(base, delta); }
};

}  // namespace control::styles::detail

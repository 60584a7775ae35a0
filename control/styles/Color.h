// The colour value the control's drawing code passes around.
//
// The control's drawing primitives, colour helpers and painters live in
// namespace control::styles.
#pragma once

#include <cstdint>

#include "platform/Win32Types.h"

namespace control::styles {

// 0x00BBGGRR, signed 32-bit. Bit 31 set marks a system-colour reference
// (0x80000000 + a GetSysColor index); only TranslateColor resolves those,
// every other routine takes the value apart as if it were plain RGB.
using Color = std::int32_t;

// What the GDI calls take: the same bits.
inline win32::COLORREF ToColorRef(Color color) { return static_cast<win32::COLORREF>(color); }

// The same colour as a 32-bit DIB stores it: 0x00RRGGBB.
constexpr std::uint32_t ToDibPixel(Color color) {
    const auto c = static_cast<std::uint32_t>(color);
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

}  // namespace control::styles

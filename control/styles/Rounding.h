// Rounding of computed coordinates and colour channels: to the nearest
// integer, ties to even, everywhere in the control's drawing code.
#pragma once

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace control::styles {

// Nearest integer, ties to even (2.5 -> 2, 3.5 -> 4, -0.5 -> -0).
inline double RoundHalfEven(double value) {
    // nearbyint follows the current rounding mode; the program never leaves
    // the default (to nearest, ties to even), so this is exact and cheap.
    return std::nearbyint(value);
}

// RoundHalfEven into a 32-bit coordinate. A value that does not fit (or is
// not a number) is the run-time error the drawing routines stop on.
inline std::int32_t RoundToInt32(double value) {
    const double rounded = RoundHalfEven(value);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() &&
          rounded <= std::numeric_limits<std::int32_t>::max()))
        throw std::overflow_error("value out of 32-bit range");
    return static_cast<std::int32_t>(rounded);
}

}  // namespace control::styles

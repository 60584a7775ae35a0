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
    // Adding and taking away 2^52 rounds a double below 2^52 in magnitude to
    // an integer in the current rounding mode, which the program never moves
    // from the default (to nearest, ties to even): nearbyint without the
    // library call. Larger values are integers already; copysign keeps the
    // sign of a zero result (-0.4 -> -0), as nearbyint does.
    constexpr double kTwo52 = 4503599627370496.0;
    const double magnitude = std::fabs(value);
    if (!(magnitude < kTwo52)) return value;  // also infinities and NaN
    return std::copysign((magnitude + kTwo52) - kTwo52, value);
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

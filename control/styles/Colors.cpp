#include "control/styles/Colors.h"

#include "control/styles/CheckedMath.h"
#include "control/styles/Rounding.h"

namespace control::styles {
namespace {

// Integer division truncates towards zero, as the colour arithmetic always
// has: for a negative value (a system-colour reference used as RGB) green
// and blue can differ by one from the plain bytes.
std::int32_t Red(Color c) { return c & 255; }
std::int32_t Green(Color c) { return (c / 256) & 255; }
std::int32_t Blue(Color c) { return (c / 65536) & 255; }

Color Compose(std::int32_t red, std::int32_t green, std::int32_t blue) {
    return CheckedAdd(CheckedAdd(red, CheckedMul(256, green)), CheckedMul(65536, blue));
}

}  // namespace

Color MixColors(Color colorA, Color colorB) {
    try {
        const auto mix = [](std::int32_t a, std::int32_t b) { return RoundToInt32((a + b) / 2.0); };
        return Compose(mix(Red(colorA), Red(colorB)), mix(Green(colorA), Green(colorB)),
                       mix(Blue(colorA), Blue(colorB)));
    } catch (...) {
        return 0;
    }
}

Color LightenColor(Color color, std::int32_t amount) {
    try {
        const std::int32_t k = CheckedSub(255, amount);
        // Capped at 255 only: an amount beyond 0..255 may push a channel
        // below zero, and that is passed on as it is.
        const auto lighten = [amount, k](std::int32_t c) {
            const std::int32_t value = CheckedAdd(amount, CheckedMul(k, c) / 255);
            return value > 255 ? 255 : value;
        };
        return Compose(lighten(Red(color)), lighten(Green(color)), lighten(Blue(color)));
    } catch (...) {
        return 0;
    }
}

Color ShiftColor(Color color, std::int32_t delta) {
    try {
        const auto shift = [delta](std::int32_t c) {
            const std::int32_t value = CheckedAdd(c, delta);
            return value > 255 ? 255 : (value < 0 ? 0 : value);
        };
        // The three low bytes; byte 3 (the system-colour flag) is ignored.
        return Compose(shift(color & 255), shift((color >> 8) & 255), shift((color >> 16) & 255));
    } catch (...) {
        return 0;
    }
}

}  // namespace control::styles

// Colour helpers of the painters. None of them throws: a failure returns 0
// (black), except TranslateColor, which returns -1.
#pragma once

#include <cstdint>

#include "control/styles/Color.h"

namespace control::styles {

// The RGB value of an OLE colour or a system-colour reference (resolved to
// the current system colour); -1 when it cannot be translated.
Color TranslateColor(std::int32_t oleColor);

// Channel-wise average, ties to even: MixColors(0x000001, 0x000002) = 0x000002.
Color MixColors(Color colorA, Color colorB);

// Each channel moved towards white by amount/255:
// c' = amount + ((255 - amount) * c) div 255, capped at 255.
Color LightenColor(Color color, std::int32_t amount);

// delta added to each of the three low bytes, clamped to 0..255.
Color ShiftColor(Color color, std::int32_t delta);

}  // namespace control::styles

// Which painter draws each Style's face and the content margin it leaves for
// the icon and caption. Style 6 (themed) is drawn by the pipeline itself.
#pragma once

#include <cstdint>

#include "control/styles/FaceState.h"

namespace control {

struct StylePainter {
    styles::FacePainter paint = nullptr;  // nullptr: this style paints no face (yet)
    std::int32_t contentMargin = 3;
};

constexpr std::int32_t kThemedStyle = 6;

// The entry of a style; any value out of 0..10 paints nothing, margin 3.
const StylePainter& StylePainterFor(std::int32_t style);

}  // namespace control

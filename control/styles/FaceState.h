// What a face painter may read: a snapshot of the control, filled by the
// render pipeline before every paint. Painters are stateless; they draw from
// this alone, in the order their style lists, and keep nothing.
#pragma once

#include <cstdint>
#include <functional>

#include "control/ButtonState.h"
#include "control/styles/Color.h"
#include "platform/Win32Types.h"

namespace control::styles {

struct FaceState {
    win32::HDC dc = nullptr;  // the control's surface
    std::int32_t width = 0;   // W: the surface's scale width, rounded half to even
    std::int32_t height = 0;  // H: the same for the scale height
    ButtonState state = ButtonState::Normal;
    bool hasFocus = false;
    bool showFocus = false;
    bool displayAsDefault = false;  // the container's ambient flag
    bool useCustomColors = false;
    Color backColor = 0;  // as the properties hold them
    Color highlightColor = 0;
    // Assigns the surface's back colour, which also clears the whole surface.
    std::function<void(Color)> setBackColor;
};

// One style's face painter.
using FacePainter = void (*)(const FaceState& face);

}  // namespace control::styles

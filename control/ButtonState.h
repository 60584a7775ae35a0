// The drawn state of a button. The numbers are the system theme's push-button
// states, so the theme renderer takes them unchanged.
#pragma once

#include <cstdint>

namespace control {

enum class ButtonState : std::int32_t {
    Normal = 1,
    Hot = 2,
    Pressed = 3,
    Disabled = 4,
    Defaulted = 5,  // focused and idle; only handed to the theme renderer, never stored
};

}  // namespace control

// The control's routines never let an error reach their caller: each one
// stops where the error happened and returns normally, keeping whatever it
// had already set or drawn.
#pragma once

#include <utility>

namespace control {

template <typename Body>
void Trap(Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (...) {
        // Deliberately quiet: nothing is reported to the user or the caller.
    }
}

}  // namespace control

// A face drawn in the top-left corner of a larger test surface: the rest is
// a guard band that no painter may touch, so a stray write past the face's
// right or bottom edge shows up.
#pragma once

#include <gtest/gtest.h>

#include "tests/control/render/FaceOn.h"

namespace render_test {

constexpr int kGuard = 3;
constexpr win32::COLORREF kGuardColor = 0x00FF00FF;

struct GuardedFace {
    GuardedFace(int width, int height, win32::COLORREF back = kGuardColor)
        : w(width), h(height), surface(width + kGuard, height + kGuard, kGuardColor) {
        surface.Fill(back, w, h);
    }

    control::styles::FaceState Face(control::ButtonState state) { return FaceOn(surface, state, w, h); }
    win32::COLORREF At(int x, int y) const { return surface.At(x, y); }
    win32::COLORREF Back() const { return surface.BackColor(); }

    ::testing::AssertionResult GuardIntact() const {
        for (int y = 0; y < h + kGuard; ++y)
            for (int x = y < h ? w : 0; x < w + kGuard; ++x)
                if (surface.At(x, y) != kGuardColor)
                    return ::testing::AssertionFailure()
                           << "the painter wrote " << Hex(surface.At(x, y)) << " at (" << x << ", " << y
                           << "), outside the " << w << "x" << h << " face";
        return ::testing::AssertionSuccess();
    }

    int w, h;
    Surface surface;
};

}  // namespace render_test

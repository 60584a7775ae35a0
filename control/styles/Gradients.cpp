#include "control/styles/Gradients.h"

#include "control/styles/CheckedMath.h"
#include "control/styles/Lines.h"
#include "control/styles/PixelRun.h"

namespace control::styles {
namespace {

struct Channels {
    std::int32_t red, green, blue;
};

// Integer division truncates towards zero, so a negative value (a system
// colour reference passed where RGB is expected) splits exactly as the
// colour arithmetic always split it.
Channels Split(Color color) { return {color & 255, (color / 256) & 255, (color & 0xFF0000) / 65536}; }

// Adding and taking away 1.5 * 2^52 rounds a double of magnitude below 2^51
// to an integer, ties to even, in the default rounding mode: RoundHalfEven
// without a library call, for the many channel values a ramp works out.
std::int32_t RoundChannel(double value) {
    constexpr double kRounder = 6755399441055744.0;
    return static_cast<std::int32_t>((value + kRounder) - kRounder);
}

// The per-step increment is kept in single precision on purpose: the exact
// colours of every ramp depend on it.
struct Ramp {
    Ramp(Color from, Color to, std::int32_t steps) : from_(Split(from)) {
        const Channels target = Split(to);
        red_ = static_cast<float>(static_cast<double>(target.red - from_.red) / steps);
        green_ = static_cast<float>(static_cast<double>(target.green - from_.green) / steps);
        blue_ = static_cast<float>(static_cast<double>(target.blue - from_.blue) / steps);
    }

    // i runs 0..steps, so every channel stays within -1..256.
    Color At(std::int32_t i) const {
        const auto channel = [i](std::int32_t from, float delta) {
            return RoundChannel(from + static_cast<double>(delta) * i);
        };
        return channel(from_.red, red_) + 256 * channel(from_.green, green_) +
               65536 * channel(from_.blue, blue_);
    }

private:
    Channels from_;
    float red_, green_, blue_;
};

// A line one pixel long is its start pixel, so a ramp one pixel wide (or
// high) is a run of single pixels: set as one, without a pen for each step.
bool OnePixelAcross(std::int32_t a, std::int32_t b) {
    const std::int64_t d = std::int64_t{b} - a;
    return d == 1 || d == -1;
}

}  // namespace

void DrawGradientVDC(win32::HDC hdc, Color colorFrom, Color colorTo, std::int32_t x1, std::int32_t y,
                     std::int32_t x2, std::int32_t steps) {
    try {
        if (steps == 0) return;  // the increment would divide by zero
        const Ramp ramp(colorFrom, colorTo, steps);
        if (OnePixelAcross(x1, x2)) {
            PixelRun column(hdc, PixelRun::Direction::Down);
            for (std::int64_t i = 0; i <= steps; ++i) {
                const std::int32_t row = CheckedAdd(y, static_cast<std::int32_t>(i));
                column.Set(x1, row, ramp.At(static_cast<std::int32_t>(i)));
            }
            return;
        }
        for (std::int64_t i = 0; i <= steps; ++i) {
            const std::int32_t row = CheckedAdd(y, static_cast<std::int32_t>(i));
            DrawLineDC(hdc, x1, row, x2, row, ramp.At(static_cast<std::int32_t>(i)));
        }
    } catch (...) {
    }
}

void DrawGradientV(win32::HDC surface, Color colorFrom, Color colorTo, std::int32_t x1, std::int32_t y,
                   std::int32_t x2, std::int32_t steps) {
    DrawGradientVDC(surface, colorFrom, colorTo, x1, y, x2, steps);
}

void DrawGradientH(win32::HDC surface, Color colorFrom, Color colorTo, std::int32_t x1, std::int32_t y1,
                   std::int32_t x2, std::int32_t y2) {
    try {
        const std::int32_t count = CheckedSub(x2, x1);
        if (count == 0) return;  // the increment would divide by zero
        const Ramp ramp(colorFrom, colorTo, count);
        if (OnePixelAcross(y1, y2)) {
            PixelRun row(surface, PixelRun::Direction::Right);
            for (std::int64_t i = 0; i <= count; ++i) {
                const std::int32_t column = CheckedAdd(x1, static_cast<std::int32_t>(i));
                row.Set(column, y1, ramp.At(static_cast<std::int32_t>(i)));
            }
            return;
        }
        for (std::int64_t i = 0; i <= count; ++i) {
            const std::int32_t column = CheckedAdd(x1, static_cast<std::int32_t>(i));
            DrawLine(surface, column, y1, column, y2, ramp.At(static_cast<std::int32_t>(i)));
        }
    } catch (...) {
    }
}

}  // namespace control::styles

// Single pixels set like SetPixelV, but batched: a pixel that continues the
// current run (the next column to the right, or the next row down) joins
// it, and each run reaches the DC as one 32-bit DIB copy. The pixels are the
// same; painters made of many single pixels repaint several times faster.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "control/styles/Color.h"
#include "platform/Win32Types.h"

namespace control::styles {

class PixelRun {
public:
    enum class Direction { Right, Down };

    PixelRun(win32::HDC hdc, Direction direction) : hdc_(hdc), direction_(direction) {}
    ~PixelRun() { Flush(); }
    PixelRun(const PixelRun&) = delete;
    PixelRun& operator=(const PixelRun&) = delete;

    void Set(std::int32_t x, std::int32_t y, Color color) {
        if (!Continues(x, y)) {
            Flush();
            x0_ = x;
            y0_ = y;
        }
        pixels_[static_cast<std::size_t>(count_++)] = ToDibPixel(color);
    }
    // Copies the pending run to the DC; the destructor does it too.
    void Flush() noexcept;

private:
    static constexpr int kChunk = 64;
    bool Continues(std::int32_t x, std::int32_t y) const {
        if (count_ == 0 || count_ == kChunk) return false;
        if (direction_ == Direction::Down) return x == x0_ && std::int64_t{y} == std::int64_t{y0_} + count_;
        return y == y0_ && std::int64_t{x} == std::int64_t{x0_} + count_;
    }

    win32::HDC hdc_;
    Direction direction_;
    std::int32_t x0_ = 0, y0_ = 0;
    int count_ = 0;
    std::array<std::uint32_t, kChunk> pixels_{};
};

}  // namespace control::styles

// The flood of output a child prints for the flood tests and benchmark:
// numbered 64-byte lines, so any byte lost, doubled or moved is caught.
#pragma once

#include <cstddef>

namespace flood {

constexpr std::size_t kLineLength = 64;

// The byte at `position` of the flood: a ten-digit line number, letters, a line feed.
inline char ByteAt(std::size_t position) {
    const std::size_t line = position / kLineLength, column = position % kLineLength;
    if (column == kLineLength - 1) return '\n';
    if (column < 10) {
        std::size_t digits = line;
        for (std::size_t i = column + 1; i < 10; ++i) digits /= 10;
        return static_cast<char>('0' + digits % 10);
    }
    return static_cast<char>('a' + (line + column) % 26);
}

}  // namespace flood

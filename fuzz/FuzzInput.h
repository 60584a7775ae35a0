// Reads a fuzzer's bytes as the values a target needs; past the end every
// value is zero, so any input is a complete one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::int32_t Int32() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= std::uint32_t(Byte()) << (8 * i);
        return static_cast<std::int32_t>(value);
    }
    // A coordinate: mostly small, so shapes meet on a small surface; a flag
    // bit asks for any 32-bit value, the ends of the range included.
    std::int32_t Coordinate() {
        const std::uint8_t kind = Byte();
        return kind & 0x80 ? Int32() : static_cast<std::int8_t>(kind << 1) / 2;
    }
    bool Empty() const { return at_ >= size_; }
    // Everything not read yet.
    std::string_view Rest() {
        const std::string_view rest(reinterpret_cast<const char*>(data_ + at_),
                                    at_ < size_ ? size_ - at_ : 0);
        at_ = size_;
        return rest;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

}  // namespace fuzz

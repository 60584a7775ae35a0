// The image stores every number big-endian, whatever the machine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace nrg {

inline std::uint64_t BigEndian(std::span<const unsigned char> bytes) {
    std::uint64_t value = 0;
    for (const unsigned char byte : bytes) value = (value << 8) | byte;
    return value;
}

inline std::uint16_t BigEndian16(std::span<const unsigned char> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(BigEndian(bytes.subspan(at, 2)));
}
inline std::uint32_t BigEndian32(std::span<const unsigned char> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(BigEndian(bytes.subspan(at, 4)));
}
inline std::uint64_t BigEndian64(std::span<const unsigned char> bytes, std::size_t at) {
    return BigEndian(bytes.subspan(at, 8));
}

}  // namespace nrg

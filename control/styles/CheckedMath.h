// 32-bit integer arithmetic that reports overflow instead of wrapping.
// The drawing routines treat an overflowing coordinate sum as a run-time
// error: they stop quietly, keeping what was drawn so far.
#pragma once

#include <cstdint>
#include <stdexcept>

namespace control::styles {

inline std::int32_t CheckedAdd(std::int32_t a, std::int32_t b) {
    std::int32_t result;
    if (__builtin_add_overflow(a, b, &result)) throw std::overflow_error("32-bit overflow");
    return result;
}

inline std::int32_t CheckedSub(std::int32_t a, std::int32_t b) {
    std::int32_t result;
    if (__builtin_sub_overflow(a, b, &result)) throw std::overflow_error("32-bit overflow");
    return result;
}

inline std::int32_t CheckedMul(std::int32_t a, std::int32_t b) {
    std::int32_t result;
    if (__builtin_mul_overflow(a, b, &result)) throw std::overflow_error("32-bit overflow");
    return result;
}

}  // namespace control::styles

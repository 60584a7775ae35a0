// A seeded generator that yields the same numbers on every compiler and
// library, so both builds of the scenarios draw the same cases.
#pragma once

#include <cstdint>

namespace corvalmire::differential {

class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    // splitmix64: tiny, and fully specified by its arithmetic.
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform enough in lo..hi, both included.
    int Range(int lo, int hi) { return lo + int(Next() % std::uint64_t(hi - lo + 1)); }
    bool Percent(int chance) { return Range(0, 99) < chance; }
    std::uint32_t Color() { return std::uint32_t(Next() & 0x00FFFFFF); }
    template <typename T, int N>
    const T& Pick(const T (&items)[N]) {
        return items[Range(0, N - 1)];
    }

private:
    std::uint64_t state_;
};

}  // namespace corvalmire::differential

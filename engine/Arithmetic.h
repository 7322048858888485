#pragma once

#include <concepts>
#include <cstdint>

namespace zentolk {

// The remainder brought into 0..divisor-1: a truncating remainder with the
// divisor added once when it is negative. Every cycle position is one.
template <std::integral Int> constexpr Int Remainder(Int value, Int divisor) {
    const Int r = value % divisor;
    // Without a branch: the signs of a table's days are as good as random.
    return r + (divisor & -static_cast<Int>(r < 0));
}

// Division by a positive divisor rounding toward negative infinity.
template <std::integral Int> constexpr Int FloorDiv(Int value, Int divisor) {
    const Int quotient = value / divisor;
    return quotient - (quotient * divisor > value);
}

// 32-bit arithmetic that remembers whether any step overflowed.
struct Checked32 {
    bool overflow = false;

    std::int32_t add(std::int32_t a, std::int32_t b) {
        std::int32_t r;
        overflow |= __builtin_add_overflow(a, b, &r);
        return r;
    }
    std::int32_t sub(std::int32_t a, std::int32_t b) {
        std::int32_t r;
        overflow |= __builtin_sub_overflow(a, b, &r);
        return r;
    }
    std::int32_t mul(std::int32_t a, std::int32_t b) {
        std::int32_t r;
        overflow |= __builtin_mul_overflow(a, b, &r);
        return r;
    }
};

// The same steps for values known to stay in range: no checks to pay for.
struct Plain32 {
    static constexpr bool overflow = false;

    static constexpr std::int32_t add(std::int32_t a, std::int32_t b) { return a + b; }
    static constexpr std::int32_t sub(std::int32_t a, std::int32_t b) { return a - b; }
    static constexpr std::int32_t mul(std::int32_t a, std::int32_t b) { return a * b; }
};

} // namespace zentolk

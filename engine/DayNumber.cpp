#include "DayNumber.h"

namespace zentolk {

namespace {
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
} // namespace

std::optional<std::int32_t> DayNumber(std::int32_t m, std::int32_t d, std::int32_t y) {
    Checked32 c;
    // Divisions are by positive constants: C++ truncates toward zero, which is
    // what the formula requires (floor division would change dates before 4801 B.C.).
    const std::int32_t a = c.sub(m, 14) / 12;
    const std::int32_t p = c.mul(1461, c.add(c.add(y, 4800), a)) / 4;
    const std::int32_t q = c.mul(367, c.sub(c.sub(m, 2), c.mul(12, a))) / 12;
    const std::int32_t r = c.mul(3, c.add(c.add(y, 4900), a) / 100) / 4;
    const std::int32_t j = c.sub(c.add(c.sub(c.add(p, q), r), d), 32075);
    if (c.overflow)
        return std::nullopt;
    return j;
}

} // namespace zentolk

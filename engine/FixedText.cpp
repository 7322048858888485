#include "FixedText.h"

namespace zentolk {

namespace {
// "00" to "99": two digits per division, these writers run some twenty times
// per reading.
constexpr char DigitPairs[] = "00010203040506070809"
                              "10111213141516171819"
                              "20212223242526272829"
                              "30313233343536373839"
                              "40414243444546474849"
                              "50515253545556575859"
                              "60616263646566676869"
                              "70717273747576777879"
                              "80818283848586878889"
                              "90919293949596979899";

// Without a loop or a branch: counts of mixed lengths would mispredict them.
int digitCount(std::uint32_t v) {
    static constexpr std::uint32_t Powers[] = {1,      10,      100,      1000,      10000,
                                               100000, 1000000, 10000000, 100000000, 1000000000};
    const int estimate = ((32 - __builtin_clz(v | 1)) * 1233) >> 12; // log10 of 2^bits
    return estimate + ((v | 1) >= Powers[estimate] ? 1 : 0);
}

// Writes the digits of v so that the last one lands just before `end`.
void writeDigits(char* end, std::uint32_t v) {
    for (; v >= 100; v /= 100) {
        end -= 2;
        std::memcpy(end, DigitPairs + 2 * (v % 100), 2);
    }
    if (v >= 10) {
        end -= 2;
        std::memcpy(end, DigitPairs + 2 * v, 2);
    } else {
        *--end = static_cast<char>('0' + v);
    }
}

// Writes exactly three digits of v (below 1000) ending just before `end`.
void writeThreeDigits(char* end, std::uint32_t v) {
    std::memcpy(end - 2, DigitPairs + 2 * (v % 100), 2);
    end[-3] = static_cast<char>('0' + v / 100);
}
} // namespace

void FixedText::appendLargeInt(std::int32_t value) {
    auto magnitude = static_cast<std::uint32_t>(value);
    if (value < 0) {
        append('-');
        magnitude = 0u - magnitude;
    }
    const int length = digitCount(magnitude);
    assert(size_ + static_cast<std::size_t>(length) <= Capacity);
    writeDigits(data_.data() + size_ + length, magnitude);
    size_ = static_cast<std::uint8_t>(size_ + length);
}

void FixedText::appendGrouped(std::uint32_t value) {
    const int digits = digitCount(value);
    const int length = digits + (digits - 1) / 3;
    assert(size_ + static_cast<std::size_t>(length) <= Capacity);
    char* p = data_.data() + size_ + length;
    for (; value >= 1000; value /= 1000) {
        writeThreeDigits(p, value % 1000);
        p -= 4;
        *p = ',';
    }
    writeDigits(p, value);
    size_ = static_cast<std::uint8_t>(size_ + length);
}

void FixedText::appendFixedDigits(std::uint32_t value, int count) {
    assert(size_ + static_cast<std::size_t>(count) <= Capacity);
    char* end = data_.data() + size_ + count;
    int left = count;
    for (; left >= 2; left -= 2, value /= 100) {
        end -= 2;
        std::memcpy(end, DigitPairs + 2 * (value % 100), 2);
    }
    if (left == 1)
        *--end = static_cast<char>('0' + value % 10);
    size_ = static_cast<std::uint8_t>(size_ + count);
}

} // namespace zentolk

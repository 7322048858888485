#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace zentolk {

// A short text held in place, so that a whole reading can be produced without
// touching the heap (the batch converter fills millions of them).
class FixedText {
public:
    static constexpr std::size_t Capacity = 31;

    void clear() { size_ = 0; }
    void append(char c) {
        assert(size_ < Capacity);
        data_[size_++] = c;
    }
    void append(std::string_view s) {
        assert(size_ + s.size() <= Capacity);
        std::memcpy(data_.data() + size_, s.data(), s.size());
        size_ = static_cast<std::uint8_t>(size_ + s.size());
    }
    // Plain decimal: "-" for negatives, no leading zeros, no grouping.
    void appendInt(std::int32_t value);
    // Unsigned decimal with "," between groups of three digits.
    void appendGrouped(std::uint32_t value);
    // Exactly `count` digits, leading zeros kept.
    void appendFixedDigits(std::uint32_t value, int count);

    std::string_view view() const { return {data_.data(), size_}; }
    std::string str() const { return std::string(view()); }
    std::size_t size() const { return size_; }

private:
    std::array<char, Capacity> data_; // only the first size_ characters are ever read
    std::uint8_t size_ = 0;
};

} // namespace zentolk

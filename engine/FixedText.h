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
    void appendInt(std::int32_t value) {
        // Most numbers in a reading are Long Count places, below 20.
        if (static_cast<std::uint32_t>(value) < 10) {
            append(static_cast<char>('0' + value));
        } else if (static_cast<std::uint32_t>(value) < 100) {
            assert(size_ + 2u <= Capacity);
            data_[size_] = static_cast<char>('0' + value / 10);
            data_[size_ + 1] = static_cast<char>('0' + value % 10);
            size_ = static_cast<std::uint8_t>(size_ + 2);
        } else {
            appendLargeInt(value);
        }
    }
    // Unsigned decimal with "," between groups of three digits.
    void appendGrouped(std::uint32_t value);
    // Exactly `count` digits, leading zeros kept.
    void appendFixedDigits(std::uint32_t value, int count);

    // For writers that keep their own cursor (a store of the size after every
    // character costs more than the character): write at end(), then hand the
    // new end back.
    char* end() { return data_.data() + size_; }
    void setEnd(const char* end) {
        assert(end >= data_.data() && end <= data_.data() + Capacity);
        size_ = static_cast<std::uint8_t>(end - data_.data());
    }
    // Copies a whole block of N bytes, of which the first `length` count.
    template <std::size_t N>
    void appendPadded(const std::array<char, N>& block, std::size_t length) {
        assert(size_ + N <= Capacity && length <= N);
        std::memcpy(data_.data() + size_, block.data(), N);
        size_ = static_cast<std::uint8_t>(size_ + length);
    }

    std::string_view view() const { return {data_.data(), size_}; }
    // Copies a whole short or long block and then cuts it to size: a copy of
    // a constant size costs a few moves, one of a variable size dozens of
    // cycles to start up.
    [[gnu::always_inline]] std::string str() const {
        constexpr std::size_t Short = 15; // what std::string holds without the heap
        static_assert(Capacity >= Short);
        std::string s =
            size_ <= Short ? std::string(data_.data(), Short) : std::string(data_.data(), Capacity);
        s.resize(size_);
        return s;
    }
    std::size_t size() const { return size_; }

private:
    void appendLargeInt(std::int32_t value);

    std::array<char, Capacity> data_{}; // str() copies whole blocks, so every byte is set
    std::uint8_t size_ = 0;
};

} // namespace zentolk

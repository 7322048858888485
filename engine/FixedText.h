#pragma once

#include "TextWriters.h"

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace zentolk {

// A short text held in place, so that a whole reading can be produced without
// touching the heap (the batch converter fills millions of them). The
// engine's writers put their texts at end(), then hand the new end back.
class FixedText {
public:
    static constexpr std::size_t Capacity = 31;

    void clear() { size_ = 0; }

    // Room for the writers' slack follows the capacity.
    char* end() { return data_.data() + size_; }
    void setEnd(const char* end) {
        assert(end >= data_.data() && end <= data_.data() + Capacity);
        size_ = static_cast<std::uint8_t>(end - data_.data());
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
    std::array<char, Capacity + WriteSlack> data_{}; // str() copies whole blocks: every byte set
    std::uint8_t size_ = 0;
};

} // namespace zentolk

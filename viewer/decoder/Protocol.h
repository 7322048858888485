#pragma once

// The conversation between the viewer and its decoding process. Every
// message is one byte of kind, a four-byte little-endian length and that many
// bytes. The viewer asks, the decoder answers each question once, in order.
#include <cstddef>
#include <cstdint>

namespace zentolk::viewer::decoder {

// Questions.
inline constexpr char OpenQuestion = 'O';     // open the file named on the command line
inline constexpr char ContainsQuestion = 'C'; // does the file hold this path?
inline constexpr char ReadQuestion = 'R';     // the whole object at this path
inline constexpr char FindQuestion = 'F';     // the first top-level file ending in this text
inline constexpr char ListQuestion = 'L';     // the paths of the file's pages, one a line

// Answers.
inline constexpr char YesAnswer = 'Y';    // with the object, the path found, or nothing
inline constexpr char NoAnswer = 'N';     // not there
inline constexpr char BrokenAnswer = 'E'; // there, but it cannot be read

inline constexpr std::size_t HeaderSize = 5;
// Nothing in a help file is this big; a larger object or answer is damage.
inline constexpr std::uint32_t LargestObject = 64u * 1024u * 1024u;
// Paths inside a help file are short.
inline constexpr std::uint32_t LongestQuestion = 4096;
// A list of pages names at most this many; a help file has tens.
inline constexpr std::uint32_t MostListed = 5000;

inline void PutHeader(unsigned char* header, char kind, std::uint32_t length) {
    header[0] = static_cast<unsigned char>(kind);
    for (int i = 0; i < 4; ++i)
        header[1 + i] = static_cast<unsigned char>(length >> (8 * i));
}

inline std::uint32_t HeaderLength(const unsigned char* header) {
    return std::uint32_t(header[1]) | std::uint32_t(header[2]) << 8 |
           std::uint32_t(header[3]) << 16 | std::uint32_t(header[4]) << 24;
}

} // namespace zentolk::viewer::decoder

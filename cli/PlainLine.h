#pragma once

#include <cstddef>

namespace zentolk::cli {

// The most a plain line may write, with room for whole-word copies past its end.
inline constexpr std::size_t PlainLineOutputMax = 512;
// Bytes the converter may read past a line's start; the input buffer keeps
// this much readable slack behind its data.
inline constexpr std::size_t PlainLineReadMax = 64;

// The batch converter's fast path: a line of four plain decimal fields
// (digits with an optional sign, each within a million either way) ended by
// LF or CR LF, converted
// straight into `out`, byte for byte as the engine would. Returns the end of
// what it wrote and sets `next` to the start of the following line, or
// returns nullptr, having written nothing that counts, for any other line
// (the engine then converts it). The input must hold a byte that ends no
// field (such as NUL) after its last byte.
char* ConvertPlainLine(const char* line, char decimalSeparator, char* out, const char*& next);

} // namespace zentolk::cli

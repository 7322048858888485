#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zentolk {

// Converts a field's text to a signed 32-bit integer. Leading blanks (code 32
// only) are skipped; then either an optional sign and decimal digits, or an
// unsigned hexadecimal number introduced by "$", "x", "X", "0x" or "0X" whose
// 32-bit pattern is taken as signed. Nothing may follow. Returns false when
// the text is no such number or lies outside the 32-bit range.
bool ParseInteger(std::string_view text, std::int32_t& value);

// Inserts "," in front of every third character counted from the right,
// never in front of the first. Counts characters, not digits.
std::string GroupThousands(std::string_view text);

} // namespace zentolk

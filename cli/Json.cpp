#include "cli/Json.h"

#include <charconv>

namespace zentolk::cli {

std::size_t Utf8Length(std::string_view s) {
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = b(0);
    std::size_t n;
    std::uint32_t cp;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (s.size() < n)
        return 0;
    for (std::size_t i = 1; i < n; ++i) {
        if ((b(i) & 0xC0) != 0x80)
            return 0;
        cp = cp << 6 | (b(i) & 0x3F);
    }
    const bool overlong = (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return n;
}

void WriteJsonString(std::string_view s, const JsonPieces& put) {
    put("\"");
    for (std::size_t i = 0; i < s.size();) {
        // Runs of plain ASCII with nothing to escape are copied whole.
        std::size_t plain = i;
        while (plain < s.size() && s[plain] >= 0x20 && s[plain] < 0x7F && s[plain] != '"' &&
               s[plain] != '\\')
            ++plain;
        put(s.substr(i, plain - i));
        if (plain == s.size())
            break;
        i = plain;
        const auto c = static_cast<unsigned char>(s[i]);
        if (c == '"' || c == '\\') {
            const char escaped[2] = {'\\', char(c)};
            put({escaped, 2});
            ++i;
        } else if (c < 0x20 || c == 0x7F) {
            static const char hex[] = "0123456789abcdef";
            const char escaped[6] = {'\\', 'u', '0', '0', hex[c >> 4], hex[c & 15]};
            put({escaped, 6});
            ++i;
        } else {
            const std::size_t n = Utf8Length(s.substr(i));
            put(n == 0 ? "\xEF\xBF\xBD" : s.substr(i, n));
            i += n == 0 ? 1 : n;
        }
    }
    put("\"");
}

void AppendJsonString(std::string& out, std::string_view s) {
    WriteJsonString(s, [&out](std::string_view piece) { out += piece; });
}

// A value or key follows a value with a comma; after an opening bracket or a
// key's colon it follows nothing. Strings end in a quote, so the last
// character tells which.
void JsonWriter::separate() {
    if (!text_.empty() && text_.back() != '{' && text_.back() != '[' && text_.back() != ':')
        text_ += ',';
}

JsonWriter& JsonWriter::beginObject() {
    separate();
    text_ += '{';
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    text_ += '}';
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    separate();
    text_ += '[';
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    text_ += ']';
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    separate();
    AppendJsonString(text_, name);
    text_ += ':';
    return *this;
}

JsonWriter& JsonWriter::number(std::int64_t value) {
    separate();
    char digits[24];
    text_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    return *this;
}

JsonWriter& JsonWriter::string(std::string_view text) {
    separate();
    AppendJsonString(text_, text);
    return *this;
}

JsonWriter& JsonWriter::boolean(bool value) {
    separate();
    text_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null() {
    separate();
    text_ += "null";
    return *this;
}

} // namespace zentolk::cli

#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace zentolk::cli {

// The length of the valid UTF-8 sequence at the start of s, or 0.
std::size_t Utf8Length(std::string_view s);

// Writes text as a JSON string piece by piece, so that a long text is never
// gathered a second time: quoted, escaped, and valid UTF-8 whatever text
// holds (a byte that starts no valid sequence becomes U+FFFD, a control
// character \u00XX).
using JsonPieces = std::function<void(std::string_view)>;
void WriteJsonString(std::string_view text, const JsonPieces& put);

// Appends text as a JSON string: quoted, escaped, and valid UTF-8 whatever
// text holds (a byte that starts no valid sequence becomes U+FFFD, a control
// character \u00XX), so that the output parses whatever the input was.
void AppendJsonString(std::string& out, std::string_view text);

// Builds compact JSON, without blanks: the one style of every JSON the
// command line writes. Commas are put in by the writer.
class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);
    JsonWriter& number(std::int64_t value);
    JsonWriter& string(std::string_view text);
    JsonWriter& boolean(bool value);
    JsonWriter& null();

    const std::string& text() const { return text_; }

private:
    void separate();

    std::string text_;
};

} // namespace zentolk::cli

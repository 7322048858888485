#pragma once

#include <concepts>
#include <string>
#include <variant>
#include <vector>

namespace zentolk::help {

// One argument of the kit's formatting routine: a text or an integer.
class FormatArg {
public:
    FormatArg(std::string text) : value_(std::move(text)) {}
    FormatArg(const char* text) : value_(std::string(text != nullptr ? text : "")) {}
    template <std::integral T> FormatArg(T number) : value_(static_cast<long long>(number)) {}

    const std::variant<std::string, long long>& Value() const { return value_; }

private:
    std::variant<std::string, long long> value_;
};

using FormatArgs = std::vector<FormatArg>;

// Applies the arguments to the format: "%s" takes a text, "%d" an integer in
// decimal, "%%" is a percent sign. A directive without a matching argument,
// or one the routine does not know, stays in the text as written: the kit's
// callers are never interrupted by a format error.
std::string FormatKitText(const std::string& format, const FormatArgs& args);

} // namespace zentolk::help

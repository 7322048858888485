#include "Correlation.h"

#include "TextParsing.h"

namespace zentolk {

std::string_view CorrelationName(std::int64_t correlation) {
    for (const NamedCorrelation& named : NamedCorrelations)
        if (named.value == correlation)
            return named.name;
    return {};
}

std::optional<std::int64_t> ParseCorrelation(std::string_view text, std::string& error) {
    const std::string_view t = Trimmed(text);
    for (const NamedCorrelation& named : NamedCorrelations)
        if (EqualsIgnoringCase(t, named.key) || EqualsIgnoringCase(t, named.name))
            return named.value;
    std::string_view digits = t;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative || (!digits.empty() && digits.front() == '+'))
        digits.remove_prefix(1);
    std::int64_t value;
    if (!ParseDigits(digits, value)) {
        error = "the correlation " + QuotedText(text) + " is neither a number nor one of ";
        for (const NamedCorrelation& named : NamedCorrelations)
            error.append(named.key).append(&named == &NamedCorrelations.back() ? "" : ", ");
        return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < MinCorrelation || value > MaxCorrelation) {
        error = "the correlation " + std::string(t) + " lies outside " +
                std::to_string(MinCorrelation) + " to " + std::to_string(MaxCorrelation);
        return std::nullopt;
    }
    return value;
}

} // namespace zentolk

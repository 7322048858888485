#include "Correlation.h"

#include "TextParsing.h"
#include "Wording.h"

namespace zentolk {

std::string_view CorrelationName(std::int64_t correlation) {
    for (const NamedCorrelation& named : NamedCorrelations)
        if (named.value == correlation)
            return named.name;
    return {};
}

std::optional<std::int64_t> ParseCorrelation(std::string_view text, std::string& error,
                                             Language language) {
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
        std::string keys;
        for (const NamedCorrelation& named : NamedCorrelations)
            keys.append(named.key).append(&named == &NamedCorrelations.back() ? "" : ", ");
        error = Worded(language,
                       {"the correlation %1 is neither a number nor one of %2",
                        "la correlación %1 no es un número ni una de %2"},
                       {QuotedText(text), keys});
        return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < MinCorrelation || value > MaxCorrelation) {
        error = Worded(language,
                       {"the correlation %1 lies outside %2 to %3",
                        "la correlación %1 queda fuera de %2 a %3"},
                       {t, std::to_string(MinCorrelation), std::to_string(MaxCorrelation)});
        return std::nullopt;
    }
    return value;
}

} // namespace zentolk

#include "sqlite/DayText.h"

#include "engine/AlmanacInput.h"
#include "engine/Epigraphy.h"
#include "engine/TextParsing.h"

namespace zentolk::sqlite {

namespace {
bool tooLong(std::string_view text, std::string_view what, std::string& error) {
    if (text.size() <= LongestText)
        return false;
    error = "a text of " + std::to_string(text.size()) + " bytes is no " + std::string(what);
    return true;
}
} // namespace

std::optional<std::int64_t> ReadDayText(std::string_view text, const DayOptions& o,
                                        std::string& error) {
    if (tooLong(text, "day", error))
        return std::nullopt;
    const std::string_view t = Trimmed(text);
    if (IsLongCountText(t))
        return ParseLongCountDay(t, o.correlation, o.calendar, error);
    // A date's year is followed by a dash; a day number has one in front only.
    if (t.find('-', 1) != std::string_view::npos)
        return ParseIsoDay(t, o.calendar, error);
    const bool sign = !t.empty() && (t[0] == '-' || t[0] == '+');
    if (!t.empty() && t.find_first_not_of("0123456789", sign) == std::string_view::npos)
        return ParseDayNumber(t, o.calendar, error);
    error = QuotedText(text) + " is not a date YYYY-MM-DD, a day number or a Long Count";
    return std::nullopt;
}

bool ReadCorrelationText(std::string_view text, DayOptions& o, std::string& error) {
    if (tooLong(text, "correlation", error))
        return false;
    const std::optional<std::int64_t> c = ParseCorrelation(text, error);
    o.correlation = c.value_or(o.correlation);
    return c.has_value();
}

bool ReadCalendarText(std::string_view text, DayOptions& o, std::string& error) {
    const std::string_view t = Trimmed(text);
    const bool julian = EqualsIgnoringCase(t, "julian");
    if (!julian && !EqualsIgnoringCase(t, "gregorian")) {
        error = "the calendar is 'gregorian' or 'julian'";
        return false;
    }
    o.calendar = julian ? Calendar::Julian : Calendar::Gregorian;
    return true;
}

} // namespace zentolk::sqlite

// Fuzzing of what the SQL functions read from text: the first byte picks the
// calendar and the correlation's text, the rest is the day's. Whatever it is,
// a day read lies in the almanac's years and reads back from its day number;
// a refusal says why, in a message of bounded size (it may quote the text
// twice).
#include "engine/AlmanacInput.h"
#include "sqlite/DayText.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace zentolk;
using namespace zentolk::sqlite;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    constexpr std::string_view Correlations[] = {"gmt", "-100000000", "spinden", "100000000"};
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    DayOptions o;
    std::string error;
    if (!ReadCalendarText(data[0] & 1 ? "Julian" : " gregorian", o, error) ||
        !ReadCorrelationText(Correlations[(data[0] >> 1) % std::size(Correlations)], o, error))
        std::abort();
    const std::optional<std::int64_t> day = ReadDayText(text, o, error);
    if (!day) {
        if (error.empty() || error.size() > 3 * LongestText)
            std::abort();
        return 0;
    }
    std::string again;
    if (!DayInRange(*day, o.calendar) || ReadDayText(std::to_string(*day), o, again) != day)
        std::abort();
    // The same text as a correlation: read or refused with a reason.
    DayOptions c;
    if (!ReadCorrelationText(text, c, error) && error.empty())
        std::abort();
    return 0;
}

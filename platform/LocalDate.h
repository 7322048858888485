#pragma once

#include <cstdint>
#include <ctime>

namespace zentolk::platform {

struct LocalDate {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
};

// Today's date in the user's time zone.
LocalDate TodayLocal();

// The date of a broken-down local time.
LocalDate DateOf(const std::tm& parts);

} // namespace zentolk::platform

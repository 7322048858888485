#include "platform/LocalDate.h"

namespace zentolk::platform {

LocalDate TodayLocal() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    if (localtime_r(&now, &parts) == nullptr)
        return {1970, 1, 1};
    return DateOf(parts);
}

LocalDate DateOf(const std::tm& parts) {
    return {static_cast<std::uint16_t>(parts.tm_year + 1900),
            static_cast<std::uint16_t>(parts.tm_mon + 1),
            static_cast<std::uint16_t>(parts.tm_mday)};
}

} // namespace zentolk::platform

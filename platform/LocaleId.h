#pragma once

#include <cstdint>
#include <string_view>

namespace zentolk::platform {

// The classic locale id of a locale name such as "de_AT.UTF-8": language and
// territory decide, code set and modifier are ignored. 0 when unknown.
std::uint32_t LocaleIdFromName(std::string_view name);

} // namespace zentolk::platform

#include "platform/LocaleNumbers.h"

#include <clocale>
#include <string_view>

namespace zentolk::platform {

char LocaleDecimalSeparator() {
    const std::lconv* conv = std::localeconv();
    if (conv == nullptr || conv->decimal_point == nullptr)
        return '.';
    const std::string_view point(conv->decimal_point);
    return point.size() == 1 ? point[0] : '.';
}

} // namespace zentolk::platform

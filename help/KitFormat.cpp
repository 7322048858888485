#include "help/KitFormat.h"

namespace zentolk::help {

std::string FormatKitText(const std::string& format, const FormatArgs& args) {
    std::string text;
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '%' || i + 1 >= format.size()) {
            text += c;
            continue;
        }
        const char directive = format[i + 1];
        if (directive == '%') {
            text += '%';
            ++i;
            continue;
        }
        if ((directive != 's' && directive != 'd') || next >= args.size()) {
            text += c;
            continue;
        }
        const auto& value = args[next++].Value();
        if (const auto* number = std::get_if<long long>(&value))
            text += std::to_string(*number);
        else
            text += std::get<std::string>(value);
        ++i;
    }
    return text;
}

} // namespace zentolk::help

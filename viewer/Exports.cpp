// The two entries of libhhctrl.so; nothing else leaves the library.
#include "viewer/Viewer.h"
#include "viewer/hhctrl.h"

#include <QFile>
#include <cstdint>

#define HHCTRL_EXPORT extern "C" __attribute__((visibility("default")))

namespace {
// No exception may cross into a caller that knows only C.
void* Run(const QString& file, std::uint32_t command, std::uintptr_t data) noexcept {
    try {
        return zentolk::viewer::HtmlHelp(file, command, data);
    } catch (...) {
        return nullptr;
    }
}
} // namespace

HHCTRL_EXPORT void* HtmlHelpA(void* /*caller*/, const char* file, std::uint32_t command,
                              std::uintptr_t data) {
    return Run(file != nullptr ? QFile::decodeName(file) : QString(), command, data);
}

HHCTRL_EXPORT void* HtmlHelpW(void* /*caller*/, const char16_t* file, std::uint32_t command,
                              std::uintptr_t data) {
    return Run(file != nullptr ? QString::fromUtf16(file) : QString(), command, data);
}

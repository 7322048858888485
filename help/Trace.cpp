#include "help/Trace.h"

namespace zentolk::help {

namespace {
std::unique_ptr<TDLogFile> kitLog;
} // namespace

void InstallKitLog(std::unique_ptr<TDLogFile> log) noexcept {
    kitLog = std::move(log);
}

TDLogFile* KitLog() noexcept {
    return kitLog.get();
}

void TraceLine(const std::string& format) noexcept {
    if (kitLog)
        kitLog->LogIfEnabled(format);
}

void TraceLine(const std::string& format, const FormatArgs& args) noexcept {
    if (kitLog)
        kitLog->LogIfEnabled(format, args);
}

void TraceAndShow(const std::string& format) noexcept {
    if (kitLog)
        kitLog->ShowAndLog(format);
}

void TraceAndShow(const std::string& format, const FormatArgs& args) noexcept {
    if (kitLog)
        kitLog->ShowAndLog(format, args);
}

} // namespace zentolk::help

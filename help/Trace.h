#pragma once

#include "help/KitFormat.h"
#include "help/LogFile.h"

#include <memory>
#include <string>

namespace zentolk::help {

// The kit's one log, created at kit start-up and released at shut-down.
void InstallKitLog(std::unique_ptr<TDLogFile> log) noexcept;
TDLogFile* KitLog() noexcept;

// A trace line in the kit's log while the debug switch is on.
void TraceLine(const std::string& format) noexcept;
void TraceLine(const std::string& format, const FormatArgs& args) noexcept;

// A warning box for the user, and the same text in the kit's log while the
// debug switch is on.
void TraceAndShow(const std::string& format) noexcept;
void TraceAndShow(const std::string& format, const FormatArgs& args) noexcept;

} // namespace zentolk::help

#pragma once

#include "cli/Cli.h"
#include "cli/Options.h"

namespace zentolk::cli {

// Runs "picture long-count|calendar-round" as parsed; returns the exit
// status as Run does.
int RunPictureCommand(const Options& options, const Streams& streams);
extern const char* const PictureUsage;

} // namespace zentolk::cli

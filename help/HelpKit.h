#pragma once

namespace zentolk::help {

// The help kit's start-up: records where the program runs, chooses the log
// folder, reads the debug switch, detects the viewer and browser versions
// and creates the diagnostics log. Call it once the application object
// exists (the log's message boxes need it) and before anything else of the
// program starts.
void HelpKitStartup() noexcept;

// The help kit's shut-down: releases the log and clears the kit's values.
// Call it after the program's windows are destroyed.
void HelpKitShutdown() noexcept;

} // namespace zentolk::help

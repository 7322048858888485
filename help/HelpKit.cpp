#include "HelpKit.h"

#include "Environment.h"
#include "LogFile.h"
#include "LogPlace.h"
#include "Trace.h"

#include <memory>

namespace zentolk::help {

namespace {

// The viewer library is bound here, first at start-up and last at shut-down,
// once the viewer exists. Until then there is nothing to load.
void LoadViewerLibrary() {}
void UnloadViewerLibrary() {}

} // namespace

void HelpKitStartup() noexcept {
    try {
        LoadViewerLibrary();
        DetectModuleValues();
        ChooseLogDirectory();
        ReadDebugSwitch();
        DetectVersionValues();
        InstallKitLog(std::make_unique<TDLogFile>(std::string(), DebugSwitch(), true, true, false));
    } catch (...) {
        // Out of memory at start-up: the kit runs without its log.
    }
}

void HelpKitShutdown() noexcept {
    InstallKitLog(nullptr);
    ClearEnvironment();
    ClearLogPlace();
    UnloadViewerLibrary();
}

} // namespace zentolk::help

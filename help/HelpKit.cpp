#include "HelpKit.h"

#include "Environment.h"
#include "LogFile.h"
#include "LogPlace.h"
#include "Trace.h"
#include "hh.h"

#include <memory>

namespace zentolk::help {

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

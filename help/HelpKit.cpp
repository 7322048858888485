#include "help/HelpKit.h"

#include "help/Environment.h"
#include "help/LogFile.h"
#include "help/LogPlace.h"
#include "help/Trace.h"
#include "help/hh.h"

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

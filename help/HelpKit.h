#pragma once

#include "help/Environment.h"
#include "help/KitFormat.h"
#include "help/LogFile.h"
#include "help/hh.h"
#include "platform/Os.h"

#include <memory>
#include <string>

namespace zentolk::help {

// The help kit's state for one run of the program: the viewer library, where
// the program runs and which viewer it has, where the log goes and whether
// it is written, and the log itself. The program makes one, right after the
// application object (the log's message boxes need it) and before anything
// else of its own, and passes it to what asks for help or traces; it goes
// after the program's windows.
class HelpKit {
public:
    // The kit's start-up, in this order: loads the viewer library, records
    // where the program runs, chooses the log folder, reads the debug switch,
    // detects the viewer and browser versions and creates the log. Out of
    // memory, the kit runs without its log.
    explicit HelpKit(platform::Os& os) noexcept;
    // The kit's shut-down: releases the log, then the viewer library.
    ~HelpKit();
    HelpKit(const HelpKit&) = delete;
    HelpKit& operator=(const HelpKit&) = delete;

    platform::Os& Os() const { return os_; }
    const EnvironmentValues& Environment() const { return environment_; }
    // The program's folder when it is writable, else the temporary folder.
    const std::string& LogDirectory() const { return logDirectory_; }
    // The marker file beside the program, or a debug switch among the
    // arguments after the program itself.
    bool DebugSwitch() const { return debugSwitch_; }
    // Null only when the kit could not make it.
    TDLogFile* Log() const { return log_.get(); }

    const ViewerLibraryState& ViewerLibrary() const { return viewer_; }
    // Loads the viewer library by its bare name, else from its registered
    // path; does nothing when it is loaded already. A failure shows and
    // traces nothing.
    void LoadViewerLibrary();
    // Releases the library and clears its entries.
    void UnloadViewerLibrary();
    // Closes every help window the program opened, while the library is loaded.
    void CloseAllHelpWindows();

    // A trace line in the log while the debug switch is on.
    void TraceLine(const std::string& format) noexcept;
    void TraceLine(const std::string& format, const FormatArgs& args) noexcept;
    // A warning box for the user, and the same text in the log while the
    // debug switch is on.
    void TraceAndShow(const std::string& format) noexcept;
    void TraceAndShow(const std::string& format, const FormatArgs& args) noexcept;

private:
    platform::Os& os_;
    ViewerLibraryState viewer_;
    EnvironmentValues environment_;
    std::string logDirectory_;
    bool debugSwitch_ = false;
    std::unique_ptr<TDLogFile> log_;
};

} // namespace zentolk::help

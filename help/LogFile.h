#pragma once

#include "help/Environment.h"
#include "help/KitFormat.h"
#include "platform/Os.h"

#include <string>

namespace zentolk::help {

inline constexpr char LogFileName[] = "HHDebug.txt";

// The kit's plain-text diagnostics log. Every line is appended on its own:
// the file is opened, written, flushed and closed again, so it holds all
// lines so far even if the program ends abruptly. Nothing here raises: a
// line that cannot be written is dropped, and later lines try again.
//
// Lines starting with "!", "-" or "=" lose that character and get no time
// stamp; a line of just "-" or "=" is a separator of 79 such characters.
class TDLogFile {
public:
    // A folder that is missing or not writable moves the log to the temporary
    // folder. A symbolic link at the log's name is removed, never followed;
    // an earlier log is made writable, then deleted unless keepOld is set.
    // The header describes the given environment.
    TDLogFile(platform::Os& os, std::string path, bool enabled, bool stampTimes, bool wantHeader,
              bool keepOld, const EnvironmentValues& environment = {}) noexcept;
    TDLogFile(const TDLogFile&) = delete;
    TDLogFile& operator=(const TDLogFile&) = delete;

    const std::string& LogPath() const { return logPath_; }
    bool LogEnabled() const { return logEnabled_; }
    bool StampTimes() const { return stampTimes_; }
    bool WantHeader() const { return wantHeader_; }
    bool KeepOldLog() const { return keepOldLog_; }

    // Writes the line, enabled or not; the format is taken as it is.
    void AppendLogLine(const std::string& format) noexcept;
    void AppendLogLine(const std::string& format, const FormatArgs& args) noexcept;

    // Writes the line only while the log is enabled.
    void LogIfEnabled(const std::string& format) noexcept;
    void LogIfEnabled(const std::string& format, const FormatArgs& args) noexcept;

    // Shows the text in a warning box, then logs it when enabled.
    void ShowAndLog(const std::string& format) noexcept;
    void ShowAndLog(const std::string& format, const FormatArgs& args) noexcept;

    // Deletes an earlier log (unless it is kept) and, when enabled, writes the
    // header that describes the machine and the help environment.
    void WriteBanner(const EnvironmentValues& environment) noexcept;

private:
    void Append(std::string line) noexcept;

    platform::Os& os_;
    std::string logPath_;
    bool logEnabled_;
    bool stampTimes_;
    bool wantHeader_;
    bool keepOldLog_;
    bool failureTold_ = false;
};

} // namespace zentolk::help

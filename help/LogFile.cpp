#include "help/LogFile.h"

#include "help/KitMessage.h"
#include "help/LogPlace.h"
#include "help/PathText.h"

namespace zentolk::help {

namespace {
constexpr std::size_t SeparatorLength = 80; // one is dropped as the line's marker
} // namespace

TDLogFile::TDLogFile(platform::Os& os, std::string path, bool enabled, bool stampTimes,
                     bool wantHeader, bool keepOld, const EnvironmentValues& environment) noexcept
    : os_(os), logEnabled_(enabled), stampTimes_(stampTimes), wantHeader_(wantHeader),
      keepOldLog_(keepOld) {
    try {
        const std::string directory = DirectoryPart(path);
        if (directory.empty() || !os_.DirectoryExists(directory) ||
            !IsDirectoryWritable(os_, directory))
            path = TempDirectory(os_) + PathSeparator + FileNamePart(path);
        logPath_ = std::move(path);
        // In a shared temporary folder someone else may have put a link at
        // the log's name; it goes, and whatever it points at stays as it is.
        if (os_.IsSymbolicLink(logPath_))
            os_.DeleteFile(logPath_);
        else if (os_.FileExists(logPath_))
            os_.MakeOwnerWritable(logPath_);
    } catch (...) {
        logPath_.clear();
    }
    WriteBanner(environment);
}

void TDLogFile::AppendLogLine(const std::string& format) noexcept {
    try {
        Append(format);
    } catch (...) {
    }
}

void TDLogFile::AppendLogLine(const std::string& format, const FormatArgs& args) noexcept {
    try {
        Append(FormatKitText(format, args));
    } catch (...) {
    }
}

void TDLogFile::LogIfEnabled(const std::string& format) noexcept {
    if (logEnabled_)
        AppendLogLine(format);
}

void TDLogFile::LogIfEnabled(const std::string& format, const FormatArgs& args) noexcept {
    if (logEnabled_)
        AppendLogLine(format, args);
}

void TDLogFile::ShowAndLog(const std::string& format) noexcept {
    ShowAndLog(format, {});
}

void TDLogFile::ShowAndLog(const std::string& format, const FormatArgs& args) noexcept {
    try {
        const std::string text = FormatKitText(format, args);
        ShowKitMessage(os_, text, MbOk | MbIconExclamation);
        if (logEnabled_)
            AppendLogLine(text);
    } catch (...) {
    }
}

void TDLogFile::Append(std::string line) noexcept {
    if (logPath_.empty())
        return;
    try {
        if (line == "-" || line == "=")
            line.assign(SeparatorLength, line[0]);
        if (!line.empty() && (line[0] == '!' || line[0] == '-' || line[0] == '='))
            line.erase(0, 1);
        else if (stampTimes_)
            line.insert(0, os_.Now().longTime + "   ");
        if (!os_.AppendLine(logPath_, line) && !failureTold_) {
            failureTold_ = true;
            os_.WarnOnConsole("The diagnostics log " + logPath_ + " cannot be written.");
        }
    } catch (...) {
    }
}

} // namespace zentolk::help

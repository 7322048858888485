// The log header: the machine, the program and the help environment.
#include "help/Environment.h"
#include "help/FileVersion.h"
#include "help/LogFile.h"

#include <cstdio>

namespace zentolk::help {

namespace {

constexpr char Tab = '\t';
// The whole command-line argument, tab included, is cut to this length.
constexpr std::size_t CommandLineLimit = 255;

std::string HexId(std::uint32_t id) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(id));
    return text;
}

std::string YesNo(bool value) {
    return value ? "YES" : "NO";
}

} // namespace

void TDLogFile::WriteBanner(const EnvironmentValues& env) noexcept {
    try {
        if (!keepOldLog_ && !logPath_.empty() && os_.FileExists(logPath_))
            os_.DeleteFile(logPath_);
        if (!logEnabled_ || !wantHeader_)
            return;

        const auto clock = os_.Now();
        const auto os = os_.OperatingSystem();
        const auto locale = os_.Locale();
        const std::uint32_t localeId = locale.id;
        const std::uint32_t languageId = localeId & 0xFFFF;
        const std::uint32_t primaryLanguage = languageId & 0x3FF;
        const std::uint32_t subLanguage = languageId >> 10;
        const auto& arguments = env.Arguments;
        // The full path, however the program was started.
        const std::string program = !env.ModulePath.empty() ? env.ModulePath
                                    : arguments.empty()     ? std::string()
                                                            : arguments[0];
        std::string parameters;
        std::string commandLine;
        for (std::size_t i = 0; i < arguments.size(); ++i) {
            if (i > 0)
                parameters += (i > 1 ? " | " : "") + arguments[i];
            commandLine += (i > 0 ? " " : "") + arguments[i];
        }
        const std::string tab(1, Tab);

        AppendLogLine("=");
        AppendLogLine("!Log File:             %s", {tab + logPath_});
        AppendLogLine("!Date:                 %s", {tab + clock.shortDate + ' ' + clock.longTime});
        AppendLogLine("!Operating System:      %s %d.%d (Build %d) %s",
                      {tab + os.name, os.major, os.minor, os.build,
                       os.distribution.empty() ? std::string("No Service Pack") : os.distribution});
        AppendLogLine("!SysLocale.DefaultLCID: %s (%s)",
                      {tab + HexId(localeId), std::to_string(localeId)});
        AppendLogLine("!SysLocale.PriLangID:   %s (%s)",
                      {tab + HexId(primaryLanguage), std::to_string(primaryLanguage)});
        AppendLogLine("!SysLocale.SubLangID:   %s (%s)",
                      {tab + HexId(subLanguage), std::to_string(subLanguage)});
        AppendLogLine("!DecimalSeparator:      %s",
                      {tab + std::string(1, locale.decimalSeparator)});
        AppendLogLine("-");
        AppendLogLine("!EXE Path =          %s", {tab + program});
        AppendLogLine("!EXE Version =       %s", {tab + ReadFileVersion(os_, program).text});
        AppendLogLine("!Cmdline Param(s) =  %s", {tab + parameters});
        AppendLogLine("!Actual CmdLine =  %s", {(tab + commandLine).substr(0, CommandLineLimit)});
        AppendLogLine("!_RunDir =           %s", {tab + env.RunDir});
        AppendLogLine("!_ModuleName =       %s", {tab + env.ModuleName});
        AppendLogLine("!_ModuleDir =        %s", {tab + env.ModuleDir});
        AppendLogLine("!_ModulePath =        %s", {tab + env.ModulePath});
        AppendLogLine("!Module Version =       %s",
                      {tab + ReadFileVersion(os_, env.ModulePath).text});
        AppendLogLine("-");
        AppendLogLine("!_hhInstalled =      %s", {tab + YesNo(env.hhInstalled)});
        AppendLogLine("!_hhVerStr =         %s", {tab + env.hhVerStr});
        AppendLogLine("!_hhFriendlyVerStr = %s", {tab + env.hhFriendlyVerStr});
        AppendLogLine("-");
        AppendLogLine("!_ieInstalled =      %s", {tab + YesNo(env.ieInstalled)});
        AppendLogLine("!_ieVerStr =         %s", {tab + env.ieVerStr});
        AppendLogLine("!_ieFriendlyVerStr = %s", {tab + env.ieFriendlyVerStr});
        AppendLogLine("=");
    } catch (...) {
    }
}

} // namespace zentolk::help

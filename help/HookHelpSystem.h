#pragma once

#include "help/HelpKit.h"
#include "ui/ProgramServices.h"

#include <cstdint>
#include <string>

namespace zentolk::help {

// Takes over the application's help requests and turns them into calls of
// the viewer library the help kit loaded.
class THookHelpSystem {
public:
    THookHelpSystem(HelpKit& kit, const std::string& helpFile, const std::string& windowTypeName);
    virtual ~THookHelpSystem();
    THookHelpSystem(const THookHelpSystem&) = delete;
    THookHelpSystem& operator=(const THookHelpSystem&) = delete;

    // The application's help handler while the hook is installed.
    bool HelpHook(std::uint16_t command, std::int32_t data, bool& callDefault);
    int HelpContextRequest(std::int32_t context);

    HelpKit& Kit;
    ProgramServices::HelpHandler SavedHelpHandler;
    std::string HelpFile;
    std::string WindowTypeName;
};

// "1 (HELP_CONTEXT)": the command number and its name, "??" when unknown.
std::string DescribeHelpCommand(std::uint16_t command);

// Result codes: 0 shown, 1 no viewer installed.
int HHHelpContext(HelpKit& kit, const std::string& helpFile, std::int32_t context,
                  const std::string& windowType);
int ShowContext(HelpKit& kit, const std::string& location, std::int32_t context);
void HHShowError(HelpKit& kit, int code);

// The location handed to the viewer: "%20" read as blanks, outer blanks
// removed, and an optional topic and window type.
std::string ComposeHelpLocation(const std::string& file, const std::string& topic,
                                const std::string& window);

} // namespace zentolk::help

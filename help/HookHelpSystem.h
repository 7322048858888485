#pragma once

#include "help/HelpKit.h"
#include "ui/ProgramServices.h"

#include <cstdint>
#include <string>

namespace zentolk::help {

// Viewer modes: the in-process viewer, or one of two external viewer programs.
inline constexpr std::uint8_t ViewerInProcess = 0;
inline constexpr std::uint8_t ViewerKeyHH = 1;
inline constexpr std::uint8_t ViewerHH = 2;

// Takes over the application's help requests and turns them into viewer calls
// through the help kit.
class THookHelpSystem {
public:
    THookHelpSystem(HelpKit& kit, const std::string& helpFile, const std::string& windowTypeName,
                    std::uint8_t viewerMode);
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
    std::uint8_t ViewerMode;
    std::int32_t PopupX = 0;
    std::int32_t PopupY = 0;
    void (*OnContextRequest)(std::int32_t context) = nullptr;
    void (*OnPopupRequest)(std::int32_t context, std::int32_t x, std::int32_t y) = nullptr;
    bool ChainPrevious = false;
};

// "1 (HELP_CONTEXT)": the command number and its name, "??" when unknown.
std::string DescribeHelpCommand(std::uint16_t command);

// Result codes: 0 shown, 1 no viewer installed, 2 and 3 an external viewer
// program missing.
int HHHelpContext(HelpKit& kit, const std::string& helpFile, std::int32_t context,
                  const std::string& windowType, std::uint8_t mode);
int ShowContext(HelpKit& kit, const std::string& location, std::int32_t context, std::uint8_t mode);
void HHShowError(HelpKit& kit, int code);

// The location handed to the viewer: "%20" read as blanks, outer blanks
// removed, an optional topic and window type, and a prefix (1 and 2 for the
// two storage schemes).
std::string ComposeHelpLocation(const std::string& file, const std::string& topic,
                                const std::string& window, std::uint8_t prefix);

// Starts a program; on failure shows and logs what went wrong.
bool StartProgramWithReport(HelpKit& kit, const std::string& file, const std::string& parameters);

// "[Error:n] text" for a classic error code, and for a failure reason of the
// operating system (an errno value, mapped to the nearest classic code).
std::string DescribeOsErrorCode(std::uint32_t code);
std::string DescribeOsError(int reason);

} // namespace zentolk::help

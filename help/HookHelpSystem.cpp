#include "help/HookHelpSystem.h"

#include "help/ControlFiles.h"
#include "help/KitMessage.h"
#include "viewer/hhctrl.h"

#include <QWidget>
#include <cerrno>

namespace zentolk::help {

namespace {
std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string cleaned(const std::string& text) {
    const std::string spaced = replaceAll(text, "%20", " ");
    const std::size_t first = spaced.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return spaced.substr(first, spaced.find_last_not_of(' ') - first + 1);
}
} // namespace

THookHelpSystem::THookHelpSystem(HelpKit& kit, const std::string& helpFile,
                                 const std::string& windowTypeName, std::uint8_t viewerMode)
    : Kit(kit), HelpFile(helpFile), WindowTypeName(windowTypeName), ViewerMode(viewerMode) {
    if (ProgramServices* app = CurrentProgram()) {
        SavedHelpHandler = app->OnHelp;
        app->OnHelp = [this](std::uint16_t command, std::int32_t data, bool& callDefault) {
            return HelpHook(command, data, callDefault);
        };
    }
    ChainPrevious = false;
    Kit.TraceLine("THookHelpSystem.Create(\"%s\",\"%s\", %d)",
                  {HelpFile, WindowTypeName, ViewerMode});
}

THookHelpSystem::~THookHelpSystem() {
    if (ViewerMode == ViewerInProcess)
        Kit.CloseAllHelpWindows();
    if (ProgramServices* app = CurrentProgram())
        app->OnHelp = SavedHelpHandler;
    Kit.TraceLine("THookHelpSystem.Destroy");
}

bool THookHelpSystem::HelpHook(std::uint16_t command, std::int32_t data, bool& callDefault) {
    bool result = true;
    Kit.TraceLine("THookHelpSystem.HelpHook(%s, %d)", {DescribeHelpCommand(command), data});
    if (ChainPrevious && SavedHelpHandler)
        result = SavedHelpHandler(command, data, callDefault);
    callDefault = false;
    switch (command) {
    case 1: // HELP_CONTEXT
        if (OnContextRequest != nullptr)
            OnContextRequest(data);
        else
            HelpContextRequest(data);
        break;
    case 8: // HELP_CONTEXTPOPUP: the same topic, in the normal viewer
        if (OnPopupRequest != nullptr)
            OnPopupRequest(data, PopupX, PopupY);
        else
            HelpContextRequest(data);
        break;
    case 13: { // HELP_SETPOPUP_POS: x in the low, y in the high 16 bits, each signed
        const auto packed = static_cast<std::uint32_t>(data);
        PopupX = static_cast<std::int16_t>(packed & 0xFFFF);
        PopupY = static_cast<std::int16_t>(packed >> 16);
        break;
    }
    default:
        callDefault = true;
    }
    return result;
}

int THookHelpSystem::HelpContextRequest(std::int32_t context) {
    const int code = HHHelpContext(Kit, HelpFile, context, WindowTypeName, ViewerMode);
    HHShowError(Kit, code);
    return code;
}

std::string DescribeHelpCommand(std::uint16_t command) {
    const char* name = "??";
    switch (command) {
    case 1:
        name = "HELP_CONTEXT";
        break;
    case 2:
        name = "HELP_QUIT";
        break;
    case 3:
        name = "HELP_INDEX or HELP_CONTENTS";
        break;
    case 4:
        name = "HELP_HELPONHELP";
        break;
    case 5:
        name = "HELP_SETINDEX or HELP_SETCONTENTS";
        break;
    case 8:
        name = "HELP_CONTEXTPOPUP";
        break;
    case 9:
        name = "HELP_FORCEFILE";
        break;
    case 10:
        name = "HELP_CONTEXTMENU";
        break;
    case 11:
        name = "HELP_FINDER";
        break;
    case 12:
        name = "HELP_WM_HELP";
        break;
    case 13:
        name = "HELP_SETPOPUP_POS";
        break;
    case 257:
        name = "HELP_KEY";
        break;
    case 258:
        name = "HELP_COMMAND";
        break;
    case 261:
        name = "HELP_PARTIALKEY";
        break;
    case 513:
        name = "HELP_MULTIKEY";
        break;
    case 515:
        name = "HELP_SETWINPOS";
        break;
    default:
        break;
    }
    return std::to_string(command) + " (" + name + ")";
}

int HHHelpContext(HelpKit& kit, const std::string& helpFile, std::int32_t context,
                  const std::string& windowType, std::uint8_t mode) {
    kit.TraceLine("HHHelpContext(\"%s\", %d, \"%s\", %d)", {helpFile, context, windowType, mode});
    const std::string location =
        ComposeHelpLocation(helpFile, std::string(), windowType, mode == ViewerHH ? 1 : 0);
    return ShowContext(kit, location, context, mode);
}

std::string ComposeHelpLocation(const std::string& file, const std::string& topic,
                                const std::string& window, std::uint8_t prefix) {
    const std::string cleanFile = cleaned(file);
    std::string cleanTopic = cleaned(topic);
    const std::string cleanWindow = cleaned(window);
    std::string result = cleanFile;
    if (!cleanTopic.empty()) {
        cleanTopic = replaceAll(cleanTopic, "\\", "/");
        if (cleanTopic.front() != '/')
            cleanTopic = "/" + cleanTopic;
        result = cleanFile.empty() ? cleanTopic : cleanFile + "::" + cleanTopic;
    }
    if (!cleanWindow.empty())
        result += ">" + cleanWindow;
    if (prefix == 1)
        result = "mk:@MSITStore:" + result;
    else if (prefix == 2)
        result = "ms-its:" + result;
    return result;
}

int ShowContext(HelpKit& kit, const std::string& location, std::int32_t context,
                std::uint8_t mode) {
    kit.TraceLine("ShowContext(\"%s\", %d)", {location, mode});
    int code = 0;
    if (!kit.Environment().hhInstalled) {
        code = 1;
    } else if (mode == ViewerInProcess) {
        const ViewerLibraryState& library = kit.ViewerLibrary();
        // Without a resolved entry there is nothing to call.
        void* window = library.HtmlHelp == nullptr
                           ? nullptr
                           : library.HtmlHelp(nullptr, location.c_str(), viewer::HH_HELP_CONTEXT,
                                             static_cast<std::uintptr_t>(context));
        if (auto* widget = static_cast<QWidget*>(window)) {
            widget->raise();
            widget->activateWindow();
        }
    } else if (mode == ViewerKeyHH || mode == ViewerHH) {
        const std::string exe =
            DataDirectory(kit.Os()) + (mode == ViewerKeyHH ? "/KeyHH.EXE" : "/HH.EXE");
        if (!kit.Os().FileExists(exe))
            code = mode == ViewerKeyHH ? 2 : 3;
        else
            StartProgramWithReport(kit, exe,
                                   (mode == ViewerKeyHH ? "-win -#mapid " : "-mapid ") +
                                       std::to_string(context) + " " + location);
    }
    kit.TraceLine("  returned - %d", {code});
    return code;
}

void HHShowError(HelpKit& kit, int code) {
    std::string message;
    switch (code) {
    case 0:
        return;
    case 1:
        message = "MS Html Help is not installed on this PC.";
        break;
    case 2:
        message = "System file KeyHH.EXE was not found in the Windows folder.";
        break;
    case 3:
        message = "System file HH.EXE was not found in the Windows folder.";
        break;
    default:
        message = "Unknown error returned by HHHelpContext";
        break;
    }
    ShowKitMessage(kit.Os(), message, kMbOk | kMbIconExclamation);
    kit.TraceLine("HHShowError(%d), \"%s\"", {code, message});
}

bool StartProgramWithReport(HelpKit& kit, const std::string& file, const std::string& parameters) {
    const int reason = kit.Os().StartProgram(file, parameters);
    if (reason != 0)
        kit.TraceAndShow("Function ShellExecute(%s)\rReturned: %s",
                         {file + ", " + parameters, DescribeOsError(reason)});
    return reason == 0;
}

std::string DescribeOsErrorCode(std::uint32_t code) {
    const char* text = "General Failure";
    switch (code) {
    case 2:
        text = "File Not Found";
        break;
    case 3:
        text = "Path Not Found";
        break;
    case 5:
        text = "Access Denied";
        break;
    case 8:
        text = "Insufficient Memory";
        break;
    case 19:
        text = "Media Is Write Protected";
        break;
    case 21:
        text = "Device Not Ready";
        break;
    case 32:
    case 33:
        text = "File In Use";
        break;
    case 39:
    case 112:
        text = "Disk Full";
        break;
    case 276:
    case 1005:
    case 1392:
    case 1393:
        text = "Corrupt File Or Disk";
        break;
    case 1009:
    case 1358:
        text = "Corrupt Registry";
        break;
    case 1150:
        text = "Windows Version Incorrect";
        break;
    case 1151:
        text = "Not A Windows Or MSDos Program";
        break;
    default:
        break;
    }
    return "[Error:" + std::to_string(code) + "] " + text;
}

std::string DescribeOsError(int reason) {
    std::uint32_t code = 0;
    switch (reason) {
    case ENOENT:
        code = 2;
        break;
    case ENOTDIR:
        code = 3;
        break;
    case EACCES:
    case EPERM:
        code = 5;
        break;
    case ENOMEM:
        code = 8;
        break;
    case EROFS:
        code = 19;
        break;
    case EBUSY:
    case ETXTBSY:
        code = 32;
        break;
    case ENOSPC:
        code = 112;
        break;
    default:
        // No classic counterpart: the number stays, and says nothing more.
        return "[Error:" + std::to_string(reason) + "] General Failure";
    }
    return DescribeOsErrorCode(code);
}

} // namespace zentolk::help

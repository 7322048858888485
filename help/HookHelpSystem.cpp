#include "help/HookHelpSystem.h"

#include "help/KitMessage.h"
#include "viewer/hhctrl.h"

#include <QWidget>

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
                                 const std::string& windowTypeName)
    : Kit(kit), HelpFile(helpFile), WindowTypeName(windowTypeName) {
    if (ProgramServices* app = CurrentProgram()) {
        SavedHelpHandler = app->OnHelp;
        app->OnHelp = [this](std::uint16_t command, std::int32_t data, bool& callDefault) {
            return HelpHook(command, data, callDefault);
        };
    }
    // The log's last field is the viewer mode; the in-process viewer is 0.
    Kit.TraceLine("THookHelpSystem.Create(\"%s\",\"%s\", 0)", {HelpFile, WindowTypeName});
}

THookHelpSystem::~THookHelpSystem() {
    Kit.CloseAllHelpWindows();
    if (ProgramServices* app = CurrentProgram())
        app->OnHelp = SavedHelpHandler;
    Kit.TraceLine("THookHelpSystem.Destroy");
}

bool THookHelpSystem::HelpHook(std::uint16_t command, std::int32_t data, bool& callDefault) {
    Kit.TraceLine("THookHelpSystem.HelpHook(%s, %d)", {DescribeHelpCommand(command), data});
    callDefault = false;
    switch (command) {
    case 1: // HELP_CONTEXT
    case 8: // HELP_CONTEXTPOPUP: the same topic, in the normal viewer
        HelpContextRequest(data);
        break;
    case 13: // HELP_SETPOPUP_POS: taken, but the viewer has no pop-ups to place
        break;
    default:
        callDefault = true;
    }
    return true;
}

int THookHelpSystem::HelpContextRequest(std::int32_t context) {
    const int code = HHHelpContext(Kit, HelpFile, context, WindowTypeName);
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
                  const std::string& windowType) {
    kit.TraceLine("HHHelpContext(\"%s\", %d, \"%s\", 0)", {helpFile, context, windowType});
    return ShowContext(kit, ComposeHelpLocation(helpFile, std::string(), windowType), context);
}

std::string ComposeHelpLocation(const std::string& file, const std::string& topic,
                                const std::string& window) {
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
    return result;
}

int ShowContext(HelpKit& kit, const std::string& location, std::int32_t context) {
    kit.TraceLine("ShowContext(\"%s\", 0)", {location});
    int code = 0;
    if (!kit.Environment().hhInstalled) {
        code = 1;
    } else {
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
    default:
        message = "Unknown error returned by HHHelpContext";
        break;
    }
    ShowKitMessage(kit.Os(), message, MbOk | MbIconExclamation);
    kit.TraceLine("HHShowError(%d), \"%s\"", {code, message});
}

} // namespace zentolk::help

#include "help/HelpKit.h"

#include "help/ControlFiles.h"
#include "help/LogPlace.h"
#include "help/PathText.h"
#include "viewer/hhctrl.h"

#include <thread>

namespace zentolk::help {

HelpKit::HelpKit(platform::Os& os) noexcept : os_(os) {
    try {
        LoadViewerLibrary();
        DetectModuleValues(os_, environment_);
        logDirectory_ = ChooseLogDirectory(os_, environment_.ModuleDir);
        debugSwitch_ = ReadDebugSwitch(os_, environment_);
        DetectVersionValues(os_, environment_);
        log_ = std::make_unique<TDLogFile>(os_, logDirectory_ + PathSeparator + LogFileName,
                                           debugSwitch_, true, true, false, environment_);
    } catch (...) {
        // Out of memory at start-up: the kit runs without its log.
    }
}

HelpKit::~HelpKit() {
    log_.reset();
    UnloadViewerLibrary();
}

void HelpKit::LoadViewerLibrary() {
    if (viewer_.handle != nullptr)
        return;
    viewer_.handle = os_.LoadLibrary(ViewerControlFile);
    if (viewer_.handle == nullptr) {
        const std::string path = ResolveViewerControlPath(os_);
        if (!path.empty() && os_.FileExists(path))
            viewer_.handle = os_.LoadLibrary(path);
    }
    if (viewer_.handle == nullptr)
        return;
    const auto resolve = [this](const char* name) { return os_.FindSymbol(viewer_.handle, name); };
    viewer_.HtmlHelpA = reinterpret_cast<HtmlHelpAFunction>(resolve("HtmlHelpA"));
    viewer_.HtmlHelpW = reinterpret_cast<HtmlHelpWFunction>(resolve("HtmlHelpW"));
    viewer_.HtmlHelp = reinterpret_cast<HtmlHelpAFunction>(resolve("HtmlHelpA"));
}

void HelpKit::UnloadViewerLibrary() {
    if (viewer_.handle == nullptr)
        return;
    os_.FreeLibrary(viewer_.handle);
    viewer_ = ViewerLibraryState{};
}

void HelpKit::CloseAllHelpWindows() {
    if (viewer_.handle == nullptr)
        return;
    if (viewer_.HtmlHelp != nullptr)
        viewer_.HtmlHelp(nullptr, nullptr, viewer::HH_CLOSE_ALL, 0);
    std::this_thread::yield();
}

void HelpKit::TraceLine(const std::string& format) noexcept {
    if (log_)
        log_->LogIfEnabled(format);
}

void HelpKit::TraceLine(const std::string& format, const FormatArgs& args) noexcept {
    if (log_)
        log_->LogIfEnabled(format, args);
}

void HelpKit::TraceAndShow(const std::string& format) noexcept {
    if (log_)
        log_->ShowAndLog(format);
}

void HelpKit::TraceAndShow(const std::string& format, const FormatArgs& args) noexcept {
    if (log_)
        log_->ShowAndLog(format, args);
}

} // namespace zentolk::help

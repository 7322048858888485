#include "help/hh.h"

#include "help/ControlFiles.h"
#include "platform/System.h"

#include <thread>

namespace zentolk::help {

namespace {
ViewerLibraryState viewer;

template <class Entry> Entry resolve(const char* name) {
    return reinterpret_cast<Entry>(platform::CurrentSystem().FindSymbol(viewer.handle, name));
}
} // namespace

const ViewerLibraryState& ViewerLibrary() {
    return viewer;
}

void LoadViewerLibrary() {
    if (viewer.handle != nullptr)
        return;
    platform::System& system = platform::CurrentSystem();
    viewer.handle = system.LoadLibrary(kViewerControlFile);
    if (viewer.handle == nullptr) {
        const std::string path = ResolveViewerControlPath();
        if (!path.empty() && system.FileExists(path))
            viewer.handle = system.LoadLibrary(path);
    }
    if (viewer.handle == nullptr)
        return;
    viewer.HtmlHelpA = resolve<HtmlHelpEntry>("HtmlHelpA");
    viewer.HtmlHelpW = resolve<HtmlHelpWideEntry>("HtmlHelpW");
    viewer.HtmlHelp = resolve<HtmlHelpEntry>("HtmlHelpA");
}

void UnloadViewerLibrary() {
    if (viewer.handle == nullptr)
        return;
    platform::CurrentSystem().FreeLibrary(viewer.handle);
    viewer.HtmlHelpA = nullptr;
    viewer.HtmlHelpW = nullptr;
    viewer.HtmlHelp = nullptr;
    viewer.handle = nullptr;
}

void CloseAllHelpWindows() {
    if (viewer.handle == nullptr)
        return;
    if (viewer.HtmlHelp != nullptr)
        viewer.HtmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
    std::this_thread::yield();
}

} // namespace zentolk::help

#include "viewer/Viewer.h"

#include "ui/SideWindow.h"
#include "viewer/HelpWindow.h"
#include "viewer/Location.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <map>
#include <optional>

namespace zentolk::viewer {

namespace {
struct State {
    // One window per help file, by the file's full path.
    std::map<QString, QPointer<HelpWindow>> windows;
    std::optional<QStringList> dataFolders;
    QPointer<QCoreApplication> hookedApplication;
};

State& Viewer() {
    static State state;
    return state;
}

void CloseAllWindows() {
    // Deleted at once: after the program's event loop has ended, nothing
    // would carry out a later deletion.
    for (auto& [key, window] : Viewer().windows)
        delete window.data();
    Viewer().windows.clear();
}

// The help windows go with the program even if it never asks to close them.
void CloseWithApplication() {
    State& state = Viewer();
    QCoreApplication* app = QCoreApplication::instance();
    if (state.hookedApplication == app)
        return;
    state.hookedApplication = app;
    QObject::connect(app, &QCoreApplication::aboutToQuit, app, &CloseAllWindows);
}

QString KeyFor(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

// The program's window the help was asked from: the active one, else the
// largest one shown. Help windows do not count.
QWidget* AskingWindow() {
    QWidget* active = QApplication::activeWindow();
    if (active != nullptr && qobject_cast<HelpWindow*>(active) == nullptr)
        return active;
    QWidget* largest = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible() || top->isMinimized() || qobject_cast<HelpWindow*>(top) != nullptr ||
            top->windowType() != Qt::Window)
            continue;
        const QSize size = top->frameGeometry().size();
        if (largest == nullptr ||
            size.width() * size.height() > largest->width() * largest->height())
            largest = top;
    }
    return largest;
}

// A new help window goes beside the window it was asked from, never over
// it where the screen can avoid it, and wholly on the screen.
void PlaceNewWindow(HelpWindow* window) {
    PlaceBesideWindow(window, window->size(), AskingWindow(), QSize(420, 360));
}

HelpWindow* WindowFor(const QString& file) {
    const QString found = FindHelpFile(file, CurrentDataFolders());
    const QString key = KeyFor(found.isEmpty() ? file : found);
    QPointer<HelpWindow>& window = Viewer().windows[key];
    if (window.isNull()) {
        window = new HelpWindow(found, QFileInfo(file).fileName());
        PlaceNewWindow(window.data());
        CloseWithApplication();
    }
    return window.data();
}

void Present(QWidget* window) {
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}
} // namespace

QWidget* HtmlHelp(const QString& location, std::uint32_t command, std::uintptr_t data) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr ||
        QThread::currentThread() != QCoreApplication::instance()->thread())
        return nullptr;
    if (command == CloseAll) {
        CloseAllWindows();
        return nullptr;
    }
    if (command != DisplayTopic && command != HelpContext)
        return nullptr;

    // A path that names a file is taken whole, whatever characters it holds.
    const HelpLocation where =
        QFileInfo(location).isFile() ? HelpLocation{location, {}} : ParseLocation(location);
    if (where.file.isEmpty())
        return nullptr;
    HelpWindow* window = WindowFor(where.file);
    if (command == HelpContext)
        window->ShowContext(static_cast<std::uint32_t>(data));
    else if (!where.topic.isEmpty())
        window->ShowTopic(where.topic);
    else
        window->ShowDefaultTopic();
    Present(window);
    return window;
}

std::vector<HelpWindow*> OpenWindows() {
    std::vector<HelpWindow*> open;
    for (const auto& [key, window] : Viewer().windows)
        if (!window.isNull())
            open.push_back(window.data());
    return open;
}

void SetDataFolders(const QStringList& folders) {
    Viewer().dataFolders = folders;
}

QStringList CurrentDataFolders() {
    if (!Viewer().dataFolders)
        Viewer().dataFolders = DataFolders(OwnLibraryPath());
    return *Viewer().dataFolders;
}

} // namespace zentolk::viewer

#pragma once

#include "viewer/hhctrl.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

class QWidget;

namespace zentolk::viewer {

class HelpWindow;

// The commands the viewer answers; any other is ignored.
enum Command : std::uint32_t {
    DisplayTopic = HH_DISPLAY_TOPIC, // the file's default topic, or the page after "::"
    HelpContext = HH_HELP_CONTEXT,   // the topic the file maps `data` to, else the default topic
    CloseAll = HH_CLOSE_ALL,         // every help window opened in this process
};

// Carries out one request on the user-interface thread of a running
// application and returns the help window, or null (always for CloseAll, for
// unknown commands and when there is no application to show a window in).
QWidget* HtmlHelp(const QString& location, std::uint32_t command, std::uintptr_t data);

// The help windows open now.
std::vector<HelpWindow*> OpenWindows();

// Where a help file that is not where the caller says is looked for; by
// default the program's data folder worked out from this library's place.
void SetDataFolders(const QStringList& folders);
QStringList CurrentDataFolders();

} // namespace zentolk::viewer

#pragma once

#include <QString>
#include <QStringList>

namespace zentolk::viewer {

// What a caller may ask for: a help file, optionally followed by "::" and a
// page inside it and by ">" and a window type name, which this viewer does
// not use. The store prefixes some callers put in front are dropped.
struct HelpLocation {
    QString file;
    QString topic; // "/page.htm", or empty for the default topic

    bool operator==(const HelpLocation&) const = default;
};

HelpLocation ParseLocation(const QString& location);

// Where the program's data lies for a viewer library at `libraryPath`:
// "<prefix>/share/zentolk" for "<prefix>/lib/zentolk/libhhctrl.so", then the
// library's own folder, where a build keeps the help file beside it.
QStringList DataFolders(const QString& libraryPath);

// The file of the library (or program) this code is part of.
QString OwnLibraryPath();

// `file` when it exists, else a file of the same name in the first folder
// that has one; for a help file in a language ("Zentolk.es.chm") found
// nowhere, the untranslated one ("Zentolk.chm") found the same way; else empty.
QString FindHelpFile(const QString& file, const QStringList& folders);

} // namespace zentolk::viewer

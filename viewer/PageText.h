#pragma once

#include <QByteArray>
#include <QString>

namespace zentolk::viewer {

// What a help page says: its title and the text of its body with the tags,
// scripts, styles and comments taken out, entities decoded and runs of blank
// space made one blank.
struct PageText {
    QString title;
    QString text;
};

// Pages longer than this are read only this far.
inline constexpr qsizetype LongestPage = 4 * 1024 * 1024;

// In time proportional to the page's length, whatever it holds.
PageText ExtractPageText(const QByteArray& html);

} // namespace zentolk::viewer

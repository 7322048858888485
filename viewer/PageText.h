#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

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
PageText ExtractPageText(QStringView html);

// The end of the tag whose "<" is just before `at`: the first ">" outside a
// quoted value, or the end of the text.
qsizetype HtmlTagEnd(QStringView text, qsizetype at);
// The name of the tag that starts at `at` (after its "<"), in lower case,
// with its "/" when it closes.
QString HtmlTagName(QStringView text, qsizetype at);

} // namespace zentolk::viewer

#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <vector>

namespace zentolk::viewer {

// One entry of a help file's table of contents (or index): its text, the
// page it opens ("page.htm", may be empty for a heading) and how deep it
// lies, 0 for the top level.
struct SitemapEntry {
    QString name;
    QString local;
    int depth = 0;

    bool operator==(const SitemapEntry&) const = default;
};

// What is read of a contents or index file: its first bytes, its first
// entries, and entries nested deeper hang at the deepest level.
inline constexpr qsizetype LargestSitemap = 8 * 1024 * 1024;
inline constexpr std::size_t MostEntries = 50000;
inline constexpr int DeepestEntry = 31;

// Reads the nested lists of sitemap objects that contents and index files
// are made of, in time proportional to their length. Tolerant: unknown tags
// are skipped and unclosed lists end with the text.
std::vector<SitemapEntry> ParseSitemap(const QByteArray& bytes);

// A tag as a tolerant parser reads it.
struct HtmlTag {
    QString name;                       // lower case, "/ul" for a closing tag
    QHash<QString, QString> attributes; // names in lower case, values with entities decoded
};

// Reads the tag that starts at `at` (just after "<") and moves `at` past it.
HtmlTag ReadHtmlTag(const QString& text, qsizetype& at);

// "&amp;", "&#65;", "&#x41;" and the few named entities help files use, as
// characters; anything else stays as written.
QString DecodeEntities(const QString& text);

} // namespace zentolk::viewer

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <utility>
#include <vector>

namespace zentolk::viewer {

class ChmFile;

// Full-text search over a help file's pages. The pages are read and their
// text kept the first time the search is asked for anything; a crafted file
// costs at most MostSearchPages pages and MostSearchText characters.
class PageSearch {
public:
    struct Hit {
        QString title;
        QString topic; // "/page.htm"
        bool operator==(const Hit&) const = default;
    };

    explicit PageSearch(const ChmFile* file) : file_(file) {}

    // The pages whose title or text hold every word of `query`, in any letter
    // case and with or without accents, by title. An empty query finds nothing.
    std::vector<Hit> Find(const QString& query);

    // The words of `query` as they are compared.
    static QStringList Words(const QString& query);

    // `text` as words are compared: case-folded, with accents and other marks
    // left out, so that "calendarica" finds "calendárica" as readers type it.
    // Each character of the result came from the one of `text` that `from`
    // gives, when asked.
    static QString Fold(QStringView text, QList<qsizetype>* from = nullptr);
    // Where `word` (folded) first stands in `text`, as a start and an end in
    // `text`, or {-1, -1}.
    static std::pair<qsizetype, qsizetype> Locate(QStringView text, const QString& word);

private:
    struct Page {
        QString title;
        QString topic;
        QString folded; // title and text, folded
    };
    void Load();

    const ChmFile* file_;
    bool loaded_ = false;
    std::vector<Page> pages_;
};

inline constexpr int MostSearchPages = 2000;
inline constexpr qsizetype MostSearchText = 16 * 1024 * 1024;
inline constexpr qsizetype LongestSearchTitle = 200;

} // namespace zentolk::viewer

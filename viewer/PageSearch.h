#pragma once

#include <QString>
#include <QStringList>
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
    // case, by title. An empty query finds nothing.
    std::vector<Hit> Find(const QString& query);

    // The words of `query` as they are compared.
    static QStringList Words(const QString& query);

private:
    struct Page {
        QString title;
        QString topic;
        QString folded; // title and text, case-folded
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

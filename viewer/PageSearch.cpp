#include "viewer/PageSearch.h"

#include "viewer/ChmFile.h"
#include "viewer/PageText.h"

#include <algorithm>

namespace zentolk::viewer {

QStringList PageSearch::Words(const QString& query) {
    return query.simplified().toCaseFolded().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

void PageSearch::Load() {
    loaded_ = true;
    if (file_ == nullptr)
        return;
    qsizetype total = 0;
    for (const QString& topic : file_->Pages()) {
        if (pages_.size() >= std::size_t(MostSearchPages) || total >= MostSearchText ||
            file_->Failed())
            break;
        const std::optional<QByteArray> bytes = file_->ReadStart(topic, LongestPage);
        if (!bytes)
            continue;
        PageText page = ExtractPageText(*bytes);
        if (page.title.isEmpty())
            page.title = topic.mid(topic.lastIndexOf(QLatin1Char('/')) + 1);
        // A title is shown in a list: a crafted one must not cost its layout.
        if (page.title.size() > LongestSearchTitle)
            page.title = page.title.left(LongestSearchTitle) + QChar(0x2026);
        QString folded = (page.title + QLatin1Char(' ') + page.text).toCaseFolded();
        folded.truncate(std::min(folded.size(), MostSearchText - total));
        total += folded.size();
        pages_.push_back({page.title, topic, std::move(folded)});
    }
}

std::vector<PageSearch::Hit> PageSearch::Find(const QString& query) {
    const QStringList words = Words(query);
    if (words.isEmpty())
        return {};
    if (!loaded_)
        Load();
    std::vector<Hit> hits;
    for (const Page& page : pages_) {
        if (std::all_of(words.begin(), words.end(),
                        [&](const QString& word) { return page.folded.contains(word); }))
            hits.push_back({page.title, page.topic});
    }
    std::sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
        const int order = a.title.compare(b.title, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.topic < b.topic;
    });
    return hits;
}

} // namespace zentolk::viewer

#include "viewer/PageSearch.h"

#include "viewer/ChmFile.h"
#include "viewer/PageText.h"

#include <algorithm>

namespace zentolk::viewer {

QStringList PageSearch::Words(const QString& query) {
    return Fold(query.simplified()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

namespace {

// Appends `c` case-folded, with its accents and other marks left out.
void AppendFolded(char32_t c, QString& out) {
    if (QChar::decompositionTag(c) == QChar::Canonical) {
        for (const char32_t part : QChar::decomposition(c).toUcs4())
            AppendFolded(part, out);
        return;
    }
    if (QChar::category(c) == QChar::Mark_NonSpacing)
        return;
    const char32_t folded = QChar::toCaseFolded(c);
    out += QString::fromUcs4(&folded, 1);
}

} // namespace

// A character at a time: folding a whole text at once decomposes it in place,
// in time that grows with the square of its length.
QString PageSearch::Fold(QStringView text, QList<qsizetype>* from) {
    QString out;
    out.reserve(text.size());
    if (from != nullptr)
        from->reserve(from->size() + text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        const qsizetype before = out.size();
        const QChar c = text[at];
        const bool pair =
            c.isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
        if (c.unicode() < 0x80)
            out += c.toLower();
        else
            AppendFolded(pair ? QChar::surrogateToUcs4(c, text[at + 1]) : c.unicode(), out);
        if (from != nullptr)
            from->insert(from->size(), out.size() - before, at);
        at += pair ? 1 : 0;
    }
    return out;
}

std::pair<qsizetype, qsizetype> PageSearch::Locate(QStringView text, const QString& word) {
    QList<qsizetype> from;
    const QString folded = Fold(text, &from);
    const qsizetype found = word.isEmpty() ? -1 : folded.indexOf(word);
    if (found < 0)
        return {-1, -1};
    const qsizetype last = from[found + word.size() - 1];
    return {from[found], last + (text[last].isHighSurrogate() ? 2 : 1)};
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
        QString folded = Fold(page.title + QLatin1Char(' ') + page.text);
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

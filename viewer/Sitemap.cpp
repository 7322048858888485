#include "viewer/Sitemap.h"

#include "viewer/ChmFile.h"

#include <QHash>
#include <QStringView>
#include <algorithm>

namespace zentolk::viewer {

namespace {
constexpr qsizetype LongestEntity = 9; // "#x10FFFF" and the names below fit
} // namespace

QString DecodeEntities(const QString& text) {
    static const QHash<QString, QChar> NamedEntities = {
        {QStringLiteral("amp"), u'&'},   {QStringLiteral("lt"), u'<'},
        {QStringLiteral("gt"), u'>'},    {QStringLiteral("quot"), u'"'},
        {QStringLiteral("apos"), u'\''}, {QStringLiteral("nbsp"), QChar(0xA0)}};
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // Only the few characters an entity can span are searched, so a long
        // text without ';' is read once, not once per character.
        const qsizetype semi =
            text[i] == u'&' ? QStringView(text).mid(i, LongestEntity + 2).indexOf(u';') : -1;
        if (semi < 0) {
            out += text[i];
            continue;
        }
        const QString entity = text.mid(i + 1, semi - 1);
        bool ok = false;
        char32_t code = 0;
        if (entity.startsWith(QLatin1String("#x"), Qt::CaseInsensitive))
            code = entity.mid(2).toUInt(&ok, 16);
        else if (entity.startsWith(QLatin1Char('#')))
            code = entity.mid(1).toUInt(&ok, 10);
        if (ok && code > 0 && code <= 0x10FFFF) {
            out += QString::fromUcs4(&code, 1);
            i += semi;
        } else if (const auto found = NamedEntities.constFind(entity.toLower());
                   found != NamedEntities.cend()) {
            out += *found;
            i += semi;
        } else {
            out += text[i];
        }
    }
    return out;
}

HtmlTag ReadHtmlTag(const QString& text, qsizetype& at) {
    HtmlTag tag;
    const qsizetype size = text.size();
    auto skipSpace = [&] {
        while (at < size && text[at].isSpace())
            ++at;
    };
    auto readName = [&] {
        const qsizetype start = at;
        while (at < size && !text[at].isSpace() && text[at] != u'>' && text[at] != u'=' &&
               !(text[at] == u'/' && at > start))
            ++at;
        return text.mid(start, at - start).toLower();
    };
    tag.name = readName();
    for (;;) {
        skipSpace();
        if (at >= size)
            return tag;
        if (text[at] == u'>') {
            ++at;
            return tag;
        }
        if (text[at] == u'/') {
            ++at;
            continue;
        }
        const QString name = readName();
        if (name.isEmpty()) {
            ++at;
            continue;
        }
        skipSpace();
        QString value;
        if (at < size && text[at] == u'=') {
            ++at;
            skipSpace();
            if (at < size && (text[at] == u'"' || text[at] == u'\'')) {
                const QChar quote = text[at++];
                qsizetype close = text.indexOf(quote, at);
                if (close < 0)
                    close = size;
                value = text.mid(at, close - at);
                at = close + 1;
            } else {
                const qsizetype start = at;
                while (at < size && !text[at].isSpace() && text[at] != u'>')
                    ++at;
                value = text.mid(start, at - start);
            }
        }
        tag.attributes.insert(name, DecodeEntities(value));
    }
}

std::vector<SitemapEntry> ParseSitemap(const QByteArray& bytes) {
    const QString text = DecodeHtml(bytes.left(LargestSitemap));
    std::vector<SitemapEntry> entries;
    int depth = 0;
    bool inObject = false;
    SitemapEntry entry;
    qsizetype at = 0;
    while ((at = text.indexOf(QLatin1Char('<'), at)) >= 0) {
        ++at;
        if (text.mid(at, 3) == QLatin1String("!--")) {
            const qsizetype close = text.indexOf(QLatin1String("-->"), at + 3);
            if (close < 0)
                break;
            at = close + 3;
            continue;
        }
        const HtmlTag tag = ReadHtmlTag(text, at);
        if (tag.name == QLatin1String("ul")) {
            ++depth;
        } else if (tag.name == QLatin1String("/ul")) {
            depth = std::max(0, depth - 1);
        } else if (tag.name == QLatin1String("object")) {
            inObject = tag.attributes.value(QStringLiteral("type"))
                           .compare(QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0;
            entry = SitemapEntry{{}, {}, std::clamp(depth - 1, 0, DeepestEntry)};
        } else if (tag.name == QLatin1String("param") && inObject) {
            const QString name = tag.attributes.value(QStringLiteral("name")).toLower();
            const QString value = tag.attributes.value(QStringLiteral("value")).trimmed();
            // An index entry can list several pages; the first one is kept.
            if (name == QLatin1String("name") && entry.name.isEmpty())
                entry.name = value;
            else if (name == QLatin1String("local") && entry.local.isEmpty())
                entry.local = value;
        } else if (tag.name == QLatin1String("/object") && inObject) {
            inObject = false;
            if (!entry.name.isEmpty())
                entries.push_back(entry);
            if (entries.size() >= MostEntries)
                break;
        }
    }
    return entries;
}

} // namespace zentolk::viewer

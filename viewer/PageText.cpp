#include "viewer/PageText.h"

#include "viewer/ChmFile.h"
#include "viewer/Sitemap.h"

#include <QStringView>

namespace zentolk::viewer {

qsizetype HtmlTagEnd(QStringView text, qsizetype at) {
    QChar quote;
    for (; at < text.size(); ++at) {
        const QChar c = text[at];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            // Only a quote that opens a value counts; "don't" in a stray tag does not.
            if (at > 0 && text[at - 1] == u'=')
                quote = c;
        } else if (c == u'>') {
            return at;
        }
    }
    return text.size();
}

QString HtmlTagName(QStringView text, qsizetype at) {
    const qsizetype start = at;
    if (at < text.size() && text[at] == u'/')
        ++at;
    while (at < text.size() && (text[at].isLetterOrNumber()))
        ++at;
    return text.mid(start, at - start).toString().toLower();
}

PageText ExtractPageText(const QByteArray& html) {
    return ExtractPageText(DecodeHtml(html.left(LongestPage)));
}

PageText ExtractPageText(QStringView text) {
    QString body;
    QString title;
    body.reserve(text.size());
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype open = text.indexOf(u'<', at);
        if (open < 0) {
            body += text.mid(at);
            break;
        }
        body += text.mid(at, open - at);
        if (text.mid(open + 1, 3) == u"!--") {
            const qsizetype close = text.indexOf(u"-->", open + 4);
            at = close < 0 ? text.size() : close + 3;
            continue;
        }
        const QString name = HtmlTagName(text, open + 1);
        const qsizetype end = HtmlTagEnd(text, open + 1);
        at = end + 1;
        if (name == u"script" || name == u"style" || name == u"title") {
            // Their content runs to the closing tag, whatever it looks like.
            const QString closing = QStringLiteral("</") + name;
            const qsizetype close = text.indexOf(closing, at, Qt::CaseInsensitive);
            const qsizetype stop = close < 0 ? text.size() : close;
            if (name == u"title" && title.isEmpty())
                title = text.mid(at, stop - at).toString();
            at = close < 0 ? text.size() : HtmlTagEnd(text, close + 1) + 1;
            continue;
        }
        // Every tag parts words: "a<br>b" is two words, as the page shows them.
        body += u' ';
    }
    return {DecodeEntities(title).simplified(), DecodeEntities(body).simplified()};
}

} // namespace zentolk::viewer

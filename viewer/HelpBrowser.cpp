#include "viewer/HelpBrowser.h"

#include "viewer/ChmFile.h"
#include "viewer/PageAccessible.h"
#include "viewer/PageLayout.h"

#include <QTextDocument>

namespace zentolk::viewer {

QUrl TopicUrl(const QString& topic) {
    const QString path = NormalizeTopic(topic);
    const qsizetype hash = path.indexOf(QLatin1Char('#'));
    QUrl url;
    url.setScheme(QStringLiteral("chm"));
    url.setPath(hash < 0 ? path : path.left(hash));
    if (hash >= 0)
        url.setFragment(path.mid(hash + 1));
    return url;
}

QString NoticePage(const QString& heading, const QString& text) {
    return QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>"
                          "<h2>%1</h2><p>%2</p></body></html>")
        .arg(heading.toHtmlEscaped(), text.toHtmlEscaped());
}

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    // Links are followed by the window, which sends web addresses to the desktop.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    InstallPageAccessibility();
}

bool HelpBrowser::focusNextPrevChild(bool next) {
    return QTextEdit::focusNextPrevChild(next);
}

void HelpBrowser::SetFile(const ChmFile* file, const QString& displayName) {
    file_ = file;
    displayName_ = displayName;
}

QUrl HelpBrowser::Base() const {
    const QUrl shown = source();
    return shown.isValid() && !shown.isEmpty() ? shown : TopicUrl(QStringLiteral("/"));
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = name.isRelative() ? Base().resolved(name) : name;
    if (url.scheme().compare(QLatin1String("chm"), Qt::CaseInsensitive) != 0 || file_ == nullptr)
        return {};
    const QString path = url.path();
    const bool page = type == QTextDocument::HtmlResource;
    bool missing = false;
    const std::optional<QByteArray> bytes = file_->Read(path, &missing);
    if (!bytes) {
        if (!page)
            return {};
        if (missing)
            return NoticePage(tr("Page not found"),
                              tr("The page \"%1\" is not in the help file \"%2\".")
                                  .arg(path.mid(1), displayName_));
        return NoticePage(tr("Help cannot be shown"),
                          tr("The help file \"%1\" cannot be read. It may be damaged or "
                             "incomplete.")
                              .arg(displayName_));
    }
    if (page && bytes->size() > LargestShownPage)
        return NoticePage(tr("Page cannot be shown"),
                          tr("The page \"%1\" of the help file \"%2\" is larger than %3 MiB, "
                             "too large to be shown.")
                              .arg(path.mid(1), displayName_)
                              .arg(LargestShownPage / (1024 * 1024)));
    if (page)
        return BoundedForLayout(DecodeHtml(*bytes));
    if (type == QTextDocument::StyleSheetResource) {
        const QString sheet = bytes->size() > LargestShownPage ? QString() : DecodeHtml(*bytes);
        return sheet.isEmpty() || StyleRules(sheet) > MostStyleRules ? QVariant() : QVariant(sheet);
    }
    return *bytes;
}

} // namespace zentolk::viewer

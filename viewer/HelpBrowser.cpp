#include "viewer/HelpBrowser.h"

#include "viewer/ChmFile.h"
#include "viewer/PageAccessible.h"
#include "viewer/PageLayout.h"

#include <QBuffer>
#include <QImageReader>
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

QString HelpBrowser::PageToLayOut(const QString& html, const QUrl& url) {
    // The page's images are charged as its tags name them, once for each
    // address (the view decodes each once; the window holds the images of
    // one page at a time), so that those past the budget are their
    // alternative text.
    pixelsLeft_ = MostPagePixels;
    prepaid_.clear();
    return PageForLayout(html, [this, &url](const QString& source) {
        const QUrl image = url.resolved(QUrl(source));
        const QString key = image.toString();
        if (prepaid_.contains(key))
            return true;
        if (!Charge(image))
            return false;
        prepaid_.insert(key, 1);
        return true;
    });
}

void HelpBrowser::SetFile(const ChmFile* file, const QString& displayName) {
    file_ = file;
    displayName_ = displayName;
}

QUrl HelpBrowser::Base() const {
    const QUrl shown = source();
    return shown.isValid() && !shown.isEmpty() ? shown : TopicUrl(QStringLiteral("/"));
}

namespace {
bool InFile(const QUrl& url) {
    return url.scheme().compare(QLatin1String("chm"), Qt::CaseInsensitive) == 0;
}
} // namespace

bool HelpBrowser::Charge(const QUrl& url) {
    const std::optional<QByteArray> bytes = InFile(url) && file_ != nullptr
                                                ? file_->Read(url.path(), nullptr, LargestImage)
                                                : std::nullopt;
    if (!bytes)
        return true; // nothing to decode
    QBuffer buffer;
    buffer.setData(*bytes);
    QImageReader reader(&buffer);
    // The size, from the image's header; one that does not tell it is not decoded.
    const QSize size = reader.size();
    const qint64 pixels = size.isValid() ? qint64(size.width()) * size.height() : pixelsLeft_ + 1;
    if (pixels > pixelsLeft_)
        return false;
    pixelsLeft_ -= pixels;
    return true;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = name.isRelative() ? Base().resolved(name) : name;
    if (!InFile(url) || file_ == nullptr)
        return {};
    const QString path = url.path();
    const bool page = type == QTextDocument::HtmlResource;
    const bool image = type == QTextDocument::ImageResource;
    // Every image asked for is decoded: one the page's tags did not pay for
    // (style sheets name some, and the view may ask again) is charged now.
    if (image) {
        if (int& paid = prepaid_[url.toString()]; paid > 0)
            --paid;
        else if (!Charge(url))
            return {};
    }
    bool missing = false;
    const std::optional<QByteArray> bytes =
        page ? file_->ReadStart(path, LargestShownPage + 1, &missing)
             : file_->Read(path, &missing, image ? LargestImage : LargestShownPage);
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
        return PageToLayOut(DecodeHtml(*bytes), url);
    if (type == QTextDocument::StyleSheetResource) {
        const QString sheet = DecodeHtml(*bytes);
        return sheet.isEmpty() || StyleRules(sheet) > MostStyleRules ? QVariant() : QVariant(sheet);
    }
    return *bytes;
}

} // namespace zentolk::viewer

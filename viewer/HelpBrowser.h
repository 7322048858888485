#pragma once

#include <QHash>
#include <QTextBrowser>
#include <QUrl>

namespace zentolk::viewer {

class ChmFile;

// The page view of a help window. Pages, pictures and style sheets come out
// of the help file through "chm:" addresses ("chm:/dir/page.htm"); nothing
// else is loaded, neither from the disk nor from the network.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // The file stays owned by the window; null shows nothing from a file.
    void SetFile(const ChmFile* file, const QString& displayName);

    // What relative addresses are taken against: the page shown, or the top
    // of the help file before any page is.
    QUrl Base() const;

    QVariant loadResource(int type, const QUrl& name) override;

    // What is left of the page's pixel budget.
    qint64 PixelsLeft() const { return pixelsLeft_; }

protected:
    // Tab moves on to the next pane instead of from link to link.
    bool focusNextPrevChild(bool next) override;
    // The page at `url` as it is laid out here, bounded.
    QString PageToLayOut(const QString& html, const QUrl& url);

private:
    // Whether the image at `url` fits what is left of the page's budget;
    // one that does is charged to it.
    bool Charge(const QUrl& url);

    const ChmFile* file_ = nullptr;
    QString displayName_;
    qint64 pixelsLeft_ = 0;
    QHash<QString, int> prepaid_; // decodes charged ahead, by address
};

// The pixels the images of a page may decode to, together (at four bytes
// each); an image past the budget is shown as its alternative text. The
// window holds the images of the page it shows only.
inline constexpr qint64 MostPagePixels = 16 * 1024 * 1024;
// Larger image files are not read.
inline constexpr qsizetype LargestImage = 16 * 1024 * 1024;

// The "chm:" address of a page, "/dir/page.htm#part" or "dir\page.htm".
QUrl TopicUrl(const QString& topic);

// A short page that tells the reader something went wrong.
QString NoticePage(const QString& heading, const QString& text);

} // namespace zentolk::viewer

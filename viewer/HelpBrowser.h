#pragma once

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

protected:
    // Tab moves on to the next pane instead of from link to link.
    bool focusNextPrevChild(bool next) override;

private:
    const ChmFile* file_ = nullptr;
    QString displayName_;
};

// The "chm:" address of a page, "/dir/page.htm#part" or "dir\page.htm".
QUrl TopicUrl(const QString& topic);

// A short page that tells the reader something went wrong.
QString NoticePage(const QString& heading, const QString& text);

} // namespace zentolk::viewer

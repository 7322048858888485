#include "HelpWindow.h"

#include "ChmFile.h"
#include "HelpBrowser.h"
#include "Platform.h"
#include "Sitemap.h"

#include <QAction>
#include <QHeaderView>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <algorithm>
#include <vector>

namespace zentolk::viewer {

namespace {
constexpr int kAddressRole = Qt::UserRole;

// A contents entry names a page of the file, or now and then a web address.
QUrl EntryUrl(const QString& local) {
    const QUrl url(local);
    if (!url.isRelative() && url.scheme().size() > 1)
        return url;
    return TopicUrl(local);
}
} // namespace

HelpWindow::HelpWindow(const QString& path, const QString& displayName)
    : browser_(new HelpBrowser), contents_(new QTreeWidget) {
    // Closing a help window must never end the program, and an open one must
    // not keep the program running once its own window is gone.
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setObjectName(QStringLiteral("HelpWindow"));

    contents_->setHeaderHidden(true);
    contents_->setObjectName(QStringLiteral("Contents"));
    auto* splitter = new QSplitter;
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 630});
    setCentralWidget(splitter);

    QToolBar* bar = addToolBar(tr("Navigation"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"));
    forward_ = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"));
    home_ = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Home"));
    back_->setShortcut(QKeySequence::Back);
    forward_->setShortcut(QKeySequence::Forward);
    home_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    back_->setEnabled(false);
    forward_->setEnabled(false);

    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(home_, &QAction::triggered, this, &HelpWindow::ShowDefaultTopic);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::MarkContents);
    connect(browser_, qOverload<const QUrl&>(&QTextBrowser::highlighted), this,
            [this](const QUrl& link) { statusBar()->showMessage(link.toString()); });
    // A click, or Return on an entry, opens its page; both may come for one click.
    auto open = [this](QTreeWidgetItem* item) {
        const QUrl target = item->data(0, kAddressRole).toUrl();
        if (target.isValid() && target != browser_->source())
            FollowLink(target);
    };
    connect(contents_, &QTreeWidget::itemClicked, this, open);
    connect(contents_, &QTreeWidget::itemActivated, this, open);

    setWindowTitle(tr("%1 - Help").arg(displayName));
    resize(880, 640);

    if (path.isEmpty()) {
        ShowNotice(tr("Help cannot be shown"),
                   tr("The help file \"%1\" cannot be found.").arg(displayName));
        return;
    }
    file_ = ChmFile::Open(path);
    if (!file_) {
        ShowNotice(tr("Help cannot be shown"),
                   tr("The help file \"%1\" cannot be read. It may be damaged or incomplete.")
                       .arg(displayName));
        return;
    }
    browser_->SetFile(file_.get(), displayName);
    if (!file_->Title().isEmpty())
        setWindowTitle(file_->Title());
    FillContents();
}

HelpWindow::~HelpWindow() {
    // The page view reads from the file until it is gone.
    browser_->SetFile(nullptr, {});
}

void HelpWindow::ShowDefaultTopic() {
    if (!file_)
        return;
    QString topic = file_->DefaultTopic();
    for (QTreeWidgetItemIterator it(contents_); topic.isEmpty() && *it != nullptr; ++it) {
        const QUrl url = (*it)->data(0, kAddressRole).toUrl();
        if (url.scheme() == QLatin1String("chm"))
            topic = url.path();
    }
    if (topic.isEmpty()) {
        ShowNotice(tr("No start page"), tr("This help file names no page to start with."));
        return;
    }
    ShowTopic(topic);
}

void HelpWindow::ShowTopic(const QString& topic) {
    if (!file_)
        return;
    const QUrl url = TopicUrl(topic);
    if (url != browser_->source())
        browser_->setSource(url);
}

void HelpWindow::ShowContext(std::uint32_t context) {
    if (!file_)
        return;
    if (const std::optional<QString> topic = file_->TopicForContext(context))
        ShowTopic(*topic);
    else
        ShowDefaultTopic();
}

void HelpWindow::FollowLink(const QUrl& link) {
    const QUrl target = link.isRelative() ? browser_->Base().resolved(link) : link;
    const QString scheme = target.scheme().toLower();
    if (scheme == QLatin1String("chm")) {
        browser_->setSource(target);
        return;
    }
    platform::Platform& desktop = platform::Current();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto")) {
        desktop.OpenAddress(target.toString(QUrl::FullyEncoded).toStdString(),
                            [] { platform::Current().Beep(); });
        return;
    }
    // Local files, other help files and the like are not opened from a page.
    desktop.Beep();
}

void HelpWindow::FillContents() {
    const QString name = file_->ContentsFile();
    const std::optional<QByteArray> bytes = name.isEmpty() ? std::nullopt : file_->Read(name);
    if (!bytes) {
        contents_->hide();
        return;
    }
    std::vector<QTreeWidgetItem*> parents;
    for (const SitemapEntry& entry : ParseSitemap(*bytes)) {
        const std::size_t depth = std::min<std::size_t>(std::size_t(entry.depth), parents.size());
        parents.resize(depth);
        auto* item =
            parents.empty() ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(parents.back());
        item->setText(0, entry.name);
        item->setToolTip(0, entry.name);
        if (!entry.local.isEmpty())
            item->setData(0, kAddressRole, EntryUrl(entry.local));
        parents.push_back(item);
    }
    if (contents_->topLevelItemCount() == 0)
        contents_->hide();
    contents_->expandAll();
}

void HelpWindow::MarkContents(const QUrl& shown) {
    for (QTreeWidgetItemIterator it(contents_); *it != nullptr; ++it) {
        const QUrl url = (*it)->data(0, kAddressRole).toUrl();
        if (url.scheme() == shown.scheme() &&
            url.path().compare(shown.path(), Qt::CaseInsensitive) == 0) {
            contents_->setCurrentItem(*it);
            return;
        }
    }
    contents_->clearSelection();
}

void HelpWindow::ShowNotice(const QString& heading, const QString& text) {
    browser_->setHtml(NoticePage(heading, text));
}

} // namespace zentolk::viewer

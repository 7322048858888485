#include "viewer/HelpWindow.h"

#include "platform/Os.h"
#include "ui/Colours.h"
#include "ui/SideWindow.h"
#include "viewer/ChmFile.h"
#include "viewer/HelpBrowser.h"
#include "viewer/PageSearch.h"
#include "viewer/Sitemap.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace zentolk::viewer {

namespace {
constexpr int AddressRole = Qt::UserRole;

// A contents entry names a page of the file, or now and then a web address.
QUrl EntryUrl(const QString& local) {
    const QUrl url(local);
    if (!url.isRelative() && url.scheme().size() > 1)
        return url;
    return TopicUrl(local);
}

// A list or tree that tells assistive technology of its current entry only
// while it has the keyboard: the index narrowed from its field, or the
// contents marking the page shown while their tab is hidden, would
// otherwise report a focus that never moved there.
template <class View> class QuietView : public View {
protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override {
        if (this->hasFocus())
            View::currentChanged(current, previous);
        else
            this->QAbstractItemView::currentChanged(current, previous);
    }
};

// Keeps the selection's text and the disabled buttons' captions readable on
// a palette that pairs them badly, as the captions' colours are kept.
QPalette ReadablePalette(QPalette p) {
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        const QColor highlight = p.color(group, QPalette::Highlight);
        p.setColor(group, QPalette::HighlightedText,
                   ReadableOn(highlight, p.color(group, QPalette::HighlightedText)));
    }
    const QColor face = p.color(QPalette::Button), window = p.color(QPalette::Window);
    const QColor strong = p.color(QPalette::Active, QPalette::ButtonText);
    // The darker of the two backgrounds decides for a light text, the lighter
    // for a dark one.
    const QColor background =
        ContrastRatio(face, strong) < ContrastRatio(window, strong) ? face : window;
    const QColor faint = p.color(QPalette::Disabled, QPalette::ButtonText);
    const QColor readable = ReadableTowards(background, faint, strong);
    for (const auto role : {QPalette::ButtonText, QPalette::WindowText, QPalette::Text})
        p.setColor(QPalette::Disabled, role, readable);
    return p;
}

// A list under a field that names what to type, with a button that opens
// the selected entry.
QWidget* ListPage(const QString& caption, QLineEdit* field, QListWidget* list,
                  QPushButton* extra = nullptr) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    layout->addWidget(label);
    layout->addWidget(field);
    if (extra != nullptr)
        layout->addWidget(extra, 0, Qt::AlignRight);
    layout->addWidget(list, 1);
    return page;
}
} // namespace

HelpWindow::HelpWindow(const QString& path, const QString& displayName)
    : browser_(new HelpBrowser), contents_(new QuietView<QTreeWidget>), tabs_(new QTabWidget),
      indexFilter_(new QLineEdit), indexList_(new QuietView<QListWidget>),
      searchText_(new QLineEdit), searchResults_(new QuietView<QListWidget>) {
    // Closing a help window must never end the program, and an open one must
    // not keep the program running once its own window is gone.
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setObjectName(QStringLiteral("HelpWindow"));

    setPalette(ReadablePalette(palette()));
    NameControls();
    CloseOnEscape(this);
    BuildPanes();
    BuildToolBar();
    ConnectPage();
    ConnectLists();

    setWindowTitle(tr("%1 - Help").arg(displayName));
    resize(880, 640);
    OpenFile(path, displayName);
}

void HelpWindow::NameControls() {
    contents_->setHeaderHidden(true);
    contents_->setObjectName(QStringLiteral("Contents"));
    indexFilter_->setObjectName(QStringLiteral("IndexFilter"));
    indexList_->setObjectName(QStringLiteral("Index"));
    searchText_->setObjectName(QStringLiteral("SearchText"));
    searchResults_->setObjectName(QStringLiteral("SearchResults"));
    indexFilter_->setAccessibleName(tr("Keyword"));
    searchText_->setAccessibleName(tr("Words to search for"));
    indexList_->setAccessibleName(tr("Index"));
    searchResults_->setAccessibleName(tr("Pages found"));
    indexFilter_->setClearButtonEnabled(true);
    searchText_->setClearButtonEnabled(true);
    contents_->setAccessibleName(tr("Contents"));
    tabs_->setAccessibleName(tr("Navigation"));
    browser_->setAccessibleName(tr("Page"));
    for (QLineEdit* field : {indexFilter_, searchText_})
        for (QToolButton* clear : field->findChildren<QToolButton*>())
            clear->setAccessibleName(tr("Clear %1").arg(field->accessibleName().toLower()));
}

void HelpWindow::BuildPanes() {
    // The page shows when it has the keyboard: the style frames no text pane.
    browser_->installEventFilter(this);
    // Up, Down and the page keys in a field move through its list.
    indexFilter_->installEventFilter(this);
    searchText_->installEventFilter(this);
    listTopics_ = new QPushButton(tr("&List Topics"));
    listTopics_->setAutoDefault(false);
    tabs_->setObjectName(QStringLiteral("Navigation"));
    tabs_->addTab(contents_, tr("&Contents"));
    tabs_->addTab(ListPage(tr("&Type the keyword to find:"), indexFilter_, indexList_),
                  tr("I&ndex"));
    tabs_->addTab(
        ListPage(tr("Type the &words to search for:"), searchText_, searchResults_, listTopics_),
        tr("&Search"));
    // A tab chosen with its key hands the keys to its field.
    tabs_->tabBar()->installEventFilter(this);
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { FocusCurrentTab(); });
    splitter_ = new QSplitter;
    splitter_->addWidget(tabs_);
    splitter_->addWidget(browser_);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({230, 630});
    setCentralWidget(splitter_);
}

void HelpWindow::BuildToolBar() {
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
}

// The tool bar and the page: history, links, and the contents entry of the
// page shown.
void HelpWindow::ConnectPage() {
    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(home_, &QAction::triggered, this, &HelpWindow::ShowDefaultTopic);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::MarkContents);
    connect(browser_, qOverload<const QUrl&>(&QTextBrowser::highlighted), this,
            [this](const QUrl& link) { statusBar()->showMessage(link.toString()); });
}

// The three panes on the left: each opens the page of the entry chosen.
void HelpWindow::ConnectLists() {
    // A click, or Return on an entry, opens its page; both may come for one click.
    auto open = [this](QTreeWidgetItem* item) {
        const QUrl target = item->data(0, AddressRole).toUrl();
        if (target.isValid() && target != browser_->source())
            FollowLink(target);
    };
    connect(contents_, &QTreeWidget::itemClicked, this, open);
    connect(contents_, &QTreeWidget::itemActivated, this, open);

    connect(indexFilter_, &QLineEdit::textEdited, this, &HelpWindow::FilterIndex);
    connect(indexFilter_, &QLineEdit::returnPressed, this,
            [this] { OpenListed(indexList_->currentItem()); });
    connect(indexList_, &QListWidget::itemClicked, this, &HelpWindow::OpenListed);
    connect(indexList_, &QListWidget::itemActivated, this, &HelpWindow::OpenListed);
    auto search = [this] {
        Search(searchText_->text());
        if (searchResults_->count() > 0)
            searchResults_->setFocus(Qt::OtherFocusReason);
    };
    connect(searchText_, &QLineEdit::returnPressed, this, search);
    connect(listTopics_, &QPushButton::clicked, this, search);
    connect(searchResults_, &QListWidget::itemClicked, this, &HelpWindow::OpenListed);
    connect(searchResults_, &QListWidget::itemActivated, this, &HelpWindow::OpenListed);
}

// A file that cannot be found or read leaves a notice in place of the page
// and no panes to choose from.
void HelpWindow::OpenFile(const QString& path, const QString& displayName) {
    if (path.isEmpty()) {
        tabs_->hide();
        ShowNotice(tr("Help cannot be shown"),
                   tr("The help file \"%1\" cannot be found.").arg(displayName));
        return;
    }
    file_ = ChmFile::Open(path);
    if (!file_) {
        tabs_->hide();
        ShowNotice(tr("Help cannot be shown"),
                   tr("The help file \"%1\" cannot be read. It may be damaged or incomplete.")
                       .arg(displayName));
        return;
    }
    browser_->SetFile(file_.get(), displayName);
    if (!file_->Title().isEmpty())
        setWindowTitle(file_->Title());
    search_ = std::make_unique<PageSearch>(file_.get());
    FillContents();
    FillIndex();
}

HelpWindow::~HelpWindow() {
    // The children outlive this part of the window by a little.
    tabs_->tabBar()->removeEventFilter(this);
    browser_->removeEventFilter(this);
    indexFilter_->removeEventFilter(this);
    searchText_->removeEventFilter(this);
    // The page view reads from the file until it is gone.
    browser_->SetFile(nullptr, {});
}

void HelpWindow::ShowDefaultTopic() {
    if (!file_)
        return;
    QString topic = file_->DefaultTopic();
    for (QTreeWidgetItemIterator it(contents_); topic.isEmpty() && *it != nullptr; ++it) {
        const QUrl url = (*it)->data(0, AddressRole).toUrl();
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
    platform::Os& desktop = platform::CurrentOs();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto")) {
        desktop.OpenAddress(target.toString(QUrl::FullyEncoded).toStdString(),
                            [] { platform::CurrentOs().Beep(); });
        return;
    }
    // Local files, other help files and the like are not opened from a page.
    desktop.Beep();
}

void HelpWindow::FillContents() {
    const QString name = file_->ContentsFile();
    const std::optional<QByteArray> bytes =
        name.isEmpty() ? std::nullopt : file_->ReadStart(name, LargestSitemap);
    if (!bytes) {
        tabs_->removeTab(tabs_->indexOf(contents_));
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
            item->setData(0, AddressRole, EntryUrl(entry.local));
        parents.push_back(item);
    }
    if (contents_->topLevelItemCount() == 0)
        tabs_->removeTab(tabs_->indexOf(contents_));
    contents_->expandAll();
}

void HelpWindow::FillIndex() {
    const QString name = file_->IndexFile();
    const std::optional<QByteArray> bytes =
        name.isEmpty() ? std::nullopt : file_->ReadStart(name, LargestSitemap);
    for (const SitemapEntry& entry : bytes ? ParseSitemap(*bytes) : std::vector<SitemapEntry>{}) {
        // Entries under an entry are indented, as the file nests them.
        auto* item = new QListWidgetItem(QString(entry.depth * 4, QLatin1Char(' ')) + entry.name,
                                         indexList_);
        item->setData(Qt::UserRole + 1, entry.name);
        if (!entry.local.isEmpty())
            item->setData(AddressRole, EntryUrl(entry.local));
    }
    if (indexList_->count() == 0)
        tabs_->removeTab(tabs_->indexOf(indexList_->parentWidget()));
    else
        indexList_->setCurrentRow(0);
}

void HelpWindow::FilterIndex(const QString& text) {
    const QString wanted = PageSearch::Fold(text.trimmed());
    QListWidgetItem* first = nullptr;
    QListWidgetItem* starting = nullptr;
    for (int row = 0; row < indexList_->count(); ++row) {
        QListWidgetItem* item = indexList_->item(row);
        const QString name = PageSearch::Fold(item->data(Qt::UserRole + 1).toString());
        const bool shown = name.contains(wanted);
        item->setHidden(!shown);
        if (shown && first == nullptr)
            first = item;
        if (shown && starting == nullptr && name.startsWith(wanted))
            starting = item;
    }
    QListWidgetItem* chosen = starting != nullptr ? starting : first;
    indexList_->setCurrentItem(chosen);
    if (chosen != nullptr)
        indexList_->scrollToItem(chosen);
}

void HelpWindow::Search(const QString& query) {
    searchResults_->clear();
    if (!search_)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::vector<PageSearch::Hit> hits = search_->Find(query);
    QApplication::restoreOverrideCursor();
    for (const PageSearch::Hit& hit : hits) {
        auto* item = new QListWidgetItem(hit.title, searchResults_);
        item->setToolTip(hit.title);
        item->setData(AddressRole, TopicUrl(hit.topic));
    }
    searched_ = query;
    if (hits.empty()) {
        statusBar()->showMessage(PageSearch::Words(query).isEmpty()
                                     ? tr("Type a word to search for.")
                                     : tr("No page holds all of these words."));
        return;
    }
    statusBar()->showMessage(hits.size() == 1 ? tr("1 page found.")
                                              : tr("%1 pages found.").arg(hits.size()));
    searchResults_->setCurrentRow(0);
}

void HelpWindow::OpenListed(QListWidgetItem* item) {
    if (item == nullptr || item->isHidden())
        return;
    const QUrl target = item->data(AddressRole).toUrl();
    if (!target.isValid())
        return;
    if (target != browser_->source())
        FollowLink(target);
    if (item->listWidget() != searchResults_)
        return;
    // The first place on the page that holds a searched word, selected.
    const QString text = browser_->document()->toRawText();
    for (const QString& word : PageSearch::Words(searched_)) {
        const auto [start, end] = PageSearch::Locate(text, word);
        if (start >= 0) {
            QTextCursor found(browser_->document());
            found.setPosition(start);
            found.setPosition(end, QTextCursor::KeepAnchor);
            browser_->setTextCursor(found);
            browser_->ensureCursorVisible();
            break;
        }
    }
}

void HelpWindow::FocusCurrentTab() {
    QWidget* page = tabs_->currentWidget();
    if (page == contents_)
        contents_->setFocus(Qt::ShortcutFocusReason);
    else if (page == indexList_->parentWidget())
        indexFilter_->setFocus(Qt::ShortcutFocusReason);
    else if (page == searchText_->parentWidget())
        searchText_->setFocus(Qt::ShortcutFocusReason);
}

// A window too narrow for the panes side by side (one placed in the room
// beside a window) shows them one above the other.
void HelpWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const Qt::Orientation wanted = width() < 600 ? Qt::Vertical : Qt::Horizontal;
    if (splitter_->orientation() != wanted) {
        splitter_->setOrientation(wanted);
        splitter_->setSizes(wanted == Qt::Vertical ? QList<int>{height() / 3, height()}
                                                   : QList<int>{230, width()});
    }
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == browser_ &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        MarkPageFocus(event->type() == QEvent::FocusIn);
    if (watched == tabs_->tabBar() && event->type() == QEvent::Shortcut) {
        // The tab bar switches tabs on its keys; the focus follows even when
        // the tab was already the current one.
        static_cast<QObject*>(tabs_->tabBar())->event(event);
        FocusCurrentTab();
        return true;
    }
    if ((watched == indexFilter_ || watched == searchText_) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QListWidget* list = watched == indexFilter_ ? indexList_ : searchResults_;
            QCoreApplication::sendEvent(list, event);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// A frame in the text's colour, as wide as the pane's own: the page does not
// move when it comes and goes.
void HelpWindow::MarkPageFocus(bool focused) {
    const int width = browser_->frameWidth();
    QPalette framed = browser_->palette();
    framed.setColor(QPalette::WindowText, palette().color(QPalette::Text));
    browser_->setPalette(framed);
    browser_->setFrameStyle(focused ? QFrame::Box | QFrame::Plain
                                    : QFrame::StyledPanel | QFrame::Sunken);
    if (focused)
        browser_->setLineWidth(width);
}

void HelpWindow::MarkContents(const QUrl& shown) {
    for (QTreeWidgetItemIterator it(contents_); *it != nullptr; ++it) {
        const QUrl url = (*it)->data(0, AddressRole).toUrl();
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

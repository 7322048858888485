#pragma once

#include <QMainWindow>
#include <cstdint>
#include <memory>

class QAction;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace zentolk::viewer {

class ChmFile;
class HelpBrowser;
class PageSearch;

// One help file in a window of its own: contents, index and search on the
// left (Alt+C, Alt+N, Alt+S), the page on the right, back, forward and home
// above. It has no parent, so it neither
// belongs to nor keeps alive any window of the program, and it goes away
// when the user closes it.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    // `path` is the file to show, or empty when none could be found under
    // `displayName`.
    HelpWindow(const QString& path, const QString& displayName);
    ~HelpWindow() override;

    // False when the window shows a notice instead of the file.
    bool HasFile() const { return file_ != nullptr; }

    void ShowDefaultTopic();
    void ShowTopic(const QString& topic);
    // A context number the file does not map shows the default topic.
    void ShowContext(std::uint32_t context);

    HelpBrowser* Browser() const { return browser_; }
    QTreeWidget* Contents() const { return contents_; }
    QTabWidget* Tabs() const { return tabs_; }
    QLineEdit* IndexFilter() const { return indexFilter_; }
    QListWidget* IndexList() const { return indexList_; }
    QLineEdit* SearchText() const { return searchText_; }
    QListWidget* SearchResults() const { return searchResults_; }

    // Shows the entries of the index that hold `text` and selects the first
    // that starts with it (else the first shown).
    void FilterIndex(const QString& text);
    // Lists the pages that hold every word of `query`.
    void Search(const QString& query);
    QAction* BackAction() const { return back_; }
    QAction* ForwardAction() const { return forward_; }
    QAction* HomeAction() const { return home_; }

private:
    // The constructor's steps, in order.
    void NameControls();
    void BuildPanes();
    void BuildToolBar();
    void ConnectPage();
    void ConnectLists();
    void OpenFile(const QString& path, const QString& displayName);

    void FollowLink(const QUrl& link);
    void FillContents();
    void FillIndex();
    void OpenListed(QListWidgetItem* item);
    void FocusCurrentTab();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void MarkContents(const QUrl& shown);
    void MarkPageFocus(bool focused);
    void ShowNotice(const QString& heading, const QString& text);

    std::unique_ptr<ChmFile> file_;
    HelpBrowser* browser_;
    QTreeWidget* contents_;
    QTabWidget* tabs_;
    QSplitter* splitter_;
    QLineEdit* indexFilter_;
    QListWidget* indexList_;
    QLineEdit* searchText_;
    QListWidget* searchResults_;
    QPushButton* listTopics_ = nullptr;
    std::unique_ptr<PageSearch> search_;
    QString searched_; // the words last searched for, to mark on the page
    QAction* back_;
    QAction* forward_;
    QAction* home_;
};

} // namespace zentolk::viewer

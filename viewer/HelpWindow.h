#pragma once

#include <QMainWindow>
#include <cstdint>
#include <memory>

class QAction;
class QTreeWidget;
class QTreeWidgetItem;

namespace zentolk::viewer {

class ChmFile;
class HelpBrowser;

// One help file in a window of its own: contents on the left, the page on
// the right, back, forward and home above. It has no parent, so it neither
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
    QAction* BackAction() const { return back_; }
    QAction* ForwardAction() const { return forward_; }
    QAction* HomeAction() const { return home_; }

private:
    void FollowLink(const QUrl& link);
    void FillContents();
    void MarkContents(const QUrl& shown);
    void ShowNotice(const QString& heading, const QString& text);

    std::unique_ptr<ChmFile> file_;
    HelpBrowser* browser_;
    QTreeWidget* contents_;
    QAction* back_;
    QAction* forward_;
    QAction* home_;
};

} // namespace zentolk::viewer

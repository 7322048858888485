#include "viewer/PageAccessible.h"

#include "viewer/HelpBrowser.h"

#include <QAccessibleWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace zentolk::viewer {

namespace {
class PageDocument : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PageDocument(HelpBrowser* page) : QAccessibleWidget(page, QAccessible::Document) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        s.selectableText = true;
        return s;
    }

    QString text(QAccessible::Text t) const override { return QAccessibleWidget::text(t); }
    QString text(int start, int end) const override {
        QTextCursor cursor = at(start);
        cursor.setPosition(clamp(end), QTextCursor::KeepAnchor);
        // The document's paragraph and line separators read as line breaks.
        return cursor.selectedText()
            .replace(QChar::ParagraphSeparator, QLatin1Char('\n'))
            .replace(QChar::LineSeparator, QLatin1Char('\n'));
    }
    int characterCount() const override { return page()->document()->characterCount() - 1; }

    void selection(int index, int* start, int* end) const override {
        const QTextCursor cursor = page()->textCursor();
        *start = *end = 0;
        if (index == 0 && cursor.hasSelection()) {
            *start = cursor.selectionStart();
            *end = cursor.selectionEnd();
        }
    }
    int selectionCount() const override { return page()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index != 0)
            return;
        QTextCursor cursor = page()->textCursor();
        cursor.clearSelection();
        page()->setTextCursor(cursor);
    }
    void setSelection(int index, int start, int end) override {
        if (index != 0)
            return;
        QTextCursor cursor = at(start);
        cursor.setPosition(clamp(end), QTextCursor::KeepAnchor);
        page()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return page()->textCursor().position(); }
    void setCursorPosition(int position) override { page()->setTextCursor(at(position)); }

    QRect characterRect(int offset) const override {
        const QRect r = page()->cursorRect(at(offset));
        return QRect(page()->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QPoint local = page()->viewport()->mapFromGlobal(point);
        return page()->viewport()->rect().contains(local)
                   ? page()->cursorForPosition(local).position()
                   : -1;
    }
    void scrollToSubstring(int start, int end) override {
        QTextCursor cursor = at(end);
        page()->setTextCursor(cursor);
        page()->ensureCursorVisible();
        cursor.setPosition(clamp(start));
        page()->setTextCursor(cursor);
        page()->ensureCursorVisible();
    }
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return QString();
    }

private:
    HelpBrowser* page() const { return static_cast<HelpBrowser*>(widget()); }
    int clamp(int offset) const { return std::clamp(offset, 0, characterCount()); }
    QTextCursor at(int offset) const {
        QTextCursor cursor(page()->document());
        cursor.setPosition(clamp(offset));
        return cursor;
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("zentolk::viewer::HelpBrowser"))
        return new PageDocument(static_cast<HelpBrowser*>(object));
    return nullptr;
}
} // namespace

void InstallPageAccessibility() {
    QAccessible::installFactory(factory); // a second install is ignored
}

} // namespace zentolk::viewer

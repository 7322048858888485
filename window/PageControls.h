#pragma once

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <string>

// The small pieces the Almanac's pages build their controls from.
namespace zentolk {

inline QString Qs(const std::string& text) {
    return QString::fromStdString(text);
}

// The object name is what tests and logs find a control by; the accessible
// name is what a screen reader says.
template <class Widget> Widget* Named(Widget* widget, const char* name, const QString& accessible) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleName(accessible);
    return widget;
}

// Enter on a focused button presses it.
inline QPushButton* PushButton(const char* name, const QString& caption,
                               const QString& accessible) {
    auto* b = Named(new QPushButton(caption), name, accessible);
    b->setAutoDefault(true);
    return b;
}
inline QPushButton* PushButton(const char* name, const QString& caption) {
    return PushButton(name, caption, QString(caption).remove(QLatin1Char('&')));
}

// The width a field needs to show `text` whole in its font. A field's own
// size hint is seventeen x's wide plus its frame and margins.
inline int WidthFor(const QLineEdit* field, const QString& text) {
    const QFontMetrics metrics = field->fontMetrics();
    const int around = field->sizeHint().width() - 17 * metrics.horizontalAdvance(QLatin1Char('x'));
    return metrics.horizontalAdvance(text) + around + 2; // and the cursor
}

// A field that shows values grows to show each whole, and never shrinks,
// so that the page does not jump from one day to the next.
inline void GrowFor(QLineEdit* field, const QString& text) {
    const int needed = WidthFor(field, text);
    if (needed > field->minimumWidth())
        field->setMinimumWidth(needed);
}

inline QLabel* BuddyLabel(const QString& caption, QWidget* buddy) {
    auto* l = new QLabel(caption);
    l->setBuddy(buddy);
    return l;
}

} // namespace zentolk

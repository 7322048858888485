#pragma once

#include <QLabel>
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

inline QLabel* BuddyLabel(const QString& caption, QWidget* buddy) {
    auto* l = new QLabel(caption);
    l->setBuddy(buddy);
    return l;
}

} // namespace zentolk

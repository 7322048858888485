#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

namespace zentolk {

// Gives a control its design name as object name, by which tests and logs
// find it. Assistive technology hears a person's name instead: the control's
// own text, or the name its window gives it.
template <class Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The windows' face at a pixel height; the program entry maps the family to
// an installed face of the same widths.
inline QFont ClassicFont(int pixels, bool bold = true) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixels);
    font.setBold(bold); // set even when false, or a bold parent's weight is inherited
    return font;
}

} // namespace zentolk

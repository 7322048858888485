#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace zentolk {

// A label that shows a reading rather than a caption. Assistive technology
// gets it as read-only text under the name the window gives it, so that the
// value can be read like that of a read-only field.
class TReadingLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Shows a new reading and tells assistive technology of it, as a field
    // tells of its new text (a label with a name of its own announces nothing).
    void ShowReading(const QString& text);
};

// A read-only field that shows a reading: assistive technology gets it as
// read-only text, not as a field to type in.
class TReadingField : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;
};

// A drop-down list that assistive technology hears under its own name
// ("Era") with the chosen item as its value; the toolkit would name it by
// the item alone.
class TNamedList : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;
};

// A line of status that assistive technology hears as a status bar: the
// text shown is its name, so a screen reader announces each new text once,
// politely (a name-change event, the nearest this toolkit has to a polite
// live region), and can read it at any time. `accessibleName()` describes
// what it reports ("Status", "Note").
class TStatusLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Shows the text and announces it, when it differs from what is shown
    // and is not empty.
    void Show(const QString& text);
};

// Gives each field below `root` that shows an example of what to type
// (a placeholder) a description that calls it an example, so that a screen
// reader does not present the example as the field's own description or
// content. A field described otherwise, or with a tool tip, keeps that.
void DescribeExamples(QWidget* root);

// How the windows' own controls appear to assistive technology: the spin
// fields' arrows as buttons named after their field ("Increase Month") that
// can be pressed, reading labels as text, and windows without the parts they
// keep hidden. Installed once; later calls do nothing.
void InstallAccessibility();

} // namespace zentolk

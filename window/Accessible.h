#pragma once

#include <QLabel>

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

// How the windows' own controls appear to assistive technology: the spin
// fields' arrows as buttons named after their field ("Increase Month") that
// can be pressed, reading labels as text, and windows without the parts they
// keep hidden. Installed once; later calls do nothing.
void InstallAccessibility();

} // namespace zentolk

#pragma once

#include <QColor>

namespace zentolk {

// The contrast ratio of two colours as the accessibility guidelines define
// it: 1 for equal colours, 21 for black on white.
double ContrastRatio(const QColor& a, const QColor& b);

// Text on a background needs this ratio to be read comfortably.
constexpr double ReadableContrast = 4.5;

// `preferred` when it reads well on `background`, else black or white,
// whichever reads better: a theme may pair its colours badly.
QColor ReadableOn(const QColor& background, const QColor& preferred);

// `colour` moved towards `strong` just far enough to read well on
// `background`, so that a faint or coloured mark keeps as much of its own
// look as it can; as ReadableOn says when even `strong` does not read well.
QColor ReadableTowards(const QColor& background, const QColor& colour, const QColor& strong);

// `a` and `b` mixed, `share` of `a`.
QColor Mixed(const QColor& a, const QColor& b, double share);

} // namespace zentolk

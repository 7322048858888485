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

} // namespace zentolk

#include "ui/Colours.h"

#include <algorithm>
#include <cmath>

namespace zentolk {

namespace {
double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    const QColor rgb = c.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}
} // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& background, const QColor& preferred) {
    if (ContrastRatio(background, preferred) >= ReadableContrast)
        return preferred;
    const QColor black(Qt::black), white(Qt::white);
    return ContrastRatio(background, black) >= ContrastRatio(background, white) ? black : white;
}

QColor Mixed(const QColor& a, const QColor& b, double share) {
    const QColor x = a.toRgb(), y = b.toRgb();
    return QColor::fromRgbF(float(x.redF() * share + y.redF() * (1 - share)),
                            float(x.greenF() * share + y.greenF() * (1 - share)),
                            float(x.blueF() * share + y.blueF() * (1 - share)));
}

QColor ReadableTowards(const QColor& background, const QColor& colour, const QColor& strong) {
    constexpr int Steps = 20;
    for (int step = 0; step <= Steps; ++step) {
        const QColor c = Mixed(strong, colour, double(step) / Steps);
        if (ContrastRatio(background, c) >= ReadableContrast)
            return c;
    }
    return ReadableOn(background, strong);
}

} // namespace zentolk

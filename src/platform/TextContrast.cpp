#include "TextContrast.h"

#include <algorithm>
#include <cmath>

namespace {

// One sRGB channel (0 to 1) in linear light.
double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

} // namespace

namespace TextContrast {

double ratio(const QColor& a, const QColor& b) {
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor readable(const QColor& wanted, const QColor& background) {
    if (ratio(wanted, background) >= kReadable) {
        return wanted;
    }
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return ratio(black, background) >= ratio(white, background) ? black : white;
}

} // namespace TextContrast

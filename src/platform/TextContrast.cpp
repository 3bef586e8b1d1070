#include "TextContrast.h"

#include <QPalette>
#include <QWidget>

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

// The colour a share of the way from one colour to another: 0 the first, 1 the second.
QColor mixed(const QColor& from, const QColor& to, double share) {
    const auto channel = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return {channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue())};
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
    const QColor end = luminance(wanted) < luminance(background) ? black : white;
    if (ratio(end, background) < kReadable) {
        return ratio(black, background) >= ratio(white, background) ? black : white;
    }
    // The least share of the way to black or white that stands out enough: the contrast grows
    // along the way, as the shade moves away from the background.
    double enough = 1;
    double tooLittle = 0;
    for (int step = 0; step < 16; ++step) {
        const double share = (enough + tooLittle) / 2;
        if (ratio(mixed(wanted, end, share), background) >= kReadable) {
            enough = share;
        } else {
            tooLittle = share;
        }
    }
    return mixed(wanted, end, enough);
}

void showReadable(QWidget& text, const QColor& wanted, const QColor& background) {
    QPalette palette = text.palette();
    palette.setColor(QPalette::WindowText, readable(wanted, background));
    text.setPalette(palette);
}

} // namespace TextContrast

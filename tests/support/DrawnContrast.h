#pragma once

#include "TextContrast.h"

#include <QHash>
#include <QImage>
#include <QRect>

#include <algorithm>

// How well the text drawn in an area of a picture stands out from the colour under it: the
// contrast of the pixel that stands out most (the text's own colour, its smoothed edges aside).
inline double drawnContrast(const QImage& image, const QRect& area, const QColor& under) {
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            best = std::max(best, TextContrast::ratio(image.pixelColor(x, y), under));
        }
    }
    return best;
}

// The colour most of an area of a picture shows: what lies under the text drawn there.
inline QColor groundOf(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    QRgb most = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (++counts[pixel] > counts.value(most)) {
                most = pixel;
            }
        }
    }
    return QColor(most);
}

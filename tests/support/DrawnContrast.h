#pragma once

#include "TextContrast.h"

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

#include "DisplayFontFit.h"

#include <cmath>

namespace DisplayFontFit {

namespace {

bool fitsWithSpare(const Measured& label, Panel panel) {
    return label.width <= panel.width - kWidthSpare && label.height <= panel.height;
}

} // namespace

Shrunk shrinkUntilFits(double size, double lastFitSize, Panel panel, const Measure& measure) {
    Measured label = measure(size);
    // A font is given whole pixels: a half point may not change it, but a whole point does.
    double reportedBefore = label.reportedSize + kStep;
    while (!fitsWithSpare(label, panel)) {
        const Measured smaller = measure(size - kStep);
        if (smaller.reportedSize >= reportedBefore || smaller.reportedSize < 1) {
            measure(kStuckSize);
            return {kStuckSize, kStuckSize, true};
        }
        reportedBefore = label.reportedSize;
        size -= kStep;
        lastFitSize = smaller.reportedSize;
        label = smaller;
    }
    return {size, lastFitSize, false};
}

Fitted fitAtActivation(double size, double fitSize, Panel panel, const Measure& measure) {
    const double rounded = std::nearbyint(size); // halves go to the even number
    const Shrunk shrunk = shrinkUntilFits(size, fitSize, panel, measure);
    Fitted fitted{shrunk.size, shrunk.lastFitSize};
    if (fitted.fitSize > rounded) {
        fitted.fitSize = rounded;
        fitted.size = rounded;
        measure(rounded);
    }
    return fitted;
}

} // namespace DisplayFontFit

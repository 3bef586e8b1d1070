#include "AutoSize.h"

#include "Dialogs.h"

#include <algorithm>
#include <cmath>

double autoSizedFont(double size, double pageWidth, const std::function<double(double)>& widthAt) {
    // Steps by one point while the test holds, the size stays in range and the width moves.
    const auto step = [&](double by, auto holds) {
        double width = widthAt(size);
        while (holds(width)) {
            const double next = size + by;
            if (next < Dialogs::kMinFontSize || next > Dialogs::kMaxFontSize) {
                return;
            }
            size = next;
            const double measured = widthAt(size);
            if (measured == width) {
                return;
            }
            width = measured;
        }
    };
    if (pageWidth > widthAt(size)) {
        step(+1, [&](double width) { return pageWidth > width; });
    }
    step(-1, [&](double width) { return pageWidth < width; });
    return std::max(Dialogs::kMinFontSize, std::floor(size));
}

#pragma once

#include <QFont>

namespace Design {

// A control's font as designed: the default family at a point size, bold or not.
inline QFont sizedFont(double points, bool bold) {
    QFont chosen;
    chosen.setPointSizeF(points);
    chosen.setBold(bold);
    return chosen;
}

} // namespace Design

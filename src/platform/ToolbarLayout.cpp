#include "ToolbarLayout.h"

#include <QSet>

namespace ToolbarLayouts {

ToolbarLayout designed(int count) {
    ToolbarLayout layout;
    for (int number = 1; number <= count; ++number) {
        layout.append({number, true});
    }
    return layout;
}

bool isValid(const ToolbarLayout& layout, int count) {
    if (layout.size() != count) {
        return false;
    }
    QSet<int> seen;
    for (const ToolbarButtonPlace& place : layout) {
        if (place.number < 1 || place.number > count || seen.contains(place.number)) {
            return false;
        }
        seen.insert(place.number);
    }
    return true;
}

QByteArray encode(const ToolbarLayout& layout) {
    QByteArrayList parts;
    for (const ToolbarButtonPlace& place : layout) {
        parts.append((place.shown ? QByteArray() : QByteArray("-")) +
                     QByteArray::number(place.number));
    }
    return parts.join(',');
}

std::optional<ToolbarLayout> decode(const QByteArray& stored, int count) {
    ToolbarLayout layout;
    for (QByteArray part : stored.split(',')) {
        const bool hidden = part.startsWith('-');
        if (hidden) {
            part.remove(0, 1);
        }
        bool isNumber = false;
        const int number = part.toInt(&isNumber);
        if (!isNumber) {
            return std::nullopt;
        }
        layout.append({number, !hidden});
    }
    if (!isValid(layout, count)) {
        return std::nullopt;
    }
    return layout;
}

} // namespace ToolbarLayouts

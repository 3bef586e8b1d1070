#pragma once

#include "StoredVariant.h"

// A stored value as text: a text as it is, a number in digits, empty as "".
inline QString textOf(const StoredVariant& value) {
    if (const auto* text = std::get_if<QString>(&value)) {
        return *text;
    }
    if (const auto* number = std::get_if<qint32>(&value)) {
        return QString::number(*number);
    }
    return {};
}

#pragma once

#include <QString>
#include <QtGlobal>

#include <variant>

// A tagged value as the files keep it: empty, a 32-bit number ("long") or a text.
using StoredVariant = std::variant<std::monostate, qint32, QString>;

inline bool isEmpty(const StoredVariant& value) {
    return std::holds_alternative<std::monostate>(value);
}

#pragma once

#include "PrintFont.h"
#include "PrintSettings.h"

#include <QColor>
#include <QString>

#include <optional>

// How readers convert the shared print values: an empty value, or a text that is no number where
// a number is wanted, fails; the caller then skips only the step that needed it.
namespace PrintValue {

std::optional<QString> toText(const SharedValue& value);
std::optional<float> toSingle(const SharedValue& value);
std::optional<bool> toBoolean(const SharedValue& value);
// A 32-bit colour number (red in the lowest byte).
std::optional<qint32> toLong(const SharedValue& value);

} // namespace PrintValue

// The print font the settings name; a value that cannot be converted keeps base's.
PrintFont printFontOf(const PrintSettings& settings, PrintFont base);
// The print colour, or nothing when the colour value cannot be converted.
std::optional<QColor> printColourOf(const PrintSettings& settings);

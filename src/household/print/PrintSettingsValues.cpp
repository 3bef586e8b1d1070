#include "PrintSettingsValues.h"

#include "ColorNumber.h"

#include <cmath>
#include <limits>

namespace PrintValue {

namespace {

// The number a text holds as a whole ("24", " 13.5 "); nothing for "", "abc" or "12pt".
std::optional<double> numberIn(const QString& text) {
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(number) ? std::optional<double>(number) : std::nullopt;
}

std::optional<double> toDouble(const SharedValue& value) {
    if (const auto* text = std::get_if<QString>(&value)) {
        return numberIn(*text);
    }
    if (const auto* flag = std::get_if<bool>(&value)) {
        return *flag ? -1.0 : 0.0; // True counts as -1
    }
    if (const auto* number = std::get_if<qint32>(&value)) {
        return *number;
    }
    if (const auto* single = std::get_if<float>(&value)) {
        return *single;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> toText(const SharedValue& value) {
    if (const auto* text = std::get_if<QString>(&value)) {
        return *text;
    }
    if (const auto* flag = std::get_if<bool>(&value)) {
        return *flag ? QStringLiteral("True") : QStringLiteral("False");
    }
    if (const auto* number = std::get_if<qint32>(&value)) {
        return QString::number(*number);
    }
    if (const auto* single = std::get_if<float>(&value)) {
        return QString::number(*single, 'g', 7);
    }
    return QString();
}

std::optional<float> toSingle(const SharedValue& value) {
    const std::optional<double> number = toDouble(value);
    if (!number || std::abs(*number) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return static_cast<float>(*number);
}

std::optional<bool> toBoolean(const SharedValue& value) {
    if (const auto* text = std::get_if<QString>(&value)) {
        const QString word = text->trimmed();
        if (word.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) {
            return true;
        }
        if (word.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) {
            return false;
        }
    }
    if (std::holds_alternative<std::monostate>(value)) {
        return false;
    }
    const std::optional<double> number = toDouble(value);
    return number ? std::optional<bool>(*number != 0) : std::nullopt;
}

std::optional<qint32> toLong(const SharedValue& value) {
    const std::optional<double> number = toDouble(value);
    if (!number) {
        return std::nullopt;
    }
    const double whole = std::nearbyint(*number); // half to even
    if (whole < std::numeric_limits<qint32>::min() || whole > std::numeric_limits<qint32>::max()) {
        return std::nullopt;
    }
    return static_cast<qint32>(whole);
}

} // namespace PrintValue

PrintFont printFontOf(const PrintSettings& settings, PrintFont base) {
    if (const auto name = PrintValue::toText(settings.PrintFontName)) {
        base.name = *name;
    }
    if (const auto size = PrintValue::toSingle(settings.PrintFontSize); size && *size > 0) {
        base.size = *size;
    }
    const auto effect = [](const SharedValue& value, bool& target) {
        if (const auto on = PrintValue::toBoolean(value)) {
            target = *on;
        }
    };
    effect(settings.PrintFontBold, base.bold);
    effect(settings.PrintFontItalic, base.italic);
    effect(settings.PrintFontUnderline, base.underline);
    effect(settings.PrintFontStrikethru, base.strikeout);
    return base;
}

std::optional<QColor> printColourOf(const PrintSettings& settings) {
    const auto number = PrintValue::toLong(settings.PrintFontColour);
    return number ? std::optional<QColor>(ColorNumber::toColor(static_cast<quint32>(*number)))
                  : std::nullopt;
}

#include "CostChart.h"

#include "FieldReader.h"

#include <QLocale>

#include <array>
#include <cmath>

namespace CostChart {

QString heading(int col) {
    static const std::array<const char*, kCols> kHeadings = {
        "Year", "Gallon of Gas", "Gallon of Milk", "Loaf of Bread", "A New Auto", "A New Home"};
    return col >= 0 && col < kCols ? QString(kHeadings[std::size_t(col)]) : QString();
}

QString yearLabel(int row) {
    return QString::number(1900 + 5 * (row - 1));
}

double widthShare(int col) {
    return col == 0 ? 0.14 : 0.165;
}

QStringList readFields(const QString& path) {
    QStringList fields;
    std::optional<FieldReader> reader = FieldReader::fromFile(path);
    if (!reader.has_value()) {
        return fields;
    }
    while (fields.size() < kFieldCount) {
        std::optional<QString> field = reader->next();
        if (!field.has_value()) {
            break;
        }
        fields.append(*field);
    }
    return fields;
}

int rowOfField(int index) {
    return index % kYears + 1;
}

int colOfField(int index) {
    return index / kYears + 1;
}

QString currencyText(const QString& field) {
    bool isNumber = false;
    const QString number = field.trimmed();
    const double amount = number.toDouble(&isNumber);
    if (!isNumber || !std::isfinite(amount)) {
        return field;
    }
    // The prices are US prices whatever the desktop's settings, so they keep the US notation.
    static const QLocale unitedStates(QLocale::English, QLocale::UnitedStates);
    const int cents = number.contains('.') ? 2 : 0;
    return unitedStates.toCurrencyString(amount, "$", cents);
}

QString rowTip(int row, const QString& yearCell) {
    return " Row " + QString::number(row) + ": " + yearCell + " ";
}

} // namespace CostChart

#include "DateFields.h"

#include "DateNames.h"
#include "NumericValue.h"

ResolvedDate ResolveSelectedDate(const DateFields& fields, int monthNumber) {
    ResolvedDate resolved{fields, DateNames::monthNumber(fields.month).value_or(monthNumber), {}};
    const std::optional<int> year = DateNames::usableYear(fields.year);
    if (!year.has_value() || resolved.monthNumber < 1 || resolved.monthNumber > 12) {
        return resolved;
    }
    const int month = resolved.monthNumber;
    QString& day = resolved.fields.day;
    if ((month == 4 || month == 6 || month == 9 || month == 11) && numericValue(day) == 31) {
        day = "30";
    } else if (month == 2) {
        if (numericValue(day) > 29) {
            day = "29";
        }
        if (!QDate(*year, 2, numericValue(day)).isValid()) {
            day = "28";
        }
    }
    const QDate date(*year, month, numericValue(day));
    if (date.isValid()) {
        resolved.date = date;
    }
    return resolved;
}

ResolvedDate ResolveChosenDay(const DateFields& fields, int monthNumber) {
    ResolvedDate resolved{fields, monthNumber, {}};
    const std::optional<int> year = DateNames::usableYear(fields.year);
    const std::optional<int> month = DateNames::monthNumber(fields.month);
    int day = numericValue(fields.day);
    if (!year.has_value() || !month.has_value() || day < 1) {
        return resolved;
    }
    while (!QDate(*year, *month, day).isValid() && day > 28) {
        --day;
    }
    const QDate date(*year, *month, day);
    if (date.isValid()) {
        resolved.fields.day = QString::number(day);
        resolved.date = date;
    }
    return resolved;
}

DateFields fieldsOf(const QDate& date) {
    return {DateNames::monthName(date.month()), QString::number(date.day()),
            QString::number(date.year())};
}

#include "DateNames.h"

#include <QLocale>

namespace DateNames {

namespace {

// The names never follow the system locale: the windows and printouts are in English.
const QLocale& english() {
    static const QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

} // namespace

QString monthName(int month) {
    return english().standaloneMonthName(month, QLocale::LongFormat);
}

std::optional<int> monthNumber(const QString& name) {
    for (int month = 1; month <= 12; ++month) {
        if (name == monthName(month)) {
            return month;
        }
    }
    return std::nullopt;
}

QString weekdayName(const QDate& date) {
    return english().dayName(date.dayOfWeek(), QLocale::LongFormat);
}

int weekdayColumn(const QDate& date) {
    return date.dayOfWeek() % 7;
}

QString dateLine(const QDate& date) {
    return english().toString(date, "dddd - MMMM d, yyyy");
}

QString monthTitle(const QDate& date) {
    return english().toString(date, "MMMM yyyy");
}

QString printedOnDate(const QDate& date) {
    return english().toString(date, "MM-dd-yyyy");
}

std::optional<int> usableYear(const QString& text) {
    if (text.size() != 4) {
        return std::nullopt;
    }
    for (QChar character : text) {
        if (character < '0' || character > '9') {
            return std::nullopt;
        }
    }
    const int year = text.toInt();
    if (year < kFirstYear || year > kLastYear) {
        return std::nullopt;
    }
    return year;
}

} // namespace DateNames

#pragma once

#include <QDate>
#include <QString>

#include <optional>

// Dates as the date window and the calendar maker show and print them: proleptic Gregorian dates
// (QDate), with English month and weekday names whatever the desktop's language.
namespace DateNames {

// The years the date window accepts.
constexpr int kFirstYear = 1753;
constexpr int kLastYear = 2500;

// "January" to "December" for 1 to 12.
QString monthName(int month);
// 1 to 12 for a full English month name, compared case and all; nothing for any other text.
std::optional<int> monthNumber(const QString& name);
// "Sunday" to "Saturday".
QString weekdayName(const QDate& date);
// The column of the date's weekday in a week that starts on Sunday: 0 Sunday to 6 Saturday.
int weekdayColumn(const QDate& date);

// "Monday - July 4, 2005".
QString dateLine(const QDate& date);
// "July 2005".
QString monthTitle(const QDate& date);
// "07-04-2005".
QString printedOnDate(const QDate& date);

// The year of a year box: exactly four digits naming a year from 1753 to 2500; nothing for
// anything else (fewer characters while the person is still typing, letters, a year out of range).
std::optional<int> usableYear(const QString& text);

} // namespace DateNames

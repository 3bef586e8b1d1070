#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

// A date as the to-do grid and its file hold it: "dddd - MMM d, yy" in the locale's names, for
// example "Monday - Jan 5, 04". The cell text is all that is kept of a date.
namespace ToDoDateText {

QString format(const QDate& date, const QLocale& locale = QLocale());

// The date of a cell: the text after the first "-", read as month name, day and year. A two-digit
// year 00 to 29 is in the 2000s, 30 to 99 in the 1900s. Month names are taken in the locale's
// short or long form, or in English; nothing when the text is no date.
std::optional<QDate> parse(const QString& text, const QLocale& locale = QLocale());

} // namespace ToDoDateText

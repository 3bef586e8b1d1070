#pragma once

#include <QDate>
#include <QString>

#include <optional>

// The date window's three boxes, month name, day and year, and how a choice in one of them is
// turned into a date that exists: the day is clamped to the length of the month. The window shows
// the result; nothing here touches a widget.
struct DateFields {
    QString month; // "January" to "December"
    QString day;   // "1" to "31"
    QString year;  // four digits once the person has finished typing

    bool operator==(const DateFields&) const = default;
};

struct ResolvedDate {
    DateFields fields;         // the boxes after clamping
    int monthNumber = 0;       // the month the month box names, or the one known before
    std::optional<QDate> date; // nothing while the year box holds no usable year
};

// A month or a year was chosen: day 31 of a 30-day month becomes 30, and a day past the 29th of
// February becomes 29, then 28 in a common year. monthNumber is kept when the month box names no
// month. Without a usable year the boxes stay as they are and there is no date.
ResolvedDate ResolveSelectedDate(const DateFields& fields, int monthNumber);

// A day was chosen: the day is lowered until the date exists (at the latest at the 28th). Without
// a usable year or month name the boxes stay as they are and there is no date.
ResolvedDate ResolveChosenDay(const DateFields& fields, int monthNumber);

// The boxes showing date.
DateFields fieldsOf(const QDate& date);

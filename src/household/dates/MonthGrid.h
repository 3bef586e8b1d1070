#pragma once

#include <QDate>
#include <QList>

#include <array>

// A month laid out as a calendar page: seven columns, Sunday (0) to Saturday (6), one row per
// calendar week, row 0 the week of the 1st. A cell holds the day of the month, or 0 when empty.
struct MonthGrid {
    QList<std::array<int, 7>> rows; // 4, 5 or 6 rows
    int chosenRow = 0;              // where the date the grid was built for lies
    int chosenColumn = 0;
};

// The grid of the month of date, walked from its 1st one day at a time; no rows for an invalid
// date.
MonthGrid BuildMonthGrid(const QDate& date);

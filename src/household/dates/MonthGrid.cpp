#include "MonthGrid.h"

#include "DateNames.h"

MonthGrid BuildMonthGrid(const QDate& date) {
    MonthGrid grid;
    if (!date.isValid()) {
        return grid;
    }
    QDate day(date.year(), date.month(), 1);
    int column = DateNames::weekdayColumn(day);
    int row = 0;
    grid.rows.append(std::array<int, 7>{});
    for (; day.month() == date.month(); day = day.addDays(1), ++column) {
        if (column > 6) {
            column = 0;
            ++row;
            grid.rows.append(std::array<int, 7>{});
        }
        grid.rows[row][std::size_t(column)] = day.day();
        if (day == date) {
            grid.chosenRow = row;
            grid.chosenColumn = column;
        }
    }
    return grid;
}

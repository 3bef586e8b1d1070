#pragma once

#include "AccessibleTable.h"

class CalendarMakerWindow;

// The calendar maker's page as a screen reader reads it: a table of the month's weeks with the
// weekday headings as column headers, each day a cell, and the chosen day the current cell. The
// page's title is the table's name, given by the window.
class CalendarPageReading : public TableReading {
public:
    explicit CalendarPageReading(const CalendarMakerWindow& window) : window_(window) {}

    int rows() const override;
    int cols() const override { return 7; }
    int headerRows() const override { return 1; }
    QString cellText(int row, int col) const override;
    QRect cellRect(int row, int col) const override;
    bool cellInView(int row, int col) const override;
    QPoint currentCell() const override;

private:
    const CalendarMakerWindow& window_;
};

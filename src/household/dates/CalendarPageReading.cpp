#include "CalendarPageReading.h"

#include "CalendarMakerWindow.h"
#include "MonthCalendarPage.h"
#include "PrintPreview.h"

int CalendarPageReading::rows() const {
    const int weeks = int(window_.BuiltMonth.rows.size());
    return weeks == 0 ? 0 : weeks + 1;
}

QString CalendarPageReading::cellText(int row, int col) const {
    if (row == 0) {
        return MonthCalendarPage::weekdayHeading(col);
    }
    const int day = window_.BuiltMonth.rows.at(row - 1).at(std::size_t(col));
    return day == 0 ? QString() : QString::number(day);
}

QRect CalendarPageReading::cellRect(int row, int col) const {
    return window_.calendarPage->onScreen(MonthCalendarPage::cellArea(rows() - 1, row, col));
}

bool CalendarPageReading::cellInView(int row, int col) const {
    return cellRect(row, col).intersects(window_.calendarPage->viewport()->geometry());
}

QPoint CalendarPageReading::currentCell() const {
    return rows() == 0 ? QPoint(-1, -1)
                       : QPoint(window_.BuiltMonth.chosenColumn, window_.BuiltMonth.chosenRow + 1);
}

#include "PagingSelection.h"

#include "MonthView.h"

#include <QCalendarWidget>

void selectOnPaging(QCalendarWidget& monthView) {
    nameMonthParts(monthView);
    QObject::connect(&monthView, &QCalendarWidget::currentPageChanged, &monthView,
                     [&monthView](int year, int month) {
                         const QDate selected = monthView.selectedDate();
                         if (selected.year() == year && selected.month() == month) {
                             return; // a click on a day of the next or previous month leads
                         }
                         const int days = QDate(year, month, 1).daysInMonth();
                         selectDay(monthView, QDate(year, month, qMin(selected.day(), days)));
                     });
}

#include "PagingSelection.h"

#include "MonthView.h"

#include <QCalendarWidget>
#include <QToolButton>

void selectOnPaging(QCalendarWidget& monthView) {
    nameMonthParts(monthView);
    // The arrows take no focus of their own; a click on one leaves the focus on the month, so
    // that the arrow keys go on from the day it selects.
    for (const char* arrow : {"qt_calendar_prevmonth", "qt_calendar_nextmonth"}) {
        if (auto* button = monthView.findChild<QToolButton*>(arrow)) {
            QObject::connect(button, &QToolButton::clicked, &monthView,
                             [&monthView] { monthView.setFocus(Qt::MouseFocusReason); });
        }
    }
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

#pragma once

class QCalendarWidget;

// Paging a month view (its month arrows, month and year choosers, Page Up and Page Down) moves its
// selection to the same day of the month now in view, or to that month's last day, so that the
// selection change tells the window and what it builds from the date follows the month shown.
// Its month arrows get the names a screen reader reads, and a click on one puts the focus on the
// month.
void selectOnPaging(QCalendarWidget& monthView);

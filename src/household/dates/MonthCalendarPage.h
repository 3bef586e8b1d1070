#pragma once

#include "MonthGrid.h"
#include "PrintDocument.h"

#include <QDate>
#include <QRectF>
#include <QString>

class PrintLayout;

// The calendar maker's page: the month and year as a title over a table of the month's weeks,
// Sunday first, the Sunday column shaded and the chosen day highlighted. The page is US letter,
// portrait, with quarter-inch margins, so that the six-week form fits whole.
namespace MonthCalendarPage {

// How the day numbers stand in their cells: the index of the chosen alignment option.
enum NumberAlignment { AlignLeft = 0, AlignRight = 1 };

PageGeometry pageGeometry();

// The table's top, in twips from the paper's top: higher when the month takes six weeks.
double tableTop(int bodyRows);

// Replaces the layout's document by the calendar page of the month of chosen, whose grid is given.
void build(PrintLayout& layout, const QDate& chosen, const MonthGrid& grid, int numberAlignment);

// The heading of a column, Sunday (0) to Saturday (6): "Sun" .. "Sat".
QString weekdayHeading(int column);
// Where a cell of the table stands on the page, in twips: row 0 the headings, then the weeks.
QRectF cellArea(int bodyRows, int row, int column);

} // namespace MonthCalendarPage

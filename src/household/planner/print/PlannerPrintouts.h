#pragma once

#include "MonthListing.h"
#include "PlannerCopyText.h"
#include "PrintLayout.h"
#include "PrintSettings.h"

#include <QDate>

#include <vector>

// The planner's printed pages, each laid out as a new document in the print font. Texts are
// placed where their column puts them and never cut or wrapped; positions are fractions of the page
// width W. A text wider than its column prints smaller, in the size that fits, so that it never
// runs into the column beside it or off the paper; where a page would run past the bottom margin
// (a day page's lines, or a month page's heading and first row), the whole printout prints in the
// size at which it does not. A value of the print settings that cannot be converted leaves the
// layout's own.

// The day page: its title, headings and the rows that hold a time or an activity.
struct DayPrint {
    QDate date; // the day on the page
    PlannerCopyText::Rows times;
    PlannerCopyText::Rows activities;
};

// One column: the rows one under the other, times centred on W / 10, activities from W / 6 to
// the paper's edge.
void BuildDayPrintOneColumn(PrintLayout& layout, const DayPrint& day,
                            const PrintSettings& settings);
// Two columns: rows 0 to 6 on the left, 7 to 13 beside them; a line both of whose rows are empty
// is left out. A left-hand activity reaches at most to the time beside it.
void BuildDayPrintTwoColumns(PrintLayout& layout, const DayPrint& day,
                             const PrintSettings& settings);

// The month grid over as many pages as it needs, each page headed by the title, the date line
// and the column headings, framed with grid lines when they are on.
struct MonthPrint {
    int month = 1;
    int year = 2000;
    QDate today;                           // for the date line
    std::vector<MonthListing::Entry> rows; // the grid's entry rows, at least one
    bool gridLines = true;
};

void BuildMonthPrint(PrintLayout& layout, const MonthPrint& month, const PrintSettings& settings);

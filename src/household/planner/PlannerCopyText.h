#pragma once

#include "MonthListing.h"

#include <QDate>
#include <QString>

#include <array>
#include <functional>
#include <vector>

// The planner's page and month as the clipboard gets them. Lines end in CR alone; only the month's
// title is followed by CR LF twice.
namespace PlannerCopyText {

using Rows = std::array<QString, YearFile::kRows>;

// The day's title, then fourteen lines, the empty rows too: the time as typed padded with blanks
// to 9 characters, a tab, the activity as typed padded to 46.
QString day(const QDate& date, const Rows& times, const Rows& activities);

// The width of a text in twips in the window's font.
using Width = std::function<double(const QString&)>;

// monthTitle is the month view's caption ("March 2004"); rows are the grid's entry rows. Each
// line is the day cell padded with blanks to 500 twips, a tab, the time padded until the whole
// line reaches 1600 twips, a tab and the activity.
QString month(const QString& monthTitle, const std::vector<MonthListing::Entry>& rows,
              const Width& width);

} // namespace PlannerCopyText

#pragma once

#include "ProgramFolder.h"
#include "YearFile.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

// A month of the planner as one list: a line for every non-empty activity of every saved day, in
// the order of the days and of their rows. The day's label stands on its first line only.
namespace MonthListing {

// The month's records in its year file: every tenth from January to September (days 1 to 31 of
// March are 13 to 313), one after the other from October. February always runs to day 29; in a
// common year that record is never written and adds nothing.
struct RecordRange {
    int first;
    int last;
    int step;
};
RecordRange recordRange(int month);

// "January" to "December"; empty outside 1 to 12.
QString monthName(int month);
// "January 2003".
QString title(int month, int year);
// The day with a blank before it and its English ending: " 1st", " 2nd", " 11th", " 23rd".
QString dayLabel(int day);

struct Entry {
    QString day; // the label on a day's first line, else empty
    QString time;
    QString activity;
    bool operator==(const Entry&) const = default;
};

// Reads a record; nothing when it cannot be read, which counts as a day without entries.
using ReadRecord = std::function<std::optional<YearFile::DayRecord>(int record)>;

std::vector<Entry> entries(int month, const ReadRecord& read);
// The month of the year's file in the program folder.
std::vector<Entry> entries(const ProgramFolder& folder, int year, int month);

} // namespace MonthListing

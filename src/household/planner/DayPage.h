#pragma once

#include "YearFile.h"

#include <QStringList>

// The rules of the planner's day page that need no window: the time list, what counts as an
// entry, and what a box accepts.
namespace DayPage {

constexpr int kTimeLength = 8;      // characters a time box holds
constexpr int kActivityLength = 45; // characters an activity box holds

// The 31 times of the time picker: "7:00 AM" to "10:00 PM" in steps of 30 minutes.
QStringList timeChoices();

// Whether any box holds text; a box of blanks only counts.
bool hasEntries(const YearFile::DayRecord& rows);

// What a box keeps of a typed or pasted text: tabs and line breaks become blanks. (A character the
// year file's code page cannot store then shows as "?", as every box that feeds a file has it.)
QString acceptedEntry(QString text);

} // namespace DayPage

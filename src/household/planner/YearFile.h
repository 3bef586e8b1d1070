#pragma once

#include "ProgramFolder.h"

#include <QDate>
#include <QString>

#include <array>

// The planner keeps one file per year in the program folder, named a blank, the year's four digits
// and ".Cal", of 900-byte records, one per day.
namespace YearFile {

constexpr int kRecordLength = 900;
constexpr int kRows = 14;

// One day: 14 times (10 characters each), 14 activities (50 each) and the status (10), all
// blank-padded; the status reads "Full" once the day was saved.
struct DayRecord {
    std::array<QString, kRows> times;
    std::array<QString, kRows> activities;
    QString status;
};

QString fileName(int year);

// A day's record number is day x 10 + month for January to September (25 March is 253); October
// adds 320 to the day, November 360 and December 400 (31 December is 431).
int recordNumber(const QDate& date);

// A missing file is created empty; a day never saved reads as blanks with no status.
DayRecord readDay(const ProgramFolder& folder, const QDate& date);

} // namespace YearFile

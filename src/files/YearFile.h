#pragma once

#include "ProgramFolder.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <array>
#include <optional>

// The planner keeps one file per year in the program folder, named a blank, the year's digits and
// ".Cal", of 900-byte records. Each day has its own record; the main window's reminder reads
// today's and the backup window copies records 1 to 431 through this unit.
namespace YearFile {

constexpr int kRecordLength = 900;
// The day's fields fill the first 850 bytes of its record; the 50 spare bytes are never written.
constexpr int kDayLength = 850;
constexpr int kRows = 14;
constexpr int kTimeWidth = 10;
constexpr int kActivityWidth = 50;
constexpr int kStatusWidth = 10;
constexpr int kLastRecord = 431; // 31 December
inline constexpr const char* kFull = "Full";

// One day as read: 14 times and 14 activities, row by row, and the status, each with its trailing
// blanks cut and its leading blanks kept. A record never written reads as all empty.
struct DayRecord {
    std::array<QString, kRows> times;
    std::array<QString, kRows> activities;
    QString status;

    // "Full" marks a day the planner has saved, also with all rows empty; the letters must match.
    bool isFull() const { return status == kFull; }
    // A saved day with at least one activity: the reminder's test. Times alone do not count.
    bool hasActivity() const;

    bool operator==(const DayRecord&) const = default;
};

QString fileName(int year);

// A day's record number is day x 10 + month for January to September (25 March is 253); October
// adds 320 to the day, November 360 and December 400 (31 December is 431).
int recordNumber(int day, int month);
int recordNumber(const QDate& date);

// The 850 bytes of a day: each text blank-padded to its width, or cut there.
QByteArray encode(const DayRecord& day);
DayRecord decode(const QByteArray& record);

// Reads record n of the year's file. A missing or short file reads as a day never saved (a missing
// file is created empty); nothing when the file is there and cannot be read.
std::optional<DayRecord> read(const ProgramFolder& folder, int year, int record);
// Writes the day's 850 bytes into record n, leaving every other byte of the file as it was; the
// file is replaced whole. False when it could not be written: the old file is then untouched.
bool write(const ProgramFolder& folder, int year, int record, const DayRecord& day);
// The file's length in bytes; 0 for a missing file.
qint64 length(const ProgramFolder& folder, int year);

// The whole year as a backup carries it, records 1 to 431 of 900 bytes: each the day's 850 bytes
// as the file holds them, then 50 zeros. What the file does not hold (a short file, a record
// never written) reads as zeros, whatever the buffer held before. Nothing when the file is
// missing or cannot be read.
std::optional<QByteArray> readRawRecords(const ProgramFolder& folder, int year);
// The raw form of one record: the day's first 850 bytes of record, zero-filled, then 50 zeros.
QByteArray rawRecord(const QByteArray& record);
// Replaces the year's file with the 431 raw records in one step: until the new file is complete
// the old one stays as it was. False, with the old file untouched, when records is not 431
// records or the file could not be written.
bool replaceRawRecords(const ProgramFolder& folder, int year, const QByteArray& records);

} // namespace YearFile

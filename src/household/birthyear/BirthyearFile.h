#pragma once

#include "RecordFile.h"

#include <QString>

#include <optional>

// Bhday1.FIL: one 1100-byte record per year from 1900 to 2025, record number = year - 1899. A
// record holds the text "On The More Serious Side" in its first 500 bytes and the text "On The
// Lighter Side" in the next 500, each Windows-1252 and padded with blanks; the last 100 bytes are
// spare and written as blanks. A line break is stored as CR LF, two bytes of the 500.
namespace BirthyearFile {

constexpr const char* kFileName = "Bhday1.FIL";
constexpr int kRecordLength = 1100;
constexpr int kTextWidth = 500;
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2025;

// The two texts of a year as the window shows them: a line break is one '\n'.
struct YearTexts {
    QString serious;
    QString lighter;
    bool operator==(const YearTexts&) const = default;
};

// The texts of the year's record; a record never written, zero bytes or a short file give empty
// texts. Trailing blanks are cut, leading blanks and line breaks kept.
YearTexts read(const QString& path, int year);
// Writes the year's record, and no other; the file is replaced whole or not at all.
RecordFile::WriteResult write(const QString& path, int year, const YearTexts& texts);

QByteArray encodeRecord(const YearTexts& texts);
YearTexts decodeRecord(const QByteArray& record);

// The bytes a shown text takes in its record: every line break counts 2.
int storedLength(const QString& shown);

// A year of the file: a four-digit number from 1900 to 2025, blanks around it allowed; "1950abc",
// "1950.7" and "1899" are none.
std::optional<int> parseYear(const QString& text);

} // namespace BirthyearFile

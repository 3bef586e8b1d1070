#pragma once

#include "ToDoRow.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// The to-do list's two files in the program folder. Both are plain text in Windows-1252 with one
// quoted field per line, ending in CR LF: the grid file holds three lines (item, to-do date,
// actual date) for each of the 500 grid rows, empty rows included; the names file one line per
// remembered item name. A field has no escape for a double quote, so no cell or name ever holds
// one.
namespace ToDoFiles {

inline constexpr const char* kGridFile = "TODOActv.FIL";
inline constexpr const char* kNamesFile = "TODONAME.FIL";
inline constexpr int kRows = 500;
inline constexpr int kMaxNames = 5000;
inline constexpr int kItemLength = 25;

// One field as the files write it: the text between double quotes, then CR LF.
QByteArray quotedLine(const QString& text);

// What a text becomes when it enters a cell or a name: double quotes, tabs and line breaks
// removed, characters that Windows-1252 cannot hold turned into "?".
QString cellText(const QString& text);

// The text without its leading blanks: an item cell holding only blanks counts as empty.
QString leftTrimmed(const QString& text);

// Always kRows rows: a short file leaves the rest empty, a long one is cut after kRows rows.
std::vector<ToDoRow> readGrid(const QByteArray& bytes);
// Exactly kRows rows of three lines; missing rows are written empty.
QByteArray writeGrid(const std::vector<ToDoRow>& rows);

// The names trimmed of outer blanks, at most kMaxNames.
QStringList readNames(const QByteArray& bytes);
// No names at all are written as one empty name, a single line "".
QByteArray writeNames(const QStringList& names);

// Replaces the file whole: the new content is written beside it and renamed over it, so a full
// disk or a crash leaves the old file as it was. False when the file could not be replaced.
bool replaceFile(const QString& path, const QByteArray& bytes);

} // namespace ToDoFiles

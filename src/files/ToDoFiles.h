#pragma once

#include "ToDoRow.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The to-do list's two files in the program folder. Both are plain text in Windows-1252 with one
// quoted field per line, ending in CR LF: the grid file holds three lines (item, to-do date,
// actual date) for each of the 500 grid rows, empty rows included; the names file one line per
// remembered item name. A field has no escape for a double quote, so no cell or name ever holds
// one.
//
// Both are read by the fields they hold (FieldLines): a damaged line (a quote missing, a stray
// one, a control character such as a zero byte, a line end turned into another control character
// or a lone CR) spoils only its own field, and where zero bytes hid lines the fields after them
// are placed by the number of lines the file always has; a field whose line cannot be known is
// never shown as if it were in place: its row is named in the fault. What is wrong with a file
// that is not whole lines of its format is told in the fault of what is read.
namespace ToDoFiles {

inline constexpr const char* kGridFile = "TODOActv.FIL";
inline constexpr const char* kNamesFile = "TODONAME.FIL";
inline constexpr int kRows = 500;
inline constexpr int kMaxNames = 5000;
inline constexpr int kItemLength = 25;

// One field as the files write it: the text between double quotes, then CR LF.
QByteArray quotedLine(const QString& text);

// What a text becomes when it enters a cell or a name: double quotes and control characters
// (tabs, line breaks) removed, characters that Windows-1252 cannot hold turned into "?".
QString cellText(const QString& text);

// The text without its leading blanks: an item cell holding only blanks counts as empty.
QString leftTrimmed(const QString& text);

// A grid file as read: always kRows rows, a short file leaving the rest empty; fault is empty
// when the file is whole rows of the format (fewer than kRows of them are whole too), else it
// says what is wrong ("line 4 (row 2) is not one text between double quotes", "line 4 (row 2)
// holds a control character", "lines 19 (row 7) to 25 (row 9) were overwritten with zero bytes")
// and names the rows that may show fields of other rows ("rows 7 to 500 may be out of place").
struct Grid {
    std::vector<ToDoRow> rows;
    QString fault;
    // The rows, in order, that the fault names as maybe out of place.
    QList<int> unsureRows;
};
Grid readGrid(const QByteArray& bytes);
// Exactly kRows rows of three lines; missing rows are written empty.
QByteArray writeGrid(const std::vector<ToDoRow>& rows);

// A names file as read: the names trimmed of outer blanks, at most kMaxNames; fault as for the
// grid file.
struct Names {
    QStringList names;
    QString fault;
};
Names readNames(const QByteArray& bytes);
// No names at all are written as one empty name, a single line "".
QByteArray writeNames(const QStringList& names);

// Replaces the file whole: the new content is written beside it and renamed over it, so a full
// disk or a crash leaves the old file as it was. False when the file could not be replaced.
bool replaceFile(const QString& path, const QByteArray& bytes);

// Copies a damaged file beside itself, byte for byte, before a save replaces it: under its name
// followed by ".damaged", or ".damaged2", ".damaged3" and so on when that name holds other bytes
// already. A copy of the same bytes kept earlier is kept once. The kept copy's name, or nothing
// when no copy could be made (a full disk, a folder that cannot be written).
std::optional<QString> keepDamaged(const QString& path);

} // namespace ToDoFiles

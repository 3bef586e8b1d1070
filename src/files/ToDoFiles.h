#pragma once

#include "ToDoRow.h"

#include <QByteArray>
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
// Both are read line by line, one field to a line: a damaged line (a quote missing, a stray one,
// a control character such as a zero byte) then spoils only its own field and never moves the
// fields after it into other columns, not even when zero bytes overwrote the line ends of the
// grid file. What is wrong with a file that is not whole lines of its format is told in the fault
// of what is read.
namespace ToDoFiles {

inline constexpr const char* kGridFile = "TODOActv.FIL";
inline constexpr const char* kNamesFile = "TODONAME.FIL";
inline constexpr int kRows = 500;
inline constexpr int kMaxNames = 5000;
inline constexpr int kItemLength = 25;

// One field as the files write it: the text between double quotes, then CR LF.
QByteArray quotedLine(const QString& text);

// One line of a file of one field to a line, as read.
struct Line {
    // What stands between its double quotes; a broken line keeps what it holds, less a quote at
    // either end.
    QByteArray field;
    // A double quote, a text without quotes or line ends, a double quote: a field as written.
    bool whole = false;
    // The line ended with CR LF, as every line that the files write does; the last line of a
    // file that was cut off ends without.
    bool endsWithCrLf = false;
};

// Reads such a file a line at a time. A line ends at a line feed; a carriage return just before
// it belongs to the line's end.
class LineReader {
public:
    explicit LineReader(const QByteArray& bytes) : bytes_(bytes) {}
    // Nothing after the last line.
    std::optional<Line> next();

private:
    const QByteArray& bytes_;
    qsizetype at_ = 0;
};

// What a text becomes when it enters a cell or a name: double quotes and control characters
// (tabs, line breaks) removed, characters that Windows-1252 cannot hold turned into "?".
QString cellText(const QString& text);

// The text without its leading blanks: an item cell holding only blanks counts as empty.
QString leftTrimmed(const QString& text);

// A grid file as read: always kRows rows, a short file leaving the rest empty; fault is empty
// when the file is whole rows of the format (fewer than kRows of them are whole too), else it
// says what is wrong ("line 4 (row 2) is not one text between double quotes", "line 4 (row 2)
// holds a control character").
struct Grid {
    std::vector<ToDoRow> rows;
    QString fault;
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

#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

// The to-do list's file as its backup carries it: every field on a line of its own in double
// quotes, ended by CR LF, three lines to a row, always 500 rows: 1,500 lines, as the to-do list
// saves it. A backup copies the fields trimmed of their outer blanks; the restore writes the
// lines back unchanged.
namespace ToDoCopy {

constexpr int kLines = 1'500; // 500 rows of three fields

// The lines of the backup copy of a to-do file: one per field, trimmed. A file of fewer rows is
// made up to 500 with empty rows, as the to-do list shows it and saves it next. Nothing when the
// to-do list would find the file damaged (a quote never closed, a quote inside a field, a
// control character, a row cut short, more than 500 rows).
std::optional<QList<QByteArray>> linesOf(const QByteArray& toDoFile);

// Whether bytes are complete quoted lines, at most 1,500 of them: what the disks read so far of a
// copy spread over several may hold.
bool isWholeLines(const QByteArray& bytes);
// Whether bytes are exactly 1,500 complete quoted lines: a to-do file that a restore may put in
// place of the one there.
bool isWholeFile(const QByteArray& bytes);
// Whether bytes are exactly that many complete quoted lines: one disk's share of a copy.
bool isLines(const QByteArray& bytes, int lines);

} // namespace ToDoCopy

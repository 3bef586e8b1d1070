#include "ToDoCopy.h"

#include "FieldLines.h"
#include "ToDoFiles.h"

namespace {

// The to-do list's blanks are spaces; other characters belong to the text.
QString trimmedBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == ' ') {
        ++first;
    }
    while (end > first && text.at(end - 1) == ' ') {
        --end;
    }
    return text.mid(first, end - first);
}

// The lines of bytes when they are a copy as written, nothing otherwise.
std::optional<qsizetype> writtenLines(const QByteArray& bytes) {
    const FieldLines::Read read = FieldLines::read(bytes, 0, 0);
    return read.asWritten ? std::optional(read.count) : std::nullopt;
}

} // namespace

std::optional<QList<QByteArray>> ToDoCopy::linesOf(const QByteArray& toDoFile) {
    // The file is read as the to-do list reads it: what the list would call damaged, or would
    // show out of place, is never carried into a backup.
    const ToDoFiles::Grid grid = ToDoFiles::readGrid(toDoFile);
    if (!grid.fault.isEmpty()) {
        return std::nullopt;
    }
    QList<QByteArray> lines;
    lines.reserve(kLines);
    for (const ToDoRow& row : grid.rows) {
        lines << ToDoFiles::quotedLine(trimmedBlanks(row.item))
              << ToDoFiles::quotedLine(trimmedBlanks(row.toDoDate))
              << ToDoFiles::quotedLine(trimmedBlanks(row.actualDate));
    }
    return lines;
}

bool ToDoCopy::isWholeLines(const QByteArray& bytes) {
    const std::optional<qsizetype> lines = writtenLines(bytes);
    return lines && *lines <= kLines;
}

bool ToDoCopy::isWholeFile(const QByteArray& bytes) {
    return isLines(bytes, kLines);
}

bool ToDoCopy::isLines(const QByteArray& bytes, int lines) {
    return writtenLines(bytes) == lines;
}

#include "ToDoCopy.h"

#include "Cp1252.h"
#include "FieldReader.h"
#include "ToDoFiles.h"

namespace {

constexpr int kFieldsPerRow = 3;
constexpr const char* kEmptyLine = "\"\"\r\n";

// The to-do list's blanks are spaces; tabs and other white space belong to the text.
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

// How many lines bytes hold when every one is a whole field ended by CR LF and there are at most
// 1,500; nothing otherwise.
std::optional<int> wholeLineCount(const QByteArray& bytes) {
    ToDoFiles::LineReader reader(bytes);
    int lines = 0;
    while (const std::optional<ToDoFiles::Line> line = reader.next()) {
        if (!line->whole || !line->endsWithCrLf || ++lines > ToDoCopy::kLines) {
            return std::nullopt;
        }
    }
    return lines;
}

} // namespace

std::optional<QList<QByteArray>> ToDoCopy::linesOf(const QByteArray& toDoFile) {
    FieldReader reader(toDoFile);
    QList<QByteArray> lines;
    QByteArray whole;
    while (!reader.atEnd()) {
        const std::optional<QString> field = reader.next();
        if (!field || lines.size() >= kLines) {
            return std::nullopt;
        }
        lines.append('"' + Cp1252::encode(trimmedBlanks(*field)) + "\"\r\n");
        whole += lines.last();
    }
    if (lines.size() % kFieldsPerRow != 0) {
        return std::nullopt;
    }
    while (lines.size() < kLines) {
        lines.append(kEmptyLine);
        whole += kEmptyLine;
    }
    if (!isWholeFile(whole)) {
        return std::nullopt;
    }
    return lines;
}

bool ToDoCopy::isWholeLines(const QByteArray& bytes) {
    return wholeLineCount(bytes).has_value();
}

bool ToDoCopy::isWholeFile(const QByteArray& bytes) {
    return wholeLineCount(bytes) == kLines;
}

#include "ToDoFiles.h"

#include "Cp1252.h"
#include "StorableText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <functional>

namespace ToDoFiles {

namespace {

// Each line a file writes takes at least four bytes: two double quotes, CR and LF.
constexpr qsizetype kShortestLine = 4;

bool holdsControl(const QByteArray& field) {
    return std::any_of(field.begin(), field.end(), [](char c) { return uchar(c) < 0x20; });
}

// A file of one field to a line, its fields placed at the numbers of the lines they were written
// on. A damaged line still gives what stands between its quotes, less its control characters.
//
// A file overwritten in place with zero bytes (what a disk may leave after a crash) keeps its
// size, but its lines under the zeros run together into one. A file that is always written with
// a fixed number of lines then tells how many ran together: the fields after the zeros keep
// their places counted from the end, the text before the zeros stays on the first of those lines
// and the text after them goes to the last.
struct Lines {
    QStringList fields;
    // The lines the file is taken to have: those read, and those lost under the zeros.
    qsizetype count = 0;
    // The number of the first damaged line (0 when there is none), and whether it holds a
    // control character or is else not a double quote, a text without quotes, a double quote.
    qsizetype firstBroken = 0;
    bool brokenByControl = false;
    // The lines lost under zero bytes, first and last (0 when none were).
    qsizetype zerosFrom = 0;
    qsizetype zerosTo = 0;
};

qsizetype lineCount(const QByteArray& bytes) {
    return bytes.count('\n') + (!bytes.isEmpty() && !bytes.endsWith('\n') ? 1 : 0);
}

// How many line ends the zeros on a line swallowed, when the file is known to have linesWritten
// lines and the zeros are long enough to have held the lines missing: else none.
qsizetype swallowedLineEnds(const QByteArray& field, qsizetype linesRead, qsizetype linesWritten) {
    const qsizetype firstZero = field.indexOf('\0');
    if (firstZero < 0 || linesRead >= linesWritten) {
        return 0;
    }
    const qsizetype zeros = field.lastIndexOf('\0') - firstZero + 1;
    const qsizetype missing = linesWritten - linesRead;
    return missing * kShortestLine - (kShortestLine - 1) <= zeros ? missing : 0;
}

void setField(QStringList& fields, qsizetype index, const QByteArray& bytes) {
    if (index < fields.size()) {
        fields[index] = cellText(Cp1252::decode(bytes));
    }
}

// linesWritten: how many lines the format always writes, or 0 when that number varies.
Lines readLines(const QByteArray& bytes, int keptFields, qsizetype linesWritten) {
    const qsizetype linesRead = lineCount(bytes);
    Lines lines;
    lines.fields.resize(keptFields);
    LineReader reader(bytes);
    qsizetype number = 0;
    while (const std::optional<Line> line = reader.next()) {
        ++number;
        const bool control = holdsControl(line->field);
        if ((control || !line->whole) && lines.firstBroken == 0) {
            lines.firstBroken = number;
            lines.brokenByControl = control;
        }
        const qsizetype swallowed =
            lines.zerosFrom == 0 ? swallowedLineEnds(line->field, linesRead, linesWritten) : 0;
        if (swallowed == 0) {
            setField(lines.fields, number - 1, line->field);
            continue;
        }
        lines.zerosFrom = number;
        lines.zerosTo = number + swallowed;
        setField(lines.fields, number - 1, line->field.left(line->field.indexOf('\0')));
        setField(lines.fields, lines.zerosTo - 1,
                 line->field.mid(line->field.lastIndexOf('\0') + 1));
        number = lines.zerosTo;
    }
    lines.count = number;
    lines.fields.resize(std::min(qsizetype(keptFields), number));
    return lines;
}

// What is wrong with the damaged lines of a file, each line named by where(number) ("4 (row 2)").
QString damage(const Lines& lines, const std::function<QString(qsizetype)>& where,
               const QString& field) {
    QStringList faults;
    if (lines.firstBroken > 0 && lines.firstBroken != lines.zerosFrom) {
        faults << "line " + where(lines.firstBroken) +
                      (lines.brokenByControl ? " holds a control character"
                                             : " is not one " + field + " between double quotes");
    }
    if (lines.zerosFrom > 0) {
        faults << "lines " + where(lines.zerosFrom) + " to " + where(lines.zerosTo) +
                      " were overwritten with zero bytes";
    }
    return faults.join("; ");
}

bool sameBytes(const QString& path, const QString& otherPath) {
    QFile file(path);
    QFile other(otherPath);
    return file.size() == other.size() && file.open(QIODevice::ReadOnly) &&
           other.open(QIODevice::ReadOnly) && file.readAll() == other.readAll();
}

} // namespace

std::optional<Line> LineReader::next() {
    if (at_ >= bytes_.size()) {
        return std::nullopt;
    }
    qsizetype end = bytes_.indexOf('\n', at_);
    const qsizetype next = end < 0 ? bytes_.size() : end + 1;
    if (end < 0) {
        end = bytes_.size();
    }
    Line line;
    if (end > at_ && bytes_.at(end - 1) == '\r') {
        line.endsWithCrLf = end < bytes_.size();
        --end;
    }
    line.field = bytes_.mid(at_, end - at_);
    at_ = next;
    line.whole = line.field.size() >= 2 && line.field.front() == '"' && line.field.back() == '"' &&
                 line.field.count('"') == 2 && !line.field.contains('\r');
    if (line.field.startsWith('"')) {
        line.field.remove(0, 1);
    }
    if (line.field.endsWith('"')) {
        line.field.chop(1);
    }
    return line;
}

QByteArray quotedLine(const QString& text) {
    return '"' + Cp1252::encode(cellText(text)) + "\"\r\n";
}

QString cellText(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (c == '"' || c.unicode() < 0x20) {
            continue;
        }
        kept.append(c);
    }
    // The file's code page decides: what it cannot hold becomes "?" now, not at the next save.
    return StorableText::kept(kept);
}

QString leftTrimmed(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == ' ') {
        ++start;
    }
    return text.mid(start);
}

Grid readGrid(const QByteArray& bytes) {
    const Lines lines = readLines(bytes, kRows * 3, kRows * 3);
    Grid grid;
    grid.rows.resize(kRows);
    for (qsizetype field = 0; field < lines.fields.size(); ++field) {
        ToDoRow& row = grid.rows[std::size_t(field / 3)];
        QString& cell = field % 3 == 0 ? row.item : field % 3 == 1 ? row.toDoDate : row.actualDate;
        cell = lines.fields.at(field);
    }
    grid.fault = damage(
        lines,
        [](qsizetype line) { return QString("%1 (row %2)").arg(line).arg((line - 1) / 3 + 1); },
        "text");
    if (!grid.fault.isEmpty()) {
        return grid;
    }
    if (lines.count > kRows * 3) {
        grid.fault = QString("it holds more than %1 rows").arg(kRows);
    } else if (lines.count % 3 != 0) {
        grid.fault = "its last row is cut short";
    }
    return grid;
}

QByteArray writeGrid(const std::vector<ToDoRow>& rows) {
    QByteArray bytes;
    bytes.reserve(kRows * 3 * 30);
    for (int index = 0; index < kRows; ++index) {
        const ToDoRow row = index < int(rows.size()) ? rows[std::size_t(index)] : ToDoRow();
        bytes += quotedLine(row.item);
        bytes += quotedLine(row.toDoDate);
        bytes += quotedLine(row.actualDate);
    }
    return bytes;
}

Names readNames(const QByteArray& bytes) {
    const Lines lines = readLines(bytes, kMaxNames, 0);
    Names read;
    for (const QString& name : lines.fields) {
        read.names.append(name.trimmed());
    }
    read.fault = damage(
        lines, [](qsizetype line) { return QString::number(line); }, "name");
    if (read.fault.isEmpty() && lines.count > kMaxNames) {
        read.fault = QString("it holds more than %1 names").arg(kMaxNames);
    }
    return read;
}

QByteArray writeNames(const QStringList& names) {
    if (names.isEmpty()) {
        return quotedLine({});
    }
    QByteArray bytes;
    for (const QString& name : names) {
        bytes += quotedLine(name);
    }
    return bytes;
}

bool replaceFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<QString> keepDamaged(const QString& path) {
    constexpr int kMostCopies = 99;
    for (int copy = 1; copy <= kMostCopies; ++copy) {
        const QString kept = path + ".damaged" + (copy > 1 ? QString::number(copy) : QString());
        const QFileInfo info(kept);
        if (!info.exists() && !info.isSymLink()) {
            return QFile::copy(path, kept) ? std::optional(info.fileName()) : std::nullopt;
        }
        if (info.isFile() && !info.isSymLink() && sameBytes(path, kept)) {
            return info.fileName();
        }
    }
    return std::nullopt;
}

} // namespace ToDoFiles

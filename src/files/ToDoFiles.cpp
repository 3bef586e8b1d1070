#include "ToDoFiles.h"

#include "Cp1252.h"
#include "StorableText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ToDoFiles {

namespace {

// A file of one field to a line: the fields of its first lines, how many lines it has, and the
// number of its first line that is not a double quote, a text without quotes or line ends, and a
// double quote (0 when there is none). A broken line still gives what stands between its quotes.
struct Lines {
    QStringList fields;
    qsizetype count = 0;
    qsizetype firstBroken = 0;
};

Lines readLines(const QByteArray& bytes, int keptFields) {
    Lines lines;
    LineReader reader(bytes);
    while (const std::optional<Line> line = reader.next()) {
        ++lines.count;
        if (!line->whole && lines.firstBroken == 0) {
            lines.firstBroken = lines.count;
        }
        if (lines.fields.size() < keptFields) {
            lines.fields.append(cellText(Cp1252::decode(line->field)));
        }
    }
    return lines;
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
    const Lines lines = readLines(bytes, kRows * 3);
    Grid grid;
    grid.rows.resize(kRows);
    for (qsizetype field = 0; field < lines.fields.size(); ++field) {
        ToDoRow& row = grid.rows[std::size_t(field / 3)];
        QString& cell = field % 3 == 0 ? row.item : field % 3 == 1 ? row.toDoDate : row.actualDate;
        cell = lines.fields.at(field);
    }
    if (lines.firstBroken > 0) {
        grid.fault = QString("line %1 (row %2) is not one text between double quotes")
                         .arg(lines.firstBroken)
                         .arg((lines.firstBroken - 1) / 3 + 1);
    } else if (lines.count > kRows * 3) {
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
    const Lines lines = readLines(bytes, kMaxNames);
    Names read;
    for (const QString& name : lines.fields) {
        read.names.append(name.trimmed());
    }
    if (lines.firstBroken > 0) {
        read.fault =
            QString("line %1 is not one name between double quotes").arg(lines.firstBroken);
    } else if (lines.count > kMaxNames) {
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

#include "ToDoFiles.h"

#include "Cp1252.h"
#include "FieldLines.h"
#include "StorableText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <functional>

namespace ToDoFiles {

namespace {

// Where zero bytes overwrote lines they are named, the first few runs of them.
constexpr int kZeroRunsTold = 3;

QString linesText(qsizetype first, qsizetype last, const std::function<QString(qsizetype)>& where) {
    return first == last ? "line " + where(first) + " was"
                         : "lines " + where(first) + " to " + where(last) + " were";
}

// What is wrong with the damaged lines of a file, each line named by where(number) ("4 (row 2)").
QStringList damage(const FieldLines::Read& read, const std::function<QString(qsizetype)>& where,
                   const QString& field) {
    QStringList faults;
    if (read.firstBroken > 0) {
        faults << "line " + where(read.firstBroken) +
                      (read.brokenByControl ? " holds a control character"
                                            : " is not one " + field + " between double quotes");
    }
    for (qsizetype run = 0; run < std::min(read.zeroLines.size(), qsizetype(kZeroRunsTold));
         ++run) {
        const auto [first, last] = read.zeroLines.at(run);
        faults << linesText(first, last, where) + " overwritten with zero bytes";
    }
    if (read.zeroLines.size() > kZeroRunsTold) {
        const qsizetype more = read.zeroLines.size() - kZeroRunsTold;
        faults << (more == 1 ? QString("zero bytes overwrote one more place")
                             : QString("zero bytes overwrote %1 more places").arg(more));
    }
    return faults;
}

// "rows 7 to 9, 12 and 20 to 500 may be out of place".
QString unsureText(const QList<int>& rows) {
    QStringList spans;
    for (qsizetype at = 0; at < rows.size();) {
        qsizetype end = at;
        while (end + 1 < rows.size() && rows.at(end + 1) == rows.at(end) + 1) {
            ++end;
        }
        spans << (end == at ? QString::number(rows.at(at))
                            : QString("%1 to %2").arg(rows.at(at)).arg(rows.at(end)));
        at = end + 1;
    }
    const QString last = spans.takeLast();
    const QString joined = spans.isEmpty() ? last : spans.join(", ") + " and " + last;
    return (rows.size() == 1 ? "row " : "rows ") + joined + " may be out of place";
}

bool sameBytes(const QString& path, const QString& otherPath) {
    QFile file(path);
    QFile other(otherPath);
    return file.size() == other.size() && file.open(QIODevice::ReadOnly) &&
           other.open(QIODevice::ReadOnly) && file.readAll() == other.readAll();
}

} // namespace

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
    const FieldLines::Read read = FieldLines::read(bytes, kRows * 3, kRows * 3);
    Grid grid;
    grid.rows.resize(kRows);
    for (qsizetype line = 0; line < read.fields.size(); ++line) {
        ToDoRow& row = grid.rows[std::size_t(line / 3)];
        QString& cell = line % 3 == 0 ? row.item : line % 3 == 1 ? row.toDoDate : row.actualDate;
        cell = cellText(Cp1252::decode(read.fields.at(line)));
    }
    const auto rowOf = [](qsizetype line) { return int((line - 1) / 3 + 1); };
    for (const qsizetype line : read.unsureLines) {
        if (grid.unsureRows.isEmpty() || grid.unsureRows.last() != rowOf(line)) {
            grid.unsureRows.append(rowOf(line));
        }
    }
    QStringList faults = damage(
        read, [&](qsizetype line) { return QString("%1 (row %2)").arg(line).arg(rowOf(line)); },
        "text");
    if (!grid.unsureRows.isEmpty()) {
        faults << unsureText(grid.unsureRows);
    }
    if (faults.isEmpty() && read.count > kRows * 3) {
        faults << QString("it holds more than %1 rows").arg(kRows);
    } else if (faults.isEmpty() && read.count % 3 != 0) {
        faults << "its last row is cut short";
    }
    grid.fault = faults.join("; ");
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
    const FieldLines::Read read = FieldLines::read(bytes, 0, kMaxNames);
    Names names;
    for (const QByteArray& name : read.fields) {
        names.names.append(cellText(Cp1252::decode(name)).trimmed());
    }
    names.fault = damage(
                      read, [](qsizetype line) { return QString::number(line); }, "name")
                      .join("; ");
    if (names.fault.isEmpty() && read.count > kMaxNames) {
        names.fault = QString("it holds more than %1 names").arg(kMaxNames);
    }
    return names;
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

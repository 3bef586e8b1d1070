#include "ToDoFiles.h"

#include "Cp1252.h"
#include "FieldReader.h"
#include "StorableText.h"

#include <QSaveFile>

namespace ToDoFiles {

QByteArray quotedLine(const QString& text) {
    return '"' + Cp1252::encode(cellText(text)) + "\"\r\n";
}

QString cellText(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (c == '"' || c == '\t' || c == '\r' || c == '\n') {
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

std::vector<ToDoRow> readGrid(const QByteArray& bytes) {
    std::vector<ToDoRow> rows;
    rows.reserve(kRows);
    FieldReader reader(bytes);
    const auto field = [&reader] { return cellText(reader.next().value_or(QString())); };
    while (int(rows.size()) < kRows && !reader.atEnd() && !reader.unclosedQuote()) {
        ToDoRow row;
        row.item = field();
        row.toDoDate = field();
        row.actualDate = field();
        rows.push_back(row);
    }
    rows.resize(kRows);
    return rows;
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

QStringList readNames(const QByteArray& bytes) {
    QStringList names;
    FieldReader reader(bytes);
    while (names.size() < kMaxNames && !reader.atEnd() && !reader.unclosedQuote()) {
        names.append(cellText(reader.next().value_or(QString())).trimmed());
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

} // namespace ToDoFiles

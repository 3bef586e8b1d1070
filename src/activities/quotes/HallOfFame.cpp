#include "HallOfFame.h"

#include "Cp1252.h"
#include "NumericValue.h"
#include "RecordCodec.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace HallOfFame {

namespace {

struct Time {
    int minutes = 0;
    int seconds = 0;
};

// Minutes, ":" and two digits of seconds, as the timer shows them.
std::optional<Time> readTime(const QString& text) {
    static const QRegularExpression shape(R"(^\s*(\d{1,6}):(\d\d)\s*$)");
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return Time{match.captured(1).toInt(), match.captured(2).toInt()};
}

bool isAccuracy(const QString& acc) {
    static const QRegularExpression shape(R"(^ *\d{1,3}$)");
    return acc.size() == 3 && shape.match(acc).hasMatch();
}

} // namespace

int recordOf(int quote, int wordsPerBox) {
    return (quote - 1) * 4 + wordsPerBox;
}

QString emptyEntry() {
    return " #       ";
}

Entry split(const QString& text) {
    const qsizetype hash = text.indexOf('#');
    if (hash < 0) {
        return split(emptyEntry());
    }
    Entry entry{text.left(hash), text.mid(hash + 1, 3), text.mid(hash + 4)};
    if (!entry.hasHolder()) {
        return entry;
    }
    if (!isAccuracy(entry.accuracy) || !readTime(entry.time)) {
        return split(emptyEntry());
    }
    return entry;
}

bool qualifies(const Entry& stored, const QString& accuracyText, const QString& timeText) {
    const std::optional<Time> now = readTime(timeText);
    if (!now) {
        return false;
    }
    if (!stored.hasHolder()) {
        return true;
    }
    if (numericValue(stored.accuracy) > numericValue(accuracyText)) {
        return false;
    }
    // A holder's time was read when the entry was split.
    const Time held = readTime(stored.time).value_or(Time{});
    return held.minutes > now->minutes ||
           (held.minutes == now->minutes && held.seconds >= now->seconds);
}

QString holderName(const QString& answer) {
    QString kept;
    for (const QChar c : answer) {
        if (c != '#' && c.category() != QChar::Other_Control) {
            kept.append(c);
        }
    }
    qsizetype at = 0;
    while (at < kept.size() && kept.at(at) == ' ') {
        ++at;
    }
    return Cp1252::decode(Cp1252::encode(kept.mid(at).toUpper().left(8)));
}

QString entryFor(const QString& answer, const QString& accuracyText, const QString& timeText) {
    const int accuracy = numericValue(accuracyText);
    const QString acc = accuracy >= 100 ? "100" : QString::number(accuracy).rightJustified(3);
    return (holderName(answer) + '#' + acc + timeText).left(kRecordLength - 2);
}

File::File(const ProgramFolder& folder)
    : path_(folder.file(kFileName)), records_(path_, kRecordLength) {}

int File::recordsHeld() const {
    const qint64 size = QFileInfo(path_).size();
    return int((size + kRecordLength - 1) / kRecordLength);
}

std::optional<QString> File::read(int record) const {
    const std::optional<QByteArray> bytes = records_.readChecked(record);
    if (!bytes) {
        return std::nullopt;
    }
    return bytes->isEmpty() ? emptyEntry() : RecordCodec::readText(*bytes);
}

std::optional<QStringList> File::readAll() const {
    QStringList entries;
    for (int record = 1; record <= kRecords; ++record) {
        const std::optional<QString> entry = read(record);
        if (!entry) {
            return std::nullopt;
        }
        entries.append(*entry);
    }
    return entries;
}

RecordFile::WriteResult File::complete() {
    const int held = recordsHeld();
    if (QFileInfo::exists(path_) && held >= kRecords) {
        return RecordFile::WriteResult::Written;
    }
    QList<QByteArray> empties;
    for (int record = held + 1; record <= kRecords; ++record) {
        empties.append(RecordCodec::text(emptyEntry()));
    }
    return records_.writeRecords(held + 1, empties);
}

RecordFile::WriteResult File::write(int record, const QString& entry) {
    const RecordFile::WriteResult completed = complete();
    if (completed != RecordFile::WriteResult::Written) {
        return completed;
    }
    return records_.write(record, RecordCodec::text(entry));
}

RecordFile::WriteResult File::deleteAll() {
    return records_.writeRecords(1, QList<QByteArray>(kRecords, RecordCodec::text(emptyEntry())));
}

} // namespace HallOfFame

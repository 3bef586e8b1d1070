#include "YearFile.h"

#include "RecordCodec.h"
#include "RecordFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr int kActivitiesOffset = YearFile::kRows * YearFile::kTimeWidth;
constexpr int kStatusOffset = kActivitiesOffset + YearFile::kRows * YearFile::kActivityWidth;

RecordFile yearFile(const ProgramFolder& folder, int year) {
    return {folder.file(YearFile::fileName(year)), YearFile::kRecordLength};
}

} // namespace

bool YearFile::DayRecord::hasActivity() const {
    if (!isFull()) {
        return false;
    }
    for (const QString& activity : activities) {
        if (!activity.isEmpty()) {
            return true;
        }
    }
    return false;
}

QString YearFile::fileName(int year) {
    return QStringLiteral(" %1.Cal").arg(year);
}

int YearFile::recordNumber(int day, int month) {
    switch (month) {
    case 10:
        return day + 320;
    case 11:
        return day + 360;
    case 12:
        return day + 400;
    default:
        return day * 10 + month;
    }
}

int YearFile::recordNumber(const QDate& date) {
    return recordNumber(date.day(), date.month());
}

QByteArray YearFile::encode(const DayRecord& day) {
    QByteArray bytes;
    bytes.reserve(kDayLength);
    for (const QString& time : day.times) {
        bytes += RecordCodec::fixedText(trimmedRight(time), kTimeWidth);
    }
    for (const QString& activity : day.activities) {
        bytes += RecordCodec::fixedText(trimmedRight(activity), kActivityWidth);
    }
    bytes += RecordCodec::fixedText(trimmedRight(day.status), kStatusWidth);
    return bytes;
}

YearFile::DayRecord YearFile::decode(const QByteArray& record) {
    DayRecord day;
    for (int row = 0; row < kRows; ++row) {
        day.times[std::size_t(row)] =
            trimmedRight(RecordCodec::readFixedText(record, row * kTimeWidth, kTimeWidth));
        day.activities[std::size_t(row)] = trimmedRight(RecordCodec::readFixedText(
            record, kActivitiesOffset + row * kActivityWidth, kActivityWidth));
    }
    day.status = trimmedRight(RecordCodec::readFixedText(record, kStatusOffset, kStatusWidth));
    return day;
}

std::optional<YearFile::DayRecord> YearFile::read(const ProgramFolder& folder, int year,
                                                  int record) {
    const std::optional<QByteArray> bytes = yearFile(folder, year).readChecked(record);
    if (!bytes) {
        return std::nullopt;
    }
    return decode(*bytes);
}

bool YearFile::write(const ProgramFolder& folder, int year, int record, const DayRecord& day) {
    return yearFile(folder, year).write(record, encode(day)) == RecordFile::WriteResult::Written;
}

qint64 YearFile::length(const ProgramFolder& folder, int year) {
    const QFileInfo info(folder.file(fileName(year)));
    return info.isFile() ? info.size() : 0;
}

QByteArray YearFile::rawRecord(const QByteArray& record) {
    QByteArray raw(kRecordLength, '\0');
    raw.replace(0, std::min<qsizetype>(record.size(), kDayLength), record.left(kDayLength));
    return raw;
}

std::optional<QByteArray> YearFile::readRawRecords(const ProgramFolder& folder, int year) {
    QFile file(folder.file(fileName(year)));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.read(qint64(kLastRecord) * kRecordLength);
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    QByteArray records;
    records.reserve(kLastRecord * kRecordLength);
    for (int record = 0; record < kLastRecord; ++record) {
        records += rawRecord(bytes.mid(qsizetype(record) * kRecordLength, kRecordLength));
    }
    return records;
}

bool YearFile::replaceRawRecords(const ProgramFolder& folder, int year, const QByteArray& records) {
    if (records.size() != qsizetype(kLastRecord) * kRecordLength) {
        return false;
    }
    QSaveFile file(folder.file(fileName(year)));
    return file.open(QIODevice::WriteOnly) && file.write(records) == records.size() &&
           file.commit();
}

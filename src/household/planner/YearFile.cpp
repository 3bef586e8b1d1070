#include "YearFile.h"

#include "RecordCodec.h"
#include "RecordFile.h"

namespace {

constexpr int kTimeWidth = 10;
constexpr int kActivityWidth = 50;
constexpr int kStatusWidth = 10;

} // namespace

QString YearFile::fileName(int year) {
    return QStringLiteral(" %1.Cal").arg(year, 4, 10, QChar('0'));
}

int YearFile::recordNumber(const QDate& date) {
    const int day = date.day();
    switch (date.month()) {
    case 10:
        return day + 320;
    case 11:
        return day + 360;
    case 12:
        return day + 400;
    default:
        return day * 10 + date.month();
    }
}

YearFile::DayRecord YearFile::readDay(const ProgramFolder& folder, const QDate& date) {
    const RecordFile file(folder.file(fileName(date.year())), kRecordLength);
    const QByteArray bytes = file.read(recordNumber(date));
    DayRecord day;
    int offset = 0;
    for (QString& time : day.times) {
        time = RecordCodec::readFixedText(bytes, offset, kTimeWidth);
        offset += kTimeWidth;
    }
    for (QString& activity : day.activities) {
        activity = RecordCodec::readFixedText(bytes, offset, kActivityWidth);
        offset += kActivityWidth;
    }
    day.status = RecordCodec::readFixedText(bytes, offset, kStatusWidth);
    return day;
}

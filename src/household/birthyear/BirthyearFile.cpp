#include "BirthyearFile.h"

#include "RecordCodec.h"

namespace BirthyearFile {

namespace {

constexpr int kSpareWidth = kRecordLength - 2 * kTextWidth;

QString shown(const QString& stored) {
    return trimmedRight(stored).replace("\r\n", "\n");
}

QString stored(const QString& shown) {
    QString text = shown;
    return text.replace("\n", "\r\n");
}

} // namespace

QByteArray encodeRecord(const YearTexts& texts) {
    return RecordCodec::fixedText(stored(texts.serious), kTextWidth) +
           RecordCodec::fixedText(stored(texts.lighter), kTextWidth) + QByteArray(kSpareWidth, ' ');
}

YearTexts decodeRecord(const QByteArray& record) {
    return {shown(RecordCodec::readFixedText(record, 0, kTextWidth)),
            shown(RecordCodec::readFixedText(record, kTextWidth, kTextWidth))};
}

YearTexts read(const QString& path, int year) {
    if (year < kFirstYear || year > kLastYear) {
        return {};
    }
    return decodeRecord(RecordFile(path, kRecordLength).read(year - (kFirstYear - 1)));
}

RecordFile::WriteResult write(const QString& path, int year, const YearTexts& texts) {
    if (year < kFirstYear || year > kLastYear) {
        return RecordFile::WriteResult::Failed;
    }
    return RecordFile(path, kRecordLength).write(year - (kFirstYear - 1), encodeRecord(texts));
}

int storedLength(const QString& shown) {
    return int(shown.size() + shown.count('\n'));
}

std::optional<int> parseYear(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.size() != 4) {
        return std::nullopt;
    }
    for (const QChar c : trimmed) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    const int year = trimmed.toInt();
    if (year < kFirstYear || year > kLastYear) {
        return std::nullopt;
    }
    return year;
}

} // namespace BirthyearFile

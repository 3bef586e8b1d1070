#include "DiskInfoFile.h"

#include "RecordCodec.h"

namespace {

constexpr const char* kConstant = "T1";

QByteArray record(const QString& text) {
    QByteArray bytes = RecordCodec::text(text);
    bytes.resize(DiskInfoFile::kRecordLength, '\0');
    return bytes;
}

QString digits(const std::optional<int>& number) {
    return number ? QString::number(*number) : QString();
}

QString signed16(const std::optional<int>& number) {
    return number ? ' ' + QString::number(*number) : QString();
}

// The number a record holds, blanks around it allowed; nothing for any other text.
std::optional<int> number(const QString& text, int lowest, int highest) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    const int value = trimmed.toInt(&ok);
    const bool onlyDigits =
        !trimmed.isEmpty() && std::all_of(trimmed.begin(), trimmed.end(),
                                          [](QChar ch) { return ch >= '0' && ch <= '9'; });
    if (!ok || !onlyDigits || value < lowest || value > highest) {
        return std::nullopt;
    }
    return value;
}

} // namespace

QByteArray DiskInfoFile::encode(const Values& values) {
    return record(values.tag) + record(digits(values.thisDisk)) + record(digits(values.nextDisk)) +
           record(signed16(values.resumeRecord)) + record(signed16(values.year)) +
           record(kConstant);
}

std::optional<DiskInfoFile::DiskInfo> DiskInfoFile::decode(const QByteArray& bytes,
                                                           const QString& tag, Shares shares) {
    if (bytes.size() < kLength) {
        return std::nullopt;
    }
    QString texts[kRecords];
    for (int index = 0; index < kRecords; ++index) {
        const int offset = index * kRecordLength;
        const qint16 length = RecordCodec::readInteger(bytes, offset);
        if (length < 0 || length > kLongestText) {
            return std::nullopt;
        }
        texts[index] = RecordCodec::readText(bytes.left(offset + kRecordLength), offset);
    }
    const std::optional<int> thisDisk = number(texts[1], 1, kLargestDiskNumber);
    const std::optional<int> nextDisk = number(texts[2], 1, kLargestDiskNumber);
    if (texts[0].trimmed() != tag || !thisDisk || !nextDisk ||
        (*nextDisk != *thisDisk && *nextDisk != *thisDisk + 1)) {
        return std::nullopt;
    }
    DiskInfo info{tag, *thisDisk, *nextDisk, 0};
    if (shares.alwaysRecorded || !texts[3].trimmed().isEmpty()) {
        const int pastLast = shares.pieces + 1;
        const std::optional<int> resume = number(texts[3], 1, pastLast);
        if (!resume || (*resume == pastLast) != info.isLast()) {
            return std::nullopt;
        }
        info.resumeRecord = *resume;
    }
    return info;
}

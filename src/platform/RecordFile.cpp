#include "RecordFile.h"

#include "RecordCodec.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

RecordFile::RecordFile(QString path, int recordLength)
    : path_(std::move(path)), length_(recordLength) {}

QByteArray RecordFile::read(int recordNumber) const {
    QFile file(path_);
    // ReadWrite creates the missing file, as opening a random-access file always did.
    if (recordNumber < 1 || !(file.open(QIODevice::ReadWrite) || file.open(QIODevice::ReadOnly))) {
        return {};
    }
    const qint64 start = qint64(recordNumber - 1) * length_;
    if (start < file.size() && file.seek(start)) {
        return file.read(length_);
    }
    return {};
}

std::optional<QByteArray> RecordFile::readChecked(int recordNumber) const {
    QFile file(path_);
    if (recordNumber < 1) {
        return QByteArray();
    }
    // ReadWrite creates the missing file, as opening a random-access file always did; a file that
    // is there and opens in neither way cannot be read.
    if (!file.open(QIODevice::ReadWrite) && !file.open(QIODevice::ReadOnly)) {
        return file.exists() ? std::nullopt : std::optional<QByteArray>(QByteArray());
    }
    const qint64 start = qint64(recordNumber - 1) * length_;
    if (start >= file.size()) {
        return QByteArray();
    }
    const qint64 held = std::min<qint64>(length_, file.size() - start);
    if (!file.seek(start)) {
        return std::nullopt;
    }
    QByteArray stored = file.read(length_);
    if (stored.size() < held) {
        return std::nullopt;
    }
    return stored;
}

RecordFile::WriteResult RecordFile::write(int recordNumber, const QByteArray& value) {
    return writeRecords(recordNumber, {value});
}

RecordFile::WriteResult RecordFile::writeRecords(int firstRecord, const QList<QByteArray>& values) {
    if (firstRecord < 1 ||
        std::any_of(values.begin(), values.end(),
                    [this](const QByteArray& value) { return value.size() > length_; })) {
        return WriteResult::TooLong;
    }
    QByteArray content;
    QFile existing(path_);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly)) {
            return WriteResult::Failed;
        }
        content = existing.readAll();
        existing.close();
    }
    for (qsizetype index = 0; index < values.size(); ++index) {
        const qint64 start = qint64(firstRecord - 1 + index) * length_;
        if (content.size() < start + length_) {
            content.append(QByteArray(start + length_ - content.size(), '\0'));
        }
        content.replace(start, values.at(index).size(), values.at(index));
    }

    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) {
        return WriteResult::Failed;
    }
    if (file.write(content) != content.size() || !file.flush()) {
        file.cancelWriting();
        return WriteResult::Failed;
    }
    return file.commit() ? WriteResult::Written : WriteResult::Failed;
}

QString RecordFile::readText(int recordNumber) const {
    return RecordCodec::readText(read(recordNumber));
}

qint16 RecordFile::readInteger(int recordNumber) const {
    return RecordCodec::readInteger(read(recordNumber));
}

StoredVariant RecordFile::readVariant(int recordNumber) const {
    return RecordCodec::readVariant(read(recordNumber));
}

RecordFile::WriteResult RecordFile::writeText(int recordNumber, const QString& value) {
    return write(recordNumber, RecordCodec::text(value));
}

RecordFile::WriteResult RecordFile::writeInteger(int recordNumber, qint16 value) {
    return write(recordNumber, RecordCodec::integer(value));
}

RecordFile::WriteResult RecordFile::writeVariant(int recordNumber, const StoredVariant& value) {
    return write(recordNumber, RecordCodec::variant(value));
}

#pragma once

#include "StoredVariant.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// A random-access file of fixed-length records numbered from 1; record n starts at byte
// (n - 1) x length. Every call opens the file, does its one access and closes it again, so no file
// stays open between two user actions. Reading a record creates the file, empty, when it is
// missing. Every write replaces the whole file atomically: a crash, a kill or a full disk leaves
// the old content whole.
class RecordFile {
public:
    enum class WriteResult {
        Written,
        TooLong, // the value does not fit its record; the file is untouched
        Failed,  // the file could not be written; the old content is untouched
    };

    RecordFile(QString path, int recordLength);

    // The record's bytes as the file holds them: recordLength of them, fewer where the file ends
    // inside the record, none past its end. The readers of RecordCodec take what is missing as
    // the empty value, so a damaged length field never reads bytes the file does not hold.
    QByteArray read(int recordNumber) const;
    // The record's bytes as the file holds them (fewer where the file ends inside the record, none
    // past its end), or nothing when the file is there and cannot be read: the caller reports that
    // rather than take it for a record never written. A missing file is created and reads empty.
    std::optional<QByteArray> readChecked(int recordNumber) const;
    // Writes value at the start of the record; the rest of an existing record keeps its bytes, and
    // a record past the end extends the file with zeros.
    WriteResult write(int recordNumber, const QByteArray& value);
    // Writes values into consecutive records from firstRecord, as write() does for one, in one
    // replacement of the file: either every record is written or none is.
    WriteResult writeRecords(int firstRecord, const QList<QByteArray>& values);

    QString readText(int recordNumber) const;
    qint16 readInteger(int recordNumber) const;
    StoredVariant readVariant(int recordNumber) const;
    WriteResult writeText(int recordNumber, const QString& value);
    WriteResult writeInteger(int recordNumber, qint16 value);
    WriteResult writeVariant(int recordNumber, const StoredVariant& value);

    int recordLength() const { return length_; }

private:
    QString path_;
    int length_;
};

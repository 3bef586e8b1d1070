#pragma once

#include "StoredVariant.h"

#include <QByteArray>
#include <QString>

// The encodings of one value inside a record: little-endian integers, texts with a 2-byte length
// prefix, blank-padded fixed texts and variants with their type codes. Texts are Windows-1252.
// Readers never read outside the record: missing bytes read as zeros, so a stretch of zeros, or a
// record past the end of its file, reads as the empty value.
namespace RecordCodec {

QString readText(const QByteArray& record, int offset = 0);
QString readFixedText(const QByteArray& record, int offset, int width);
qint16 readInteger(const QByteArray& record, int offset = 0);
StoredVariant readVariant(const QByteArray& record, int offset = 0);

QByteArray text(const QString& value);
QByteArray fixedText(const QString& value, int width);
QByteArray integer(qint16 value);
QByteArray variant(const StoredVariant& value);

} // namespace RecordCodec

// Readers of fixed texts and keywords ("OFF", "Def", "Full") cut the trailing blanks and keep the
// leading ones.
QString trimmedRight(const QString& text);

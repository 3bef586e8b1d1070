#include "RecordCodec.h"

#include "Cp1252.h"

#include <QtEndian>

namespace {

enum VariantType : quint16 { Empty = 0, Integer = 2, Long = 3, Text = 8 };

quint8 byteAt(const QByteArray& record, qsizetype index) {
    return index >= 0 && index < record.size() ? static_cast<quint8>(record.at(index)) : 0;
}

quint16 readUnsigned16(const QByteArray& record, int offset) {
    return static_cast<quint16>(byteAt(record, offset) | (byteAt(record, offset + 1) << 8));
}

QByteArray slice(const QByteArray& record, int offset, int length) {
    if (offset < 0 || offset >= record.size() || length <= 0) {
        return {};
    }
    return record.mid(offset, length);
}

QByteArray littleEndian16(quint16 value) {
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

} // namespace

QString RecordCodec::readText(const QByteArray& record, int offset) {
    const int length = readUnsigned16(record, offset);
    return Cp1252::decode(slice(record, offset + 2, length));
}

QString RecordCodec::readFixedText(const QByteArray& record, int offset, int width) {
    // Bytes past the end and zero bytes (a record never written) read as blanks.
    QByteArray bytes = slice(record, offset, width).replace('\0', ' ');
    bytes.append(QByteArray(width - bytes.size(), ' '));
    return Cp1252::decode(bytes);
}

qint16 RecordCodec::readInteger(const QByteArray& record, int offset) {
    return static_cast<qint16>(readUnsigned16(record, offset));
}

StoredVariant RecordCodec::readVariant(const QByteArray& record, int offset) {
    switch (readUnsigned16(record, offset)) {
    case Integer:
        return qint32{readInteger(record, offset + 2)};
    case Long: {
        const quint32 low = readUnsigned16(record, offset + 2);
        const quint32 high = readUnsigned16(record, offset + 4);
        return static_cast<qint32>(low | (high << 16));
    }
    case Text:
        return readText(record, offset + 2);
    default:
        return std::monostate{};
    }
}

QByteArray RecordCodec::text(const QString& value) {
    const QByteArray characters = Cp1252::encode(value);
    return littleEndian16(static_cast<quint16>(characters.size())) + characters;
}

QByteArray RecordCodec::fixedText(const QString& value, int width) {
    QByteArray characters = Cp1252::encode(value).left(width);
    characters.append(QByteArray(width - characters.size(), ' '));
    return characters;
}

QByteArray RecordCodec::integer(qint16 value) {
    return littleEndian16(static_cast<quint16>(value));
}

QByteArray RecordCodec::variant(const StoredVariant& value) {
    if (const auto* number = std::get_if<qint32>(&value)) {
        QByteArray bytes = littleEndian16(Long);
        bytes.append(4, '\0');
        qToLittleEndian(*number, bytes.data() + 2);
        return bytes;
    }
    if (const auto* characters = std::get_if<QString>(&value)) {
        return littleEndian16(Text) + text(*characters);
    }
    return littleEndian16(Empty);
}

QString trimmedRight(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QChar(' ')) {
        --end;
    }
    return text.left(end);
}

#include "Cp1252.h"

#include <array>

namespace {

// 0x80 to 0x9F differ from Latin-1; zero marks the five codes that Windows-1252 leaves undefined,
// which are read as the C1 control of the same number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char encodeOne(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
        return static_cast<char>(unit);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        const char16_t mapped = kHighControls[i] != 0 ? kHighControls[i] : char16_t(0x80 + i);
        if (mapped == unit) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

} // namespace

QString Cp1252::decode(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code >= 0x80 && code < 0xA0 && kHighControls[code - 0x80] != 0) {
            text.append(QChar(kHighControls[code - 0x80]));
        } else {
            text.append(QChar(code));
        }
    }
    return text;
}

QByteArray Cp1252::encode(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        bytes.append(encodeOne(ch.unicode()));
    }
    return bytes;
}

bool Cp1252::canHold(const QString& text) {
    return decode(encode(text)) == text;
}

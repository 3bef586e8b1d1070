#include "FolderSnapshot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

namespace {

// Bytes as they would be written in a C string.
std::string escaped(const QByteArray& bytes) {
    std::string text;
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (byte == '\r') {
            text += "\\r";
        } else if (byte == '\n') {
            text += "\\n";
        } else if (byte == '"' || byte == '\\') {
            text += '\\';
            text += byte;
        } else if (code < 0x20 || code >= 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", code);
            text += hex;
        } else {
            text += byte;
        }
    }
    return text;
}

// The bytes around offset: kContext before it and kContext from it, marked where cut.
std::string around(const QByteArray& bytes, qsizetype offset) {
    const qsizetype from = std::max<qsizetype>(0, offset - kContext);
    const qsizetype to = std::min(bytes.size(), offset + kContext);
    return (from > 0 ? "..." : "") + ('"' + escaped(bytes.mid(from, to - from)) + '"') +
           (to < bytes.size() ? "..." : "");
}

std::string timeText(const QDateTime& time) {
    return time.toString(Qt::ISODateWithMs).toStdString();
}

} // namespace

FolderSnapshot folderSnapshot(const QString& folder) {
    FolderSnapshot entries;
    for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot)) {
        QFile file(entry.absoluteFilePath());
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        entries[entry.fileName()] = {bytes, entry.lastModified()};
    }
    return entries;
}

std::string firstDifference(const QByteArray& actual, const QByteArray& expected) {
    if (actual == expected) {
        return {};
    }
    const qsizetype shorter = std::min(actual.size(), expected.size());
    qsizetype offset = 0;
    while (offset < shorter && actual.at(offset) == expected.at(offset)) {
        ++offset;
    }
    return "the bytes first differ at offset " + std::to_string(offset) + " (actual " +
           std::to_string(actual.size()) + " bytes, expected " + std::to_string(expected.size()) +
           " bytes)\n  actual:   " + around(actual, offset) +
           "\n  expected: " + around(expected, offset);
}

::testing::AssertionResult sameBytes(const QByteArray& actual, const QByteArray& expected) {
    const std::string difference = firstDifference(actual, expected);
    if (difference.empty()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << difference;
}

::testing::AssertionResult sameFile(const FileState& actual, const FileState& expected) {
    ::testing::AssertionResult result = sameBytes(actual.bytes, expected.bytes);
    if (actual.changed != expected.changed) {
        if (result) {
            result = ::testing::AssertionFailure();
        } else {
            result << "\n";
        }
        result << "changed at " << timeText(actual.changed) << ", expected "
               << timeText(expected.changed);
    }
    return result;
}

::testing::AssertionResult sameSnapshot(const FolderSnapshot& actual,
                                        const FolderSnapshot& expected) {
    std::string differences;
    for (auto entry = expected.cbegin(); entry != expected.cend(); ++entry) {
        const std::string name = entry.key().toStdString();
        if (!actual.contains(entry.key())) {
            differences += name + ": gone\n";
        } else if (const auto same = sameFile(actual.value(entry.key()), entry.value()); !same) {
            differences += name + ": " + same.message() + "\n";
        }
    }
    for (auto entry = actual.cbegin(); entry != actual.cend(); ++entry) {
        if (!expected.contains(entry.key())) {
            differences += entry.key().toStdString() + ": new, " +
                           std::to_string(entry.value().bytes.size()) + " bytes\n";
        }
    }
    if (differences.empty()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "the folder differs:\n" << differences;
}

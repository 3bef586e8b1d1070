#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <QString>

#include <gtest/gtest.h>

#include <string>

// What a folder holds, entry by entry: the bytes and the time of change. A failed comparison names
// the entries that differ and shows where their bytes first differ, with a few bytes around it,
// never a whole file (a planner year file is 108 KB).
struct FileState {
    QByteArray bytes;
    QDateTime changed;
};
using FolderSnapshot = QMap<QString, FileState>;

FolderSnapshot folderSnapshot(const QString& folder);

// Where two byte strings first differ: the offset, each one's length, and kContext bytes before
// and after that offset in each, shown as C string text (line ends and other bytes outside
// printable ASCII escaped). Empty when they are equal.
std::string firstDifference(const QByteArray& actual, const QByteArray& expected);
constexpr int kContext = 24;

::testing::AssertionResult sameBytes(const QByteArray& actual, const QByteArray& expected);
::testing::AssertionResult sameFile(const FileState& actual, const FileState& expected);
::testing::AssertionResult sameSnapshot(const FolderSnapshot& actual,
                                        const FolderSnapshot& expected);

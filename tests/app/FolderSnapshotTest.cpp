#include "FolderSnapshot.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A planner year file's size, its records as full as they come.
QByteArray yearSizedFile() {
    QByteArray bytes;
    for (int record = 0; bytes.size() < 108'000; ++record) {
        bytes += "\"Entry of record " + QByteArray::number(record) + "\"\r\n";
    }
    return bytes;
}

// Where two files first differ, told in a few lines: the offset, both lengths, and the bytes
// around the offset in each, escaped, with "..." where the context is cut.
TEST(FolderSnapshotTest, TellsWhereTwoFilesFirstDifferWithAShortContext) {
    const QByteArray year = yearSizedFile();
    QByteArray oneChanged = year;
    const qsizetype middle = year.indexOf("record 2000\"");
    oneChanged[middle + 7] = '3';
    const struct {
        const char* what;
        QByteArray actual, expected;
        std::string told;
    } cases[] = {
        {"one byte in the middle of a year file", oneChanged, year,
         "the bytes first differ at offset " + std::to_string(middle + 7) + " (actual " +
             std::to_string(year.size()) + " bytes, expected " + std::to_string(year.size()) +
             " bytes)\n"
             "  actual:   ...\"1999\\\"\\r\\n\\\"Entry of record 3000\\\"\\r\\n\\\"Entry of record "
             "\"...\n"
             "  expected: ...\"1999\\\"\\r\\n\\\"Entry of record 2000\\\"\\r\\n\\\"Entry of record "
             "\"..."},
        {"the first byte, short files", "Bday", "bday",
         "the bytes first differ at offset 0 (actual 4 bytes, expected 4 bytes)\n"
         "  actual:   \"Bday\"\n  expected: \"bday\""},
        {"one file cut short: the difference is where it ends", "\"Pel\xC3", "\"Pel\xC3\xA9\"\r\n",
         "the bytes first differ at offset 5 (actual 5 bytes, expected 9 bytes)\n"
         "  actual:   \"\\\"Pel\\xC3\"\n  expected: \"\\\"Pel\\xC3\\xA9\\\"\\r\\n\""},
        {"an empty file", "", "x",
         "the bytes first differ at offset 0 (actual 0 bytes, expected 1 bytes)\n"
         "  actual:   \"\"\n  expected: \"x\""},
        {"equal files", year, year, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(firstDifference(c.actual, c.expected), c.told);
        EXPECT_EQ(bool(sameBytes(c.actual, c.expected)), c.told.empty());
    }
}

// A folder compared with its earlier snapshot: every entry that changed, went or came is named,
// each on its own short line; an unchanged folder passes.
TEST(FolderSnapshotTest, NamesEveryEntryThatChangedWentOrCame) {
    QTemporaryDir dir;
    const auto write = [&dir](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    const QByteArray year = yearSizedFile();
    write(" 2026.Cal", year);
    write("Bhday1.FIL", "1900");
    write("Korvane.hlp", "help");
    write("TODOActv.FIL", "\"\"\r\n");
    const FolderSnapshot before = folderSnapshot(dir.path());
    EXPECT_TRUE(sameSnapshot(folderSnapshot(dir.path()), before));

    QByteArray changedYear = year;
    changedYear[60'000] = '#';
    write(" 2026.Cal", changedYear);
    ASSERT_TRUE(QFile::remove(dir.filePath("Korvane.hlp")));
    write("Bhday1.FIL.bGIcQa", "half");
    FolderSnapshot after = folderSnapshot(dir.path());
    after["TODOActv.FIL"].changed = before["TODOActv.FIL"].changed.addSecs(1);

    const ::testing::AssertionResult same = sameSnapshot(after, before);
    ASSERT_FALSE(same);
    const std::string told = same.message();
    EXPECT_NE(told.find(" 2026.Cal: the bytes first differ at offset 60000"), std::string::npos)
        << told;
    EXPECT_NE(told.find("Korvane.hlp: gone"), std::string::npos) << told;
    EXPECT_NE(told.find("Bhday1.FIL.bGIcQa: new, 4 bytes"), std::string::npos) << told;
    EXPECT_NE(told.find("TODOActv.FIL: changed at "), std::string::npos) << told;
    EXPECT_EQ(told.find("Bhday1.FIL:"), std::string::npos) << told;
    EXPECT_LT(told.size(), 800u) << told;
}

} // namespace

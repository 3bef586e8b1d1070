#include "YearFile.h"

#include "FullDisk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class YearFileTest : public ::testing::Test {
protected:
    QByteArray fileBytes(int year) const {
        QFile file(folder.file(YearFile::fileName(year)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeFileBytes(int year, const QByteArray& bytes) const {
        QFile file(folder.file(YearFile::fileName(year)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
};

TEST_F(YearFileTest, EveryDateHasItsOwnRecordNumber) {
    const struct {
        QDate date;
        int record;
    } cases[] = {
        {{2026, 1, 1}, 11},    {{2026, 1, 9}, 91},   {{2026, 1, 10}, 101},  {{2026, 1, 31}, 311},
        {{2026, 2, 1}, 12},    {{2024, 2, 29}, 292}, {{2026, 3, 5}, 53},    {{2026, 3, 25}, 253},
        {{2026, 9, 30}, 309},  {{2026, 10, 1}, 321}, {{2026, 10, 31}, 351}, {{2026, 11, 30}, 390},
        {{2026, 12, 31}, 431},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(YearFile::recordNumber(testCase.date), testCase.record)
            << testCase.date.toString().toStdString();
    }
    // No two dates of a leap year share a record, and none lies past 31 December's.
    QSet<int> used;
    for (QDate date(2024, 1, 1); date.year() == 2024; date = date.addDays(1)) {
        const int record = YearFile::recordNumber(date);
        EXPECT_FALSE(used.contains(record)) << record;
        EXPECT_LE(record, YearFile::kLastRecord);
        used.insert(record);
    }
}

TEST_F(YearFileTest, TheFileIsNamedWithABlankAndTheYear) {
    EXPECT_EQ(YearFile::fileName(2000), " 2000.Cal");
    EXPECT_EQ(YearFile::fileName(1753), " 1753.Cal");
}

// 5 March saved alone into a new file: 53 records, the first 52 never written, and the day's
// bytes exactly as the reminder and the backup window read them.
TEST_F(YearFileTest, ADaySavedAloneIntoANewFileHasTheGivenBytes) {
    YearFile::DayRecord day;
    day.times[0] = "9:00 AM  ";
    day.activities[0] = "Dentist";
    day.times[13] = "10:00 PM";
    day.activities[13] = "  Call Gran";
    day.status = YearFile::kFull;
    ASSERT_TRUE(YearFile::write(folder, 2025, YearFile::recordNumber(5, 3), day));

    const QByteArray bytes = fileBytes(2025);
    ASSERT_EQ(bytes.size(), 47700);
    EXPECT_EQ(bytes.left(52 * 900), QByteArray(52 * 900, '\0'));
    QByteArray expected;
    expected += "9:00 AM   " + QByteArray(12 * 10, ' ') + "10:00 PM  ";
    expected += "Dentist" + QByteArray(43, ' ') + QByteArray(12 * 50, ' ') + "  Call Gran" +
                QByteArray(39, ' ');
    expected += "Full      ";
    expected += QByteArray(50, '\0'); // the spare bytes stay as they were: zero in a new record
    EXPECT_EQ(bytes.mid(52 * 900), expected);

    const std::optional<YearFile::DayRecord> read = YearFile::read(folder, 2025, 53);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->times[0], "9:00 AM");           // trailing blanks cut
    EXPECT_EQ(read->activities[13], "  Call Gran"); // leading blanks kept
    EXPECT_TRUE(read->isFull());
    EXPECT_TRUE(read->hasActivity());
    // A record of the same file that was skipped, or one past its end, is a day never saved.
    for (int record : {11, 431}) {
        const std::optional<YearFile::DayRecord> empty = YearFile::read(folder, 2025, record);
        ASSERT_TRUE(empty.has_value());
        EXPECT_EQ(*empty, YearFile::DayRecord{}) << record;
    }
}

TEST_F(YearFileTest, TextsAtTheirLimitsAndEmptySavedDaysReadBackAsWritten) {
    YearFile::DayRecord day;
    day.times[4] = "12:30 PM";
    day.activities[4] = QString(44, 'x') + QChar(0xE9); // 45 characters, é stored in one byte
    day.status = YearFile::kFull;
    YearFile::DayRecord empty;
    empty.status = YearFile::kFull;
    ASSERT_TRUE(YearFile::write(folder, 2026, 254, day));
    ASSERT_TRUE(YearFile::write(folder, 2026, 351, empty));

    EXPECT_EQ(YearFile::read(folder, 2026, 254), day);
    const std::optional<YearFile::DayRecord> readEmpty = YearFile::read(folder, 2026, 351);
    ASSERT_TRUE(readEmpty.has_value());
    EXPECT_TRUE(readEmpty->isFull());
    EXPECT_FALSE(readEmpty->hasActivity());
    EXPECT_EQ(*readEmpty, empty);
    // Times alone do not make a reminder; a status not exactly "Full" is a day never saved.
    day.activities[4].clear();
    EXPECT_FALSE(day.hasActivity());
    YearFile::DayRecord lowerCase;
    lowerCase.activities[0] = "Lunch";
    lowerCase.status = "full";
    EXPECT_FALSE(lowerCase.hasActivity());
}

// A damaged file, longer than 431 records and full of 0xFF bytes, loads a day that is not saved,
// and a save there changes its own 850 bytes only.
TEST_F(YearFileTest, ADamagedFileLoadsAndASaveChangesOnlyItsOwnBytes) {
    const QByteArray damaged(500 * 900 + 17, '\xFF');
    writeFileBytes(2026, damaged);

    const std::optional<YearFile::DayRecord> read = YearFile::read(folder, 2026, 53);
    ASSERT_TRUE(read.has_value());
    EXPECT_FALSE(read->isFull());

    YearFile::DayRecord day;
    day.activities[0] = "Piano";
    day.status = YearFile::kFull;
    ASSERT_TRUE(YearFile::write(folder, 2026, 53, day));
    const QByteArray after = fileBytes(2026);
    ASSERT_EQ(after.size(), damaged.size());
    EXPECT_EQ(after.left(52 * 900), damaged.left(52 * 900));
    EXPECT_EQ(after.mid(52 * 900, 850), YearFile::encode(day));
    EXPECT_EQ(after.mid(52 * 900 + 850), damaged.mid(52 * 900 + 850));
    EXPECT_EQ(YearFile::read(folder, 2026, 53), day);
}

TEST_F(YearFileTest, AFileThatCannotBeReadOrWrittenIsAFailureAndKeepsItsContent) {
    // A folder where the file should be cannot be read as one.
    ASSERT_TRUE(QDir(dir.path()).mkdir(YearFile::fileName(2027)));
    EXPECT_FALSE(YearFile::read(folder, 2027, 11).has_value());
    EXPECT_EQ(YearFile::length(folder, 2027), 0);

    YearFile::DayRecord day;
    day.activities[0] = "Swim";
    day.status = YearFile::kFull;
    ASSERT_TRUE(YearFile::write(folder, 2026, 11, day));
    const QByteArray before = fileBytes(2026);
    {
        const FullDisk full(100);
        EXPECT_FALSE(YearFile::write(folder, 2026, 431, day));
    }
    EXPECT_EQ(fileBytes(2026), before);
    EXPECT_EQ(YearFile::length(folder, 2026), 900 * 11);
    EXPECT_EQ(YearFile::length(folder, 2030), 0);
}

} // namespace

#include "YearFile.h"
#include "RecordCodec.h"
#include "RecordFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(YearFileTest, ADaysRecordNumberFollowsItsDayAndMonth) {
    const struct {
        QDate date;
        int record;
    } cases[] = {
        {{2026, 1, 1}, 11},   {{2026, 1, 10}, 101}, {{2026, 3, 5}, 53},    {{2026, 3, 25}, 253},
        {{2026, 9, 30}, 309}, {{2026, 10, 1}, 321}, {{2026, 11, 30}, 390}, {{2026, 12, 31}, 431},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(YearFile::recordNumber(testCase.date), testCase.record)
            << testCase.date.toString().toStdString();
    }
}

TEST(YearFileTest, TheFileIsNamedWithABlankAndTheYear) {
    EXPECT_EQ(YearFile::fileName(2026), " 2026.Cal");
}

TEST(YearFileTest, ASavedDayReadsBackFieldByField) {
    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    const QDate day(2026, 3, 25);
    QByteArray record = RecordCodec::fixedText("9:00 AM", 10);
    record += QByteArray(13 * 10, ' ');
    record += RecordCodec::fixedText(QString::fromUtf8("Dentist – bring card"), 50);
    record += QByteArray(13 * 50, ' ');
    record += RecordCodec::fixedText("Full", 10);
    RecordFile(folder.file(" 2026.Cal"), YearFile::kRecordLength)
        .write(YearFile::recordNumber(day), record);

    const YearFile::DayRecord read = YearFile::readDay(folder, day);
    EXPECT_EQ(read.times[0], "9:00 AM   ");
    EXPECT_EQ(read.activities[0].trimmed(), QString::fromUtf8("Dentist – bring card"));
    EXPECT_EQ(read.status, "Full      ");
}

TEST(YearFileTest, AMissingOrShortFileReadsAsAnEmptyDayAndIsCreated) {
    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    const YearFile::DayRecord missing = YearFile::readDay(folder, {2026, 12, 31});
    EXPECT_EQ(missing.status, QString(10, ' '));
    EXPECT_EQ(missing.activities[13], QString(50, ' '));
    EXPECT_TRUE(QFile::exists(folder.file(" 2026.Cal")));

    QFile shortFile(folder.file(" 2027.Cal"));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(QByteArray(1000, 'x'));
    shortFile.close();
    EXPECT_EQ(YearFile::readDay(folder, {2027, 12, 31}).status, QString(10, ' '));
}

} // namespace

#include "HallOfFame.h"
#include "FakePlatform.h"
#include "FullDisk.h"
#include "RecordCodec.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace HallOfFame;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class HallOfFameFile : public ::testing::Test {
protected:
    QString path() const { return fake.file(kFileName); }

    FakePlatform fake;
    File file{fake.folder};
};

} // namespace

TEST(HallOfFameRules, RecordsRunByQuoteThenWordsPerBox) {
    EXPECT_EQ(recordOf(1, 1), 1);
    EXPECT_EQ(recordOf(5, 3), 19);
    EXPECT_EQ(recordOf(42, 4), 168);
}

TEST(HallOfFameRules, AResultQualifiesWhenAtLeastAsAccurateAndAsFast) {
    const Entry held = split("ANN# 851:30");
    const struct {
        Entry stored;
        const char* accuracy;
        const char* time;
        bool qualifies;
    } cases[] = {
        {held, " 85%", "1:30", true},  // equal replaces
        {held, " 90%", "1:31", false}, // better but slower
        {held, " 80%", "0:50", false}, // faster but less accurate
        {held, "100%", "0:59", true},
        {split("ANN# 8512:05"), " 85%", "2:00", true}, // minutes compare as numbers
        {split("ANN# 859:59"), " 85%", "10:00", false},
        {split(emptyEntry()), "   0%", "59:59", true}, // any result takes an empty entry
        {split("NOHASH"), "   5%", "3:00", true},      // a damaged record is empty
        {split(emptyEntry()), "100%", "", false},      // no time read: never
        {held, "100%", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(qualifies(c.stored, c.accuracy, c.time), c.qualifies)
            << c.accuracy << " " << c.time;
    }
}

TEST(HallOfFameRules, EntriesSplitAtTheFirstHashAndDamageReadsAsEmpty) {
    const Entry entry = split("BOB#1002:07");
    EXPECT_EQ(entry.name, "BOB");
    EXPECT_EQ(entry.accuracy, "100");
    EXPECT_EQ(entry.time, "2:07");
    EXPECT_TRUE(split("#  50:41").hasHolder()); // a holder who gave only blanks
    for (const char* damaged : {"BOB", "BOB#1x02:07", "BOB#100207", "BOB#10", ""}) {
        const Entry read = split(damaged);
        EXPECT_FALSE(read.hasHolder()) << damaged;
        EXPECT_EQ(read.name, " ") << damaged;
    }
}

TEST(HallOfFameRules, NamesAndEntriesAsWritten) {
    const struct {
        QString answer;
        const char* accuracy;
        const char* time;
        QString entry;
    } cases[] = {
        {"ann", "   5%", "1:23", "ANN#  51:23"},
        {"  Margaret Smith", " 85%", "12:05", "MARGARET# 8512:05"},
        {"Jo#e", "100%", "0:59", "JOE#1000:59"},
        {"a\tb\x01"
         "c",
         "100%", "0:59", "ABC#1000:59"},
        {"   ", " 85%", "1:30", "# 851:30"},
        {QString::fromUtf8("\xc5\x81ukasz"), " 85%", "1:30", "?UKASZ# 851:30"},
        {QString::fromUtf8("\xc3\xa9mile"), " 85%", "1:30",
         QString::fromUtf8("\xc3\x89MILE# 851:30")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(entryFor(c.answer, c.accuracy, c.time), c.entry) << c.answer.toStdString();
    }
}

TEST_F(HallOfFameFile, AMissingFileReadsEmptyAndIsCompletedByTheFirstEntry) {
    const std::optional<QStringList> entries = file.readAll();
    ASSERT_TRUE(entries);
    EXPECT_EQ(entries->size(), kRecords);
    EXPECT_EQ(entries->front(), emptyEntry());

    ASSERT_EQ(file.write(19, "ANN# 851:30"), RecordFile::WriteResult::Written);
    const QByteArray bytes = fileBytes(path());
    ASSERT_EQ(bytes.size(), kRecords * kRecordLength);
    const QByteArray empty = QByteArray("\x09\x00 #       ", 11);
    EXPECT_EQ(bytes.mid(0, 11), empty); // record 1
    EXPECT_EQ(bytes.mid(18 * 40, 13), QByteArray("\x0b\x00"
                                                 "ANN# 851:30",
                                                 13)); // record 19
    EXPECT_EQ(bytes.mid(167 * 40, 11), empty);         // record 168
    EXPECT_EQ(file.read(19), "ANN# 851:30");
}

TEST_F(HallOfFameFile, AShortFileKeepsItsEntriesAndIsCompleted) {
    QByteArray three;
    for (const char* entry : {"ANN# 851:30", "NOHASH", " #       "}) {
        three.append(RecordCodec::text(entry).leftJustified(kRecordLength, '\0'));
    }
    writeBytes(path(), three);
    EXPECT_EQ(file.readAll()->at(1), "NOHASH"); // read as it stands: the split makes it empty
    ASSERT_EQ(file.write(168, "BOB#1000:40"), RecordFile::WriteResult::Written);
    const QStringList entries = *file.readAll();
    EXPECT_EQ(entries.at(0), "ANN# 851:30");
    EXPECT_EQ(entries.at(100), emptyEntry());
    EXPECT_EQ(entries.at(167), "BOB#1000:40");
    EXPECT_EQ(fileBytes(path()).size(), kRecords * kRecordLength);
}

TEST_F(HallOfFameFile, DeleteAllEmptiesEveryRecordInOneWriteAndAFullDiskKeepsTheOldFile) {
    ASSERT_EQ(file.write(7, "ANN# 851:30"), RecordFile::WriteResult::Written);
    const QByteArray before = fileBytes(path());
    {
        FullDisk full(100);
        EXPECT_EQ(file.deleteAll(), RecordFile::WriteResult::Failed);
        EXPECT_EQ(file.write(8, "BOB#1000:40"), RecordFile::WriteResult::Failed);
    }
    EXPECT_EQ(fileBytes(path()), before);

    ASSERT_EQ(file.deleteAll(), RecordFile::WriteResult::Written);
    const QStringList entries = *file.readAll();
    EXPECT_EQ(entries, QStringList(kRecords, emptyEntry()));
}

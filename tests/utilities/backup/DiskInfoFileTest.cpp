#include "DiskInfoFile.h"

#include <QList>

#include <gtest/gtest.h>

namespace {

constexpr DiskInfoFile::Shares kToDoShares{1'500, false};
constexpr DiskInfoFile::Shares kYearShares{431, true};

// A 30-byte record holding text, as the disk information stores it.
QByteArray record(const QByteArray& text) {
    QByteArray bytes(2, '\0');
    bytes[0] = char(text.size());
    bytes += text;
    bytes.resize(30, '\0');
    return bytes;
}

QByteArray file(const QList<QByteArray>& texts) {
    QByteArray bytes;
    for (const QByteArray& text : texts) {
        bytes += record(text);
    }
    return bytes;
}

TEST(DiskInfoFileTest, WritesAllSixRecordsWithTheNumbersInTheirTwoForms) {
    const QByteArray start = DiskInfoFile::encode({"ToDo", {}, {}, {}, {}});
    ASSERT_EQ(start.size(), 180);
    EXPECT_EQ(start.left(6), QByteArray::fromHex("04 00 54 6F 44 6F"));
    EXPECT_EQ(start.mid(150, 4), QByteArray::fromHex("02 00 54 31"));
    EXPECT_EQ(start, file({"ToDo", "", "", "", "", "T1"}));

    EXPECT_EQ(DiskInfoFile::encode({"ToDo", 1, 2, {}, {}}), file({"ToDo", "1", "2", "", "", "T1"}));
    EXPECT_EQ(DiskInfoFile::encode({"DPlan", 2, 2, 432, 2003}),
              file({"DPlan", "2", "2", " 432", " 2003", "T1"}));
    EXPECT_EQ(DiskInfoFile::encode({"DPlan", 2, 2, 215, {}}),
              file({"DPlan", "2", "2", " 215", "", "T1"}));
}

TEST(DiskInfoFileTest, ReadsWhatABackupWrote) {
    const auto toDo =
        DiskInfoFile::decode(file({"ToDo", "1", "2", " 700", "", "T1"}), "ToDo", kToDoShares);
    ASSERT_TRUE(toDo);
    EXPECT_EQ(toDo->thisDisk, 1);
    EXPECT_EQ(toDo->nextDisk, 2);
    EXPECT_FALSE(toDo->isLast());
    EXPECT_EQ(toDo->resumeRecord, 700);
    // Older to-do backups do not say the disks' shares.
    const auto older =
        DiskInfoFile::decode(file({"ToDo", "1", "2", "", "", "T1"}), "ToDo", kToDoShares);
    ASSERT_TRUE(older);
    EXPECT_EQ(older->resumeRecord, 0);

    const auto planner = DiskInfoFile::decode(file({"DPlan", "1", "1", " 432", " 2003", "T1"}),
                                              "DPlan", kYearShares);
    ASSERT_TRUE(planner);
    EXPECT_TRUE(planner->isLast());
    EXPECT_EQ(planner->resumeRecord, 432);
    // A longer file (a medium's slack) reads by its first six records.
    EXPECT_TRUE(
        DiskInfoFile::decode(file({"ToDo", "1", "1", "", "", "T1"}) + "junk", "ToDo", kToDoShares));
}

TEST(DiskInfoFileTest, RefusesWhatIsNoDiskOfTheSet) {
    struct Case {
        const char* why;
        QByteArray bytes;
        const char* tag;
        DiskInfoFile::Shares shares;
    };
    QByteArray tooLong = file({"ToDo", "1", "1", "", "", "T1"});
    tooLong[0] = char(29);
    QByteArray negative = file({"ToDo", "1", "1", "", "", "T1"});
    negative[31] = char(0x80);
    const Case cases[] = {
        {"empty", {}, "ToDo", kToDoShares},
        {"under 180 bytes", file({"ToDo", "1", "1", "", "", "T1"}).left(179), "ToDo", kToDoShares},
        {"a length above 28", tooLong, "ToDo", kToDoShares},
        {"a negative length", negative, "ToDo", kToDoShares},
        {"another family", file({"DPlan", "1", "1", " 432", "", "T1"}), "ToDo", kToDoShares},
        {"no number", file({"ToDo", "one", "1", "", "", "T1"}), "ToDo", kToDoShares},
        {"a number after text", file({"ToDo", "1x", "1", "", "", "T1"}), "ToDo", kToDoShares},
        {"only started", file({"ToDo", "", "", "", "", "T1"}), "ToDo", kToDoShares},
        {"disk 0", file({"ToDo", "0", "0", "", "", "T1"}), "ToDo", kToDoShares},
        {"above 32767", file({"ToDo", "32768", "32768", "", "", "T1"}), "ToDo", kToDoShares},
        {"a next disk further on", file({"ToDo", "1", "3", "", "", "T1"}), "ToDo", kToDoShares},
        {"a next disk before", file({"ToDo", "2", "1", "", "", "T1"}), "ToDo", kToDoShares},
        {"no record 4", file({"DPlan", "1", "1", "", " 2003", "T1"}), "DPlan", kYearShares},
        {"record 4 above 432", file({"DPlan", "1", "2", " 433", "", "T1"}), "DPlan", kYearShares},
        {"record 4 of 0", file({"DPlan", "1", "2", " 0", "", "T1"}), "DPlan", kYearShares},
        {"432 but a disk follows", file({"DPlan", "1", "2", " 432", "", "T1"}), "DPlan",
         kYearShares},
        {"last but short", file({"DPlan", "1", "1", " 215", "", "T1"}), "DPlan", kYearShares},
        {"a to-do line past the end", file({"ToDo", "1", "2", " 1502", "", "T1"}), "ToDo",
         kToDoShares},
        {"a to-do disk that says it is last but short", file({"ToDo", "2", "2", " 700", "", "T1"}),
         "ToDo", kToDoShares},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(DiskInfoFile::decode(c.bytes, c.tag, c.shares)) << c.why;
    }
}

} // namespace

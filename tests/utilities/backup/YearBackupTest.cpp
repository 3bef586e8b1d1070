#include "BackupFixture.h"
#include "DiskInfoFile.h"

namespace {

constexpr const char* kYearInfo = "Disk2003.Bbk";
constexpr const char* kYearCopy = " 2003.Bb1";
constexpr int kRecord = YearFile::kRecordLength;
constexpr int kYearBytes = YearFile::kLastRecord * kRecord;

class YearBackupTest : public BackupFixture {
protected:
    QByteArray yearFile() const { return programFile(YearFile::fileName(kYear)); }
};

TEST_F(YearBackupTest, AShortYearComesBackAsAWholeYearWithTheMissingDaysEmpty) {
    writeYear(53);
    const QByteArray saved = yearFile();
    ASSERT_EQ(saved.size(), 53 * kRecord);
    ASSERT_EQ(backUpYear(), BackupOutcome::Complete);
    EXPECT_EQ(onDisk(0, kYearInfo), DiskInfoFile::encode({"DPlan", 1, 1, 432, 2003}));
    EXPECT_EQ(onDisk(0, kYearCopy).size(), kYearBytes);
    EXPECT_EQ(display.progressMaximum, 431);
    EXPECT_EQ(display.progress.last(), 431);

    writeYear(60); // changed since the backup
    fake.dialogs.answers = {Dialogs::Answer::Yes};
    ASSERT_EQ(BackupRoutines::RestoreYearFile(context, kYear), RestoreOutcome::Completed);
    const QByteArray restored = yearFile();
    ASSERT_EQ(restored.size(), kYearBytes);
    for (int record = 1; record <= 53; ++record) {
        EXPECT_EQ(restored.mid((record - 1) * kRecord, YearFile::kDayLength),
                  saved.mid((record - 1) * kRecord, YearFile::kDayLength))
            << record;
    }
    EXPECT_EQ(restored.mid(53 * kRecord), QByteArray((431 - 53) * kRecord, '\0'));
    EXPECT_EQ(fake.dialogs.shown.first().text,
              "This utility will first Delete all existing Daily Planner files\rlocated in "
              "Korvane Program!\r\rProceed?");
}

TEST_F(YearBackupTest, AYearSplitAtRecord215ComesBackByteForByte) {
    writeYear(431);
    const QByteArray saved = yearFile();
    ASSERT_EQ(saved.size(), kYearBytes);
    // Room for the disk information and 214 records and most of the next.
    fake.medium.disks[0].capacity = DiskInfoFile::kLength + 214 * kRecord + 899;
    const int second = fake.medium.addDisk(1'440 * 1'024);
    insertAtPrompts("Please Insert Backup Disk #2", {second});
    fake.dialogs.answers = {Dialogs::Answer::Ok};
    ASSERT_EQ(backUpYear(), BackupOutcome::Complete);
    EXPECT_EQ(onDisk(0, kYearInfo), DiskInfoFile::encode({"DPlan", 1, 2, 215, 2003}));
    EXPECT_EQ(onDisk(0, kYearCopy), saved.left(214 * kRecord));
    EXPECT_EQ(onDisk(second, kYearInfo), DiskInfoFile::encode({"DPlan", 2, 2, 432, 2003}));
    EXPECT_EQ(onDisk(second, kYearCopy), saved.mid(214 * kRecord));
    // The bar stepped back for the record written again.
    EXPECT_TRUE(display.progress.contains(214));
    EXPECT_EQ(display.progress.last(), 431);

    QFile::remove(fake.file(YearFile::fileName(kYear)));
    fake.medium.insert(0);
    // Disk 1 offered again is asked for again; disk 2 completes the year.
    insertAtPrompts("Please insert Backup Disk #2", {0, second});
    fake.dialogs.shown.clear();
    fake.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::Ok, Dialogs::Answer::Ok};
    ASSERT_EQ(BackupRoutines::RestoreYearFile(context, kYear), RestoreOutcome::Completed);
    EXPECT_EQ(fake.dialogs.shownTexts().filter("Please insert Backup Disk #2").size(), 2);
    EXPECT_EQ(yearFile(), saved);
}

TEST_F(YearBackupTest, ADiskThatTookNoRecordHandsTheWholeYearToTheNext) {
    writeYear(431);
    const QByteArray saved = yearFile();
    fake.medium.disks[0].capacity = DiskInfoFile::kLength + 100;
    const int second = fake.medium.addDisk(1'440 * 1'024);
    insertAtPrompts("Please Insert Backup Disk #2", {second});
    fake.dialogs.answers = {Dialogs::Answer::Ok};
    ASSERT_EQ(backUpYear(), BackupOutcome::Complete);
    EXPECT_EQ(onDisk(0, kYearInfo), DiskInfoFile::encode({"DPlan", 1, 2, 1, 2003}));
    EXPECT_EQ(onDisk(0, kYearCopy), QByteArray());

    fake.medium.insert(0);
    insertAtPrompts("Please insert Backup Disk #2", {second});
    fake.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::Ok};
    ASSERT_EQ(BackupRoutines::RestoreYearFile(context, kYear), RestoreOutcome::Completed);
    EXPECT_EQ(yearFile(), saved);
}

QString copyNotWhole(int disk) {
    return "The backup copy /media/floppy/ 2003.Bb1 on Backup Disk #" + QString::number(disk) +
           " is empty, cut short or damaged, so the restore could not be completed.\rThe "
           "existing Daily Planner files in Korvane Program were left unchanged.\rPlease restore "
           "from a complete backup, or make the backup again.";
}

// A one-disk set whose copy lost its end: the copy is named as cut, before any question, and
// the year file stays as it was.
TEST_F(YearBackupTest, ACutCopyIsNamedAndTheYearKept) {
    writeYear(431);
    ASSERT_EQ(backUpYear(), BackupOutcome::Complete);
    const QByteArray copy = onDisk(0, kYearCopy);
    writeProgramFile(YearFile::fileName(kYear), "the year as it stands");
    const QByteArray current = yearFile();
    for (const int cut : {1, kRecord, kYearBytes}) {
        SCOPED_TRACE(cut);
        fake.medium.disks[0].files[kYearCopy] = copy.left(copy.size() - cut);
        fake.dialogs.shown.clear();
        fake.dialogs.answers = {Dialogs::Answer::Yes};
        EXPECT_EQ(BackupRoutines::RestoreYearFile(context, kYear), RestoreOutcome::NotCompleted);
        EXPECT_EQ(fake.dialogs.shownTexts(), QStringList{copyNotWhole(1)});
        EXPECT_EQ(fake.dialogs.shown.first().title, "Restore Error");
        EXPECT_EQ(yearFile(), current);
    }
}

TEST_F(YearBackupTest, ARestoreKeepsTheYearWhenADiskFallsShortOrIsCancelled) {
    writeYear(431);
    const QByteArray saved = yearFile();
    fake.medium.disks[0].capacity = DiskInfoFile::kLength + 214 * kRecord;
    const int second = fake.medium.addDisk(1'440 * 1'024);
    insertAtPrompts("Please Insert Backup Disk #2", {second});
    fake.dialogs.answers = {Dialogs::Answer::Ok};
    ASSERT_EQ(backUpYear(), BackupOutcome::Complete);
    writeYear(20); // the live file differs from the backup in nothing the test could miss
    QFile live(fake.file(YearFile::fileName(kYear)));
    ASSERT_TRUE(live.open(QIODevice::Append));
    live.write("tail");
    live.close();
    const QByteArray current = yearFile();

    // Cancel when disk 2 is asked for.
    fake.medium.insert(0);
    fake.dialogs.shown.clear();
    fake.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::Cancel};
    EXPECT_EQ(BackupRoutines::RestoreYearFile(context, kYear), RestoreOutcome::NotCompleted);
    EXPECT_EQ(fake.dialogs.shownTexts().last(),
              "The restore was not completed. The existing files were left unchanged.");
    EXPECT_EQ(yearFile(), current);

    // Disk 2 cut short: named, and the restore ends there.
    fake.medium.disks[second].files[kYearCopy].chop(kRecord);
    fake.medium.insert(0);
    insertAtPrompts("Please insert Backup Disk #2", {second});
    fake.dialogs.shown.clear();
    fake.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::Ok};
    EXPECT_EQ(BackupRoutines::RestoreYearFile(context, kYear), RestoreOutcome::NotCompleted);
    EXPECT_EQ(fake.dialogs.shownTexts().last(), copyNotWhole(2));
    EXPECT_EQ(yearFile(), current);

    // Disk 1 short of its share: named before the question.
    fake.medium.disks[0].files[kYearCopy].chop(1);
    fake.medium.insert(0);
    fake.dialogs.onShow = nullptr;
    fake.dialogs.shown.clear();
    EXPECT_EQ(BackupRoutines::RestoreYearFile(context, kYear), RestoreOutcome::NotCompleted);
    EXPECT_EQ(fake.dialogs.shownTexts(), QStringList{copyNotWhole(1)});
    EXPECT_EQ(yearFile(), current);
    EXPECT_NE(saved, current);
}

TEST_F(YearBackupTest, TwoYearsShareADiskAndEachRestoresItsOwn) {
    writeYear(40);
    ASSERT_EQ(backUpYear(), BackupOutcome::Complete);
    EXPECT_FALSE(BackupRoutines::yearPieces(fake.dialogs, fake.folder, 2004));
    EXPECT_EQ(fake.dialogs.shownTexts(),
              QStringList{"There is no saved 2004 Daily Planner file to back up."});
    fake.dialogs.shown.clear();
    EXPECT_EQ(BackupRoutines::RestoreYearFile(context, 2004), RestoreOutcome::NotFound);
    EXPECT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown.first().title, "Disk Error");
}

} // namespace

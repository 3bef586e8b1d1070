#include "BackupFixture.h"
#include "DiskInfoFile.h"
#include "ToDoCopy.h"

namespace {

constexpr const char* kInfo = "DiskInfo.Tbk";
constexpr const char* kCopy = "ToDoActv.Tb1";
constexpr const char* kToDo = "TODOActv.FIL";
constexpr const char* kNextDisk = "Please Insert Backup Disk #";
constexpr const char* kRestoreDisk = "Please insert Backup Disk #";

// resume: the first line of the list not on the disk; older backups leave it unsaid.
QByteArray info(int thisDisk, int nextDisk, std::optional<int> resume = {}) {
    return DiskInfoFile::encode({"ToDo", thisDisk, nextDisk, resume, {}});
}

int lineCount(const QByteArray& copy) {
    return int(copy.count('\n'));
}

class ToDoBackupTest : public BackupFixture {
protected:
    // Backs the list up over three disks of 8,000 bytes.
    void backUpOverThreeDisks() {
        fake.medium.disks[0].capacity = 8'000;
        fake.medium.addDisk(8'000);
        fake.medium.addDisk(8'000);
        insertAtPrompts(kNextDisk, {1, 2});
        fake.dialogs.answers = {Dialogs::Answer::Ok, Dialogs::Answer::Ok};
        ASSERT_EQ(backUpToDo(), BackupOutcome::Complete);
        fake.dialogs.shown.clear();
    }
    int shownContaining(const QString& text) const {
        return int(fake.dialogs.shownTexts().filter(text).size());
    }
};

TEST_F(ToDoBackupTest, AListGoesToAFolderAndComesBackByteForByte) {
    const QByteArray list = toDoFile(500);
    writeProgramFile(kToDo, list);
    ASSERT_EQ(backUpToDo(), BackupOutcome::Complete);
    EXPECT_EQ(onDisk(0, kCopy), list);
    EXPECT_EQ(onDisk(0, kInfo), info(1, 1, 1'501));
    EXPECT_EQ(display.statuses.last(), "Making To Do Backup Disk #1");
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());

    writeProgramFile(kToDo, toDoFile(3));
    fake.dialogs.answers = {Dialogs::Answer::Yes};
    const qsizetype waitsBefore = fake.clock.waits.size();
    ASSERT_EQ(BackupRoutines::RestoreToDoFile(context), RestoreOutcome::Completed);
    EXPECT_EQ(programFile(kToDo), list);
    EXPECT_EQ(fake.dialogs.shownTexts(),
              QStringList{"This utility will first Delete all existing To Do files\rlocated in "
                          "Korvane Program!\r\rProceed?"});
    // The closing display runs its bar full in about a second, paced by the clock.
    EXPECT_EQ(fake.clock.waits.size() - waitsBefore, 20);
    EXPECT_EQ(display.progress.last(), 1'000);
    EXPECT_FALSE(display.progressShown);
}

TEST_F(ToDoBackupTest, FieldsComeBackWithoutTheirOuterBlanksInAListOf500Rows) {
    // A file of fewer rows is carried as the list shows it: made up with empty rows.
    writeProgramFile(kToDo, "\"  Dentist  \"\r\n\" Monday - Jan 5, 04\"\r\n\"\"\r\n");
    ASSERT_EQ(backUpToDo(), BackupOutcome::Complete);
    EXPECT_EQ(onDisk(0, kCopy),
              "\"Dentist\"\r\n\"Monday - Jan 5, 04\"\r\n\"\"\r\n" + toDoFile(0).mid(12));
}

TEST_F(ToDoBackupTest, ARestoreTakesOnlyACopyOfExactly1500WholeLines) {
    const QByteArray live = toDoFile(4);
    const QByteArray good = toDoFile(500);
    qsizetype endOfLine600 = 0;
    for (int line = 0; line < 600; ++line) {
        endOfLine600 = good.indexOf("\r\n", endOfLine600) + 2;
    }
    const struct {
        const char* why;
        QByteArray copy;
    } refused[] = {
        {"an empty copy", ""},
        {"the first 600 lines", good.left(endOfLine600)},
        {"cut mid-line", good.left(good.size() - 5)},
        {"three lines too many", good + "\"\"\r\n\"\"\r\n\"\"\r\n"},
        {"a line without its line end", good.left(good.size() - 2) + "\"\"\r\n"},
    };
    fake.medium.disks[0].files[kInfo] = info(1, 1);
    for (const auto& c : refused) {
        writeProgramFile(kToDo, live);
        fake.medium.disks[0].files[kCopy] = c.copy;
        fake.dialogs.shown.clear();
        fake.dialogs.answers = {Dialogs::Answer::Yes};
        EXPECT_EQ(BackupRoutines::RestoreToDoFile(context), RestoreOutcome::NotCompleted) << c.why;
        // Told before any question, and told what to do.
        EXPECT_EQ(fake.dialogs.shownTexts(),
                  QStringList{"The backup copy /media/floppy/ToDoActv.Tb1 on Backup Disk #1 is "
                              "empty, cut short or damaged, so the restore could not be "
                              "completed.\rThe existing To Do files in Korvane Program were left "
                              "unchanged.\rPlease restore from a complete backup, or make the "
                              "backup again."})
            << c.why;
        EXPECT_EQ(programFile(kToDo), live) << c.why;
    }

    fake.medium.disks[0].files[kCopy] = good;
    fake.dialogs.shown.clear();
    fake.dialogs.answers = {Dialogs::Answer::Yes};
    EXPECT_EQ(BackupRoutines::RestoreToDoFile(context), RestoreOutcome::Completed);
    EXPECT_EQ(programFile(kToDo), good);
}

TEST_F(ToDoBackupTest, ABackupLargerThanADiskSpreadsOverSeveralAndComesBack) {
    const QByteArray list = toDoFile(500);
    writeProgramFile(kToDo, list);
    backUpOverThreeDisks();
    // Each disk says where its share of the 1,500 lines ends.
    const int onFirst = lineCount(onDisk(0, kCopy));
    const int onSecond = lineCount(onDisk(1, kCopy));
    EXPECT_EQ(onDisk(0, kInfo), info(1, 2, onFirst + 1));
    EXPECT_EQ(onDisk(1, kInfo), info(2, 3, onFirst + onSecond + 1));
    EXPECT_EQ(onDisk(2, kInfo), info(3, 3, 1'501));
    // Every disk ends on a whole field, and the fields follow on from disk to disk.
    for (int disk = 0; disk < 3; ++disk) {
        EXPECT_TRUE(onDisk(disk, kCopy).endsWith("\"\r\n")) << disk;
        EXPECT_LE(fake.medium.disks.at(disk).used(), 8'000);
    }
    EXPECT_EQ(onDisk(0, kCopy) + onDisk(1, kCopy) + onDisk(2, kCopy), list);

    // Disk 1 offered again when disk 2 is asked for: the same question comes again.
    writeProgramFile(kToDo, toDoFile(2));
    fake.medium.insert(0);
    insertAtPrompts(kRestoreDisk, {0, 1, 2});
    fake.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::Ok, Dialogs::Answer::Ok,
                            Dialogs::Answer::Ok};
    ASSERT_EQ(BackupRoutines::RestoreToDoFile(context), RestoreOutcome::Completed);
    EXPECT_EQ(shownContaining(QString(kRestoreDisk) + "2"), 2);
    EXPECT_EQ(shownContaining(QString(kRestoreDisk) + "3"), 1);
    EXPECT_EQ(programFile(kToDo), list);
}

// A copy short of the share its disk says it holds is named on that disk, and before anything is
// asked of the person that would not have been asked anyway: disk 1's before the question, a
// later disk's before the next disk is asked for.
TEST_F(ToDoBackupTest, AShortCopyOfASetIsNamedOnItsOwnDisk) {
    const QByteArray list = toDoFile(500);
    writeProgramFile(kToDo, list);
    backUpOverThreeDisks();
    const auto set = fake.medium.disks;
    const QByteArray live = toDoFile(7);
    const QString question = "This utility will first Delete all existing To Do files\rlocated in "
                             "Korvane Program!\r\rProceed?";
    const auto notWhole = [](int disk) {
        return QString("The backup copy /media/floppy/ToDoActv.Tb1 on Backup Disk #%1 is empty, "
                       "cut short or damaged, so the restore could not be completed.\rThe "
                       "existing To Do files in Korvane Program were left unchanged.\rPlease "
                       "restore from a complete backup, or make the backup again.")
            .arg(disk);
    };
    const auto diskRequest = [](int disk) { return QString(kRestoreDisk) + QString::number(disk); };
    const auto lastLineCut = [](QByteArray copy) {
        copy.chop(2);
        return copy.left(copy.lastIndexOf("\r\n") + 2);
    };
    struct Case {
        const char* why;
        int disk;         // the disk whose copy is changed, from 0
        QByteArray copy;  // what it holds then
        bool sharesSaid;  // the disks say their shares, as every backup now writes them
        QStringList told; // what the person sees, in order
    } cases[] = {
        {"the whole set", 0, set[0].files[kCopy], true, {question, diskRequest(2), diskRequest(3)}},
        {"disk 1 empty", 0, "", true, {notWhole(1)}},
        {"disk 2 empty", 1, "", true, {question, diskRequest(2), notWhole(2)}},
        {"disk 3 empty", 2, "", true, {question, diskRequest(2), diskRequest(3), notWhole(3)}},
        {"disk 2 short by its last line",
         1,
         lastLineCut(set[1].files[kCopy]),
         true,
         {question, diskRequest(2), notWhole(2)}},
        {"disk 2 empty in an older set, whose disks do not say their shares",
         1,
         "",
         false,
         {question, diskRequest(2), diskRequest(3),
          "The backup copies /media/floppy/ToDoActv.Tb1 on Backup Disks #1 to #3 are not a whole "
          "backup, and the disks do not say which copy is short, so the restore could not be "
          "completed.\rThe existing To Do files in Korvane Program were left unchanged.\rPlease "
          "restore from a complete backup, or make the backup again."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        fake.medium.disks = set;
        fake.medium.disks[std::size_t(c.disk)].files[kCopy] = c.copy;
        if (!c.sharesSaid) {
            for (int disk = 0; disk < 3; ++disk) {
                fake.medium.disks[std::size_t(disk)].files[kInfo] =
                    info(disk + 1, std::min(disk + 2, 3));
            }
        }
        writeProgramFile(kToDo, live);
        fake.medium.insert(0);
        insertAtPrompts(kRestoreDisk, {1, 2});
        fake.dialogs.shown.clear();
        fake.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::Ok, Dialogs::Answer::Ok};
        const bool whole = c.told.last() == diskRequest(3);
        EXPECT_EQ(BackupRoutines::RestoreToDoFile(context),
                  whole ? RestoreOutcome::Completed : RestoreOutcome::NotCompleted);
        EXPECT_EQ(fake.dialogs.shownTexts(), c.told);
        EXPECT_EQ(programFile(kToDo), whole ? list : live);
    }
}

TEST_F(ToDoBackupTest, TheDiskJustFilledIsRefusedAndNeverReadsComplete) {
    const QByteArray list = toDoFile(500);
    writeProgramFile(kToDo, list);
    fake.medium.disks[0].capacity = 8'000;
    // The full disk stays in the drive: OK to the next-disk request, then Cancel at the refusal.
    fake.dialogs.answers = {Dialogs::Answer::Ok, Dialogs::Answer::Ok, Dialogs::Answer::Cancel};
    EXPECT_EQ(backUpToDo(), BackupOutcome::Cancelled);
    EXPECT_EQ(program.SignalValue, 2);
    EXPECT_EQ(shownContaining("This is the disk that was just filled. Please insert another "
                              "blank formatted disk."),
              2);
    // Disk 1 keeps its share and its record of the disk that follows.
    EXPECT_EQ(onDisk(0, kInfo), info(1, 2, lineCount(onDisk(0, kCopy)) + 1));
    EXPECT_TRUE(list.startsWith(onDisk(0, kCopy)));
    EXPECT_GT(onDisk(0, kCopy).size(), 7'000);
}

TEST_F(ToDoBackupTest, TheNextDiskRequestCanBeCancelled) {
    writeProgramFile(kToDo, toDoFile(500));
    fake.medium.disks[0].capacity = 8'000;
    fake.dialogs.answers = {Dialogs::Answer::Cancel};
    EXPECT_EQ(backUpToDo(), BackupOutcome::Cancelled);
    EXPECT_TRUE(fake.dialogs.shown.first().text.startsWith(
        "Disk is Full.\rPlease Insert Backup Disk #2\r"));
}

TEST_F(ToDoBackupTest, ANextDiskWhoseInformationWillNotWriteIsAskedForAgain) {
    writeProgramFile(kToDo, toDoFile(500));
    fake.medium.disks[0].capacity = 8'000;
    const int locked = fake.medium.addDisk(100'000);
    fake.medium.disks[locked].writeProtected = true;
    const int blank = fake.medium.addDisk(100'000);
    insertAtPrompts(kNextDisk, {locked, blank});
    fake.dialogs.answers = {Dialogs::Answer::Ok, Dialogs::Answer::Ok};
    ASSERT_EQ(backUpToDo(), BackupOutcome::Complete);
    EXPECT_EQ(shownContaining(QString(kNextDisk) + "2"), 2);
    EXPECT_EQ(onDisk(blank, kInfo), info(2, 2, 1'501));
    EXPECT_EQ(onDisk(0, kCopy) + onDisk(blank, kCopy), toDoFile(500));
}

TEST_F(ToDoBackupTest, AFirstDiskThatTakesNothingAsksForABlankOne) {
    writeProgramFile(kToDo, toDoFile(2));
    struct Case {
        const char* why;
        std::function<void(FakeMedium&)> drive;
    } cases[] = {
        {"no disk in the drive", [](FakeMedium& medium) { medium.insert(-1); }},
        {"write-protected", [](FakeMedium& medium) { medium.disks[0].writeProtected = true; }},
        {"full",
         [](FakeMedium& medium) {
             medium.disks[0].files["Other"] = QByteArray(1'440 * 1'024, 'x');
         }},
    };
    for (const Case& c : cases) {
        fake.medium.disks = {FakeMedium::Disk{}};
        fake.medium.insert(0);
        c.drive(fake.medium);
        fake.dialogs.shown.clear();
        fake.dialogs.answers = {Dialogs::Answer::Cancel};
        EXPECT_EQ(backUpToDo(), BackupOutcome::Cancelled) << c.why;
        EXPECT_EQ(program.SignalValue, 2) << c.why;
        ASSERT_EQ(fake.dialogs.shown.size(), 1) << c.why;
        EXPECT_EQ(fake.dialogs.shown.first().title, "Backup Disk") << c.why;
        EXPECT_FALSE(fake.medium.disks[0].files.contains(kInfo)) << c.why;

        // A good disk put in at the question: OK carries on there.
        const int blank = fake.medium.addDisk(100'000);
        insertAtPrompts("Disk is either Full", {blank});
        fake.dialogs.answers = {Dialogs::Answer::Ok};
        EXPECT_EQ(backUpToDo(), BackupOutcome::Complete) << c.why;
        EXPECT_EQ(onDisk(blank, kCopy), toDoFile(2)) << c.why;
        fake.dialogs.onShow = nullptr;
    }
}

TEST_F(ToDoBackupTest, WithoutAToDoFileTheMediumIsNotTouched) {
    fake.medium.disks[0].files[kInfo] = info(1, 1);
    fake.medium.disks[0].files[kCopy] = "\"old\"\r\n\"\"\r\n\"\"\r\n";
    const auto before = fake.medium.disks[0].files;
    EXPECT_FALSE(BackupRoutines::toDoPieces(fake.dialogs, fake.folder));
    EXPECT_EQ(fake.dialogs.shownTexts(), QStringList{"There is no saved To Do file to back up."});
    EXPECT_EQ(fake.medium.disks[0].files, before);

    writeProgramFile(kToDo, "\"never closed\r\n");
    EXPECT_FALSE(BackupRoutines::toDoPieces(fake.dialogs, fake.folder));
    EXPECT_EQ(fake.dialogs.shown.last().title, "Backup Disk");
}

TEST_F(ToDoBackupTest, ARestoreThatFindsNoFirstDiskTouchesNothing) {
    const QByteArray live = toDoFile(4);
    writeProgramFile(kToDo, live);
    struct Case {
        const char* why;
        QMap<QString, QByteArray> files;
        std::optional<qint64> readErrorAt;
    } cases[] = {
        {"an empty folder", {}, {}},
        {"garbage information", {{kInfo, "garbage"}, {kCopy, toDoFile(1)}}, {}},
        {"disk 2 of a set", {{kInfo, info(2, 2)}, {kCopy, toDoFile(1)}}, {}},
        {"a planner's disk", {{kInfo, DiskInfoFile::encode({"DPlan", 1, 1, 432, 2003})}}, {}},
        {"no copy", {{kInfo, info(1, 1)}}, {}},
        {"a copy that will not read", {{kInfo, info(1, 1)}, {kCopy, toDoFile(3)}}, 10},
    };
    for (const Case& c : cases) {
        fake.medium.disks[0].files = c.files;
        fake.medium.disks[0].readErrorAt = c.readErrorAt;
        fake.dialogs.shown.clear();
        EXPECT_EQ(BackupRoutines::RestoreToDoFile(context), RestoreOutcome::NotFound) << c.why;
        ASSERT_EQ(fake.dialogs.shown.size(), 1) << c.why;
        EXPECT_EQ(fake.dialogs.shown.first().title, "Disk Error") << c.why;
        EXPECT_EQ(programFile(kToDo), live) << c.why;
    }
}

TEST_F(ToDoBackupTest, AStoppedOrFailedRestoreLeavesTheListAsItWas) {
    writeProgramFile(kToDo, toDoFile(500));
    backUpOverThreeDisks();
    const QByteArray live = toDoFile(7);
    writeProgramFile(kToDo, live);
    const QString notCompleted =
        "The restore was not completed. The existing files were left unchanged.";
    const QString notWhole = "The backup copy /media/floppy/ToDoActv.Tb1 on Backup Disk #";
    struct Case {
        const char* why;
        std::function<void()> arrange;
        std::deque<Dialogs::Answer> answers;
        QString told;
    } cases[] = {
        {"No to the question", [] {}, {Dialogs::Answer::No}, {}},
        {"Cancel at disk 2", [] {}, {Dialogs::Answer::Yes, Dialogs::Answer::Cancel}, notCompleted},
        {"disk 3 does not read",
         [this] {
             fake.medium.disks[2].readErrorAt = 10;
             insertAtPrompts(kRestoreDisk, {1, 2});
         },
         {Dialogs::Answer::Yes, Dialogs::Answer::Ok, Dialogs::Answer::Ok},
         notCompleted},
        {"disk 3 missing its last line, so the set ends short of 1,500",
         [this] {
             fake.medium.disks[2].readErrorAt.reset();
             QByteArray& last = fake.medium.disks[2].files[kCopy];
             last.chop(4);
             insertAtPrompts(kRestoreDisk, {1, 2});
         },
         {Dialogs::Answer::Yes, Dialogs::Answer::Ok, Dialogs::Answer::Ok},
         notWhole + "3"},
        {"disk 2 cut short of a line end",
         [this] {
             fake.medium.disks[1].files[kCopy].chop(1);
             insertAtPrompts(kRestoreDisk, {1, 2});
         },
         {Dialogs::Answer::Yes, Dialogs::Answer::Ok},
         notWhole + "2"},
    };
    for (const Case& c : cases) {
        fake.medium.insert(0);
        fake.dialogs.onShow = nullptr;
        fake.dialogs.shown.clear();
        c.arrange();
        fake.dialogs.answers = c.answers;
        const RestoreOutcome outcome = BackupRoutines::RestoreToDoFile(context);
        EXPECT_EQ(programFile(kToDo), live) << c.why;
        if (c.answers.front() == Dialogs::Answer::No) {
            EXPECT_EQ(outcome, RestoreOutcome::Declined) << c.why;
            continue;
        }
        EXPECT_EQ(outcome, RestoreOutcome::NotCompleted) << c.why;
        EXPECT_TRUE(fake.dialogs.shown.last().text.startsWith(c.told)) << c.why;
        EXPECT_EQ(fake.dialogs.shown.last().title, "Restore Error") << c.why;
    }
}

} // namespace

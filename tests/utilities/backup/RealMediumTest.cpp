// Backups onto real size-limited media: small memory file systems mounted in a temporary folder and
// swapped for another at each disk question.
#include "BackupFixture.h"
#include "DiskInfoFile.h"
#include "MediumFileSystem.h"

#include <QDir>
#include <QTemporaryDir>

#include <sys/mount.h>

namespace {

// A drive whose disk is a memory file system of a given size; a disk taken out keeps its files.
class TmpfsDrive {
public:
    using Disk = QMap<QString, QByteArray>;

    ~TmpfsDrive() { eject(); }

    QString folder() const { return mountPoint_.path() + '/'; }

    // Puts a fresh disk of bytes into the drive, holding files; false when mounting is refused.
    bool insert(qint64 bytes, const Disk& files = {}) {
        eject();
        const QByteArray options = "size=" + QByteArray::number(bytes);
        if (::mount("tmpfs", QFile::encodeName(mountPoint_.path()).constData(), "tmpfs", 0,
                    options.constData()) != 0) {
            return false;
        }
        mounted_ = true;
        for (auto file = files.begin(); file != files.end(); ++file) {
            QFile out(folder() + file.key());
            if (!out.open(QIODevice::WriteOnly) || out.write(file.value()) != file->size()) {
                return false;
            }
        }
        return true;
    }

    // Takes the disk out; its files are returned.
    Disk eject() {
        Disk files;
        if (!mounted_) {
            return files;
        }
        for (const QString& name : QDir(mountPoint_.path()).entryList(QDir::Files)) {
            QFile in(folder() + name);
            if (in.open(QIODevice::ReadOnly)) {
                files.insert(name, in.readAll());
            }
        }
        ::umount(QFile::encodeName(mountPoint_.path()).constData());
        mounted_ = false;
        return files;
    }

private:
    QTemporaryDir mountPoint_;
    bool mounted_ = false;
};

class RealMediumTest : public BackupFixture {
protected:
    void SetUp() override {
        if (!drive.insert(16 * 1'024)) {
            GTEST_SKIP() << "mounting a small tmpfs was refused (it needs root): the backups onto "
                            "real size-limited media are not tried";
        }
        context.targetPath = drive.folder();
    }

    // At every next-disk question the full disk is shelved and a fresh one of capacity goes in.
    void swapForFreshDisks(qint64 capacity) {
        fake.dialogs.onShow = [this, capacity](const Dialogs::Message& box) {
            if (box.text.contains("Please Insert Backup Disk #")) {
                shelf.append(drive.eject());
                drive.insert(capacity);
            }
        };
    }
    // Puts the shelved disks back one by one at the restore's questions.
    void offerShelvedDisks(qint64 capacity) {
        fake.dialogs.onShow = [this, capacity](const Dialogs::Message& box) {
            if (box.text.contains("Please insert Backup Disk #")) {
                const int disk = box.text.section('#', 1).toInt() - 1;
                drive.insert(capacity, shelf.value(disk));
            }
        };
    }
    void answerOk(int count) {
        fake.dialogs.answers.assign(std::size_t(count), Dialogs::Answer::Ok);
    }

    FileSystemMedium medium;
    BackupContext context{program, medium, fake.folder, display, QString()};
    TmpfsDrive drive;
    QList<TmpfsDrive::Disk> shelf;
};

TEST_F(RealMediumTest, AFullToDoListSpreadsOverSmallDisksAndComesBack) {
    const QByteArray list = toDoFile(500);
    writeProgramFile("TODOActv.FIL", list);
    swapForFreshDisks(16 * 1'024);
    answerOk(10);
    const auto pieces = BackupRoutines::toDoPieces(fake.dialogs, fake.folder);
    ASSERT_TRUE(pieces);
    ASSERT_EQ(BackupRoutines::BackupToDoFile(context, *pieces), BackupOutcome::Complete);
    shelf.append(drive.eject());
    ASSERT_GE(shelf.size(), 2);
    QByteArray joined;
    for (int disk = 0; disk < shelf.size(); ++disk) {
        const bool last = disk == shelf.size() - 1;
        joined += shelf[disk].value("ToDoActv.Tb1");
        // Each disk says the first line of the list that is not on it.
        const int resume = int(joined.count('\n')) + 1;
        EXPECT_EQ(shelf[disk].value("DiskInfo.Tbk"),
                  DiskInfoFile::encode({"ToDo", disk + 1, last ? disk + 1 : disk + 2, resume, {}}));
    }
    EXPECT_EQ(joined, list);

    writeProgramFile("TODOActv.FIL", toDoFile(1));
    ASSERT_TRUE(drive.insert(16 * 1'024, shelf.first()));
    offerShelvedDisks(16 * 1'024);
    fake.dialogs.answers = {Dialogs::Answer::Yes};
    for (int disk = 1; disk < shelf.size(); ++disk) {
        fake.dialogs.answers.push_back(Dialogs::Answer::Ok);
    }
    ASSERT_EQ(BackupRoutines::RestoreToDoFile(context), RestoreOutcome::Completed);
    EXPECT_EQ(programFile("TODOActv.FIL"), list);
}

TEST_F(RealMediumTest, APlannerYearSpreadsOverSmallDisksAndComesBack) {
    writeYear(431);
    const QByteArray year = programFile(YearFile::fileName(kYear));
    ASSERT_TRUE(drive.insert(128 * 1'024));
    swapForFreshDisks(128 * 1'024);
    answerOk(10);
    const auto pieces = BackupRoutines::yearPieces(fake.dialogs, fake.folder, kYear);
    ASSERT_TRUE(pieces);
    ASSERT_EQ(BackupRoutines::BackupYearFile(context, kYear, *pieces), BackupOutcome::Complete);
    shelf.append(drive.eject());
    ASSERT_GE(shelf.size(), 3);
    for (const TmpfsDrive::Disk& disk : shelf) {
        EXPECT_EQ(disk.value(" 2003.Bb1").size() % YearFile::kRecordLength, 0);
    }

    QFile::remove(fake.file(YearFile::fileName(kYear)));
    ASSERT_TRUE(drive.insert(128 * 1'024, shelf.first()));
    offerShelvedDisks(128 * 1'024);
    fake.dialogs.answers = {Dialogs::Answer::Yes};
    for (int disk = 1; disk < shelf.size(); ++disk) {
        fake.dialogs.answers.push_back(Dialogs::Answer::Ok);
    }
    ASSERT_EQ(BackupRoutines::RestoreYearFile(context, kYear), RestoreOutcome::Completed);
    EXPECT_EQ(programFile(YearFile::fileName(kYear)), year);
}

TEST_F(RealMediumTest, AMediumWithNoRoomEndsInCancel) {
    writeProgramFile("TODOActv.FIL", toDoFile(3));
    ASSERT_TRUE(drive.insert(4 * 1'024, {{"Filler", QByteArray(4 * 1'024, 'x')}}));
    fake.dialogs.answers = {Dialogs::Answer::Cancel};
    const auto pieces = BackupRoutines::toDoPieces(fake.dialogs, fake.folder);
    ASSERT_TRUE(pieces);
    EXPECT_EQ(BackupRoutines::BackupToDoFile(context, *pieces), BackupOutcome::Cancelled);
    EXPECT_TRUE(fake.dialogs.shown.last().text.startsWith("Disk is either Full"));
    EXPECT_FALSE(QFile::exists(drive.folder() + "DiskInfo.Tbk"));
    EXPECT_EQ(programFile("TODOActv.FIL"), toDoFile(3));
}

} // namespace

#include "SingleInstance.h"

#include "FullDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <unistd.h>

namespace {

void writeLock(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(SingleInstanceTest, TheFirstStartHoldsItsFolderAndALaterOneAsksItForward) {
    QTemporaryDir home;
    const QString folder = home.filePath("korvane"); // made by the first start
    {
        SingleInstance first(folder);
        ASSERT_EQ(first.start(), SingleInstance::Start::Alone);
        EXPECT_TRUE(QFileInfo::exists(folder + "/Korvane.lock"));
        EXPECT_EQ(first.saveProblem(), "");
        int asked = 0;
        first.whenAsked([&asked] { ++asked; });

        SingleInstance later(folder);
        EXPECT_EQ(later.start(), SingleInstance::Start::OtherShown);
        EXPECT_TRUE(QTest::qWaitFor([&asked] { return asked == 1; }));

        // Another folder is another program's.
        SingleInstance elsewhere(home.filePath("elsewhere"));
        EXPECT_EQ(elsewhere.start(), SingleInstance::Start::Alone);
    }
    // The program's end frees the folder and takes its lock file away.
    EXPECT_FALSE(QFileInfo::exists(folder + "/Korvane.lock"));
    SingleInstance next(folder);
    EXPECT_EQ(next.start(), SingleInstance::Start::Alone);
}

// Whatever a start killed half-way or a person left under the lock's name, the next start holds
// the folder, and only one does.
TEST(SingleInstanceTest, ALockWithoutALiveOwnerOnTheFolderIsTakenOver) {
    QTemporaryDir home;
    // This process holds another folder: a lock naming it (a process id used again) is still stale.
    SingleInstance otherFolder(home.filePath("other"));
    ASSERT_EQ(otherFolder.start(), SingleInstance::Start::Alone);
    const QByteArray otherFolders =
        QByteArray::number(qint64(getpid())) + "\nkorvane\n" + QSysInfo::machineHostName().toUtf8();
    const struct {
        const char* what;
        std::function<void(const QString&)> leave;
        bool lockFileTaken;
    } cases[] = {
        {"an empty lock", [](const QString& lock) { writeLock(lock, ""); }, true},
        {"a lock of text", [](const QString& lock) { writeLock(lock, "hello"); }, true},
        {"another folder's program", [&](const QString& lock) { writeLock(lock, otherFolders); },
         true},
        {"a folder", [](const QString& lock) { ASSERT_TRUE(QDir().mkdir(lock)); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString folder = home.filePath(c.what);
        const QString lock = QDir(folder).filePath(SingleInstance::kLockFile);
        ASSERT_TRUE(QDir().mkpath(folder));
        c.leave(lock);

        SingleInstance start(folder);
        EXPECT_EQ(start.start(), SingleInstance::Start::Alone);
        EXPECT_EQ(start.saveProblem(), "");
        const QFileInfo left(lock);
        EXPECT_EQ(left.isFile() && left.size() > 0, c.lockFileTaken);
        // A folder of that name is no lock of ours and stays.
        EXPECT_EQ(left.isDir(), !c.lockFileTaken);
        SingleInstance later(folder);
        EXPECT_EQ(later.start(), SingleInstance::Start::OtherShown);
    }
}

// A disk with no room for the lock file still lets one program only hold the folder, and the one
// that does says that nothing can be saved.
TEST(SingleInstanceTest, AFullDiskStillHoldsTheFolderAndIsTold) {
    QTemporaryDir home;
    for (const bool staleLock : {false, true}) {
        SCOPED_TRACE(staleLock ? "over a stale lock" : "no lock yet");
        const QString folder = home.filePath(staleLock ? "stale" : "fresh");
        ASSERT_TRUE(QDir().mkpath(folder));
        if (staleLock) {
            writeLock(QDir(folder).filePath(SingleInstance::kLockFile), "");
        }
        SingleInstance first(folder);
        SingleInstance later(folder);
        {
            const FullDisk disk(0);
            ASSERT_EQ(first.start(), SingleInstance::Start::Alone);
            EXPECT_EQ(later.start(), SingleInstance::Start::OtherShown);
        }
        EXPECT_TRUE(first.saveProblem().contains("Korvane cannot save anything in its folder " +
                                                 folder + ": the disk it is on is full."))
            << first.saveProblem().toStdString();
    }
}

} // namespace

#include "ProgramFolder.h"
#include "SingleInstance.h"

#include "FolderSnapshot.h"
#include "FullDisk.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <grp.h>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {

// The built program on a folder of its own, started as a person starts it, with no screen.
class ProgramStarts : public ::testing::Test {
protected:
    QString folder() const { return home.filePath("korvane"); }
    QString inFolder(const QString& name) const { return QDir(folder()).filePath(name); }

    // As this test's user, or as another user of the machine (which only root can do).
    std::unique_ptr<QProcess> start(std::optional<uid_t> user = {}) const {
        auto program = std::make_unique<QProcess>();
        if (user) {
            program->setChildProcessModifier([id = *user] {
                if (::setgroups(0, nullptr) != 0 || ::setgid(id) != 0 || ::setuid(id) != 0) {
                    ::_exit(127);
                }
            });
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("KORVANE_HOME", folder());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        environment.insert("XDG_RUNTIME_DIR", home.path());
        program->setProcessEnvironment(environment);
        program->start(user ? reachableProgram() : QString(KORVANE_PROGRAM), {});
        EXPECT_TRUE(program->waitForStarted());
        return program;
    }

    // The built program where any user can start it, wherever the build lies (a clone in a home
    // folder only its owner can enter): a copy laid out as an installed program, with its shipped
    // files beside it.
    QString reachableProgram() const {
        if (!installed_) {
            installed_ = std::make_unique<QTemporaryDir>();
            const QString bin = installed_->filePath("bin");
            EXPECT_TRUE(QFile::setPermissions(installed_->path(), kReachable));
            EXPECT_TRUE(QDir().mkpath(bin));
            EXPECT_TRUE(QFile::copy(KORVANE_PROGRAM, bin + "/korvane"));
            EXPECT_TRUE(ProgramFolder(installed_->filePath("share/korvane"))
                            .install(KORVANE_SHIPPED_DATA_DIR));
        }
        return installed_->filePath("bin/korvane");
    }

    // Until the program's main window has loaded: its reminder check has made this year's
    // planner file (which a start on a folder loaded before finds there: killedAfterLoading).
    bool loaded(QProcess& program) const {
        const QString yearFile = thisYearsFile();
        const bool settled = QTest::qWaitFor(
            [&] { return QFileInfo::exists(yearFile) || program.state() != QProcess::Running; },
            kLongest);
        // Whatever follows the load's last file.
        QTest::qWait(500);
        return settled && program.state() == QProcess::Running;
    }

    QString thisYearsFile() const {
        return inFolder(QString(" %1.Cal").arg(QDate::currentDate().year()));
    }

    // A program that loaded, killed: what it leaves behind, save the year file by which the next
    // start's loading is seen.
    void killedAfterLoading(QProcess& program) const {
        program.kill();
        program.waitForFinished();
        ASSERT_TRUE(QFile::remove(thisYearsFile()));
    }

    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(inFolder(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    FolderSnapshot snapshot() const { return folderSnapshot(folder()); }

    // Until the program has said what, on its error output.
    static bool says(QProcess& program, const QString& what) {
        QString said;
        const bool told = QTest::qWaitFor(
            [&] {
                said += QString::fromUtf8(program.readAllStandardError());
                return said.contains(what);
            },
            kLongest);
        EXPECT_TRUE(told) << said.toStdString();
        return told;
    }

    // Asks a second start on the folder; it must end by itself, at once, saying why.
    void expectEndsAsSecond(std::optional<uid_t> user = {}) const {
        const std::unique_ptr<QProcess> second = start(user);
        ASSERT_TRUE(second->waitForFinished(kLongest));
        EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second->exitCode(), 0);
        const QString said = QString::fromUtf8(second->readAllStandardError());
        EXPECT_TRUE(said.contains("Korvane is already running with the folder " + folder()))
            << said.toStdString();
    }

    static constexpr int kLongest = 60'000; // a loaded machine and a sanitized build

    static constexpr QFile::Permissions kReachable =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

    QTemporaryDir home;
    mutable std::unique_ptr<QTemporaryDir> installed_;
};

TEST_F(ProgramStarts, ASecondStartOnTheSameFolderEndsWithoutTouchingAFile) {
    const std::unique_ptr<QProcess> first = start();
    ASSERT_TRUE(loaded(*first));
    // The first in the middle of a save, and a shipped file the person removed: the second start
    // neither clears the one nor copies the other back.
    write("Bhday1.FIL.bGIcQa", "half a save");
    ASSERT_TRUE(QFile::remove(inFolder("Korvane.hlp")));
    const auto before = snapshot();

    expectEndsAsSecond();

    EXPECT_TRUE(sameSnapshot(snapshot(), before));
    EXPECT_EQ(first->state(), QProcess::Running);
    first->kill();
    first->waitForFinished();
}

// A start killed before it wrote its lock leaves it empty, and a person keeps copies of the files
// under names like the ones a cut-short save leaves: the next start holds the folder and every
// one of those files stays as it was.
TEST_F(ProgramStarts, AStartAfterAKillTakesOverAnEmptyLockAndKeepsEveryCopyInTheFolder) {
    const std::unique_ptr<QProcess> killed = start();
    ASSERT_TRUE(loaded(*killed));
    killedAfterLoading(*killed);
    write(SingleInstance::kLockFile, "");
    const QStringList copies = {
        "TODOActv.FIL.backup",    "TODONAME.FIL.Backup", "Bhday1.FIL.before", " 2026.Cal.backup",
        "CustomDict1.dct.backup", "QuotHof.Fil.backup",  "Bhday1.FIL.bGIcQa", "qt_temp.RtYuIo",
    };
    for (const QString& name : copies) {
        write(name, name.toUtf8());
    }
    const auto before = snapshot();

    const std::unique_ptr<QProcess> next = start();
    ASSERT_TRUE(loaded(*next));
    QTest::qWait(1000);
    const auto after = snapshot();
    for (const QString& name : copies) {
        EXPECT_TRUE(sameFile(after.value(name), before.value(name))) << name.toStdString();
    }
    expectEndsAsSecond();
    next->kill();
    next->waitForFinished();
}

// A full disk takes no lock file: the folder is held all the same, and the first start says that
// nothing can be saved.
TEST_F(ProgramStarts, OnAFullDiskOneProgramHoldsTheFolderAndSaysItCannotSave) {
    const std::unique_ptr<QProcess> installing = start();
    ASSERT_TRUE(loaded(*installing));
    killedAfterLoading(*installing);
    ASSERT_TRUE(QFile::remove(inFolder(SingleInstance::kLockFile)));

    std::unique_ptr<QProcess> first;
    std::unique_ptr<QProcess> second;
    {
        // The programs started meanwhile keep the limit for their whole run.
        const FullDisk disk(0);
        first = start();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return QFileInfo::exists(inFolder(SingleInstance::kLockFile)); }, kLongest));
        second = start();
    }
    ASSERT_TRUE(second->waitForFinished(kLongest));
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(second->readAllStandardError())
                    .contains("Korvane is already running with the folder " + folder()));
    says(*first,
         "Korvane cannot save anything in its folder " + folder() + ": the disk it is on is full.");
    EXPECT_EQ(first->state(), QProcess::Running);
    first->kill();
    first->waitForFinished();
}

// Members of a family with their own logins share one folder: the second user's start finds the
// first user's program on it and ends; a user for whom the folder cannot be written holds it too,
// and is told that nothing can be saved.
TEST_F(ProgramStarts, AnotherUsersProgramHoldsASharedFolderAndAReadOnlyFolderIsTold) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "starting the program as another user needs root";
    }
    constexpr uid_t kNobody = 65534;
    const auto everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(home.path(), everyone & ~QFile::WriteOther));
    ASSERT_TRUE(QDir().mkpath(folder()));
    ASSERT_TRUE(QFile::setPermissions(folder(), everyone));

    const std::unique_ptr<QProcess> theirs = start(kNobody);
    ASSERT_TRUE(loaded(*theirs));
    ASSERT_EQ(QFileInfo(inFolder(SingleInstance::kLockFile)).ownerId(), kNobody);
    const auto before = snapshot();
    // Their window is on their screen: this user is told, and the box's OK ends the start.
    const std::unique_ptr<QProcess> mine = start();
    says(*mine, "Korvane is already running with the folder " + folder());
    EXPECT_TRUE(sameSnapshot(snapshot(), before));
    mine->kill();
    mine->waitForFinished();
    killedAfterLoading(*theirs);

    // The lock their killed program left is taken over.
    const std::unique_ptr<QProcess> next = start();
    ASSERT_TRUE(loaded(*next));
    EXPECT_EQ(QFileInfo(inFolder(SingleInstance::kLockFile)).ownerId(), ::geteuid());
    next->kill();
    next->waitForFinished();

    // The folder left to root alone, with the killed program's lock in it.
    ASSERT_TRUE(QFile::setPermissions(folder(), everyone & ~QFile::WriteOther));
    const std::unique_ptr<QProcess> readOnly = start(kNobody);
    says(*readOnly, "Korvane cannot save anything in its folder " + folder() +
                        ": the folder cannot be written.");
    expectEndsAsSecond(kNobody);
    EXPECT_EQ(readOnly->state(), QProcess::Running);
    readOnly->kill();
    readOnly->waitForFinished();
}

// In a shared folder where only a file's owner may delete it, another login's stale lock cannot
// be made way for: the start says so, leaving every file as it was, rather than run beside the
// other logins that find the same lock. The lock's owner takes it over and keeps them out.
TEST_F(ProgramStarts, AnotherLoginsStaleLockInAStickySharedFolderRefusesTheStartSayingWhy) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "starting the program as another user needs root";
    }
    constexpr uid_t kNobody = 65534;
    ASSERT_TRUE(QFile::setPermissions(home.path(), kReachable));
    const std::unique_ptr<QProcess> killed = start();
    ASSERT_TRUE(loaded(*killed));
    killedAfterLoading(*killed);
    ASSERT_EQ(::chmod(QFile::encodeName(folder()), 01777), 0);
    const auto before = snapshot();

    // A lock that cannot even be read tells nothing of its owner's program.
    const QByteArray lock = QFile::encodeName(inFolder(SingleInstance::kLockFile));
    ASSERT_EQ(::chmod(lock, 0600), 0);
    const std::unique_ptr<QProcess> unread = start(kNobody);
    says(*unread, "Korvane cannot make sure that no other Korvane uses its folder " + folder() +
                      ": Korvane.lock in it belongs to root and cannot be read, so Korvane cannot "
                      "tell whether the Korvane of root is running.\nAsk root to delete "
                      "Korvane.lock if their Korvane has ended, then start Korvane again.");
    unread->kill();
    unread->waitForFinished();
    ASSERT_EQ(::chmod(lock, 0644), 0);

    // The box's OK ends the start.
    const std::unique_ptr<QProcess> theirs = start(kNobody);
    says(*theirs, "Korvane cannot make sure that no other Korvane uses its folder " + folder() +
                      ": Korvane.lock in it was left by the Korvane of root, which is no longer "
                      "running, and only root can delete it.\nAsk root to start Korvane on this "
                      "folder, which takes the lock over, or to delete Korvane.lock; then start "
                      "Korvane again.");
    EXPECT_TRUE(sameSnapshot(snapshot(), before));
    theirs->kill();
    theirs->waitForFinished();

    const std::unique_ptr<QProcess> owners = start();
    ASSERT_TRUE(loaded(*owners));
    const std::unique_ptr<QProcess> theirsAgain = start(kNobody);
    says(*theirsAgain, "Korvane is already running with the folder " + folder());
    theirsAgain->kill();
    theirsAgain->waitForFinished();
    owners->kill();
    owners->waitForFinished();
}

} // namespace

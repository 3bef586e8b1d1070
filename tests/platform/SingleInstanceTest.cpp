#include "SingleInstance.h"

#include "FullDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void writeLock(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readLock(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot be read)");
}

// A process of another user listening at a name of the abstract namespace while it lives.
class OtherUsersListener {
public:
    OtherUsersListener(const QByteArray& name, uid_t user) {
        int ready[2];
        if (::pipe(ready) != 0) {
            return;
        }
        sockaddr_un at{};
        at.sun_family = AF_UNIX;
        std::memcpy(at.sun_path + 1, name.constData(), std::size_t(name.size()));
        const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + name.size());
        child_ = ::fork();
        if (child_ == 0) {
            const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
            const char listening =
                ::setgroups(0, nullptr) == 0 && ::setgid(user) == 0 && ::setuid(user) == 0 &&
                ::bind(listener, reinterpret_cast<const sockaddr*>(&at), length) == 0 &&
                ::listen(listener, 4) == 0;
            (void)!::write(ready[1], &listening, 1);
            for (;;) {
                ::pause();
            }
        }
        ::close(ready[1]);
        char listening = 0;
        listening_ = ::read(ready[0], &listening, 1) == 1 && listening;
        ::close(ready[0]);
    }
    ~OtherUsersListener() {
        if (child_ > 0) {
            ::kill(child_, SIGKILL);
            ::waitpid(child_, nullptr, 0);
        }
    }
    OtherUsersListener(const OtherUsersListener&) = delete;
    OtherUsersListener& operator=(const OtherUsersListener&) = delete;

    bool listening() const { return listening_; }

private:
    pid_t child_ = -1;
    bool listening_ = false;
};

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
        QByteArray left;
    } cases[] = {
        {"an empty lock", ""},
        {"a lock of text", "hello"},
        {"another folder's program", otherFolders},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString folder = home.filePath(c.what);
        const QString lock = QDir(folder).filePath(SingleInstance::kLockFile);
        ASSERT_TRUE(QDir().mkpath(folder));
        writeLock(lock, c.left);

        SingleInstance start(folder);
        EXPECT_EQ(start.start(), SingleInstance::Start::Alone);
        EXPECT_EQ(start.saveProblem(), "");
        EXPECT_EQ(readLock(lock), QByteArray::number(qint64(getpid())) + "\nKorvane\n" +
                                      QSysInfo::machineHostName().toUtf8() + '\n');
        SingleInstance later(folder);
        EXPECT_EQ(later.start(), SingleInstance::Start::OtherShown);
    }
}

// Whatever is not a file under the lock's name is not a lock any program holds, nor one a start
// may take: every start is refused, says why, and leaves it as it was.
TEST(SingleInstanceTest, ALockThatIsNoFileRefusesEveryStartSayingWhy) {
    QTemporaryDir home;
    const QString target = home.filePath("a person's file");
    writeLock(target, "kept");
    const struct {
        const char* what;
        std::function<bool(const QString&)> leave;
        QString why;
    } cases[] = {
        {"a folder", [](const QString& lock) { return QDir().mkdir(lock); },
         "Korvane.lock in it is a folder, not Korvane's lock file.\nMove or rename the folder "
         "Korvane.lock, then start Korvane again."},
        {"a link to a file", [&](const QString& lock) { return QFile::link(target, lock); },
         "Korvane.lock in it is a link, not Korvane's lock file.\nDelete or rename the link "
         "Korvane.lock, then start Korvane again."},
        {"a link to nothing",
         [&](const QString& lock) { return QFile::link(home.filePath("nothing"), lock); },
         "Korvane.lock in it is a link, not Korvane's lock file."},
        {"a pipe", [](const QString& lock) { return ::mkfifo(QFile::encodeName(lock), 0644) == 0; },
         "Korvane.lock in it is not a file, as Korvane's lock file is.\nDelete or rename "
         "Korvane.lock, then start Korvane again."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString folder = home.filePath(c.what);
        const QString lock = QDir(folder).filePath(SingleInstance::kLockFile);
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(c.leave(lock));
        const QFileInfo before(lock);

        for (const char* start : {"first", "second"}) {
            SCOPED_TRACE(start);
            SingleInstance refused(folder);
            EXPECT_EQ(refused.start(), SingleInstance::Start::Refused);
            EXPECT_TRUE(refused.refusal().startsWith(
                "Korvane cannot make sure that no other Korvane uses its folder " + folder + ": " +
                c.why))
                << refused.refusal().toStdString();
        }
        const QFileInfo after(lock);
        EXPECT_EQ(after.isDir(), before.isDir());
        EXPECT_EQ(after.isSymLink(), before.isSymLink());
        EXPECT_EQ(after.symLinkTarget(), before.symLinkTarget());
        EXPECT_EQ(readLock(target), "kept");
        EXPECT_FALSE(QFileInfo::exists(home.filePath("nothing")));
    }
}

// The folder is known by what it is: a second name for it leads to the program holding it.
TEST(SingleInstanceTest, AnotherNameForTheFolderLeadsToItsProgram) {
    QTemporaryDir home;
    const QString folder = home.filePath("korvane");
    const struct {
        const char* what;
        std::function<bool(const QString&)> name; // gives the folder the name
        std::function<void(const QString&)> undo;
    } cases[] = {
        {"a link", [&](const QString& name) { return QFile::link(folder, name); }, nullptr},
        {"its new name, as it runs",
         [&](const QString& name) { return QDir().rename(folder, name); },
         [&](const QString& name) { QDir().rename(name, folder); }},
        // Only root can mount.
        {"a bind mount",
         [&](const QString& name) {
             return QDir().mkdir(name) &&
                    ::mount(QFile::encodeName(folder), QFile::encodeName(name), nullptr, MS_BIND,
                            nullptr) == 0;
         },
         [](const QString& name) { ::umount2(QFile::encodeName(name), MNT_DETACH); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SingleInstance first(folder);
        ASSERT_EQ(first.start(), SingleInstance::Start::Alone);
        int asked = 0;
        first.whenAsked([&asked] { ++asked; });
        const QString name = home.filePath(c.what);
        if (!c.name(name)) {
            EXPECT_TRUE(std::string(c.what) == "a bind mount" && ::geteuid() != 0);
            continue;
        }
        SingleInstance second(name);
        EXPECT_EQ(second.start(), SingleInstance::Start::OtherShown);
        EXPECT_TRUE(QTest::qWaitFor([&asked] { return asked == 1; }));
        if (c.undo) {
            c.undo(name);
        }
    }
}

// A program of this user whose folder's name another user took first holds the folder by its
// lock file alone: a later start leaves that lock as it is and ends.
TEST(SingleInstanceTest, ALockHeldWithoutTheNameKeepsTheFolder) {
    QTemporaryDir home;
    const QString lock = home.filePath(SingleInstance::kLockFile);
    writeLock(lock, "4321\nKorvane\nelsewhere\n");
    QFile held(lock);
    ASSERT_TRUE(held.open(QIODevice::ReadWrite));
    struct flock whole {};
    whole.l_type = F_WRLCK;
    ASSERT_EQ(::fcntl(held.handle(), F_OFD_SETLK, &whole), 0);

    SingleInstance later(home.path());
    EXPECT_EQ(later.start(), SingleInstance::Start::OtherRunning);
    EXPECT_EQ(readLock(lock), "4321\nKorvane\nelsewhere\n");
}

// A program's end removes its own lock file and no other: not one put in its place, nor one
// written over.
TEST(SingleInstanceTest, ItsEndRemovesItsOwnLockFileOnly) {
    QTemporaryDir home;
    const struct {
        const char* what;
        bool removeFirst;
    } cases[] = {{"another file in its place", true}, {"its file written over", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString folder = home.filePath(c.what);
        const QString lock = QDir(folder).filePath(SingleInstance::kLockFile);
        {
            SingleInstance first(folder);
            ASSERT_EQ(first.start(), SingleInstance::Start::Alone);
            if (c.removeFirst) {
                ASSERT_TRUE(QFile::remove(lock));
            }
            writeLock(lock, "4321\nKorvane\nelsewhere\n");
        }
        EXPECT_EQ(readLock(lock), "4321\nKorvane\nelsewhere\n");
    }
}

// Any user can take any name in the abstract namespace: a listener of another user at this
// user's name is never taken for this user's program. The start holds the folder by its lock file,
// and keeps this user's later starts out all the same.
TEST(SingleInstanceTest, AnotherUserAtTheFoldersNameIsNotThisUsersProgram) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "listening as another user needs root";
    }
    QTemporaryDir home;
    const QByteArray name = SingleInstance::socketName(home.path(), ::getuid());
    ASSERT_FALSE(name.isEmpty());
    const OtherUsersListener squatter(name, 65534);
    ASSERT_TRUE(squatter.listening());

    SingleInstance first(home.path());
    EXPECT_EQ(first.start(), SingleInstance::Start::Alone);
    EXPECT_EQ(first.saveProblem(), "");
    EXPECT_TRUE(QFileInfo::exists(home.filePath(SingleInstance::kLockFile)));
    SingleInstance later(home.path());
    EXPECT_EQ(later.start(), SingleInstance::Start::OtherRunning);
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

#include "FolderLock.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Taking the lock is tried again when another start removes or replaces the file in between.
constexpr int kAttempts = 5;

// Why nothing can be saved in the folder when writing there failed with error; empty when the
// failure says nothing about the saves.
QString saveProblemOf(const QString& folder, int error) {
    QString reason;
    if (error == EACCES) {
        reason = "the folder cannot be written";
    } else if (error == EROFS) {
        reason = "the disk it is on can only be read";
    } else if (error == ENOSPC || error == EDQUOT || error == EFBIG) {
        reason = "the disk it is on is full";
    } else {
        return {};
    }
    return "Korvane cannot save anything in its folder " + QDir::toNativeSeparators(folder) + ": " +
           reason +
           ".\nYou can use Korvane, but what you change cannot be saved until the folder can be "
           "written again.";
}

QString loginOf(uid_t user) {
    const passwd* entry = ::getpwuid(user);
    return entry ? QString::fromLocal8Bit(entry->pw_name) : "user " + QString::number(qint64(user));
}

// A lock of the open file (not of the process), so that two holders in one process keep apart
// too; false when another holder's lock is in the way.
bool lockWhole(int descriptor, short type) {
    struct flock whole {};
    whole.l_type = type;
    whole.l_whence = SEEK_SET;
    return ::fcntl(descriptor, F_OFD_SETLK, &whole) == 0;
}

bool inTheWay(int error) {
    return error == EAGAIN || error == EACCES;
}

} // namespace

FolderLock::FolderLock(QString folder)
    : folder_(std::move(folder)), path_(QFile::encodeName(QDir(folder_).filePath(kFileName))) {}

FolderLock::~FolderLock() {
    if (descriptor_ < 0) {
        return;
    }
    // A file put in its place, or written over by someone else, is not this program's to remove.
    if (!written_.isEmpty() && stillNamed(descriptor_)) {
        QByteArray says(written_.size() + 1, '\0');
        if (::pread(descriptor_, says.data(), std::size_t(says.size()), 0) == written_.size() &&
            says.startsWith(written_)) {
            ::unlink(path_.constData());
        }
    }
    ::close(descriptor_);
}

FolderLock::Take FolderLock::take() {
    Take taken = Take::Held;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const int made =
            ::open(path_.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
        if (made < 0) {
            const int error = errno;
            struct stat there {};
            const bool isThere = ::lstat(path_.constData(), &there) == 0;
            if (isThere && (error == ELOOP || error == EISDIR)) {
                return refuseNoFile(there.st_mode);
            }
            if (isThere && error == EACCES) {
                if (takeOthers(taken)) {
                    return taken;
                }
                continue;
            }
            problem_ = saveProblemOf(folder_, error);
            if (problem_.isEmpty()) {
                return refuse("Korvane.lock in it cannot be made (" +
                                  QString::fromLocal8Bit(std::strerror(error)) + ")",
                              "Start Korvane again when the folder lets Korvane.lock be made.");
            }
            // The same user's later starts are kept out by the program's name on the machine.
            return Take::Held;
        }
        struct stat opened {};
        if (::fstat(made, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            ::close(made);
            return refuseNoFile(opened.st_mode);
        }
        if (opened.st_uid != ::geteuid()) {
            // Another login's lock is never taken over where it lies, so that a lock file is
            // always its program's own and tells nothing untrue of who can write the folder.
            ::close(made);
            if (takeOthers(taken)) {
                return taken;
            }
            continue;
        }
        if (!lockWhole(made, F_WRLCK)) {
            const int error = errno;
            ::close(made);
            if (inTheWay(error)) {
                return Take::HeldElsewhere;
            }
            // A disk that keeps no locks: the same user's later starts are kept out by the
            // program's name on the machine.
            return Take::Held;
        }
        if (!stillNamed(made)) {
            ::close(made); // removed by the program that held it, as it ended
            continue;
        }
        descriptor_ = made;
        ::fchmod(made, 0644); // readable by the other logins, whatever the umask
        // Only the kernel's lock counts; what the file says is for a person looking, and tells
        // this program at its end that the file is still its own.
        const QByteArray says = QByteArray::number(qint64(::getpid())) + "\nKorvane\n" +
                                QSysInfo::machineHostName().toUtf8() + '\n';
        if (::ftruncate(made, 0) != 0) {
            problem_ = saveProblemOf(folder_, errno);
        } else if (const ssize_t wrote =
                       ::pwrite(made, says.constData(), std::size_t(says.size()), 0);
                   wrote != says.size()) {
            // A write cut short sets no error: the disk filled up as it went.
            problem_ = saveProblemOf(folder_, wrote < 0 ? errno : ENOSPC);
        } else {
            written_ = says;
        }
        return Take::Held;
    }
    return Take::HeldElsewhere; // other starts kept changing it: one of them holds the folder
}

bool FolderLock::takeOthers(Take& taken) {
    struct stat there {};
    if (::lstat(path_.constData(), &there) != 0) {
        return false; // removed meanwhile
    }
    if (!S_ISREG(there.st_mode)) {
        taken = refuseNoFile(there.st_mode);
        return true;
    }
    const int opened = ::open(path_.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (opened < 0) {
        const QString owner = loginOf(there.st_uid);
        taken = refuse("Korvane.lock in it belongs to " + owner +
                           " and cannot be read, so Korvane cannot tell whether the Korvane of " +
                           owner + " is running",
                       "Ask " + owner +
                           " to delete Korvane.lock if their Korvane has ended, then start "
                           "Korvane again.");
        return true;
    }
    // A lock for reading keeps any program from taking the file while it is judged and removed.
    if (!lockWhole(opened, F_RDLCK)) {
        const int error = errno;
        ::close(opened);
        taken = inTheWay(error) ? Take::HeldElsewhere : Take::Held;
        return true;
    }
    if (!stillNamed(opened)) {
        ::close(opened);
        return false;
    }
    // No program holds it: stale, and removed to make way for this program's own.
    if (::unlink(path_.constData()) == 0) {
        ::close(opened);
        return false;
    }
    const int error = errno;
    if (error == EPERM) {
        // A shared folder where only a file's owner may delete it: without a lock of its own, this
        // program could save over the files of another login that finds the same stale lock.
        ::close(opened);
        const QString owner = loginOf(there.st_uid);
        taken = refuse("Korvane.lock in it was left by the Korvane of " + owner +
                           ", which is no longer running, and only " + owner + " can delete it",
                       "Ask " + owner +
                           " to start Korvane on this folder, which takes the lock over, or to "
                           "delete Korvane.lock; then start Korvane again.");
        return true;
    }
    // Nothing can be saved here; the lock for reading keeps the logins that can save out.
    descriptor_ = opened;
    problem_ = saveProblemOf(folder_, error);
    taken = problem_.isEmpty()
                ? refuse("Korvane.lock in it was left by a Korvane that is no longer running, and "
                         "cannot be deleted (" +
                             QString::fromLocal8Bit(std::strerror(error)) + ")",
                         "Delete Korvane.lock, then start Korvane again.")
                : Take::Held;
    return true;
}

bool FolderLock::stillNamed(int descriptor) const {
    struct stat named {};
    struct stat open {};
    return ::lstat(path_.constData(), &named) == 0 && ::fstat(descriptor, &open) == 0 &&
           named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

FolderLock::Take FolderLock::refuse(const QString& reason, const QString& remedy) {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
        descriptor_ = -1;
    }
    problem_ = "Korvane cannot make sure that no other Korvane uses its folder " +
               QDir::toNativeSeparators(folder_) + ": " + reason + ".\n" + remedy;
    return Take::Refused;
}

FolderLock::Take FolderLock::refuseNoFile(mode_t mode) {
    if (S_ISDIR(mode)) {
        return refuse("Korvane.lock in it is a folder, not Korvane's lock file",
                      "Move or rename the folder Korvane.lock, then start Korvane again.");
    }
    if (S_ISLNK(mode)) {
        return refuse("Korvane.lock in it is a link, not Korvane's lock file",
                      "Delete or rename the link Korvane.lock, then start Korvane again.");
    }
    return refuse("Korvane.lock in it is not a file, as Korvane's lock file is",
                  "Delete or rename Korvane.lock, then start Korvane again.");
}

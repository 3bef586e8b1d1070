#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The programs of one folder meet at a socket in the abstract namespace: it needs no file, so a
// full or read-only disk cannot lose it, and it goes away with the program that listens, even
// after a kill. Its name is the user's and the folder's, so that no other user's program can take
// a user's folder by taking its name.
struct Address {
    sockaddr_un address{};
    socklen_t length = 0;
};

Address addressOf(const QString& folder, uid_t user) {
    QString path = QFileInfo(folder).canonicalFilePath();
    if (path.isEmpty()) { // a folder that could not be made
        path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    }
    const QByteArray name =
        "korvane-" + QByteArray::number(user) + '-' +
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    Address at;
    at.address.sun_family = AF_UNIX;
    // The leading zero byte puts the name in the abstract namespace.
    std::memcpy(at.address.sun_path + 1, name.constData(), std::size_t(name.size()));
    at.length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + std::size_t(name.size()));
    return at;
}

bool reaches(const Address& at) {
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return false;
    }
    const bool reached =
        ::connect(socket, reinterpret_cast<const sockaddr*>(&at.address), at.length) == 0;
    ::close(socket);
    return reached;
}

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

// A start that finds the folder's name taken before its holder listens, or one that meets a first
// start still loading, waits this long for it.
constexpr int kAskAttempts = 20;
constexpr int kAskPauseMs = 50;
// Taking over a lock file is tried again when another start changes it in between.
constexpr int kLockAttempts = 3;

} // namespace

SingleInstance::SingleInstance(const QString& folder) : folder_(folder) {}

SingleInstance::~SingleInstance() {
    // The lock file goes first: another user's start that finds it then finds its owner listening.
    struct stat held {};
    const QByteArray lock = QFile::encodeName(QDir(folder_).filePath(kLockFile));
    if (lockInode_ != 0 && ::lstat(lock.constData(), &held) == 0 && held.st_dev == lockDevice_ &&
        held.st_ino == lockInode_) {
        ::unlink(lock.constData());
    }
    asks_.reset();
    if (listener_ >= 0) {
        ::close(listener_);
    }
}

SingleInstance::Start SingleInstance::start() {
    QDir().mkpath(folder_);
    if (holdName()) {
        return takeLockFile() ? Start::Alone : Start::OtherRunning;
    }
    // Where the desktop lets no program bring itself forward unasked, the person is told instead.
    const bool canComeForward = !QGuiApplication::platformName().startsWith("wayland");
    return askHolder() && canComeForward ? Start::OtherShown : Start::OtherRunning;
}

QString SingleInstance::runningMessage(const QString& folder) {
    return "Korvane is already running with the folder " + QDir::toNativeSeparators(folder) +
           ", and a second Korvane would save over its files.\nSwitch to the Korvane window "
           "that is open. If none is, end the Korvane that is still running, then start Korvane "
           "again.";
}

bool SingleInstance::holdName() {
    const Address at = addressOf(folder_, ::getuid());
    listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listener_ < 0) {
        // Out of descriptors at start-up: the lock file alone keeps other users off.
        return true;
    }
    if (::bind(listener_, reinterpret_cast<const sockaddr*>(&at.address), at.length) != 0) {
        const bool taken = errno == EADDRINUSE;
        ::close(listener_);
        listener_ = -1;
        return !taken;
    }
    // A name bound but not listened at still holds the folder; later starts only cannot bring
    // this program forward.
    if (::listen(listener_, 4) == 0) {
        asks_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
        QObject::connect(asks_.get(), &QSocketNotifier::activated, [this] { answerAsks(); });
    }
    return true;
}

bool SingleInstance::takeLockFile() {
    const QByteArray lock = QFile::encodeName(QDir(folder_).filePath(kLockFile));
    for (int attempt = 0; attempt < kLockAttempts; ++attempt) {
        const int made = ::open(lock.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (made >= 0) {
            struct stat info {};
            ::fstat(made, &info);
            lockDevice_ = info.st_dev;
            lockInode_ = info.st_ino;
            // Only the file's owner counts; what it says is for a person looking.
            const QByteArray says = QByteArray::number(qint64(::getpid())) + "\nKorvane\n" +
                                    QSysInfo::machineHostName().toUtf8() + '\n';
            if (::write(made, says.constData(), std::size_t(says.size())) != says.size()) {
                saveProblem_ = saveProblemOf(folder_, errno);
            }
            ::close(made);
            return true;
        }
        if (errno != EEXIST) {
            saveProblem_ = saveProblemOf(folder_, errno);
            return true;
        }
        struct stat held {};
        if (::lstat(lock.constData(), &held) != 0) {
            continue; // removed in between
        }
        if (!S_ISREG(held.st_mode)) {
            // A folder or a link of that name is no program's lock, and is left alone.
            return true;
        }
        // This user's program on this folder would hold its name, which this program holds now.
        if (held.st_uid != ::getuid() && reaches(addressOf(folder_, held.st_uid))) {
            return false;
        }
        if (::unlink(lock.constData()) != 0 && errno != ENOENT) {
            saveProblem_ = saveProblemOf(folder_, errno);
            return true;
        }
    }
    return true;
}

void SingleInstance::answerAsks() {
    // A connection is the whole request.
    int asker = -1;
    bool asked = false;
    while ((asker = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0) {
        ::close(asker);
        asked = true;
    }
    if (asked && bringToFront_) {
        bringToFront_();
    }
}

bool SingleInstance::askHolder() const {
    const Address at = addressOf(folder_, ::getuid());
    for (int attempt = 0; attempt < kAskAttempts; ++attempt) {
        if (reaches(at)) {
            return true;
        }
        QThread::msleep(kAskPauseMs);
    }
    return false;
}

#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QThread>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The programs of one user on one folder meet at a socket in the abstract namespace: it needs no
// file, so a full or read-only disk cannot lose it, and it goes away with the program that
// listens, even after a kill. Such a name carries no permissions: any user can bind any name, so
// the user a listener runs as is asked before it is taken for this user's program.
struct Address {
    sockaddr_un address{};
    socklen_t length = 0;
};

Address addressOf(const QByteArray& name) {
    Address at;
    at.address.sun_family = AF_UNIX;
    // The leading zero byte puts the name in the abstract namespace.
    std::memcpy(at.address.sun_path + 1, name.constData(), std::size_t(name.size()));
    at.length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + std::size_t(name.size()));
    return at;
}

// A start that finds the folder's name taken before its holder listens, or one that meets a first
// start still loading, waits this long for it.
constexpr int kAskAttempts = 20;
constexpr int kAskPauseMs = 50;

} // namespace

SingleInstance::SingleInstance(const QString& folder) : folder_(folder), lock_(folder) {}

SingleInstance::~SingleInstance() {
    // The lock file goes with lock_, after this: a start meanwhile finds the program still there.
    asks_.reset();
    if (listener_ >= 0) {
        ::close(listener_);
    }
}

QByteArray SingleInstance::socketName(const QString& folder, uid_t user) {
    struct stat info {};
    if (::stat(QFile::encodeName(folder).constData(), &info) != 0) {
        return {};
    }
    return "korvane-" + QByteArray::number(user) + '-' + QByteArray::number(quint64(info.st_dev)) +
           '-' + QByteArray::number(quint64(info.st_ino));
}

SingleInstance::Start SingleInstance::start() {
    QDir().mkpath(folder_);
    const QByteArray name = socketName(folder_, ::getuid());
    if (name.isEmpty()) {
        return Start::Alone; // a folder that cannot be made, which the program's install tells
    }
    if (holdName(name) == Name::Ours) {
        // Where the desktop lets no program bring itself forward unasked, the person is told.
        return QGuiApplication::platformName().startsWith("wayland") ? Start::OtherRunning
                                                                     : Start::OtherShown;
    }
    switch (lock_.take()) {
    case FolderLock::Take::Held:
        return Start::Alone;
    case FolderLock::Take::HeldElsewhere:
        return Start::OtherRunning;
    case FolderLock::Take::Refused:
        break;
    }
    return Start::Refused;
}

QString SingleInstance::runningMessage(const QString& folder) {
    return "Korvane is already running with the folder " + QDir::toNativeSeparators(folder) +
           ", and a second Korvane would save over its files.\nSwitch to the Korvane window "
           "that is open. If none is, end the Korvane that is still running, then start Korvane "
           "again.";
}

SingleInstance::Name SingleInstance::holdName(const QByteArray& name) {
    const Address at = addressOf(name);
    listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listener_ < 0) {
        return Name::NotOurs; // out of descriptors at start-up: the lock file alone holds it
    }
    if (::bind(listener_, reinterpret_cast<const sockaddr*>(&at.address), at.length) == 0) {
        // A name bound but not listened at still holds the folder; later starts only cannot bring
        // this program forward.
        if (::listen(listener_, 4) == 0) {
            asks_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
            QObject::connect(asks_.get(), &QSocketNotifier::activated, [this] { answerAsks(); });
        }
        return Name::Held;
    }
    const bool taken = errno == EADDRINUSE;
    ::close(listener_);
    listener_ = -1;
    for (int attempt = 0; taken && attempt < kAskAttempts; ++attempt) {
        // A connection is the whole request to come forward.
        const int asker = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        ucred listener{};
        socklen_t length = sizeof listener;
        const bool reached =
            asker >= 0 &&
            ::connect(asker, reinterpret_cast<const sockaddr*>(&at.address), at.length) == 0 &&
            ::getsockopt(asker, SOL_SOCKET, SO_PEERCRED, &listener, &length) == 0;
        if (asker >= 0) {
            ::close(asker);
        }
        if (reached) {
            return listener.uid == ::getuid() ? Name::Ours : Name::NotOurs;
        }
        QThread::msleep(kAskPauseMs);
    }
    return Name::NotOurs;
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

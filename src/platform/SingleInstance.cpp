#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QThread>

#include <cstddef>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The programs of one folder meet at a socket in the abstract namespace: it needs no file, and it
// goes away with the program that listens, even after a kill. Its name is the user's and the
// folder's, so that no other user's program answers.
struct Address {
    sockaddr_un address{};
    socklen_t length = 0;
};

Address addressOf(const QString& folder) {
    const QByteArray canonical = QFileInfo(folder).canonicalFilePath().toUtf8();
    const QByteArray name =
        "korvane-" + QByteArray::number(getuid()) + '-' +
        QCryptographicHash::hash(canonical, QCryptographicHash::Sha256).toHex().left(32);
    Address at;
    at.address.sun_family = AF_UNIX;
    // The leading zero byte puts the name in the abstract namespace.
    std::memcpy(at.address.sun_path + 1, name.constData(), std::size_t(name.size()));
    at.length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + std::size_t(name.size()));
    return at;
}

// A start between the first one's lock and its listening, or one that meets a first start still
// loading, waits this long for it.
constexpr int kAskAttempts = 20;
constexpr int kAskPauseMs = 50;

} // namespace

SingleInstance::SingleInstance(const QString& folder)
    : folder_(folder), lock_(QDir(folder).filePath(kLockFile)) {
    // A running program's lock never grows stale with age; only its end frees it.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    asks_.reset();
    if (listener_ >= 0) {
        ::close(listener_);
    }
}

SingleInstance::Start SingleInstance::start() {
    QDir().mkpath(folder_);
    if (lock_.tryLock(0)) {
        listen();
        return Start::Alone;
    }
    if (lock_.error() != QLockFile::LockFailedError) {
        return Start::Unlocked;
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

void SingleInstance::listen() {
    const Address at = addressOf(folder_);
    listener_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listener_ < 0) {
        return;
    }
    if (::bind(listener_, reinterpret_cast<const sockaddr*>(&at.address), at.length) != 0 ||
        ::listen(listener_, 4) != 0) {
        // Later starts still find the lock; they only cannot bring this program forward.
        ::close(listener_);
        listener_ = -1;
        return;
    }
    asks_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
    QObject::connect(asks_.get(), &QSocketNotifier::activated, [this] { answerAsks(); });
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
    const Address at = addressOf(folder_);
    for (int attempt = 0; attempt < kAskAttempts; ++attempt) {
        const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (socket < 0) {
            return false;
        }
        const bool reached =
            ::connect(socket, reinterpret_cast<const sockaddr*>(&at.address), at.length) == 0;
        ::close(socket);
        if (reached) {
            return true;
        }
        QThread::msleep(kAskPauseMs);
    }
    return false;
}

#pragma once

#include "FolderLock.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <sys/types.h>

class QSocketNotifier;

// One program folder, one running program, so that two programs never save over each other's
// files. The first start on a folder listens at a socket named after the user and the folder
// itself (its device and inode, so that a second name for the folder, a link, a bind mount or a
// new name, leads to the same socket); the name is held while the program runs, whatever the
// disk's state, and freed by its end, even by a kill. A later start of the same user finds the
// name taken by a program of that user, asks it to come to the front and ends. The holder also
// holds Korvane.lock there (FolderLock), which keeps out the other users of a shared folder, and
// the same user's starts where another user took the name first.
class SingleInstance {
public:
    enum class Start {
        Alone,        // this program holds the folder
        OtherShown,   // another program runs on the folder and was asked to come to the front
        OtherRunning, // another program runs on the folder and cannot be brought to the front
        Refused,      // the folder cannot be held, for the reason refusal() tells
    };

    static constexpr const char* kLockFile = FolderLock::kFileName;

    explicit SingleInstance(const QString& folder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Makes the folder when it is missing and holds it, or asks the program holding it to come to
    // the front. Cheap: a few file and socket calls, no file of the folder copied.
    Start start();
    // What runs in the program holding the folder when a later start asks it to come to the front.
    void whenAsked(std::function<void()> bringToFront) { bringToFront_ = std::move(bringToFront); }

    // After start() returned Alone: why the folder cannot take the lock file, which every save
    // will meet as well (a folder that cannot be written, a full disk), told as a save failure
    // is; empty when the lock file was written.
    const QString& saveProblem() const { return lock_.problem(); }
    // After start() returned Refused: why, and what the person can do.
    const QString& refusal() const { return lock_.problem(); }

    // What a later start says when the program holding the folder cannot be brought forward.
    static QString runningMessage(const QString& folder);
    // The name in the abstract namespace at which user's program on folder listens; empty when
    // the folder cannot be found.
    static QByteArray socketName(const QString& folder, uid_t user);

private:
    enum class Name {
        Held,    // this program holds the folder's name
        Ours,    // a program of this user holds it and was asked to come to the front
        NotOurs, // another user's program holds it, or nothing answers at it
    };

    Name holdName(const QByteArray& name);
    void answerAsks();

    QString folder_;
    FolderLock lock_;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> asks_;
    std::function<void()> bringToFront_;
};

#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <sys/types.h>

class QSocketNotifier;

// One program folder, one running program, so that two programs never save over each other's
// files. The first start on a folder listens at a socket named after the user and the folder; the
// name is held while the program runs, whatever the disk's state, and freed by its end, even by a
// kill. A later start of the same user finds the name taken, asks that program to come to the
// front and ends. For the other users of a shared folder the holder also keeps Korvane.lock there:
// a later start of another user finds the lock's owner listening and ends too. A lock whose owner
// does not listen on this folder (empty, damaged, left by a kill) is taken over.
class SingleInstance {
public:
    enum class Start {
        Alone,        // this program holds the folder
        OtherShown,   // another program runs on the folder and was asked to come to the front
        OtherRunning, // another program runs on the folder and cannot be brought to the front
    };

    static constexpr const char* kLockFile = "Korvane.lock";

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
    const QString& saveProblem() const { return saveProblem_; }

    // What a later start says when the program holding the folder cannot be brought forward.
    static QString runningMessage(const QString& folder);

private:
    // Takes the folder's socket name; false when a program of this user holds it already.
    bool holdName();
    // Writes this program's lock file in place of any whose owner does not hold the folder;
    // false when another user's program holds it.
    bool takeLockFile();
    // Asks the program holding the name to come to the front; false when it cannot be reached.
    bool askHolder() const;
    void answerAsks();

    QString folder_;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> asks_;
    std::function<void()> bringToFront_;
    // The lock file this program made, known by its place on the disk, so that its end removes
    // that file and no other.
    dev_t lockDevice_ = 0;
    ino_t lockInode_ = 0;
    QString saveProblem_;
};

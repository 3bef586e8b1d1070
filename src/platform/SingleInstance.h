#pragma once

#include <QLockFile>
#include <QString>

#include <functional>
#include <memory>

class QSocketNotifier;

// One program folder, one running program, so that two programs never save over each other's
// files. The first start on a folder holds a lock file in it for as long as it runs (a lock left
// by a program that ended without removing it, in a crash or a kill, is taken over) and listens
// for later starts; a later start on the same folder asks it to come to the front and ends.
class SingleInstance {
public:
    enum class Start {
        Alone,        // this program holds the folder's lock
        Unlocked,     // no lock file can be made there (a folder that cannot be written)
        OtherShown,   // another program runs on the folder and was asked to come to the front
        OtherRunning, // another program runs on the folder and cannot be brought to the front
    };

    static constexpr const char* kLockFile = "Korvane.lock";

    explicit SingleInstance(const QString& folder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Makes the folder when it is missing and takes its lock, or asks the program holding it to
    // come to the front. Cheap: a few file and socket calls, no file of the folder copied.
    Start start();
    // What runs in the program holding the lock when a later start asks it to come to the front.
    void whenAsked(std::function<void()> bringToFront) { bringToFront_ = std::move(bringToFront); }

    // What a later start says when the program holding the folder cannot be brought forward.
    static QString runningMessage(const QString& folder);

private:
    void listen();
    // Asks the program holding the lock to come to the front; false when it cannot be reached.
    bool askHolder() const;
    void answerAsks();

    QString folder_;
    QLockFile lock_;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> asks_;
    std::function<void()> bringToFront_;
};

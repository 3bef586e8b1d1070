#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// Korvane.lock in a program folder, which keeps the programs of every login on the folder apart.
// The program holding the folder holds a lock of the kernel on that file for its whole run: the
// lock goes with the program, even after a kill, so a file nobody locks is a stale lock. The
// user's own stale lock is taken over where it lies; another login's is removed to make this
// program's own or, where the folder cannot be written, locked for reading, which keeps the logins
// that could save out while this program can save nothing. A lock that cannot be taken (a folder
// or a link of that name, another login's stale lock in a shared folder where only its owner may
// delete it) is never run past: the start is refused, saying why.
class FolderLock {
public:
    enum class Take {
        Held,          // this program holds the folder, or nothing can be saved there (problem())
        HeldElsewhere, // a running program holds the lock
        Refused,       // the lock cannot be taken, for the reason problem() tells
    };

    static constexpr const char* kFileName = "Korvane.lock";

    explicit FolderLock(QString folder);
    // Removes the lock file when it is still the one this program wrote, and frees the lock.
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    Take take();
    // After Held: why nothing can be saved in the folder (empty when the lock file was written);
    // after Refused: why the lock cannot be taken and what the person can do.
    const QString& problem() const { return problem_; }

private:
    // Takes a lock file that another login owns and this program cannot write; false when the
    // file was removed or replaced meanwhile and another attempt is due.
    bool takeOthers(Take& taken);
    // Whether the lock file's name still leads to the file open at descriptor.
    bool stillNamed(int descriptor) const;
    Take refuse(const QString& reason, const QString& remedy);
    // Refuses a lock file that is a folder, a link or any other thing of mode but a file.
    Take refuseNoFile(mode_t mode);

    QString folder_;
    QByteArray path_;
    int descriptor_ = -1;
    // What this program wrote in the file; empty while it holds another login's file.
    QByteArray written_;
    QString problem_;
};

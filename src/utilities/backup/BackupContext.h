#pragma once

#include <QString>

class ProgramState;
class Medium;
class ProgramFolder;

// What a backup or restore shows while it runs: the status panel and the progress bar of its
// window.
class BackupDisplay {
public:
    virtual ~BackupDisplay() = default;
    // Shows the status panel with the caption.
    virtual void setStatus(const QString& caption) = 0;
    virtual void showProgress(int maximum) = 0;
    // Moves the bar and repaints it at once.
    virtual void setProgress(int value) = 0;
    virtual void hideProgress() = 0;
    // Lets the window repaint; what the person types or clicks meanwhile waits.
    virtual void yield() = 0;
};

// Everything a backup or restore works with.
struct BackupContext {
    ProgramState& program;
    Medium& medium;
    const ProgramFolder& folder;
    BackupDisplay& display;
    QString targetPath; // the chosen folder, ending in "/"
};

enum class BackupOutcome {
    Complete,
    Cancelled,    // the person stopped it at a disk question
    NotCompleted, // nothing to back up, or the medium failed; the person has been told
};

enum class RestoreOutcome {
    Completed,
    NotFound,     // no backup on the first disk: nothing was touched
    Declined,     // No or Cancel to the question: nothing was touched
    NotCompleted, // a first copy that cannot restore, or stopped or failed after Yes: the
                  // program's file is as it was; the person has been told
};

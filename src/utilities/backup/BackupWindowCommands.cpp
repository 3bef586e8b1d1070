// The window's commands: back up or restore on the chosen folder, and the outcome in the status.
#include "BackupWindow.h"

#include "BackupRoutines.h"
#include "BackupTarget.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

BackupContext BackupWindow::context() {
    return {program_, services_.medium, services_.folder, *this, TargetPath};
}

void BackupWindow::StartBackupOrRestore() {
    if (isRestoreWindow()) {
        RestoreFromDisk();
    } else {
        MakeBackupDisk();
    }
}

void BackupWindow::MakeBackupDisk() {
    // The button and the menu command act alike, on the folder chosen, only when they are enabled.
    if (running_ || isRestoreWindow() || !startButton->isEnabled()) {
        return;
    }
    TargetPath = BackupTarget::withSlash(folder_);
    const bool planner = program_.BackupKind == BackupTarget::kBackUpYear;
    // Nothing to copy is found before the medium is touched or anything is asked.
    const auto pieces =
        planner ? BackupRoutines::yearPieces(services_.dialogs, services_.folder, PlannerYear)
                : BackupRoutines::toDoPieces(services_.dialogs, services_.folder);
    if (!pieces) {
        setStatus("Backup Not Completed");
        return;
    }
    // The year keeps the blank of its sign here: "existing  2004 Daily Planner files".
    const QString familyWord =
        planner ? ' ' + QString::number(PlannerYear) + " Daily Planner" : QString("To Do");
    ConfirmAnswer = int(services_.dialogs.message(
        {"This utility will first Delete all existing " + familyWord +
             " files\rlocated in Path: " + pathLabel->text() + "\r\rProceed?",
         "Delete Files", Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancelDefaultNo}));
    if (ConfirmAnswer == int(Dialogs::Answer::Yes)) {
        running_ = true;
        updateStartState();
        setStatus("Deleting Old Files");
        yield();
        BackupContext run = context();
        const BackupOutcome outcome =
            planner ? BackupRoutines::BackupYearFile(run, PlannerYear, *pieces)
                    : BackupRoutines::BackupToDoFile(run, *pieces);
        if (outcome == BackupOutcome::Cancelled) {
            program_.SignalValue = 0;
            setStatus("Backup Terminated by User");
        } else {
            setStatus(outcome == BackupOutcome::Complete ? "Backup Complete"
                                                         : "Backup Not Completed");
        }
        program_.NormalPointer();
        running_ = false;
        updateStartState();
    }
    hideProgress();
}

void BackupWindow::RestoreFromDisk() {
    if (running_ || !isRestoreWindow() || !startButton->isEnabled()) {
        return;
    }
    TargetPath = BackupTarget::withSlash(folder_);
    running_ = true;
    updateStartState();
    BackupContext run = context();
    const RestoreOutcome outcome = program_.BackupKind == BackupTarget::kRestoreYear
                                       ? BackupRoutines::RestoreYearFile(run, PlannerYear)
                                       : BackupRoutines::RestoreToDoFile(run);
    running_ = false;
    switch (outcome) {
    case RestoreOutcome::Completed:
        program_.RestoreCompleted = 1;
        program_.SignalValue = 0;
        setStatus("Restoration Completed");
        // A further restore needs a new choice of drive or folder.
        restored_ = true;
        break;
    case RestoreOutcome::NotFound:
        statusPanel->setText(QString());
        break;
    case RestoreOutcome::NotCompleted:
        program_.SignalValue = 0;
        setStatus("Restore Not Completed");
        break;
    case RestoreOutcome::Declined:
        break;
    }
    program_.NormalPointer();
    hideProgress();
    updateStartState();
}

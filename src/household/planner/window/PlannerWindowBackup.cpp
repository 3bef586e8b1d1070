// Handing the selected year's file to the backup window, and taking the page up again after it.
#include "PlannerWindow.h"

#include "MonthView.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>

void PlannerWindow::UtilitiesOpened() {
    // Both commands wait for the backup window; a file never written has nothing to back up.
    const bool backupWindow = services_.windows.has(WindowCatalog::kBackupWindow);
    backupAction->setEnabled(backupWindow && YearFile::length(services_.folder, SelectedYear) > 0);
    restoreAction->setEnabled(backupWindow);
}

void PlannerWindow::showBackupWindow(int mode, int kind) {
    program_.BackupMode = mode;
    program_.BackupKind = kind;
    program_.SignalValue = SelectedYear;
    std::unique_ptr<QWidget> window =
        services_.windows.create(WindowCatalog::kBackupWindow, services_);
    if (window != nullptr) {
        showModalOverSelf(*window);
    }
}

void PlannerWindow::BackupYearFile() {
    if (EntriesChanged == 1 && !PromptSaveBeforeNext()) {
        return;
    }
    showBackupWindow(0, 32);
    reloadLoadedDay();
    program_.NormalPointer();
}

void PlannerWindow::RestoreYearFile() {
    if (EntriesChanged == 1 && !PromptSaveBeforeNext()) {
        return;
    }
    program_.RestoreCompleted = 0;
    showBackupWindow(99, 33);
    if (program_.RestoreCompleted == 1) {
        // The file was replaced: the window loads again, on today.
        Form_Load(false);
    } else {
        reloadLoadedDay();
    }
    QCoreApplication::processEvents();
    exitButton->setEnabled(true);
    program_.NormalPointer();
}

void PlannerWindow::reloadLoadedDay() {
    if (!LoadedDate.isValid()) {
        return;
    }
    datePicker->setSelectedDate(LoadedDate);
    LoadDayEntries();
    EntriesChanged = 0;
}

// The Utilities menu: the to-do data handed to the backup window, and taken up again after a
// restore.
#include "ToDoWindow.h"

#include "GridControl.h"
#include "ToDoPrintPanel.h"

#include <QCoreApplication>
#include <QMenu>

namespace {

constexpr int kBackupMode = 0;
constexpr int kRestoreMode = 99;
constexpr int kBackUpToDo = 30;
constexpr int kRestoreToDo = 31;

} // namespace

void ToDoWindow::buildUtilities() {
    connect(utilitiesMenu, &QMenu::aboutToShow, this, &ToDoWindow::UpdateBackupMenu);
    connect(backupAction, &QAction::triggered, this, &ToDoWindow::StartToDoBackup);
    connect(restoreAction, &QAction::triggered, this, &ToDoWindow::StartToDoRestore);
}

void ToDoWindow::UpdateBackupMenu() {
    toDoGrid->setRow(1);
    toDoGrid->setCol(1);
    bool anyItem = false;
    for (int row = 1; row <= kItemRows && !anyItem; ++row) {
        anyItem = !toDoGrid->textMatrix(row, 1).trimmed().isEmpty();
    }
    // Both commands wait for the backup window.
    const bool backupWindow = services_.windows.has(WindowCatalog::kBackupWindow);
    backupAction->setEnabled(backupWindow && anyItem);
    restoreAction->setEnabled(backupWindow);
    program_.SignalValue = 0;
}

void ToDoWindow::StartToDoBackup() {
    // Cancel, or a Yes whose save failed, leaves the changes pending and opens nothing.
    if (ToDoChanged == 1 && !PromptSaveToDoGrid()) {
        program_.SignalValue = 0;
        return;
    }
    program_.SignalValue = 0;
    program_.BackupMode = kBackupMode;
    program_.BackupKind = kBackUpToDo;
    if (std::unique_ptr<QWidget> window =
            services_.windows.create(WindowCatalog::kBackupWindow, services_)) {
        showModalOverSelf(*window);
    }
    program_.NormalPointer();
}

void ToDoWindow::StartToDoRestore() {
    program_.BackupMode = kRestoreMode;
    program_.BackupKind = kRestoreToDo;
    program_.RestoreCompleted = 0;
    if (std::unique_ptr<QWidget> window =
            services_.windows.create(WindowCatalog::kBackupWindow, services_)) {
        showModalOverSelf(*window);
    }
    // Only a restore that replaced the file reloads: otherwise the grid keeps its unsaved
    // changes.
    if (program_.RestoreCompleted == 1) {
        LoadItemNames();
        LoadToDoColours();
        printPanel->loadOptions();
        QCoreApplication::processEvents();
        LoadToDoGrid();
        ToDoChanged = 0;
    }
    program_.NormalPointer();
}

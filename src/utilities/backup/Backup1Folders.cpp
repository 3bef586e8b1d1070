// Choosing the drive and folder, and whether the window may start on them.
#include "Backup1.h"

#include "BackupTarget.h"

#include <QAction>
#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>

int Backup1::driveIndexOf(const QString& folder) const {
    // The drive whose root holds the folder, the longest such root first.
    int best = 0;
    qsizetype bestLength = -1;
    for (int index = 0; index < Drive1->count(); ++index) {
        const QString root = Drive1->itemData(index).toString();
        if (folder.startsWith(root) && root.size() > bestLength) {
            best = index;
            bestLength = root.size();
        }
    }
    return best;
}

void Backup1::showFolderInList(const QString& folder) {
    const QString root = Drive1->currentData().toString();
    Dir1->setRootIndex(folders_->setRootPath(root));
    const QModelIndex index = folders_->index(folder);
    if (index.isValid()) {
        Dir1->setCurrentIndex(index);
        Dir1->scrollTo(index);
    }
}

void Backup1::updateStartState() {
    const bool startable =
        !running_ && !restored_ &&
        BackupTarget::isValidRequest(hinfo_.BackupKind, hinfo_.BackupMode, hinfo_.SignalValue) &&
        services_.medium.readable(folder_) &&
        !BackupTarget::isProgramFolder(folder_, services_.folder.path());
    SSCommand2->setEnabled(startable);
    (isRestoreWindow() ? mOR : mOM)->setEnabled(startable);
}

void Backup1::Drive1_Change() {
    if (running_) {
        return;
    }
    const QString root = Drive1->currentData().toString();
    restored_ = false;
    if (!services_.medium.readable(root)) {
        services_.dialogs.message({"Device/Drive is Unavailable!", "Device/Drive Error",
                                   Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
        // Once back to the program folder's drive, with no second drive change run for it.
        const QString programFolder = BackupTarget::withSlash(services_.folder.path());
        const QSignalBlocker quiet(Drive1);
        Drive1->setCurrentIndex(driveIndexOf(programFolder));
        folder_ = programFolder;
    } else {
        folder_ = root;
    }
    showFolderInList(folder_);
    placePathLabel(folder_);
    updateStartState();
}

void Backup1::chooseFolder(const QString& path) {
    if (running_) {
        return;
    }
    folder_ = BackupTarget::withSlash(path);
    Dir1_Change();
}

void Backup1::Dir1_Change() {
    restored_ = false;
    placePathLabel(folder_);
    updateStartState();
}

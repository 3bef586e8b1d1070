// Choosing the drive and folder, and whether the window may start on them.
#include "BackupWindow.h"

#include "BackupTarget.h"

#include <QAction>
#include <QComboBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>

int BackupWindow::driveIndexOf(const QString& folder) const {
    // The drive whose root holds the folder, the longest such root first.
    int best = 0;
    qsizetype bestLength = -1;
    for (int index = 0; index < driveBox->count(); ++index) {
        const QString root = driveBox->itemData(index).toString();
        if (folder.startsWith(root) && root.size() > bestLength) {
            best = index;
            bestLength = root.size();
        }
    }
    return best;
}

void BackupWindow::watchFolderList() {
    // The folder highlighted is the folder chosen, whether a click, an arrow key or typing moved
    // the highlight; a click on the highlighted folder chooses it again.
    connect(folderList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                const QString path = BackupTarget::withSlash(folders_->filePath(index));
                if (index.isValid() && path != folder_) {
                    chooseFolder(path);
                }
            });
    connect(folderList, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { chooseFolder(folders_->filePath(index)); });
    // The list fills in and sorts itself as its folders are read, pushing the chosen folder
    // about: it is brought back into view each time, until the person scrolls, opens or folds
    // the list themselves.
    connect(folders_, &QAbstractItemModel::rowsInserted, this,
            &BackupWindow::keepChosenFolderInView);
    connect(folders_, &QAbstractItemModel::layoutChanged, this,
            &BackupWindow::keepChosenFolderInView);
    connect(folderList->verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this] { keepInView_ = false; });
    for (const auto folded : {&QTreeView::expanded, &QTreeView::collapsed}) {
        connect(folderList, folded, this, [this] { keepInView_ = false; });
    }
}

void BackupWindow::keepChosenFolderInView() {
    // After the list has taken in the change that called for it.
    QTimer::singleShot(0, this, [this] {
        if (keepInView_) {
            folderList->scrollTo(folderList->currentIndex());
        }
    });
}

void BackupWindow::showFolderInList() {
    folderList->setRootIndex(folders_->setRootPath(driveBox->currentData().toString()));
    highlightChosenFolder();
}

void BackupWindow::highlightChosenFolder() {
    const QModelIndex index = folders_->index(folder_);
    if (!index.isValid()) {
        return;
    }
    folderList->setCurrentIndex(index);
    folderList->scrollTo(index);
    keepInView_ = true;
}

void BackupWindow::updateStartState() {
    const bool startable = !running_ && !restored_ && validRequest_ &&
                           services_.medium.readable(folder_) &&
                           !BackupTarget::isProgramFolder(folder_, services_.folder.path());
    startButton->setEnabled(startable);
    (isRestoreWindow() ? restoreAction : makeBackupAction)->setEnabled(startable);
}

void BackupWindow::SwitchToChosenDrive() {
    if (running_) {
        return;
    }
    const QString root = driveBox->currentData().toString();
    restored_ = false;
    if (!services_.medium.readable(root)) {
        services_.dialogs.message({"Device/Drive is Unavailable!", "Device/Drive Error",
                                   Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
        // Once back to the program folder's drive, with no second drive change run for it.
        const QString programFolder = BackupTarget::withSlash(services_.folder.path());
        const QSignalBlocker quiet(driveBox);
        driveBox->setCurrentIndex(driveIndexOf(programFolder));
        folder_ = programFolder;
    } else {
        folder_ = root;
    }
    showFolderInList();
    placePathLabel(folder_);
    updateStartState();
}

void BackupWindow::chooseFolder(const QString& path) {
    if (running_) {
        return;
    }
    folder_ = BackupTarget::withSlash(path);
    highlightChosenFolder();
    TakeChosenFolder();
}

void BackupWindow::TakeChosenFolder() {
    restored_ = false;
    placePathLabel(folder_);
    updateStartState();
}

#pragma once

#include "ActivationQueue.h"
#include "BackupContext.h"
#include "Services.h"

#include <QMainWindow>

#include <array>

class ElasticResizer;
class OptionsPopup;
class QAction;
class QComboBox;
class QFileSystemModel;
class QFrame;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QTreeView;

// The backup window: copies the to-do list's file or one planner year file to a drive and folder
// the person picks, over several disks where one is too small, and copies it back. Its caller
// sets BackupKind, BackupMode and, for a planner year, the year in SignalValue before showing it.
class BackupWindow : public QMainWindow, private BackupDisplay {
    Q_OBJECT
public:
    explicit BackupWindow(Services& services);

    void Form_Load();
    void Form_Activate();
    // A drive chosen in the drive list; an unreadable one says so and goes back to the program
    // folder's drive.
    void SwitchToChosenDrive();
    // After a folder was chosen: its path shown and the start button following it.
    void TakeChosenFolder();
    void StartBackupOrRestore();
    void MakeBackupDisk();
    void RestoreFromDisk();

    // Chooses a folder as a click in the folder list does.
    void chooseFolder(const QString& path);
    QString chosenFolder() const { return folder_; }
    bool isRunning() const { return running_; }

    QComboBox* driveBox;
    QTreeView* folderList;
    std::array<QLabel*, 2> listCaptions{}; // "Drives:", "Folders:"
    QLabel* pathCaption;                   // "Path:"
    QLabel* pathLabel;                     // the chosen path
    QLabel* instructions;
    QPushButton* startButton; // "&Make Backup" or "&Restore ..."
    QPushButton* exitButton;
    QFrame* choicePanel; // the lists, the path and the buttons
    QLabel* statusPanel;
    QProgressBar* progressBar;
    QLabel* backgroundPicture;
    QLabel* defaultColourHolder; // holds the window's default colour
    QLabel* rightClickStrip;     // takes right-clicks across the top
    ElasticResizer* resizer;
    QMenu* optionsMenu;
    QAction* makeBackupAction;
    QAction* restoreAction;
    QAction* optionsSeparator;
    QAction* exitAction;

    QString TargetPath;
    int PlannerYear = 0;
    int ConfirmAnswer = 0;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void applyBackground();
    void placePathLabel(const QString& path);
    bool isRestoreWindow() const;
    bool isPlanner() const;
    QString familyText() const;
    // The start button and the mode's menu command share one state.
    void updateStartState();
    int driveIndexOf(const QString& folder) const;
    // Connects the folder list: its highlight chooses, and the chosen folder stays in view.
    void watchFolderList();
    void keepChosenFolderInView();
    // The drive's folders in the list, the chosen folder highlighted and in view.
    void showFolderInList();
    // Highlights the chosen folder and brings it into view.
    void highlightChosenFolder();
    BackupContext context();

    // What the family routines show (BackupDisplay).
    void setStatus(const QString& caption) override;
    void showProgress(int maximum) override;
    void setProgress(int value) override;
    void hideProgress() override;
    void yield() override;

    Services& services_;
    ProgramState& program_;
    ActivationQueue activation_;
    OptionsPopup* popup_;
    QFileSystemModel* folders_;
    QString folder_;            // the folder chosen in the lists
    bool keepInView_ = false;   // the list has not been scrolled away from the chosen folder
    bool validRequest_ = false; // what the caller asked for is a backup or restore this window does
    bool running_ = false;      // a backup or restore is under way
    bool restored_ = false;     // a restore completed: a new choice of folder comes first
};

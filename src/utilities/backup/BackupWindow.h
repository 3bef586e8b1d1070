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
    void Drive1_Change();
    void Dir1_Change();
    void StartBackupOrRestore();
    void MakeBackupDisk();
    void RestoreFromDisk();

    // Chooses a folder as a click in the folder list does.
    void chooseFolder(const QString& path);
    QString chosenFolder() const { return folder_; }
    bool isRunning() const { return running_; }

    QComboBox* Drive1;
    QTreeView* Dir1;
    std::array<QLabel*, 2> Label2{}; // "Drives:", "Folders:"
    QLabel* Label4;                  // "Path:"
    QLabel* Label5;                  // the chosen path
    QLabel* Label1;                  // the instruction
    QPushButton* SSCommand2;         // start
    QPushButton* SSCommand1;         // "E&xit"
    QFrame* SSPanel1;
    QLabel* SSPanel2; // status
    QProgressBar* ProgressBar1;
    QLabel* Image1;
    QLabel* Label6; // holds the window's default colour
    QLabel* Label3; // takes right-clicks across the top
    ElasticResizer* vsElasticLight1;
    QMenu* mO;
    QAction* mOM;
    QAction* mOR;
    QAction* mO1;
    QAction* mOE;

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

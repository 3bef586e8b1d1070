#pragma once

#include "ActivationQueue.h"
#include "Services.h"

#include <QMainWindow>

#include <array>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class Toolbar;

// The main window: the program's start object. It stays open for the whole run; every other window
// is shown modally over it, and each time one closes it either opens the window that one asked for
// (NextActivity) or refreshes itself.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kFirstActivationPending = -556;
    // The registry key of the toolbar layout that the main window and the activity windows share.
    static constexpr const char* kToolbarLayoutKey = "korvane45";

    explicit MainWindow(Services& services);
    ~MainWindow() override;

    // Reads the saved screen mode, background, toolbar state and sounds and looks for today's
    // planner entries. Run again whole by the screen-mode commands; safe to run nested.
    void Form_Load();
    void Form_Activate();
    void Form_GotFocus();
    void Form_LostFocus();

    void CheckScreenSize();
    void LoadMainSettings();
    void CheckPlannerReminder();

    void SetFullScreenDisplay();
    void SetSmallerScreenDisplay();
    void RemoveMainToolbar();
    void RestoreMainToolbar();
    void ChooseMainBackground();
    void SaveMainBackground();
    void ConfirmExit();
    void ShowReminderClock(); // the reminder panel's clock, every second

    // The menu command of a toolbar button number (2 to 20).
    QAction* command(int number) const;

    // Controls, with the names the handlers use.
    Toolbar* toolbar;
    QFrame* titlePanel;
    QFrame* reminderPanel;      // "Daily Planner Reminder"
    QLabel* systemColourSample; // hidden; its background is the system default colour
    QLabel* reminderDate;       // today's date
    QLabel* reminderMessage;
    QLabel* reminderClock;
    QLabel* reminderOptionsArea;      // blank; a right click there shows the Options menu
    QPushButton* viewPlannerButton;   // "&View"
    QPushButton* closeReminderButton; // "&Close"
    QTimer* clockTimer;

    QMenu* optionsMenu;
    QAction* backgroundColourAction;
    QMenu* programDisplayMenu;
    QAction* fullScreenAction;
    QAction* smallerScreenAction;
    QAction* customizeToolbarAction;
    QAction* removeToolbarAction;
    QAction* restoreToolbarAction;
    QAction* exitAction;
    QMenu* activitiesMenu;
    QMenu* householdMenu; // "&Ombrel"
    QMenu* utilitiesMenu;
    QAction* utilitiesBackgroundColourAction;
    QAction* familyNamesAction;
    QAction* soundInformationAction;
    QMenu* helpMenu;
    QAction* helpContentsAction;
    QAction* programOverviewAction;
    QAction* aboutAction;
    QAction* webSiteAction;

    int FirstActivation = 0;
    int ReminderDue = 0;

signals:
    // The user confirmed the exit question: the program ends at once.
    void exitConfirmed();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildTitlePanel();
    void buildReminderPanel();
    void buildMenus();
    void buildOptionsMenu();
    void buildActivityMenus();
    void buildUtilitiesAndHelpMenus();
    void attachOptionsPopup();
    // Ticks the chosen screen mode, stores it ("Yes" for the smaller display) and loads again;
    // nothing when it is ticked already.
    void switchScreenMode(QAction* chosen, QAction* other, const QString& smallerDisplay);
    QAction* addTickedCommand(QMenu* menu, const QString& caption, void (MainWindow::*command)());
    QAction* addWindowCommand(QMenu* menu, int number, const QString& caption);
    // Enables the toolbar buttons 2 to 20 whose commands are available.
    void enableAvailableButtons();
    // The Family Names Entry and Sound Information commands: toolbar buttons 2 to 20 stay
    // disabled while the window is open.
    void showUtility(int number);

    // Shows the window of a toolbar button number modally; the main window is activated again
    // once it has closed.
    void showActivity(int number);
    void restoreToolbarLayout();
    void centreTitlePanel();
    void placeReminderPanel();
    void applyBackground();
    void keepMainSize();
    void RunToolbarButton(int number);

    Services& services_;
    ProgramState& program_;
    std::array<QAction*, 21> commands_{}; // by toolbar button number; 0 and 1 unused
    bool choosingDefaultBackground_ = false;
    QLabel* titlePicture_ = nullptr;
    ActivationQueue activation_;
    bool reminderDone_ = false;
};

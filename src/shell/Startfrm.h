#pragma once

#include "Services.h"
#include "WindowCatalog.h"

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
class Startfrm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kFirstActivationPending = -556;

    Startfrm(Services& services, const WindowCatalog& catalog);
    ~Startfrm() override;

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
    void Timer2_Timer(); // the reminder panel's clock, every second

    // The menu command that opens the window of a toolbar button number (2 to 17).
    QAction* command(int number) const;

    // Controls, with the names the handlers use.
    Toolbar* Toolbar1;
    QFrame* Panel3D7; // the title panel
    QFrame* SSPanel2; // "Daily Planner Reminder"
    QLabel* Label1;   // hidden; its background is the system default colour
    QLabel* Label2;   // today's date
    QLabel* Label3;
    QLabel* Label4; // the clock
    QLabel* Label5;
    QPushButton* Command2; // "&View"
    QPushButton* Command3; // "&Close"
    QTimer* Timer2;

    QMenu* mO;
    QMenu* mOP;
    QAction* mOPF;
    QAction* mOPS;
    QAction* mORB;
    QAction* mORD;
    QMenu* mA;
    QMenu* mT;
    QMenu* mU;
    QMenu* mH;

    int FirstActivation = 0;
    int ReminderDue = 0;

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
    void addActivityCommand(QMenu* menu, int number, const QString& caption);

    // Shows the window of a toolbar button number modally; the main window is activated again
    // once it has closed.
    void showActivity(int number);
    void queueActivation();
    void restoreToolbarLayout();
    void centreTitlePanel();
    void placeReminderPanel();
    void keepMainSize();
    void Toolbar1_ButtonClick(int number);

    Services& services_;
    const WindowCatalog& catalog_;
    HINFO1& hinfo_;
    std::array<QAction*, 18> commands_{}; // by toolbar button number; 0 and 1 unused
    bool reminderDone_ = false;
    bool firstShowDone_ = false;
    bool activationQueued_ = false;
};

#include "MainWindow.h"
#include "ColorNumber.h"
#include "FakePlatform.h"
#include "RecordCodec.h"
#include "Services.h"
#include "SettingsFile.h"
#include "Toolbar.h"
#include "Twips.h"
#include "YearFile.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    RecordFile settings(SettingsFile which) const { return settingsFile(fake.folder, which); }

    // Registers a window for every activity, noting which ones were opened.
    void registerActivities() {
        for (int number = 2; number <= 15; ++number) {
            services.windows.add(number, [this, number](Services&) {
                opened.push_back(number);
                return std::make_unique<QWidget>();
            });
        }
    }

    MainWindow& load() {
        form = std::make_unique<MainWindow>(services);
        form->Form_Load();
        return *form;
    }

    void saveDay(const QDate& date, const QString& activity) const {
        QByteArray record = QByteArray(14 * 10, ' ');
        record += RecordCodec::fixedText(activity, 50) + QByteArray(13 * 50, ' ');
        record += RecordCodec::fixedText("Full", 10);
        RecordFile(fake.file(YearFile::fileName(date.year())), YearFile::kRecordLength)
            .write(YearFile::recordNumber(date), record);
    }

    FakePlatform fake;
    Services services{fake.platform};
    std::unique_ptr<MainWindow> form;
    std::vector<int> opened;
};

TEST_F(MainWindowTest, AFirstStartInAnEmptyFolderCreatesTheFilesAndUsesTheDefaults) {
    MainWindow& main = load();
    for (const char* name : {"GColor3.Fil", "HINV3.Fil", "GColor1.Fil", "SWR2.BMP", " 2026.Cal"}) {
        EXPECT_TRUE(QFile::exists(fake.file(name))) << name;
    }
    EXPECT_EQ(services.program.ScreenMode, 0);
    EXPECT_TRUE(main.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(services.program.Background, StoredVariant(qint32{0xFF0000}));
    EXPECT_EQ(main.centralWidget()->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(services.program.TopToolbarState, 0);
    EXPECT_FALSE(main.restoreToolbarAction->isVisible());
    EXPECT_FALSE(main.toolbar->isButtonEnabled(1));
    EXPECT_EQ(services.program.WelcomeSounds, "");
    EXPECT_EQ(main.FirstActivation, MainWindow::kFirstActivationPending);
}

TEST_F(MainWindowTest, SavedSettingsAreReadAsTheirOwnersExpect) {
    settings(SettingsFile::GColor3).writeText(35, "Yesterday");
    settings(SettingsFile::GColor1).writeText(55, "OFF   ");
    settings(SettingsFile::HINV3).writeVariant(3, QString("Def  "));
    settings(SettingsFile::SWR2).writeText(3, "Chime.wav");
    settings(SettingsFile::SWR2).writeText(4, "99");
    settings(SettingsFile::SWR2).writeText(6, "Yes");

    MainWindow& main = load();
    EXPECT_EQ(services.program.ScreenMode, 9);
    EXPECT_FALSE(main.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(main.size(), Twips::toPixels(12000, 9000));
    EXPECT_EQ(services.program.TopToolbarState, 99);
    EXPECT_TRUE(main.toolbar->isHidden());
    EXPECT_TRUE(main.restoreToolbarAction->isVisible());
    EXPECT_FALSE(main.removeToolbarAction->isVisible());
    EXPECT_EQ(services.program.Background, StoredVariant(qint32(ColorNumber::kButtonFace)));
    EXPECT_EQ(services.program.CorrectSound, "Chime.wav");
    EXPECT_EQ(services.program.IncorrectSound, "99");
    EXPECT_EQ(services.program.WelcomeSounds, "Yes");
}

TEST_F(MainWindowTest, AStoredColourOrPictureBackgroundIsKept) {
    settings(SettingsFile::HINV3).writeVariant(3, qint32{0x00FFFF});
    load();
    EXPECT_EQ(services.program.Background, StoredVariant(qint32{0x00FFFF}));
    EXPECT_EQ(form->centralWidget()->palette().color(QPalette::Window), QColor(255, 255, 0));
}

TEST_F(MainWindowTest, TodaysPlannerPageWithAnActivityShowsTheReminderOnce) {
    saveDay(fake.clock.today(), "Piano lesson");
    MainWindow& main = load();
    EXPECT_EQ(main.ReminderDue, 1);
    EXPECT_EQ(main.reminderDate->text(), "March 25, 2026");
    main.Form_Activate();
    EXPECT_FALSE(main.reminderPanel->isHidden());
    EXPECT_EQ(main.ReminderDue, 0);

    main.closeReminderButton->click();
    EXPECT_TRUE(main.reminderPanel->isHidden());
    main.Form_Load(); // the screen-mode commands load again; the planner is not looked at twice
    main.Form_Activate();
    EXPECT_TRUE(main.reminderPanel->isHidden());
}

TEST_F(MainWindowTest, AFullDayWithOnlyTimesOrAnUnsavedDayShowsNoReminder) {
    saveDay(fake.clock.today(), "");
    saveDay(fake.clock.today().addDays(1), "Tomorrow's outing");
    MainWindow& main = load();
    main.Form_Activate();
    EXPECT_EQ(main.ReminderDue, 0);
    EXPECT_TRUE(main.reminderPanel->isHidden());
}

TEST_F(MainWindowTest, TheRightButtonPopsUpTheOptionsMenu) {
    MainWindow& main = load();
    main.reminderPanel->show();
    main.show();
    QTest::mouseClick(&main, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(main.optionsMenu->isVisible());
    for (QWidget* control : {static_cast<QWidget*>(&main), main.centralWidget(),
                             static_cast<QWidget*>(main.reminderPanel),
                             static_cast<QWidget*>(main.reminderOptionsArea),
                             static_cast<QWidget*>(main.viewPlannerButton),
                             static_cast<QWidget*>(main.closeReminderButton)}) {
        QTest::mouseClick(control, Qt::RightButton, {}, QPoint(2, 2));
        EXPECT_TRUE(main.optionsMenu->isVisible()) << control->objectName().toStdString();
        main.optionsMenu->hide();
    }
    QTest::mouseClick(main.titlePanel, Qt::RightButton, {}, QPoint(2, 2));
    EXPECT_FALSE(main.optionsMenu->isVisible());
    EXPECT_TRUE(main.reminderPanel->isVisible());
}

// The window comes to the front when painted while it is not active (just after another window
// of the program closed), but not over a menu it opened: the repaint of the menu bar item lit as
// the menu opens raises nothing over the menu.
TEST_F(MainWindowTest, AMenuOpenedBeforeTheWindowIsActiveAgainStaysInFront) {
    MainWindow& main = load();
    main.show();
    QCoreApplication::processEvents();
    struct RaiseCount : QObject {
        int raised = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            raised += event->type() == QEvent::ZOrderChange ? 1 : 0;
            return false;
        }
    } count;
    main.installEventFilter(&count);
    const auto paintInactive = [&main] {
        QApplication::setActiveWindow(nullptr);
        main.repaint();
        QCoreApplication::processEvents();
    };
    paintInactive();
    EXPECT_GT(count.raised, 0) << "painted while not active, the window comes to the front";

    QMenu* menu = main.menuBar()->actions().first()->menu();
    ASSERT_NE(menu, nullptr);
    menu->popup(main.mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(menu->isVisible());
    count.raised = 0;
    paintInactive();
    EXPECT_EQ(count.raised, 0);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

TEST_F(MainWindowTest, TheClockShowsHoursAndMinutes) {
    MainWindow& main = load();
    fake.clock.current = QDateTime(QDate(2026, 3, 25), QTime(13, 5, 42));
    main.ShowReminderClock();
    EXPECT_EQ(main.reminderClock->text(), "1:05 PM");
}

TEST_F(MainWindowTest, ActivationOpensTheWindowAnActivityAskedFor) {
    registerActivities();
    MainWindow& main = load();
    const struct {
        int next;
        QString caption;
        int nextAfter;
    } cases[] = {
        {2, "Crossword Puzzles", 0},
        {3, "Famous Quotes", 0},
        {5, "Tic-Tac-Toe", 0},
        {6, "Matching Game - Level 1", 0},
        {7, "Matching Game - Level 2", 0},
        {11, "Humorous Thoughts", 0},
        {14, "Date Function", 0},
        {15, "Calendar Maker", 15},
    };
    for (const auto& testCase : cases) {
        opened.clear();
        services.program.NextActivity = testCase.next;
        main.Form_Activate();
        EXPECT_EQ(opened, std::vector<int>{testCase.next});
        EXPECT_EQ(main.windowTitle(), testCase.caption);
        EXPECT_EQ(services.program.NextActivity, testCase.nextAfter);
        services.program.NextActivity = 0;
        QCoreApplication::processEvents(); // the activation after the window closed
    }
    EXPECT_EQ(services.program.ThoughtKind, 1);
    EXPECT_EQ(services.program.MatchLevelOne, 0);
}

TEST_F(MainWindowTest, ActivationWithNoRequestRefreshesTheWindow) {
    registerActivities();
    MainWindow& main = load();
    for (int next : {0, 1, 18, 19, 20}) {
        services.program.NextActivity = next;
        main.setWindowTitle("Hangman");
        main.Form_Activate();
        EXPECT_TRUE(opened.empty()) << next;
        EXPECT_EQ(services.program.NextActivity, 0) << next;
        EXPECT_EQ(main.windowTitle(), "Korvane") << next;
    }
    EXPECT_EQ(main.FirstActivation, 0);
}

TEST_F(MainWindowTest, AClosedActivityWindowActivatesTheMainWindowAgain) {
    registerActivities();
    MainWindow& main = load();
    main.command(4)->trigger();
    EXPECT_EQ(fake.modal.shownClasses, QStringList{"QWidget"});
    main.setWindowTitle("Hangman");
    QCoreApplication::processEvents();
    EXPECT_EQ(main.windowTitle(), "Korvane");
}

TEST_F(MainWindowTest, CommandsWithoutTheirWindowAreDisabled) {
    services.windows.add(2, [](Services&) { return std::make_unique<QWidget>(); });
    MainWindow& main = load();
    EXPECT_TRUE(main.command(2)->isEnabled());
    EXPECT_TRUE(main.toolbar->isButtonEnabled(2));
    EXPECT_FALSE(main.command(3)->isEnabled());
    EXPECT_FALSE(main.toolbar->isButtonEnabled(3));
}

TEST_F(MainWindowTest, ScreenModeCommandsStoreTheModeAndLoadAgain) {
    MainWindow& main = load();
    main.SetSmallerScreenDisplay();
    EXPECT_EQ(settings(SettingsFile::GColor3).readText(35), "Yes");
    EXPECT_EQ(services.program.ScreenMode, 9);
    EXPECT_EQ(main.size(), Twips::toPixels(12000, 9000));

    settings(SettingsFile::GColor3).writeText(35, "changed by hand");
    main.SetSmallerScreenDisplay(); // already ticked: no write, no load
    EXPECT_EQ(settings(SettingsFile::GColor3).readText(35), "changed by hand");

    main.SetFullScreenDisplay();
    EXPECT_EQ(settings(SettingsFile::GColor3).readText(35), "No");
    EXPECT_EQ(services.program.ScreenMode, 0);
    EXPECT_TRUE(main.windowState() & Qt::WindowMaximized);
}

TEST_F(MainWindowTest, RestoringTheMaximisedWindowSwitchesToTheSmallerDisplay) {
    MainWindow& main = load();
    main.show();
    main.showNormal();
    EXPECT_EQ(services.program.ScreenMode, 9);
    EXPECT_EQ(settings(SettingsFile::GColor3).readText(35), "Yes");
    main.showMaximized();
    EXPECT_EQ(services.program.ScreenMode, 0);
    EXPECT_EQ(settings(SettingsFile::GColor3).readText(35), "No");
}

TEST_F(MainWindowTest, RemovingAndRestoringTheToolbarSurvivesARestart) {
    load().RemoveMainToolbar();
    EXPECT_EQ(settings(SettingsFile::GColor1).readText(55), "OFF");
    EXPECT_EQ(services.program.TopToolbarState, 99);

    MainWindow& restarted = load();
    EXPECT_TRUE(restarted.toolbar->isHidden());
    restarted.RestoreMainToolbar();
    EXPECT_FALSE(restarted.toolbar->isHidden());
    EXPECT_EQ(settings(SettingsFile::GColor1).readText(55), "");
    EXPECT_EQ(services.program.TopToolbarState, 0);
}

} // namespace

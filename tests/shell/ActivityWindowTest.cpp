#include "ActivityWindow.h"
#include "FakePlatform.h"
#include "MainWindow.h"
#include "SettingsFile.h"
#include "StatusBar.h"
#include "Toolbar.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

// An activity window as the activities build them: its own button and the two utility buttons
// disabled, an exit that may ask a question.
class TestActivity : public ActivityWindow {
public:
    TestActivity(Services& services, int ownButton, bool exitAsks)
        : ActivityWindow(services, constantsFor(ownButton), "Test Activity"), exitAsks_(exitAsks) {
        panel_ = new QFrame(centralWidget());
        panel_->resize(400, 300);
        resize(800, 600);
        LoadFormServices();
    }

    static ActivityConstants constantsFor(int ownButton) {
        ActivityConstants constants;
        constants.ownButton = ownButton;
        constants.disabledButtons = {16, 17};
        constants.helpContext = 2002;
        return constants;
    }

protected:
    void ExitCommand() override {
        if (exitAsks_ &&
            services_.dialogs.message({"Leave?", "Exit", Dialogs::Icon::Question,
                                       Dialogs::Buttons::YesNo}) != Dialogs::Answer::Yes) {
            return;
        }
        close();
    }
    QWidget* mainPanel() const override { return panel_; }

private:
    QFrame* panel_;
    bool exitAsks_;
};

class ActivityWindowTest : public ::testing::Test {
protected:
    ActivityWindowTest() {
        for (int number : {2, 3}) {
            services.windows.add(number, [this, number](Services& s) {
                opened.push_back(number);
                return std::make_unique<TestActivity>(s, number, exitAsks);
            });
        }
        main = std::make_unique<MainWindow>(services);
        main->Form_Load();
    }

    // Clicks a toolbar button of the next activity window to open.
    void clickInNextWindow(int button) {
        fake.modal.scripts.push_back([button](QWidget& window) {
            static_cast<ActivityWindow&>(window).toolbar->button(button)->trigger();
        });
    }

    FakePlatform fake;
    Services services{fake.platform};
    std::unique_ptr<MainWindow> main;
    std::vector<int> opened;
    bool exitAsks = false;
};

TEST_F(ActivityWindowTest, ToolbarButtonsSwitchThroughTheMainWindow) {
    const struct {
        int button;
        std::vector<int> opened; // the crossword first, then what the main window opened next
        int nextActivityAfter;
    } cases[] = {
        {1, {2}, 0},    // back to the main window only
        {3, {2, 3}, 0}, // the next activity opens
        {2, {2}, 0},    // its own button is disabled
        {16, {2}, 0},   // disabled in this window
        {20, {2}, 0},   // exit
    };
    for (const auto& testCase : cases) {
        opened.clear();
        clickInNextWindow(testCase.button);
        main->command(2)->trigger();
        QCoreApplication::processEvents(); // the main window's activation
        QCoreApplication::processEvents(); // and the one after the second window closed
        EXPECT_EQ(opened, testCase.opened) << testCase.button;
        EXPECT_EQ(services.program.NextActivity, testCase.nextActivityAfter) << testCase.button;
        EXPECT_EQ(main->windowTitle(), "Korvane") << testCase.button;
    }
}

TEST_F(ActivityWindowTest, ButtonsOfWindowsTheProgramDoesNotHaveAreDisabled) {
    TestActivity activity(services, 2, false);
    EXPECT_FALSE(activity.toolbar->isButtonEnabled(2)); // its own
    EXPECT_TRUE(activity.toolbar->isButtonEnabled(3));
    EXPECT_FALSE(activity.toolbar->isButtonEnabled(4)); // not registered
    EXPECT_TRUE(activity.toolbar->isButtonEnabled(1));
    EXPECT_TRUE(activity.toolbar->isButtonEnabled(20));
}

TEST_F(ActivityWindowTest, WebSiteAndHelpKeepTheWindowOpen) {
    fake.modal.scripts.push_back([](QWidget& window) {
        auto& activity = static_cast<ActivityWindow&>(window);
        activity.toolbar->button(18)->trigger();
        EXPECT_EQ(activity.statusPanels->panelText(1), "Test Activity");
        activity.toolbar->button(19)->trigger();
        EXPECT_TRUE(activity.isVisible());
    });
    main->command(2)->trigger();
    EXPECT_EQ(fake.web.opened, QStringList{"https://www.korvane.example"});
    EXPECT_EQ(fake.help.topics, QList<int>{2002});
    QCoreApplication::processEvents();
    EXPECT_EQ(services.program.NextActivity, 0); // 18 and 19 are not activities
    EXPECT_EQ(opened, std::vector<int>{2});
}

TEST_F(ActivityWindowTest, ACancelledExitKeepsTheRequestForLater) {
    exitAsks = true;
    fake.dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::Yes};
    fake.modal.scripts.push_back([](QWidget& window) {
        auto& activity = static_cast<ActivityWindow&>(window);
        activity.toolbar->button(3)->trigger(); // the exit question is declined
        EXPECT_TRUE(activity.isVisible());
        EXPECT_EQ(activity.statusPanels->panelText(1), "Loading");
    });
    main->command(2)->trigger(); // the script ends; the window is closed another way
    EXPECT_EQ(services.program.NextActivity, 3);
    QCoreApplication::processEvents();
    EXPECT_EQ(opened, (std::vector<int>{2, 3}));
}

TEST_F(ActivityWindowTest, HiddenToolbarsAreRestoredFromTheStatusBar) {
    services.program.TopToolbarState = 99;
    services.program.SideToolbarState = 88;
    TestActivity activity(services, 2, false);
    activity.show();
    EXPECT_TRUE(activity.toolbar->isHidden());
    EXPECT_TRUE(activity.leftToolbar->isHidden());
    EXPECT_TRUE(activity.statusPanels->isPanelShown(2));
    EXPECT_TRUE(activity.statusPanels->isPanelShown(3));
    EXPECT_EQ(activity.statusPanels->panelText(1), "Click Start to begin this activity");
    for (int panel : {2, 3}) {
        EXPECT_EQ(activity.statusPanels->panel(panel)->toolTip(),
                  activity.statusPanels->panelText(panel));
    }
    EXPECT_EQ(activity.statusPanels->panelText(3), "Click to Restore Side Toolbars");

    activity.RestoreToolbars(1); // the status text: nothing to restore
    EXPECT_TRUE(activity.toolbar->isHidden());

    activity.RestoreToolbars(2);
    EXPECT_FALSE(activity.toolbar->isHidden());
    EXPECT_FALSE(activity.statusPanels->isPanelShown(2));
    EXPECT_EQ(services.program.TopToolbarState, 0);
    EXPECT_EQ(settingsFile(fake.folder, SettingsFile::GColor1).readText(55), "");
    EXPECT_EQ(settingsFile(fake.folder, SettingsFile::GColor1).read(55).left(2),
              QByteArray(2, '\0'));

    activity.RestoreToolbars(3);
    EXPECT_FALSE(activity.rightToolbar->isHidden());
    EXPECT_EQ(services.program.SideToolbarState, 0);
    EXPECT_EQ(settingsFile(fake.folder, SettingsFile::HINV3).readInteger(10), 0);
    EXPECT_TRUE(QFile::exists(fake.file("HINV3.Fil")));
}

TEST_F(ActivityWindowTest, APictureBackgroundIsShownWhateverTheCaseOfItsLetters) {
    services.program.Background = QString("wp3");
    TestActivity activity(services, 2, false);
    EXPECT_FALSE(activity.backgroundPicture->isHidden());
    services.program.Background = qint32{0x00FF00};
    TestActivity coloured(services, 2, false);
    EXPECT_TRUE(coloured.backgroundPicture->isHidden());
    EXPECT_EQ(coloured.centralWidget()->palette().color(QPalette::Window), QColor(0, 255, 0));
}

} // namespace

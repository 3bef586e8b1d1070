#include "ColorNumber.h"
#include "FakePlatform.h"
#include "MainWindow.h"
#include "Services.h"
#include "SettingsFile.h"
#include "Toolbar.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFrame>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

class MainWindowCommandsTest : public ::testing::Test {
protected:
    MainWindowCommandsTest() { main.Form_Load(); }

    // The program has the crossword and the two utility windows.
    static bool registerWindows(Services& services) {
        for (int number : {2, 16, 17}) {
            services.windows.add(number, [](Services&) { return std::make_unique<QWidget>(); });
        }
        return true;
    }

    QByteArray backgroundRecord() const {
        QFile file(fake.file("HINV3.Fil"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().mid(20, 10) : QByteArray();
    }

    FakePlatform fake;
    Services services{fake.platform};
    bool registered = registerWindows(services);
    MainWindow main{services};
};

TEST_F(MainWindowCommandsTest, ChoosingAColourStoresItsNumber) {
    fake.dialogs.answers = {Dialogs::Answer::Yes};
    fake.dialogs.colors = {QColor(0x12, 0x34, 0x56)};
    main.ChooseMainBackground();
    ASSERT_EQ(fake.dialogs.colorInitials.size(), 1);
    EXPECT_EQ(fake.dialogs.colorInitials.front(), QColor(0, 0, 255)); // the current background
    EXPECT_EQ(services.program.Background, StoredVariant(qint32{0x563412}));
    EXPECT_EQ(settingsFile(fake.folder, SettingsFile::HINV3).readVariant(3),
              StoredVariant(qint32{0x563412}));
    EXPECT_EQ(main.centralWidget()->palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
    const auto& question = fake.dialogs.shown.front();
    EXPECT_EQ(question.title, "Background Color");
    EXPECT_EQ(question.text, "Select New Color or Use System Default Color?\r\rYes = Color "
                             "Selection Panel will appear.\rNo = Current System Default Color "
                             "will be selected.");
}

TEST_F(MainWindowCommandsTest, TheSystemDefaultIsStoredAsDefAndReadBackAtTheNextStart) {
    fake.dialogs.answers = {Dialogs::Answer::No};
    main.ChooseMainBackground();
    EXPECT_EQ(backgroundRecord(), QByteArray("\x08\x00\x03\x00"
                                             "Def\0\0\0",
                                             10));
    EXPECT_EQ(services.program.Background, StoredVariant(qint32(ColorNumber::kButtonFace)));

    MainWindow restarted(services);
    restarted.Form_Load();
    EXPECT_EQ(services.program.Background, StoredVariant(qint32(ColorNumber::kButtonFace)));
}

TEST_F(MainWindowCommandsTest, CancellingTheQuestionOrTheDialogChangesNothing) {
    fake.dialogs.answers = {Dialogs::Answer::Cancel, Dialogs::Answer::Yes};
    main.ChooseMainBackground();
    EXPECT_EQ(services.program.SignalValue, 0);
    main.ChooseMainBackground(); // the colour dialog is cancelled
    EXPECT_EQ(services.program.Background, StoredVariant(qint32{0xFF0000}));
    EXPECT_TRUE(isEmpty(settingsFile(fake.folder, SettingsFile::HINV3).readVariant(3)));
    // Buttons come back enabled, except those whose windows the program does not have.
    EXPECT_TRUE(main.toolbar->isButtonEnabled(2));
    EXPECT_TRUE(main.toolbar->isButtonEnabled(20));
    EXPECT_FALSE(main.toolbar->isButtonEnabled(3));
    EXPECT_FALSE(main.toolbar->isButtonEnabled(1));
}

TEST_F(MainWindowCommandsTest, TheExitQuestionEndsOrKeepsTheProgram) {
    QSignalSpy exits(&main, &MainWindow::exitConfirmed);
    services.program.WelcomeSounds = "Yes";
    fake.random.draws = {0.0, 0.0, 0.0};
    fake.dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::Cancel, Dialogs::Answer::Yes};

    main.ConfirmExit();
    EXPECT_EQ(exits.count(), 0);
    EXPECT_EQ(services.program.SignalValue, 0);
    EXPECT_EQ(fake.sound.played, (QStringList{"GEnd1.wa1", "Start1.wa1"}));
    main.ConfirmExit();
    EXPECT_EQ(exits.count(), 0);
    main.toolbar->button(20)->trigger();
    EXPECT_EQ(exits.count(), 1);

    const auto& question = fake.dialogs.shown.back();
    EXPECT_EQ(question.text, "Do you wish to Exit Korvane?");
    EXPECT_EQ(question.title, "Exit");
    EXPECT_EQ(question.icon, Dialogs::Icon::Question);
    EXPECT_EQ(question.buttons, Dialogs::Buttons::YesNoCancel);
}

TEST_F(MainWindowCommandsTest, UtilityWindowsKeepTheToolbarDisabledWhileOpen) {
    for (int button : {16, 17}) {
        bool disabledWhileOpen = true;
        fake.modal.scripts.push_back([&](QWidget&) {
            for (int other = 2; other <= 20; ++other) {
                disabledWhileOpen = disabledWhileOpen && !main.toolbar->isButtonEnabled(other);
            }
        });
        main.toolbar->button(button)->trigger();
        EXPECT_TRUE(disabledWhileOpen) << button;
        EXPECT_TRUE(main.toolbar->isButtonEnabled(2)) << button;
        EXPECT_TRUE(main.toolbar->isButtonEnabled(17)) << button;
    }
    EXPECT_EQ(fake.modal.shownClasses.size(), 2);
}

TEST_F(MainWindowCommandsTest, HelpAndWebSiteCommands) {
    main.programOverviewAction->trigger();
    main.toolbar->button(19)->trigger();
    main.toolbar->button(18)->trigger();
    EXPECT_EQ(fake.help.topics, QList<int>{1000});
    EXPECT_EQ(fake.help.contentsShown, 1);
    EXPECT_EQ(fake.web.opened, QStringList{"www.korvane.example"});
    main.aboutAction->trigger();
    EXPECT_EQ(fake.modal.shownClasses, QStringList{"AboutBox"});
    EXPECT_TRUE(main.titlePanel->isHidden()); // the toolbar hides the title panel
}

TEST_F(MainWindowCommandsTest, ACustomisedLayoutIsSavedAndRestoredByTheNextWindow) {
    fake.modal.scripts.push_back([](QWidget& dialog) {
        dialog.findChild<QListWidget*>("buttons")->item(2)->setCheckState(Qt::Unchecked);
        dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    main.customizeToolbarAction->trigger();
    EXPECT_FALSE(fake.registry.value("korvane45", "User1", "Toolbar1").isEmpty());

    Toolbar other;
    EXPECT_TRUE(other.restoreLayout(fake.registry, "korvane45"));
    EXPECT_EQ(other.buttonLayout(), main.toolbar->buttonLayout());
    EXPECT_FALSE(other.buttonLayout().at(2).shown);
}

TEST_F(MainWindowCommandsTest, TheWelcomeSoundPlaysAtTheFirstActivationOnly) {
    services.program.WelcomeSounds = "Yes";
    fake.random.draws = {0.3};
    main.Form_Activate();
    main.Form_Activate();
    EXPECT_EQ(fake.sound.played, QStringList{"Start3.wa1"});
}

TEST_F(MainWindowCommandsTest, ScreenModeItemsAreTickedByOpeningTheMenu) {
    EXPECT_FALSE(main.fullScreenAction->isChecked());
    main.programDisplayMenu->aboutToShow();
    EXPECT_TRUE(main.fullScreenAction->isChecked());
    main.fullScreenAction->trigger(); // already ticked: nothing
    EXPECT_EQ(settingsFile(fake.folder, SettingsFile::GColor3).readText(35), "");
}

} // namespace

#include "ScramblerWindow.h"
#include "AccessibilityEvents.h"
#include "Command3D.h"
#include "DrawnContrast.h"
#include "FakePlatform.h"
#include "MainWindow.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "ScreenReader.h"
#include "Services.h"
#include "SettingsFile.h"
#include "SoundInformationWindow.h"
#include "StatusBar.h"
#include "Toolbar.h"
#include "Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The scrambler window over a word file of one word a level, played with clicks and keys.
class ScramblerWindowTest : public ::testing::Test {
protected:
    ScramblerWindowTest() {
        services.windows.add(
            17, [](Services& s) { return std::make_unique<SoundInformationWindow>(s); });
        writeFile("WscOtxt.Fil", "\"CAT\",\"A pet that purrs\"\r\n\"END\",\"End\"\r\n"
                                 "\"DOG\",\"It barks\"\r\n\"END\",\"End\"\r\n"
                                 "\"FOX\",\"h\"\r\n\"END\",\"End\"\r\n"
                                 "\"COW\",\"h\"\r\n\"END\",\"End\"\r\n"
                                 "\"EMU\",\"h\"\r\n\"END\",\"End\"\r\n"
                                 "\"YAK\",\"h\"\r\n");
    }

    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(fake.file(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void open() {
        window = std::make_unique<ScramblerWindow>(services);
        window->show();
        QCoreApplication::processEvents();
    }

    void type(const char* text) {
        for (const char* c = text; *c != '\0'; ++c) {
            QTest::keyClick(QApplication::focusWidget(), *c);
        }
    }

    FakePlatform fake;
    Services services{fake.platform};
    std::unique_ptr<ScramblerWindow> window;
};

TEST_F(ScramblerWindowTest, AWordIsPlayedWithTheKeyboardRightAtTheSecondAttempt) {
    open();
    EXPECT_EQ(window->windowTitle(), "Word Scrambler");
    EXPECT_EQ(window->wordsUsedPanel->caption(), "Level 1\rWords Used");
    EXPECT_TRUE(window->playerButtons[0]->isChecked());
    QTest::mouseClick(window->startButton, Qt::LeftButton);
    EXPECT_EQ(window->scrambledWordPanel->caption().size(), 3);
    EXPECT_NE(window->scrambledWordPanel->caption(), "CAT");
    EXPECT_EQ(window->wordsUsedLabel->text(), "100%");
    EXPECT_EQ(QApplication::focusWidget(), window->firstAttemptButton);
    EXPECT_EQ(window->firstAttemptButton->openSetting(), Command3D::kOpen);
    EXPECT_FALSE(window->optionFrames[0]->isEnabled());
    type("cta");
    EXPECT_EQ(window->firstAttemptButton->caption(), "CTA");
    const qsizetype beeps = fake.sound.played.count(FakeSound::kBeep);
    type("x");
    EXPECT_EQ(fake.sound.played.count(FakeSound::kBeep), beeps + 1);
    EXPECT_EQ(window->firstAttemptButton->caption(), "CTA");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // submits, types nothing
    EXPECT_EQ(window->messagePanel->caption(), "Incorrect - Please Type Second Attempt");
    EXPECT_TRUE(window->firstAttemptButton->missed());
    EXPECT_EQ(QApplication::focusWidget(), window->secondAttemptButton);
    type("cat");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(window->messagePanel->caption(), "Very Good - That is CORRECT!");
    EXPECT_EQ(window->scorePanels[0]->caption(), " 3");
    EXPECT_EQ(window->accuracyBar->floodPercent(), 60);
    EXPECT_EQ(window->startButton->text(), "&Next");
    EXPECT_TRUE(window->startButton->isEnabled());
    // The level's one word is used: Next moves on to level 2.
    QTest::mouseClick(window->startButton, Qt::LeftButton);
    EXPECT_EQ(window->wordsUsedPanel->caption(), "Level 2\rWords Used");
    EXPECT_TRUE(window->levelButtons[1]->isChecked());
    EXPECT_EQ(window->game().CurrentWord, "DOG");
}

// The focus stays in the attempt boxes and on Start: the scrambled word, the prompt and each
// verdict are told as they show, and an attempt box reads its name with what was typed.
TEST_F(ScramblerWindowTest, TheWordThePromptAndTheVerdictsAreToldAndTheBoxesNamed) {
    AccessibilityEvents heard;
    open();
    heard.clear();
    QTest::mouseClick(window->startButton, Qt::LeftButton);
    const QString scrambled = window->scrambledWordPanel->caption();
    EXPECT_EQ(heard.announcements(),
              QStringList{QString(scrambled).split("", Qt::SkipEmptyParts).join(' ') +
                          "\nPlease Type First Attempt"});
    ASSERT_FALSE(heard.focusMoves().isEmpty());
    EXPECT_EQ(heard.focusMoves().last().object, window->firstAttemptButton);
    EXPECT_EQ(heard.focusMoves().last().name, "First Attempt");
    type("cta");
    EXPECT_EQ(spokenName(window->firstAttemptButton), "First Attempt");
    EXPECT_EQ(spokenDescription(window->firstAttemptButton), "CTA");
    EXPECT_EQ(
        heard.of(window->firstAttemptButton, QAccessible::DescriptionChanged).last().description,
        "CTA");

    heard.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(heard.announcements(), QStringList{"Incorrect - Please Type Second Attempt"});
    EXPECT_EQ(heard.focusMoves().last().name, "Second Attempt");
    heard.clear();
    type("cat");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(heard.announcements(), QStringList{"Very Good - That is CORRECT!"});
}

TEST_F(ScramblerWindowTest, TwoPlayersTakeTurnsWhenOneMissesTwice) {
    open();
    window->playerButtons[1]->click();
    EXPECT_EQ(window->lowerPanels[4]->caption(), "Player 1 Starts");
    EXPECT_FALSE(window->accuracyBar->isVisible());
    QTest::mouseClick(window->startButton, Qt::LeftButton);
    EXPECT_EQ(window->messagePanel->caption(), "Player 1 Please Type First Attempt");
    window->checkButton->click();
    window->checkButton->click();
    EXPECT_EQ(window->helpPanel->caption(), "Correct word is: CAT");
    EXPECT_EQ(window->lowerPanels[4]->caption(), "Player 2");
    EXPECT_EQ(window->game().CurrentPlayer, 2);
}

TEST_F(ScramblerWindowTest, TheCountdownJudgesAtZeroAndHoldsUnderTheSoundInformation) {
    open();
    window->timerButtons[1]->click();
    fake.dialogs.inputs = {QString("3")};
    QTest::mouseClick(window->startButton, Qt::LeftButton);
    EXPECT_EQ(fake.dialogs.prompts.size(), 1);
    EXPECT_TRUE(window->countdownTimer->isActive());
    fake.modal.scripts.push_back(
        [this](QWidget&) { EXPECT_FALSE(window->countdownTimer->isActive()); });
    window->soundAction->trigger();
    EXPECT_TRUE(window->countdownTimer->isActive());
    for (int tick = 0; tick < 4; ++tick) {
        window->CountDownOneSecond();
    }
    EXPECT_EQ(window->countdownBar->caption(), "00");
    EXPECT_EQ(window->game().AttemptState, 2) << "judged at zero: the first attempt missed";
    for (int tick = 0; tick < 4; ++tick) {
        window->CountDownOneSecond();
    }
    EXPECT_GE(window->game().AttemptState, 3);
    EXPECT_FALSE(window->countdownTimer->isActive());
    // Asked once per switching on.
    QTest::mouseClick(window->startButton, Qt::LeftButton);
    EXPECT_EQ(fake.dialogs.prompts.size(), 1);
    window->checkButton->click();
    window->checkButton->click();
    // An unusable answer switches the countdown off.
    window->timerAction->trigger();
    window->timerAction->trigger();
    EXPECT_TRUE(window->timerButtons[1]->isChecked());
    fake.dialogs.inputs = {QString("2")};
    QTest::mouseClick(window->startButton, Qt::LeftButton);
    EXPECT_FALSE(window->countdownTimer->isActive());
    EXPECT_TRUE(window->timerButtons[0]->isChecked());
}

TEST_F(ScramblerWindowTest, AMissingWordFileGivesLoadingErrorAndTheWindowCloses) {
    QFile::remove(fake.file("WscOtxt.Fil"));
    open();
    QCoreApplication::processEvents();
    EXPECT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown[0].title, "Loading Error");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ScramblerWindowTest, NoThenYesOnClosingWritesDefaultToRecord36) {
    open();
    EXPECT_EQ(window->boardPanel->backColour().rgb(), QColor(0x00, 0x80, 0x80).rgb());
    EXPECT_EQ(window->mainPanelGround->backColour().rgb(), QColor(0x88, 0xC0, 0xB8).rgb());
    fake.dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::Yes};
    window->panelColourAction->trigger();
    window->close();
    QFile file(fake.file("GColor1.Fil"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 36 * 20);
    EXPECT_EQ(bytes.mid(35 * 20, 9), QByteArray("\x07\x00"
                                                "Default",
                                                9));
    file.close();
    open();
    EXPECT_EQ(window->boardPanel->backColour().rgb(), systemDefaultColour().rgb());
}

TEST_F(ScramblerWindowTest, Button17ThenExitOpensNothing) {
    services.windows.add(8, [](Services& s) { return std::make_unique<ScramblerWindow>(s); });
    MainWindow main(services);
    main.Form_Load();
    fake.modal.scripts.push_back([](QWidget& scrambler) {
        auto& window = static_cast<ScramblerWindow&>(scrambler);
        window.toolbar->button(17)->trigger();
        window.toolbar->button(20)->trigger();
    });
    main.toolbar->button(8)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(fake.modal.shownClasses, (QStringList{"ScramblerWindow", "SoundInformationWindow"}));
    EXPECT_EQ(services.program.NextActivity, 0);
}

// The thinking picture is read by the "Hmm" written in it.
TEST_F(ScramblerWindowTest, ThePanelPictureIsDrawnAtEveryOpeningAndAMissingOneIsPassedOver) {
    // The two pictures told apart by their widths; the second is named in small letters.
    QImage(30, 10, QImage::Format_RGB32).save(fake.file("Ap1.bmp"), "BMP");
    QImage(20, 10, QImage::Format_RGB32).save(fake.file("hmm.bmp"), "BMP");
    const struct {
        double draw;
        int width;
        QString read;
    } cases[] = {{0.0, 20, "Hmm"}, {0.9, 30, ""}};
    for (const auto& c : cases) {
        // A text another window left behind does not choose the picture: the load empties it.
        services.program.SharedText = "Ap1";
        services.program.PrintSettings.PrintFontColour = QString("Word Entry");
        fake.random.draws = {c.draw};
        open();
        EXPECT_EQ(window->mascotPicture->pixmap().width(), c.width) << c.draw;
        EXPECT_EQ(spokenName(window->mascotPicture), c.read) << c.draw;
        EXPECT_TRUE(services.program.SharedText.isEmpty());
        EXPECT_EQ(services.program.PrintSettings.PrintFontColour, SharedValue(QString()));
        window->close();
    }
    QFile::remove(fake.file("Ap1.bmp"));
    QFile::remove(fake.file("hmm.bmp"));
    fake.random.draws = {0.9};
    open();
    EXPECT_TRUE(window->mascotPicture->pixmap().isNull());
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
    EXPECT_TRUE(window->wordFileLoaded());
}

TEST_F(ScramblerWindowTest, OptionsAndTheirMenuTwinsAgreeAndArrangeTheScoreBox) {
    open();
    const Panel3D* box = window->lowerPanels[4];
    const auto& panels = window->scoreBoxes;
    EXPECT_EQ(panels[0]->pos(), QPoint(int(0.27 * box->width()), int(0.14 * box->height())));
    EXPECT_EQ(panels[1]->y(), panels[0]->y() + panels[0]->height() + Twips::toPixels(15));
    EXPECT_FALSE(window->playerOptionFrame->isEnabled());

    window->playersActions[2]->trigger();
    EXPECT_TRUE(window->playerButtons[2]->isChecked());
    EXPECT_TRUE(window->playersActions[2]->isChecked());
    EXPECT_FALSE(window->playersActions[0]->isChecked());
    EXPECT_TRUE(window->playerOptionFrame->isEnabled());
    EXPECT_EQ(window->game().PlayerCount, 3);
    // A two-by-two grid whose Top is a share of the box's width, neighbours overlapping.
    const int overlap = Twips::toPixels(15);
    EXPECT_EQ(panels[0]->pos(), QPoint(int(0.045 * box->width()), int(0.2 * box->width())));
    EXPECT_EQ(panels[1]->pos(),
              QPoint(panels[0]->x() + panels[0]->width() - overlap, panels[0]->y()));
    EXPECT_EQ(panels[3]->pos(),
              QPoint(panels[1]->x(), panels[0]->y() + panels[0]->height() - overlap));
    EXPECT_TRUE(panels[2]->isVisibleTo(window.get()));
    EXPECT_FALSE(panels[3]->isVisibleTo(window.get()));
    EXPECT_FALSE(window->scorePanels[2]->isVisibleTo(window.get())) << "shown at the first score";

    window->turnButtons[1]->click();
    EXPECT_TRUE(window->nextPlayerAction->isChecked());
    EXPECT_EQ(window->game().PlayerOption, 1);
    window->levelActions[3]->trigger();
    EXPECT_TRUE(window->levelButtons[3]->isChecked());
    EXPECT_EQ(window->wordsUsedPanel->caption(), "Level 4\rWords Used");
    EXPECT_EQ(window->game().DifficultyLevel, 4);
    window->timerAction->trigger();
    EXPECT_TRUE(window->timerButtons[1]->isChecked());
    EXPECT_TRUE(window->countdownBar->isVisibleTo(window.get()));

    // The help display and the side panels, by menu and by side-toolbar button.
    window->helpDisplayAction->trigger();
    EXPECT_TRUE(window->helpDisplayCheck->isChecked());
    EXPECT_EQ(window->helpPanel->caption(), "Help Information will be Displayed Here.");
    window->leftToolbarButton(3)->trigger();
    EXPECT_FALSE(window->helpDisplayAction->isChecked());
    EXPECT_EQ(window->helpPanel->caption(), "Help Not Selected");
    window->leftToolbarButton(4)->trigger();
    EXPECT_FALSE(window->viewPanelsCheck->isChecked());
    EXPECT_FALSE(window->viewPanelsAction->isChecked());
    EXPECT_FALSE(window->wordsUsedPanel->isVisibleTo(window.get()));
    EXPECT_TRUE(window->panelsHidden());
    window->viewPanelsAction->trigger();
    EXPECT_TRUE(window->rewardSidePanel->isVisibleTo(window.get()));

    // Backspace on the empty attempt and Tab type nothing.
    window->timerAction->trigger();
    QTest::mouseClick(window->startButton, Qt::LeftButton);
    QTest::keyClick(window->firstAttemptButton, Qt::Key_Backspace);
    QTest::keyClick(window->firstAttemptButton, Qt::Key_Tab);
    EXPECT_TRUE(window->firstAttemptButton->caption().isEmpty());
    EXPECT_TRUE(window->game().TypedText.isEmpty());
}

TEST_F(ScramblerWindowTest, TheCountdownHoldsWhileAnotherWindowStandsInFront) {
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->timerButtons[1]->click();
    fake.dialogs.inputs = {QString("5")};
    QTest::mouseClick(window->startButton, Qt::LeftButton);
    window->CountDownOneSecond();
    EXPECT_EQ(window->countdownBar->caption(), "05");
    // The help window does not block: it stands in front while the person reads it.
    QWidget help;
    help.show();
    help.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
    window->CountDownOneSecond();
    EXPECT_EQ(window->countdownBar->caption(), "05");
    help.close();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->CountDownOneSecond();
    EXPECT_EQ(window->countdownBar->caption(), "04");
}

TEST_F(ScramblerWindowTest, TheTimerQuestionComesOverAClearedMessageAndTheSecondsAreReadable) {
    open();
    QTest::mouseClick(window->startButton, Qt::LeftButton);
    type("cat");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(window->messagePanel->caption(), "Very Good - That is CORRECT!");
    window->timerButtons[1]->click();
    QString messageBehindQuestion = "no question";
    fake.dialogs.onInput = [this, &messageBehindQuestion](const QString&) {
        messageBehindQuestion = window->messagePanel->caption();
    };
    fake.dialogs.inputs = {QString("5")};
    QTest::mouseClick(window->startButton, Qt::LeftButton);
    EXPECT_EQ(messageBehindQuestion, "");

    // The timer frame is disabled while the word is played; the seconds stay readable: not greyed,
    // standing out from the full bar, and read as seen, with no percentage of the bar's own.
    window->CountDownOneSecond();
    ASSERT_EQ(window->countdownBar->caption(), "05");
    EXPECT_FALSE(window->optionFrames[1]->isEnabled());
    EXPECT_TRUE(window->countdownBar->isEnabled());
    EXPECT_EQ(spokenName(window->countdownBar), "05");
    EXPECT_EQ(spokenDescription(window->countdownBar), "Countdown");
    EXPECT_GE(drawnContrast(window->countdownBar->grab().toImage(),
                            window->countdownBar->contentsRect(), QColor(Qt::blue)),
              TextContrast::kReadable);
}

} // namespace

#include "ScramblerWindow.h"
#include "Command3D.h"
#include "FakePlatform.h"
#include "MainWindow.h"
#include "Panel3D.h"
#include "PanelColours.h"
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
#include <QSet>
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
    EXPECT_EQ(window->Panel3D17->caption(), "Level 1\rWords Used");
    EXPECT_TRUE(window->Option3D1[0]->isChecked());
    QTest::mouseClick(window->Command2, Qt::LeftButton);
    EXPECT_EQ(window->Panel3D1->caption().size(), 3);
    EXPECT_NE(window->Panel3D1->caption(), "CAT");
    EXPECT_EQ(window->Label2->text(), "100%");
    EXPECT_EQ(QApplication::focusWidget(), window->Command3D1);
    EXPECT_EQ(window->Command3D1->openSetting(), Command3D::kOpen);
    EXPECT_FALSE(window->Frame3D1[0]->isEnabled());
    type("cta");
    EXPECT_EQ(window->Command3D1->caption(), "CTA");
    const qsizetype beeps = fake.sound.played.count(FakeSound::kBeep);
    type("x");
    EXPECT_EQ(fake.sound.played.count(FakeSound::kBeep), beeps + 1);
    EXPECT_EQ(window->Command3D1->caption(), "CTA");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // submits, types nothing
    EXPECT_EQ(window->Panel3D3->caption(), "Incorrect - Please Type Second Attempt");
    EXPECT_TRUE(window->Command3D1->missed());
    EXPECT_EQ(QApplication::focusWidget(), window->Command3D2);
    type("cat");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(window->Panel3D3->caption(), "Very Good - That is CORRECT!");
    EXPECT_EQ(window->Panel3D8[0]->caption(), " 3");
    EXPECT_EQ(window->Panel3D18->floodPercent(), 60);
    EXPECT_EQ(window->Command2->text(), "&Next");
    EXPECT_TRUE(window->Command2->isEnabled());
    // The level's one word is used: Next moves on to level 2.
    QTest::mouseClick(window->Command2, Qt::LeftButton);
    EXPECT_EQ(window->Panel3D17->caption(), "Level 2\rWords Used");
    EXPECT_TRUE(window->Option3D3[1]->isChecked());
    EXPECT_EQ(window->game().CurrentWord, "DOG");
}

TEST_F(ScramblerWindowTest, TwoPlayersTakeTurnsWhenOneMissesTwice) {
    open();
    window->Option3D1[1]->click();
    EXPECT_EQ(window->Panel3D6[4]->caption(), "Player 1 Starts");
    EXPECT_FALSE(window->Panel3D18->isVisible());
    QTest::mouseClick(window->Command2, Qt::LeftButton);
    EXPECT_EQ(window->Panel3D3->caption(), "Player 1 Please Type First Attempt");
    window->Command1->click();
    window->Command1->click();
    EXPECT_EQ(window->Panel3D2->caption(), "Correct word is: CAT");
    EXPECT_EQ(window->Panel3D6[4]->caption(), "Player 2");
    EXPECT_EQ(window->game().CurrentPlayer, 2);
}

TEST_F(ScramblerWindowTest, TheCountdownJudgesAtZeroAndHoldsUnderTheSoundInformation) {
    open();
    window->Option3D2[1]->click();
    fake.dialogs.inputs = {QString("3")};
    QTest::mouseClick(window->Command2, Qt::LeftButton);
    EXPECT_EQ(fake.dialogs.prompts.size(), 1);
    EXPECT_TRUE(window->Timer1->isActive());
    fake.modal.scripts.push_back([this](QWidget&) { EXPECT_FALSE(window->Timer1->isActive()); });
    window->mOSO->trigger();
    EXPECT_TRUE(window->Timer1->isActive());
    for (int tick = 0; tick < 4; ++tick) {
        window->Timer1_Timer();
    }
    EXPECT_EQ(window->Label3->text(), "00");
    EXPECT_EQ(window->game().AttemptState, 2) << "judged at zero: the first attempt missed";
    for (int tick = 0; tick < 4; ++tick) {
        window->Timer1_Timer();
    }
    EXPECT_GE(window->game().AttemptState, 3);
    EXPECT_FALSE(window->Timer1->isActive());
    // Asked once per switching on.
    QTest::mouseClick(window->Command2, Qt::LeftButton);
    EXPECT_EQ(fake.dialogs.prompts.size(), 1);
    window->Command1->click();
    window->Command1->click();
    // An unusable answer switches the countdown off.
    window->mOT->trigger();
    window->mOT->trigger();
    EXPECT_TRUE(window->Option3D2[1]->isChecked());
    fake.dialogs.inputs = {QString("2")};
    QTest::mouseClick(window->Command2, Qt::LeftButton);
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_TRUE(window->Option3D2[0]->isChecked());
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
    EXPECT_EQ(window->Panel3D4->backColour().rgb(), QColor(0x00, 0x80, 0x80).rgb());
    EXPECT_EQ(window->SSPanel1->backColour().rgb(), QColor(0x88, 0xC0, 0xB8).rgb());
    fake.dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::Yes};
    window->mOC->trigger();
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
    EXPECT_EQ(window->Panel3D4->backColour().rgb(), systemDefaultColour().rgb());
}

TEST_F(ScramblerWindowTest, Button17ThenExitOpensNothing) {
    services.windows.add(8, [](Services& s) { return std::make_unique<ScramblerWindow>(s); });
    MainWindow main(services);
    main.Form_Load();
    fake.modal.scripts.push_back([](QWidget& scrambler) {
        auto& window = static_cast<ScramblerWindow&>(scrambler);
        window.Toolbar1->button(17)->trigger();
        window.Toolbar1->button(20)->trigger();
    });
    main.toolbar->button(8)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(fake.modal.shownClasses, (QStringList{"ScramblerWindow", "SoundInformationWindow"}));
    EXPECT_EQ(services.program.NextActivity, 0);
}

TEST_F(ScramblerWindowTest, ThePanelPictureIsDrawnAtEveryOpeningAndAMissingOneIsPassedOver) {
    // The two pictures told apart by their widths; the second is named in small letters.
    QImage(30, 10, QImage::Format_RGB32).save(fake.file("Ap1.bmp"), "BMP");
    QImage(20, 10, QImage::Format_RGB32).save(fake.file("hmm.bmp"), "BMP");
    const struct {
        double draw;
        int width;
    } cases[] = {{0.0, 20}, {0.9, 30}};
    for (const auto& c : cases) {
        // A text another window left behind does not choose the picture: the load empties it.
        services.program.SharedText = "Ap1";
        services.program.PrintSettings.PrintFontColour = QString("Word Entry");
        fake.random.draws = {c.draw};
        open();
        EXPECT_EQ(window->Image2->pixmap().width(), c.width) << c.draw;
        EXPECT_TRUE(services.program.SharedText.isEmpty());
        EXPECT_EQ(services.program.PrintSettings.PrintFontColour, SharedValue(QString()));
        window->close();
    }
    QFile::remove(fake.file("Ap1.bmp"));
    QFile::remove(fake.file("hmm.bmp"));
    fake.random.draws = {0.9};
    open();
    EXPECT_TRUE(window->Image2->pixmap().isNull());
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
    EXPECT_TRUE(window->wordFileLoaded());
}

TEST_F(ScramblerWindowTest, OptionsAndTheirMenuTwinsAgreeAndArrangeTheScoreBox) {
    open();
    const Panel3D* box = window->Panel3D6[4];
    const auto& panels = window->Panel3D10;
    EXPECT_EQ(panels[0]->pos(), QPoint(int(0.27 * box->width()), int(0.14 * box->height())));
    EXPECT_EQ(panels[1]->y(), panels[0]->y() + panels[0]->height() + Twips::toPixels(15));
    EXPECT_FALSE(window->Frame1->isEnabled());

    window->mOPl1[2]->trigger();
    EXPECT_TRUE(window->Option3D1[2]->isChecked());
    EXPECT_TRUE(window->mOPl1[2]->isChecked());
    EXPECT_FALSE(window->mOPl1[0]->isChecked());
    EXPECT_TRUE(window->Frame1->isEnabled());
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
    EXPECT_FALSE(window->Panel3D8[2]->isVisibleTo(window.get())) << "shown at the first score";

    window->Option3D4[1]->click();
    EXPECT_TRUE(window->mOPONext->isChecked());
    EXPECT_EQ(window->game().PlayerOption, 1);
    window->mOL1[3]->trigger();
    EXPECT_TRUE(window->Option3D3[3]->isChecked());
    EXPECT_EQ(window->Panel3D17->caption(), "Level 4\rWords Used");
    EXPECT_EQ(window->game().DifficultyLevel, 4);
    window->mOT->trigger();
    EXPECT_TRUE(window->Option3D2[1]->isChecked());
    EXPECT_TRUE(window->Panel3D13->isVisibleTo(window.get()));

    // The help display and the side panels, by menu and by side-toolbar button.
    window->mOHD->trigger();
    EXPECT_TRUE(window->Check3D1->isChecked());
    EXPECT_EQ(window->Panel3D2->caption(), "Help Information will be Displayed Here.");
    window->Toolbar2Button(3)->trigger();
    EXPECT_FALSE(window->mOHD->isChecked());
    EXPECT_EQ(window->Panel3D2->caption(), "Help Not Selected");
    window->Toolbar2Button(4)->trigger();
    EXPECT_FALSE(window->Check3D2->isChecked());
    EXPECT_FALSE(window->mOV->isChecked());
    EXPECT_FALSE(window->Panel3D17->isVisibleTo(window.get()));
    EXPECT_TRUE(window->panelsHidden());
    window->mOV->trigger();
    EXPECT_TRUE(window->Panel3D19->isVisibleTo(window.get()));

    // Backspace on the empty attempt and Tab type nothing.
    window->mOT->trigger();
    QTest::mouseClick(window->Command2, Qt::LeftButton);
    QTest::keyClick(window->Command3D1, Qt::Key_Backspace);
    QTest::keyClick(window->Command3D1, Qt::Key_Tab);
    EXPECT_TRUE(window->Command3D1->caption().isEmpty());
    EXPECT_TRUE(window->game().TypedText.isEmpty());
}

TEST_F(ScramblerWindowTest, TheCountdownHoldsWhileAnotherWindowStandsInFront) {
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->Option3D2[1]->click();
    fake.dialogs.inputs = {QString("5")};
    QTest::mouseClick(window->Command2, Qt::LeftButton);
    window->Timer1_Timer();
    EXPECT_EQ(window->Label3->text(), "05");
    // The help window does not block: it stands in front while the person reads it.
    QWidget help;
    help.show();
    help.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
    window->Timer1_Timer();
    EXPECT_EQ(window->Label3->text(), "05");
    help.close();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->Timer1_Timer();
    EXPECT_EQ(window->Label3->text(), "04");
}

TEST_F(ScramblerWindowTest, TheTimerQuestionComesOverAClearedMessageAndTheSecondsAreReadable) {
    open();
    QTest::mouseClick(window->Command2, Qt::LeftButton);
    type("cat");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(window->Panel3D3->caption(), "Very Good - That is CORRECT!");
    window->Option3D2[1]->click();
    QString messageBehindQuestion = "no question";
    fake.dialogs.onInput = [this, &messageBehindQuestion](const QString&) {
        messageBehindQuestion = window->Panel3D3->caption();
    };
    fake.dialogs.inputs = {QString("5")};
    QTest::mouseClick(window->Command2, Qt::LeftButton);
    EXPECT_EQ(messageBehindQuestion, "");

    // The timer frame is disabled while the word is played; the seconds stay readable, and the
    // bar shows nothing of its own under them.
    window->Timer1_Timer();
    ASSERT_EQ(window->Label3->text(), "05");
    EXPECT_FALSE(window->Frame3D1[1]->isEnabled());
    EXPECT_TRUE(window->Label3->isEnabled());
    EXPECT_TRUE(window->Label3->isVisible());
    window->Label3->hide();
    const QImage bar = window->Panel3D13->grab().toImage();
    const QRect inside = window->Panel3D13->contentsRect();
    QSet<QRgb> colours;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            colours.insert(bar.pixel(x, y));
        }
    }
    EXPECT_EQ(colours.size(), 1) << "the full bar, and no text";
}

} // namespace

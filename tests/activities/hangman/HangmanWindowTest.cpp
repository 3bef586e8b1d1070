#include "HangmanWindow.h"
#include "AccessibilityEvents.h"
#include "ColorNumber.h"
#include "Command3D.h"
#include "FakePlatform.h"
#include "LineControl.h"
#include "MainWindow.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "ScreenReader.h"
#include "Services.h"
#include "SettingsFile.h"
#include "ShapeControl.h"
#include "SoundInformationWindow.h"
#include "StatusBar.h"
#include "Toolbar.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The hangman window open on its own, active, played with clicks and keys.
class HangmanWindowTest : public ::testing::Test {
protected:
    HangmanWindowTest() {
        services.program.CorrectSound = "Right.wav";
        services.program.IncorrectSound = "Wrong.wav";
        services.windows.add(
            17, [](Services& s) { return std::make_unique<SoundInformationWindow>(s); });
    }

    void open() {
        window = std::make_unique<HangmanWindow>(services);
        window->show();
        QCoreApplication::processEvents();
        ASSERT_TRUE(window->isActiveWindow());
    }

    // "&Start" (or "&Next") giving entry k of the selected level (1 to 5).
    void startWord(int level, int k) {
        fake.random.draws.push_back((k - 0.5) /
                                    HangmanWordTable::kWordCount[std::size_t(level - 1)]);
        QTest::mouseClick(window->startButton, Qt::LeftButton);
    }

    void type(const QString& letters) {
        for (const QChar letter : letters) {
            QTest::keyClick(QApplication::focusWidget(), letter.toLatin1());
        }
    }

    QString record12() const {
        return settingsFile(fake.folder, SettingsFile::GColor2)
            .readText(HangmanWindow::kColourRecord);
    }

    FakePlatform fake;
    Services services{fake.platform};
    std::unique_ptr<HangmanWindow> window;
};

TEST_F(HangmanWindowTest, OpensAtLevel1InOrderWithItsToolbars) {
    services.program.PrintSettings.PrintFontUnderline = true;
    open();
    EXPECT_EQ(window->windowTitle(), "Hangman");
    EXPECT_TRUE(window->wordLevelOptions[0]->isChecked());
    EXPECT_TRUE(window->displayOrderOptions[0]->isChecked());
    EXPECT_TRUE(window->wordLevelActions[0]->isChecked());
    EXPECT_TRUE(window->inOrderAction->isChecked());
    EXPECT_FALSE(window->randomOrderAction->isChecked());
    EXPECT_EQ(window->levelDescriptionPanel->caption(), "Level 1 Word Level = 4 Letter Words");
    EXPECT_TRUE(window->levelDescriptionPanel->isVisible());
    EXPECT_EQ(window->statusPanels->panelText(1), "Click Start to begin this activity");
    EXPECT_FALSE(window->toolbar->isButtonEnabled(4));
    EXPECT_FALSE(window->toolbar->isButtonEnabled(16));
    EXPECT_TRUE(window->toolbar->isButtonEnabled(17));
    EXPECT_EQ(services.program.PrintSettings.PrintFontUnderline, SharedValue(false));
    EXPECT_EQ(services.program.PrintSettings.PrintFontStrikethru, SharedValue(false));
    QStringList tooltips;
    for (QAction* button : window->leftToolbar->actions()) {
        tooltips.append(button->toolTip());
    }
    EXPECT_EQ(tooltips, (QStringList{"Panel Color", "Sound", "Help", "Exit"}));
    EXPECT_FALSE(window->nextAction->isVisible());

    // The level from the menu and from its button keep the menu ticks in step.
    window->wordLevelActions[5]->trigger();
    EXPECT_TRUE(window->wordLevelOptions[5]->isChecked());
    EXPECT_EQ(window->levelDescriptionPanel->caption(), "Computer Randomly Selects from All Words");
    QTest::mouseClick(window->wordLevelOptions[1], Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(window->levelDescriptionPanel->caption(), "Level 2 Word Level = 5 Letter Words");
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(window->wordLevelActions[std::size_t(i)]->isChecked(), i == 1) << i;
    }
    window->randomOrderAction->trigger();
    EXPECT_TRUE(window->displayOrderOptions[1]->isChecked());
    EXPECT_TRUE(window->randomOrderAction->isChecked());
    EXPECT_FALSE(window->inOrderAction->isChecked());
    EXPECT_EQ(window->game().DisplayOrder, 1);
    // A click on the description uncovers the slots.
    QTest::mouseClick(window->levelDescriptionPanel, Qt::LeftButton);
    EXPECT_FALSE(window->levelDescriptionPanel->isVisible());
}

TEST_F(HangmanWindowTest, Record12GivesThePanelColour) {
    const struct {
        const char* name;
        std::optional<QString> record; // none: no GColor2.Fil at all
        QColor colour;
    } records[] = {
        {"Default", QString("Default"), systemDefaultColour()},
        {"a number", QString("255"), QColor(255, 0, 0)},
        {"empty", QString(""), QColor(192, 192, 192)},
        {"not a number", QString("bright"), QColor(192, 192, 192)},
        {"no file", std::nullopt, QColor(192, 192, 192)},
    };
    for (const auto& r : records) {
        QFile::remove(fake.file("GColor2.Fil"));
        if (r.record.has_value()) {
            settingsFile(fake.folder, SettingsFile::GColor2).writeText(12, *r.record);
        }
        open();
        for (Panel3D* panel : {window->boardPanel, window->figurePanel, window->gallowsArea,
                               window->mainPanelGround}) {
            EXPECT_EQ(panel->backColour().rgb(), r.colour.rgb()) << r.name;
        }
        // The rope strip shows the system colour after a load.
        EXPECT_EQ(window->ropeStrip->backColour().rgb(), systemDefaultColour().rgb()) << r.name;
        window->close();
    }
}

TEST_F(HangmanWindowTest, OnlyTheExitSavesAChosenColourAndBlackIsRefused) {
    open();
    // Black, the gallows' colour, is refused; the Exit then asks nothing.
    fake.dialogs.answers = {Dialogs::Answer::Yes};
    fake.dialogs.colors = {QColor(0, 0, 0)};
    window->leftToolbarButton(1)->trigger();
    ASSERT_EQ(fake.dialogs.shown.size(), 2);
    EXPECT_EQ(fake.dialogs.shown[1].title, "Color Conflict");
    EXPECT_EQ(window->statusPanels->panelText(1), "Hangman");
    // No (the system colour), then Yes at the Exit, writes "Default".
    fake.dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::Yes};
    window->panelColourAction->trigger();
    EXPECT_EQ(window->ropeStrip->backColour().rgb(), systemDefaultColour().rgb());
    QTest::mouseClick(window->exitButton, Qt::LeftButton);
    ASSERT_EQ(fake.dialogs.shown.size(), 4);
    EXPECT_EQ(fake.dialogs.shown[3].text, "Save changes made to Panel Color?");
    EXPECT_EQ(fake.dialogs.shown[3].title, "Color Changes");
    EXPECT_FALSE(window->isVisible());
    QFile file(fake.file("GColor2.Fil"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 12 * 20);
    EXPECT_EQ(bytes.mid(11 * 20, 9), QByteArray("\x07\x00"
                                                "Default",
                                                9));
    file.close();

    // A colour picked, then No at the Exit: the record keeps "Default". The close box asks the
    // same question.
    open();
    fake.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::No};
    fake.dialogs.colors = {QColor(0, 128, 0)};
    window->panelColourAction->trigger();
    EXPECT_EQ(window->ropeStrip->backColour().rgb(), QColor(0, 128, 0).rgb());
    window->exitAction->trigger();
    EXPECT_EQ(record12(), "Default");
    open();
    fake.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::Yes};
    fake.dialogs.colors = {QColor(0, 128, 0)};
    window->panelColourAction->trigger();
    const qsizetype shown = fake.dialogs.shown.size();
    fake.dialogs.answers = {Dialogs::Answer::No};
    window->close();
    EXPECT_EQ(fake.dialogs.shown.size(), shown + 1);
    EXPECT_EQ(record12(), "Default");
    open();
    fake.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::Yes};
    fake.dialogs.colors = {QColor(0, 128, 0)};
    window->panelColourAction->trigger();
    window->toolbar->button(20)->trigger();
    EXPECT_EQ(record12(), QString::number(0x008000));
}

TEST_F(HangmanWindowTest, AWordIsWonAndLostWithTheKeyboardAndTheMouse) {
    open();
    startWord(1, 30); // DATA
    EXPECT_EQ(window->startButton->text(), "&Next");
    EXPECT_FALSE(window->startButton->isEnabled());
    EXPECT_FALSE(window->displayFrame->isEnabled());
    EXPECT_FALSE(window->wordLevelMenu->menuAction()->isEnabled());
    EXPECT_TRUE(window->nextAction->isVisible());
    EXPECT_FALSE(window->startAction->isVisible());
    EXPECT_FALSE(window->levelDescriptionPanel->isVisible());
    const QDateTime before = fake.clock.current;
    type("da");
    QTest::mouseClick(window->letterButtons['T' - 'A'], Qt::LeftButton);
    EXPECT_EQ(window->wordsCorrectCount->caption(), "1");
    EXPECT_EQ(window->messagePanel->caption(), "Click Next To Continue");
    EXPECT_TRUE(window->winBanner->isVisible());
    EXPECT_FALSE(window->gallowsPost->isVisible());
    // Three pauses of a second and the win delay of two, all on the clock: no real waiting.
    EXPECT_GE(before.msecsTo(fake.clock.current), 2000 + 3 * 1000);
    EXPECT_TRUE(window->startButton->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), window->startButton);

    // Next, and ten wrong letters at level 1.
    startWord(1, 1); // ACID
    EXPECT_TRUE(window->gallowsPost->isVisible());
    EXPECT_FALSE(window->winBanner->isVisible());
    const QDateTime dropStart = fake.clock.current;
    type("befghjklm");
    EXPECT_TRUE(window->figurePieces[20]->isVisible()); // the ninth stage
    QTest::mouseClick(window->letterButtons['N' - 'A'], Qt::LeftButton);
    EXPECT_EQ(window->wordsWrongCount->caption(), "1");
    EXPECT_TRUE(window->grave->isVisible());
    EXPECT_EQ(window->letterSlots[0]->caption(), "A");
    EXPECT_EQ(window->letterSlots[0]->foreColour(), ColorNumber::palette(4));
    EXPECT_EQ(window->letterButtons[0]->foreColour(), ColorNumber::palette(4));
    EXPECT_GE(dropStart.msecsTo(fake.clock.current), HangmanGame::kDropMs);
    EXPECT_EQ(fake.sound.played.count("Wrong.wav"), 1);
    EXPECT_EQ(fake.sound.played.count("Right.wav"), 1);
}

// The focus stays on the letters or Start: each message, the banner of a won word and the
// changed counts are told as they show.
TEST_F(HangmanWindowTest, TheMessagesTheBannerAndTheCountsAreTold) {
    AccessibilityEvents heard;
    open();
    heard.clear();
    startWord(1, 30); // DATA
    EXPECT_EQ(heard.announcements(), QStringList{"Please Click a Letter or Type a Letter."});
    // Each letter is told as it is checked, then the message, then the verdict.
    const struct {
        char letter;
        QString verdict;
    } guesses[] = {{'d', "Very Good!!! At Least One Letter Was Found!"},
                   {'x', "SORRY!!! No Matching Letters Were Found!"}};
    for (const auto& guess : guesses) {
        heard.clear();
        type(QString(guess.letter));
        EXPECT_EQ(heard.announcements(), (QStringList{QString(QChar(guess.letter).toUpper()),
                                                      "CHECKING FOR", guess.verdict}));
    }
    heard.clear();
    type("at");
    // The banner is told during the pause it shows in, the message that follows it after.
    const QStringList told = heard.announcements();
    for (const QString& text :
         {QString("EXCELLENT! You have Correctly Spelled the Word!"), QString("Words Correct 1"),
          window->winBanner->shownText(), QString("Click Next To Continue")}) {
        EXPECT_TRUE(told.contains(text))
            << text.toStdString() << " in " << told.join(" | ").toStdString();
    }
    EXPECT_LT(told.indexOf(window->winBanner->shownText()), told.indexOf("Click Next To Continue"));
}

// The figure is read by the misses it shows, of the nine that hang the figure.
TEST_F(HangmanWindowTest, AScreenReaderReadsTheFiguresMisses) {
    open();
    startWord(1, 1); // ACID
    EXPECT_EQ(spokenName(window->figurePanel), "Hangman figure");
    EXPECT_EQ(spokenDescription(window->figurePanel), "0 of 9 misses");
    type("bea");
    EXPECT_EQ(spokenDescription(window->figurePanel), "2 of 9 misses");
    type("fghjklm");
    EXPECT_EQ(spokenDescription(window->figurePanel), "9 of 9 misses");
}

TEST_F(HangmanWindowTest, OnlySmallLettersGuessAndAltHIsTheHelpMenu) {
    open();
    startWord(1, 1); // ACID
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* text; // what the keyboard types
        int lettersTried;
    } keys[] = {
        {"Shift+a", Qt::Key_A, Qt::ShiftModifier, "A", 0},
        {"a with Caps Lock", Qt::Key_A, Qt::NoModifier, "A", 0},
        {"1", Qt::Key_1, Qt::NoModifier, "1", 0},
        {"Alt+h", Qt::Key_H, Qt::AltModifier, "h", 0},
        {"a", Qt::Key_A, Qt::NoModifier, "a", 1},
    };
    for (const auto& k : keys) {
        if (k.modifiers == Qt::AltModifier) {
            QTest::keyClick(window.get(), k.key, k.modifiers);
        } else {
            QKeyEvent press(QEvent::KeyPress, k.key, k.modifiers, k.text);
            QKeyEvent release(QEvent::KeyRelease, k.key, k.modifiers, k.text);
            QApplication::sendEvent(QApplication::focusWidget(), &press);
            QApplication::sendEvent(QApplication::focusWidget(), &release);
        }
        QCoreApplication::processEvents();
        int tried = 0;
        for (Command3D* letter : window->letterButtons) {
            tried += letter->isEnabled() ? 0 : 1;
        }
        EXPECT_EQ(tried, k.lettersTried) << k.name;
    }
    EXPECT_FALSE(window->letterButtons[0]->isEnabled());
    EXPECT_EQ(window->game().LettersFound, 1);
    EXPECT_EQ(fake.help.topics, QList<int>{2005});
}

TEST_F(HangmanWindowTest, ALetterTypedDuringACheckIsDropped) {
    open();
    startWord(1, 1); // ACID
    // The key waits in the queue; the click's check yields before it ends.
    QApplication::postEvent(window->letterButtons[0],
                            new QKeyEvent(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, "c"));
    QTest::mouseClick(window->letterButtons[0], Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->letterButtons[0]->isEnabled());
    EXPECT_TRUE(window->letterButtons[2]->isEnabled());
    EXPECT_EQ(window->game().LettersFound, 1);
}

TEST_F(HangmanWindowTest, SoundInformationKeepsSharedStateAndButton17ThenExitOpensNothing) {
    open();
    services.program.SharedState = 5;
    fake.modal.scripts.push_back([this](QWidget&) {
        EXPECT_EQ(services.program.SharedState, 0);
        EXPECT_EQ(window->statusPanels->panelText(1), "Sound Information");
        services.program.SharedState = 88; // a file picked in its Incorrect list
    });
    window->soundAction->trigger();
    EXPECT_EQ(services.program.SharedState, 5);
    EXPECT_EQ(services.program.SignalValue, 5);
    EXPECT_EQ(window->statusPanels->panelText(1), "Hangman");
    window->close();

    // From the main window: button 17 in the hangman window, then its Exit.
    services.windows.add(4, [](Services& s) { return std::make_unique<HangmanWindow>(s); });
    MainWindow main(services);
    main.Form_Load();
    fake.modal.scripts.push_back([](QWidget& hangman) {
        auto& window = static_cast<HangmanWindow&>(hangman);
        window.toolbar->button(17)->trigger();
        window.toolbar->button(20)->trigger();
    });
    main.toolbar->button(4)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(fake.modal.shownClasses,
              (QStringList{"SoundInformationWindow", "HangmanWindow", "SoundInformationWindow"}));
    EXPECT_EQ(services.program.NextActivity, 0);
}

TEST_F(HangmanWindowTest, TheBackgroundPictureIsFoundInAnyCaseAndAMissingOneIsPassedOver) {
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(fake.file("WP3.jpg")));
    services.program.Background = QString("wp3");
    open();
    EXPECT_FALSE(window->backgroundPicture->pixmap().isNull());
    window->close();
    services.program.Background = QString("WP9"); // no such picture: the load goes on
    open();
    EXPECT_TRUE(window->backgroundPicture->pixmap().isNull());
    EXPECT_EQ(window->statusPanels->panelText(1), "Click Start to begin this activity");
}

TEST_F(HangmanWindowTest, TheRightButtonPopsTheOptionsMenuUpOnTheBoardOnly) {
    open();
    const struct {
        const char* name;
        QWidget* control;
        bool popsUp;
    } controls[] = {
        {"a letter button", window->letterButtons[4], true},
        {"a letter slot", window->letterSlots[0], true},
        {"the gallows area", window->gallowsArea, true},
        {"the message panel", window->messagePanel, true},
        {"the rope strip", window->ropeStrip, false},
        {"Start", window->startButton, false},
        {"Exit", window->exitButton, false},
    };
    window->letterSlots[0]->show();
    window->ropeStrip->show();
    for (const auto& c : controls) {
        QTest::mouseClick(c.control, Qt::RightButton, {}, QPoint(2, 2));
        EXPECT_EQ(window->optionsMenu->isVisible(), c.popsUp) << c.name;
        window->optionsMenu->hide();
    }
}

TEST_F(HangmanWindowTest, TheDisplayFramesCaptionLiesOnThePanelsFaceNotTheWindowsBlue) {
    services.program.Background = qint32{0xFF0000}; // blue
    open();
    auto* title = window->displayFrame->findChild<QLabel*>();
    ASSERT_NE(title, nullptr);
    ASSERT_TRUE(title->text().contains("angman Display")); // the H is underlined
    const QImage drawn = title->grab().toImage();
    EXPECT_EQ(QColor(drawn.pixel(0, 0)).rgb(), window->displayPanel->backColour().rgb());
    EXPECT_NE(QColor(drawn.pixel(0, 0)).rgb(), QColor(0, 0, 255).rgb());
}

TEST_F(HangmanWindowTest, TheFigureHangsAndDropsScaledWithTheWindow) {
    // Design twips in the gallows area: its height, the figure panel's top, the rope strip's top
    // and the rope's lower end in the strip.
    constexpr double kArea = 5129;
    constexpr double kFigureTop = 465;
    constexpr double kRopeTop = 397;
    constexpr double kRopeEnd = 210;
    for (const double scale : {1.0, 2.0}) {
        open();
        window->resize(window->size() * scale);
        QCoreApplication::processEvents();
        startWord(1, 1); // ACID
        const double area = window->gallowsArea->height();
        const double pixel = 1.5 / area; // rounding, as a share of the area
        EXPECT_NEAR(window->figurePanel->y() / area, kFigureTop / kArea, pixel) << scale;
        // The rope shows from the beam down to the figure panel, and reaches behind it.
        const int ropeTop = window->ropeStrip->y();
        EXPECT_NEAR(ropeTop / area, kRopeTop / kArea, pixel) << scale;
        EXPECT_LT(ropeTop, window->figurePanel->y()) << scale;
        EXPECT_NEAR((ropeTop + window->rope->geometry().bottom()) / area,
                    (kRopeTop + kRopeEnd) / kArea, pixel)
            << scale;

        // Ten wrong letters: the figure sinks wholly out of the gallows area before the grave
        // shows.
        type("befghjklmn");
        ASSERT_TRUE(window->grave->isVisible()) << scale;
        EXPECT_GE(window->figurePanel->y(), window->gallowsArea->height()) << scale;
        window->close();
    }
}

TEST_F(HangmanWindowTest, TheRestoredTopToolbarLeavesTheBoardAboveTheStatusBar) {
    open();
    const QSize withToolbar = window->mainPanelGround->size();
    window->close();
    services.program.TopToolbarState = 99;
    open();
    ASSERT_TRUE(window->toolbar->isHidden());
    QTest::mouseClick(window->statusPanels->panel(2), Qt::LeftButton);
    ASSERT_TRUE(window->toolbar->isVisible());
    // The board takes the size it has in a window opened with the toolbar, and stays whole above
    // the status bar.
    EXPECT_EQ(window->mainPanelGround->size(), withToolbar);
    const QPoint bottom =
        window->mainPanelGround->mapTo(window.get(), QPoint(0, window->mainPanelGround->height()));
    EXPECT_LE(bottom.y(), window->statusPanels->y());
}

} // namespace

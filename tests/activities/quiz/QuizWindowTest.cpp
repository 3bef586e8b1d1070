#include "QuizWindow.h"
#include "AccessibilityEvents.h"
#include "ColorNumber.h"
#include "FakePlatform.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "ScreenReader.h"
#include "Services.h"
#include "SettingsFile.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Four question files of three questions a level; Bible level 4 holds only questions that need
// their choices.
void writeQuestionFiles(const FakePlatform& fake) {
    for (int topic = 1; topic <= 4; ++topic) {
        QString text;
        for (int level = 1; level <= 4; ++level) {
            for (int i = 1; i <= 3; ++i) {
                const char type = (topic == 1 && level == 4) ? '1' : '2';
                text +=
                    QString(
                        "\"%1Topic %2 level %3 question %4?\",\"*PAUL*SAINT PAUL*PETER*JOHN*\"\r\n")
                        .arg(type)
                        .arg(topic)
                        .arg(level)
                        .arg(i);
            }
            if (level < 4) {
                text += "\"END\",\"*END*\"\r\n";
            }
        }
        QFile file(fake.folder.path() + "/" + questionFileLayout(QuizTopic(topic)).fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toLatin1());
    }
}

// The quiz window open on its own and active. With no scripted draws every draw gives its lowest
// value: the cells read Bible, Bible, TV, TV, History, History, Anything, Anything, Computer, and
// the correct answer is dealt to A.
class QuizWindowTest : public ::testing::Test {
protected:
    QuizWindowTest() {
        services.program.CorrectSound = "Right.wav";
        services.program.IncorrectSound = "Wrong.wav";
        writeQuestionFiles(fake);
    }

    void open() {
        window = QuizWindow::open(services);
        ASSERT_TRUE(window);
        window->show();
        QCoreApplication::processEvents();
    }

    void cell(int index) {
        QTest::mouseClick(window->boardCells[std::size_t(index)], Qt::LeftButton);
    }
    void key(char letter) { QTest::keyClick(window->exitButton, letter); }

    FakePlatform fake;
    Services services{fake.platform};
    std::unique_ptr<QuizWindow> window;
};

TEST_F(QuizWindowTest, APlayedGameByKeysEndsInAnXWinAndOBeginsTheNext) {
    open();
    cell(0);
    EXPECT_EQ(fake.dialogs.shownTexts(), QStringList{"Please Click Start to Continue"});
    QTest::mouseClick(window->startButton, Qt::LeftButton);
    EXPECT_EQ(window->turnPanel->caption(), kTurnX);
    EXPECT_EQ(window->boardCells[0]->caption(), "Bible\rQuestions");
    EXPECT_EQ(window->boardCells[8]->caption(), "Computer\rChooses");
    // X right, O wrong (lowercase keys count), X right, O wrong, X completes the top row.
    const struct {
        int cell;
        char key;
    } moves[] = {{0, 'a'}, {3, 'b'}, {1, 'A'}, {4, 'c'}, {2, 'a'}};
    for (const auto& move : moves) {
        cell(move.cell);
        EXPECT_EQ(window->boardCells[std::size_t(move.cell)]->backColour(),
                  ColorNumber::palette(11));
        EXPECT_FALSE(window->difficultyFrame->isEnabled());
        key(move.key);
        EXPECT_TRUE(window->difficultyFrame->isEnabled());
    }
    EXPECT_EQ(window->boardCells[0]->caption(), "X");
    EXPECT_EQ(window->boardCells[3]->caption(), "TV-Show Biz Questions");
    EXPECT_EQ(window->turnPanel->caption(), "Player X Wins This Game!");
    EXPECT_EQ(spokenName(window->tallyCounts[0]), "1");
    EXPECT_EQ(spokenDescription(window->tallyCounts[0]), "Games won by X");
    EXPECT_EQ(window->boardCells[1]->backColour(), ColorNumber::palette(12));
    EXPECT_TRUE(window->startButton->isEnabled());
    // A click on the board after the game changes nothing.
    cell(5);
    EXPECT_EQ(fake.dialogs.shownTexts().last(), "Please Click Start to Continue");
    QTest::mouseClick(window->startButton, Qt::LeftButton);
    EXPECT_EQ(window->turnPanel->caption(), kTurnO);
}

// A game played from the keyboard alone, as a screen reader's user plays it: the cells are reached
// with Tab and the arrow keys and chosen with Enter, Space or their press action, each heard by
// its topic or mark and where it stands.
TEST_F(QuizWindowTest, AGameIsPlayedFromTheKeyboardAlone) {
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const auto keyClick = [](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    };
    const auto focusedCell = [this] {
        const auto found = std::find(window->boardCells.begin(), window->boardCells.end(),
                                     QApplication::focusWidget());
        return found == window->boardCells.end() ? -1 : int(found - window->boardCells.begin());
    };
    ASSERT_EQ(QApplication::focusWidget(), window->startButton);
    keyClick(Qt::Key_Space);
    ASSERT_EQ(window->turnPanel->caption(), kTurnX);
    ASSERT_EQ(QApplication::focusWidget(), window->exitButton);
    keyClick(Qt::Key_Tab);
    ASSERT_EQ(focusedCell(), 0) << "Tab leads from Exit to the board";

    Panel3D* first = window->boardCells[0];
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(first);
    EXPECT_EQ(reader->role(), QAccessible::Button);
    EXPECT_EQ(spokenName(first), "Bible Questions");
    EXPECT_EQ(spokenDescription(first), "Row 1, column 1, empty");
    EXPECT_TRUE(reader->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));

    enum class Choice { Enter, Space, PressAction };
    // X right, O wrong, X right, O wrong, X completes the top row.
    const struct {
        std::vector<int> arrows; // from the cell played last
        Choice choice;
        char answer;
        int cell;
    } moves[] = {
        {{Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left}, Choice::Enter, 'a', 0},
        {{Qt::Key_Down}, Choice::Space, 'b', 3},
        {{Qt::Key_Up, Qt::Key_Right}, Choice::PressAction, 'a', 1},
        {{Qt::Key_Down}, Choice::Enter, 'c', 4},
        {{Qt::Key_Up, Qt::Key_Right, Qt::Key_Right}, Choice::Space, 'a', 2},
    };
    for (const auto& move : moves) {
        SCOPED_TRACE(move.cell);
        for (int arrow : move.arrows) {
            keyClick(arrow);
        }
        ASSERT_EQ(focusedCell(), move.cell);
        Panel3D* cell = window->boardCells[std::size_t(move.cell)];
        switch (move.choice) {
        case Choice::Enter:
            keyClick(Qt::Key_Return);
            break;
        case Choice::Space:
            keyClick(Qt::Key_Space);
            break;
        case Choice::PressAction:
            QAccessible::queryAccessibleInterface(cell)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
            break;
        }
        ASSERT_EQ(window->questionPanel->caption().left(6), "Topic ");
        ASSERT_EQ(QApplication::focusWidget(), window->exitButton) << "the answer keys' control";
        QTest::keyClick(QApplication::focusWidget(), move.answer);
        if (move.cell != 2) {
            EXPECT_EQ(focusedCell(), move.cell) << "the keyboard goes on from the board";
        }
    }
    EXPECT_EQ(window->turnPanel->caption(), "Player X Wins This Game!");
    EXPECT_EQ(spokenName(first), "X");
    EXPECT_EQ(spokenDescription(first), "Row 1, column 1, X");
    EXPECT_EQ(spokenName(window->boardCells[3]), "TV-Show Biz Questions");
    EXPECT_EQ(spokenDescription(window->boardCells[3]), "Row 2, column 1, empty");
    EXPECT_EQ(window->tallyCounts[0]->text(), "1");
    // The game over, the keyboard goes on from Start.
    ASSERT_EQ(QApplication::focusWidget(), window->startButton);
    keyClick(Qt::Key_Space);
    EXPECT_EQ(window->turnPanel->caption(), kTurnO);
    EXPECT_EQ(spokenDescription(first), "Row 1, column 1, empty");
}

// Under a screen reader with keys alone: the question is told with its choices as it appears,
// Tab reaches it and each choice from Exit, Enter chooses one, and the verdict, the turn and
// the cell's new mark are heard though the focus stays elsewhere.
TEST_F(QuizWindowTest, TheQuestionItsChoicesAndTheVerdictAreToldAndReachedByTab) {
    AccessibilityEvents heard;
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const auto keyClick = [](int key) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    };
    ASSERT_EQ(QApplication::focusWidget(), window->startButton);
    heard.clear();
    keyClick(Qt::Key_Space);
    EXPECT_EQ(heard.announcements(), QStringList{kTurnX});
    // Start, disabled, has handed the focus to Exit: no focus move passes over another control.
    ASSERT_FALSE(heard.focusMoves().isEmpty());
    for (const AccessibilityEvents::Event& move : heard.focusMoves()) {
        EXPECT_EQ(move.object, window->exitButton) << move.name.toStdString();
    }
    keyClick(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window->boardCells[0]) << "no question to reach yet";
    heard.clear();
    keyClick(Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), window->exitButton);
    QStringList choices;
    for (Panel3D* answer : window->answerPanels) {
        choices.append(answer->caption());
    }
    EXPECT_EQ(choices.first().left(4), "A - ");
    EXPECT_EQ(heard.announcements(),
              QStringList{"Topic 1 level 1 question 1?\n" + choices.join('\n')});

    heard.clear();
    QList<QWidget*> reached;
    for (int i = 0; i < 5; ++i) {
        keyClick(Qt::Key_Tab);
        reached.append(QApplication::focusWidget());
    }
    EXPECT_EQ(reached, (QList<QWidget*>{window->questionPanel, window->answerPanels[0],
                                        window->answerPanels[1], window->answerPanels[2],
                                        window->answerPanels[3]}));
    QStringList focusedNames;
    for (const AccessibilityEvents::Event& move : heard.focusMoves()) {
        focusedNames.append(move.name);
    }
    EXPECT_EQ(focusedNames, QStringList{"Topic 1 level 1 question 1?"} + choices);

    // The right answer, A, chosen by Enter from D's panel after Shift+Tab.
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    }
    ASSERT_EQ(QApplication::focusWidget(), window->answerPanels[0]);
    heard.clear();
    keyClick(Qt::Key_Return);
    EXPECT_EQ(heard.announcements(), QStringList{"That is Correct!\n" + kTurnO});
    const QList<AccessibilityEvents::Event> described =
        heard.of(window->boardCells[0], QAccessible::DescriptionChanged);
    ASSERT_FALSE(described.isEmpty());
    EXPECT_EQ(described.last().name, "X");
    EXPECT_EQ(described.last().description, "Row 1, column 1, X");
    EXPECT_EQ(QApplication::focusWidget(), window->boardCells[0]);

    // A wrong answer, typed from the question's panel, is heard before the turn it passes.
    keyClick(Qt::Key_Down);
    keyClick(Qt::Key_Return);
    keyClick(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window->questionPanel);
    heard.clear();
    QTest::keyClick(window->questionPanel, 'b');
    const QStringList told = heard.announcements();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told.first().startsWith("Incorrect! Correct Answer is: "))
        << told.first().toStdString();
    EXPECT_TRUE(told.first().endsWith('\n' + kTurnX));
}

TEST_F(QuizWindowTest, NineMarksWithoutALineAreACatGameInBothModes) {
    open();
    // Right answers all round: X 0, O 1, X 2, O 4, X 3, O 5, X 7, O 6, X 8 leaves no line.
    const int cells[] = {0, 1, 2, 4, 3, 5, 7, 6, 8};
    for (const bool choices : {true, false}) {
        SCOPED_TRACE(choices ? "Multiple Choice" : "None");
        window->difficultyActions[choices ? 0 : 1]->trigger();
        QTest::mouseClick(window->startButton, Qt::LeftButton);
        EXPECT_EQ(window->turnPanel->caption(), kTurnX);
        for (int index : cells) {
            cell(index);
            if (choices) {
                key('a');
            } else {
                key('d');
                QTest::mouseClick(window->yesNoButtons[0], Qt::LeftButton);
            }
        }
        EXPECT_EQ(window->turnPanel->caption(), "Sorry! The Cat Wins This Game!");
        EXPECT_EQ(window->boardCells[4]->backColour(), ColorNumber::palette(13));
        EXPECT_EQ(window->tallyCounts[0]->text(), "0");
        EXPECT_EQ(window->tallyCounts[1]->text(), "0");
        EXPECT_TRUE(window->startButton->isEnabled());
    }
    EXPECT_EQ(window->tallyCounts[2]->text(), "2");
}

TEST_F(QuizWindowTest, AWrongChoiceShowsTheRightAnswerAndPassesTheTurn) {
    open();
    window->StartQuizGame();
    cell(0);
    EXPECT_EQ(window->questionPanel->caption(), "Topic 1 level 1 question 1?");
    EXPECT_EQ(window->answerPanels[1]->caption(), "B - SAINT PAUL");
    QTest::mouseClick(window->answerPanels[1], Qt::LeftButton);
    EXPECT_EQ(window->answerPanels[1]->backColour(), ColorNumber::palette(4));
    EXPECT_EQ(window->answerPanels[1]->foreColour(), ColorNumber::palette(7));
    EXPECT_EQ(window->answerPanels[0]->backColour(), ColorNumber::palette(1));
    EXPECT_TRUE(window->answerPanels[0]->answerMark());
    EXPECT_EQ(window->verdictPanel->caption(), "  Incorrect!  Correct Answer is: \rPAUL");
    EXPECT_EQ(window->verdictPanel->foreColour(), ColorNumber::palette(4));
    EXPECT_EQ(window->boardCells[0]->caption(), "Bible\rQuestions");
    EXPECT_EQ(window->turnPanel->caption(), kTurnO);
    EXPECT_EQ(fake.sound.played, QStringList{"Wrong.wav"});
    // A second choice of the same question is answered with the prompt alone.
    QTest::mouseClick(window->answerPanels[0], Qt::LeftButton);
    EXPECT_EQ(fake.dialogs.shownTexts().last(), "Please Click Topic to Continue");
    EXPECT_EQ(window->boardCells[0]->caption(), "Bible\rQuestions");
    // The next question clears the mark.
    cell(1);
    EXPECT_FALSE(window->answerPanels[0]->answerMark());
}

// A silent miss leaves the verdict in view for a second. Meanwhile the window answers, and the
// keys typed are dropped: neither Enter on the focused Exit nor, once the pause is over, on the
// next cell acts, and no answer key answers anything.
TEST_F(QuizWindowTest, KeysTypedWhileAMissPausesAreDropped) {
    services.program.IncorrectSound = "99";
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->StartQuizGame();
    cell(0);
    const qsizetype waitsBefore = fake.clock.waits.size();
    QString verdictMeanwhile;
    QTimer::singleShot(0, window.get(), [&] {
        verdictMeanwhile = window->verdictPanel->caption();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), 'a');
    });
    key('b'); // A is right
    QCoreApplication::processEvents();
    EXPECT_EQ(fake.clock.waits.size(), waitsBefore + 1);
    EXPECT_TRUE(verdictMeanwhile.startsWith("  Incorrect!")) << verdictMeanwhile.toStdString();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->turnPanel->caption(), kTurnO);
    EXPECT_EQ(window->boardCells[0]->caption(), "Bible\rQuestions");
    EXPECT_EQ(window->boardCells[1]->caption(), "Bible\rQuestions");
}

TEST_F(QuizWindowTest, SelfJudgedQuestionsRevealWithDAndMarkOnYes) {
    open();
    window->difficultyActions[1]->trigger();
    EXPECT_TRUE(window->difficultyActions[1]->isChecked());
    EXPECT_FALSE(window->answerPanels[0]->isVisible());
    window->StartQuizGame();
    cell(2);
    EXPECT_EQ(window->questionPanel->caption(),
              "Topic 2 level 1 question 1?\rPAUL, SAINT PAUL, PETER, JOHN");
    key('a');
    EXPECT_FALSE(window->yesNoButtons[0]->isVisible());
    key('d');
    EXPECT_EQ(window->revealPanel->caption(),
              "The Correct Answer Is:\rPAUL\rWas Your Answer Correct?");
    EXPECT_TRUE(window->yesNoButtons[0]->isVisible());
    EXPECT_TRUE(window->yesAction->isVisible());
    QTest::mouseClick(window->yesNoButtons[0], Qt::LeftButton);
    EXPECT_EQ(window->boardCells[2]->caption(), "X");
    EXPECT_FALSE(window->yesNoButtons[0]->isVisible());
    EXPECT_FALSE(window->yesAction->isVisible());
    EXPECT_EQ(window->turnPanel->caption(), kTurnO);
    EXPECT_TRUE(window->levelFrame->isEnabled());
}

TEST_F(QuizWindowTest, ALevelOfChoiceQuestionsOnlyIsRefusedWithoutMultipleChoice) {
    open();
    window->difficultyActions[1]->trigger();
    window->levelActions[3]->trigger();
    window->StartQuizGame();
    const QColor before = window->boardCells[0]->backColour();
    cell(0);
    EXPECT_EQ(
        fake.dialogs.shownTexts(),
        QStringList{"No Level 4 questions for this Topic can be asked\rwithout Multiple Choice."});
    EXPECT_EQ(fake.dialogs.shown.last().title, "Activity Directions");
    EXPECT_EQ(window->boardCells[0]->backColour(), before);
    EXPECT_TRUE(window->difficultyFrame->isEnabled());
    EXPECT_EQ(window->turnPanel->caption(), kTurnX);
    // The next cell can be chosen at once.
    cell(2);
    EXPECT_EQ(window->questionPanel->caption().section('\r', 0, 0), "Topic 2 level 4 question 1?");
}

TEST_F(QuizWindowTest, AQuestionOf255CharactersOrMoreShowsInTheLongQuestionLabel) {
    const QString words = QString("Which king ruled ").repeated(16);
    const QString shorter = words.left(253) + "?";
    const QString longer = words.left(254) + "?";
    QFile bible(fake.file(questionFileLayout(QuizTopic::Bible).fileName));
    ASSERT_TRUE(bible.open(QIODevice::WriteOnly));
    bible.write(QString("\"2%1\",\"*a*b*c*d*\"\r\n\"2%2\",\"*a*b*c*d*\"\r\n"
                        "\"END\",\"*END*\"\r\n\"2Q?\",\"*a*b*c*d*\"\r\n\"END\",\"*END*\"\r\n"
                        "\"2Q?\",\"*a*b*c*d*\"\r\n\"END\",\"*END*\"\r\n\"2Q?\",\"*a*b*c*d*\"\r\n")
                    .arg(shorter, longer)
                    .toLatin1());
    bible.close();
    open();
    window->StartQuizGame();
    cell(0);
    EXPECT_EQ(window->questionPanel->caption(), shorter);
    EXPECT_FALSE(window->longQuestionLabel->isVisible());
    key('a');
    cell(1);
    EXPECT_EQ(window->questionPanel->caption(), "");
    EXPECT_TRUE(window->longQuestionLabel->isVisible());
    EXPECT_EQ(window->longQuestionLabel->text(), longer);
    // The label grows with its lines instead of clipping them, inside the question panel.
    const int lines = window->longQuestionLabel->heightForWidth(window->longQuestionLabel->width());
    EXPECT_GT(lines, 2 * window->longQuestionLabel->fontMetrics().lineSpacing());
    EXPECT_GE(window->longQuestionLabel->height(), lines);
    EXPECT_TRUE(window->questionPanel->rect().contains(window->longQuestionLabel->geometry()));
    // The next question in the panel hides the label again.
    key('a');
    cell(2);
    EXPECT_FALSE(window->longQuestionLabel->isVisible());
}

TEST_F(QuizWindowTest, TheDefaultColourChosenIsSavedToRecord19AtTheCloseBox) {
    open();
    EXPECT_EQ(window->boardPanel->backColour().rgb(), QColor(0, 128, 128).rgb());
    fake.dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::Yes};
    window->ChooseColour();
    window->close();
    EXPECT_EQ(fake.dialogs.shown.last().text, "Save changes made to Panel and or Text Color?");
    EXPECT_EQ(settingsFile(fake.folder, SettingsFile::GColor2).readText(QuizWindow::kColourRecord),
              "Default");
}

TEST_F(QuizWindowTest, AMissingQuestionFileGivesTheLoadingErrorAndNoWindow) {
    QFile::remove(fake.file("OTTXT.Fil"));
    EXPECT_FALSE(QuizWindow::open(services));
    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown[0].title, "Loading Error");
    // The files are read anew at the next attempt.
    writeQuestionFiles(fake);
    EXPECT_TRUE(QuizWindow::open(services));
}

TEST_F(QuizWindowTest, SpaceOnTheFocusedExitEndsNoGameInPlay) {
    open();
    QTest::mouseClick(window->startButton, Qt::LeftButton);
    cell(0); // the question gives Exit the focus for the answer keys
    ASSERT_EQ(QApplication::focusWidget(), window->exitButton);
    QTest::keyClick(window->exitButton, Qt::Key_Space);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->questionPanel->caption(), "Topic 1 level 1 question 1?");
    key('a'); // the game goes on
    EXPECT_EQ(window->boardCells[0]->caption(), "X");
    // Between games Space presses Exit as before.
    window->close();
    open();
    window->exitButton->setFocus();
    QTest::keyClick(window->exitButton, Qt::Key_Space);
    EXPECT_FALSE(window->isVisible());
}

} // namespace

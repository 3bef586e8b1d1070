#include "CrosswordWindowFixture.h"

#include "AccessibilityEvents.h"
#include "EntryCells.h"
#include "MinimiseAndRestore.h"
#include "NumberedCellCycle.h"
#include "NumericValue.h"
#include "PuzzleCheck.h"
#include "ScreenReader.h"
#include "StatusBar.h"
#include "TextContrast.h"

#include <QAccessible>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>

#include <algorithm>

namespace {

constexpr int kPuzzle = 3; // Level 1: Across starts at 7; 1 to 6 are Down only

class CrosswordPlayTest : public CrosswordWindowTest {
protected:
    std::vector<int> cellsOf(int direction, int entry) const {
        return entryCells(window->Clues, direction, entry, window->GridColumns,
                          window->GridLastCell);
    }

    QString lettersOf(int direction, int entry) const {
        QString letters;
        for (int cell : cellsOf(direction, entry)) {
            letters += letter(cell);
        }
        return letters;
    }

    // Fills every word from the keyboard: the Across words, then the Down words.
    void fillAll() {
        for (int direction : {1, 2}) {
            for (const QString& word : answers(direction)) {
                enter(word.toLower());
            }
        }
    }
};

TEST_F(CrosswordPlayTest, TwentyDrawsOfALevelNeverRepeatAndTheTwentyFirstSaysSo) {
    // A draw that falls on a puzzle already shown draws again.
    for (int n = 1; n <= 20; ++n) {
        drawNext(n == 1 ? 1 : n - 1);
        drawNext(n);
    }
    click(window->startButton);
    QSet<int> drawn{window->PuzzleNo};
    for (int next = 2; next <= 20; ++next) {
        click(window->nextPuzzleButton);
        drawn.insert(window->PuzzleNo);
    }
    EXPECT_EQ(drawn.size(), 20);
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
    EXPECT_EQ(window->PuzzlesShownLevel2, 0);

    drawNext(20); // the puzzle shown last may come again at once
    window->nextPuzzleAction->trigger();
    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown[0].title, "Activity Information");
    EXPECT_EQ(fake.dialogs.shown[0].text,
              "All Puzzles for this Subject and Level have been displayed!\rProgram will begin "
              "randomly selecting \rfrom all Puzzles for this Subject and Level again.");
    EXPECT_EQ(window->PuzzleNo, 20);
    EXPECT_EQ(window->PuzzlesShownLevel1, 1);
}

TEST_F(CrosswordPlayTest, TheKeyboardFillsAcrossThenDownAndWrapsBack) {
    playPuzzle(kPuzzle);
    // The first Across clue is selected and the entry box is ready.
    EXPECT_EQ(QApplication::focusWidget(), window->entryBox);
    EXPECT_EQ(window->acrossList->ListIndex(), 0);
    EXPECT_EQ(window->informationPanel->caption(), "7  - Across");
    EXPECT_TRUE(window->clueLine->text().startsWith(" IT TAKES PICTURES:"));

    const QStringList across = answers(1);
    for (const QString& word : across) {
        enter(word.toLower());
    }
    EXPECT_EQ(QApplication::focusWidget(), window->downList);
    EXPECT_EQ(window->downList->ListIndex(), 0);
    EXPECT_EQ(window->SelectedDirection, 2);
    EXPECT_EQ(window->informationPanel->caption(), "1  - Down");

    const QStringList down = answers(2);
    for (const QString& word : down) {
        enter(word.toLower());
    }
    EXPECT_EQ(QApplication::focusWidget(), window->acrossList);
    EXPECT_EQ(window->acrossList->ListIndex(), 0);
    EXPECT_EQ(window->SelectedDirection, 1);
    for (int entry = 1; entry <= across.size(); ++entry) {
        EXPECT_EQ(lettersOf(1, entry), across[entry - 1]) << entry;
    }
    for (int entry = 1; entry <= down.size(); ++entry) {
        EXPECT_EQ(lettersOf(2, entry), down[entry - 1]) << entry;
    }
}

TEST_F(CrosswordPlayTest, MinimisingKeepsThePuzzleInPlayAndOnlyExitUnloadsIt) {
    playPuzzle(kPuzzle);
    const QString first = answers(1).first();
    enter(first.toLower());
    ASSERT_EQ(services.program.PrintSettings.PrintFontColour, SharedValue(QString("S")));

    EXPECT_TRUE(minimiseRestoreAndClose(
        *window, [] {},
        [&] {
            EXPECT_EQ(lettersOf(1, 1), first);
            EXPECT_EQ(window->PuzzleNo, kPuzzle);
            EXPECT_EQ(services.program.PrintSettings.PrintFontColour, SharedValue(QString("S")));
        },
        [&] { window->exitButton->click(); }));
    EXPECT_EQ(services.program.PrintSettings.PrintFontColour, SharedValue(QString()));
}

TEST_F(CrosswordPlayTest, TheEntryBoxTakesLettersUpToTheAnswersLength) {
    playPuzzle(kPuzzle);
    const int length = int(window->SelectedAnswer.size());
    type("a1 b");
    EXPECT_EQ(window->entryBox->text(), "AB"); // digits and blanks are ignored silently
    EXPECT_EQ(spokenName(window->entryBox), "Word entry");
    EXPECT_EQ(spokenDescription(window->entryBox), "AB");
    type(QString(length, 'c'));
    EXPECT_EQ(window->EntryLength, length);
    EXPECT_EQ(fake.sound.played, QStringList(2, FakeSound::kBeep)); // two letters too many
    press(Qt::Key_Backspace);
    EXPECT_EQ(window->EntryLength, length - 1);
    // Shift+Down moves to the next clue of the list.
    press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), window->acrossList);
    EXPECT_EQ(window->acrossList->ListIndex(), 1);
    EXPECT_EQ(window->entryBox->text(), "");
    // An empty entry box sends the focus back to its list and writes nothing.
    window->entryBox->setFocus(Qt::MouseFocusReason);
    press(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), window->acrossList);
    EXPECT_EQ(lettersOf(1, 2), "");
}

TEST_F(CrosswordPlayTest, ANumberedCellSelectsAcrossThenDownThenAcrossAgain) {
    playPuzzle(kPuzzle);
    const ClueArrays& clues = window->Clues;
    int twoWayNumber = 0;
    int downOnlyNumber = 0;
    for (int number = 1; number <= window->CellNumberCounter; ++number) {
        const bool across = acrossEntryNumbered(clues, number) != 0;
        const bool down = downEntryNumbered(clues, number) != 0;
        if (across && down && twoWayNumber == 0) {
            twoWayNumber = number;
        } else if (!across && down && downOnlyNumber == 0) {
            downOnlyNumber = number;
        }
    }
    ASSERT_NE(twoWayNumber, 0);
    ASSERT_NE(downOnlyNumber, 0);
    const auto cellNumbered = [this](int number) {
        for (int cell = 0; cell <= window->GridLastCell; ++cell) {
            if (numericValue(window->cellPanels[std::size_t(cell)]->caption()) == number) {
                return cell;
            }
        }
        return -1;
    };
    const int twoWay = cellNumbered(twoWayNumber);
    const int downOnly = cellNumbered(downOnlyNumber);

    const auto picked = [this] {
        return std::make_pair(window->SelectedDirection, window->SelectedClue);
    };
    const auto acrossPick = std::make_pair(1, acrossEntryNumbered(clues, twoWayNumber));
    const auto downPick = std::make_pair(2, downEntryNumbered(clues, twoWayNumber));
    clickCell(twoWay);
    EXPECT_EQ(picked(), acrossPick);
    EXPECT_EQ(QApplication::focusWidget(), window->acrossList);
    EXPECT_EQ(cellColour(twoWay), palette(11));
    clickCell(twoWay);
    EXPECT_EQ(picked(), downPick);
    EXPECT_EQ(QApplication::focusWidget(), window->downList);
    EXPECT_EQ(window->downList->ListIndex(), downPick.second - 1);
    clickCell(twoWay);
    EXPECT_EQ(picked(), acrossPick);

    // Another numbered cell ends the cycle; a cell that starts only a Down word gives it always.
    clickCell(downOnly);
    EXPECT_EQ(picked(), std::make_pair(2, downEntryNumbered(clues, downOnlyNumber)));
    clickCell(downOnly);
    EXPECT_EQ(picked().first, 2);
    clickCell(twoWay);
    EXPECT_EQ(picked(), acrossPick);
}

TEST_F(CrosswordPlayTest, ACheckCountsAndColoursRightWrongAndBlankWords) {
    playPuzzle(kPuzzle);
    const QStringList across = answers(1);
    const int words = int(across.size() + answers(2).size());
    enter(across[0]);
    QString wrong = across[1];
    wrong[0] = wrong[0] == 'Z' ? 'Y' : 'Z';
    enter(wrong);
    click(window->checkButton);

    EXPECT_EQ(window->CorrectWords, 1);
    EXPECT_EQ(window->WrongWords, 1);
    EXPECT_EQ(window->BlankWords, words - 2);
    EXPECT_EQ(window->correctResult->caption(), "Correct = 1");
    EXPECT_EQ(window->wrongResult->caption(), "Wrong = 1");
    EXPECT_EQ(window->blankResult->caption(), "Blank = " + QString::number(words - 2));
    EXPECT_TRUE(window->correctResult->isVisible());
    EXPECT_TRUE(window->blankResult->isVisible());
    EXPECT_EQ(window->PuzzleState, 9);
    EXPECT_EQ(fake.sound.played, QStringList{"Wrong.wav"});
    ASSERT_EQ(fake.clock.waits.size(), 2); // two seconds with the gauges, two with the counts
    EXPECT_EQ(window->resultGauges[0]->floodPercent(), checkPercent(1, words));
    EXPECT_EQ(window->resultGauges[2]->floodPercent(), checkPercent(words - 2, words));
    EXPECT_EQ(window->resultGauges[0]->foreColour(), palette(0));
    EXPECT_FALSE(window->resultGauges[0]->isVisible());
    EXPECT_EQ(window->statusPanels->panelText(1), "Crossword Puzzles");

    for (int cell : cellsOf(1, 1)) {
        EXPECT_EQ(letterColour(cell), palette(1)) << cell;
        EXPECT_EQ(cellColour(cell), palette(15)) << cell;
    }
    for (int cell : cellsOf(1, 2)) {
        EXPECT_EQ(letterColour(cell), palette(12)) << cell;
        // Drawn in a deeper red, which reads on the white cell.
        EXPECT_EQ(drawnLetterColour(cell).hue(), 0) << cell;
        EXPECT_EQ(drawnLetterColour(cell).green(), 0) << cell;
    }
    // Every letter, of whatever verdict, reads on its cell.
    for (int cell = 0; cell < CrosswordWindow::kCells; ++cell) {
        if (!letter(cell).isEmpty()) {
            EXPECT_GE(TextContrast::ratio(drawnLetterColour(cell), cellColour(cell)),
                      TextContrast::kReadable)
                << cell;
        }
    }
    // An empty cell of a blank word; the selected (third) clue is highlighted again.
    const int emptyCell = cellsOf(2, 1).front();
    EXPECT_EQ(letter(emptyCell), "");
    EXPECT_EQ(cellColour(emptyCell), palette(13));
    EXPECT_EQ(cellColour(cellsOf(1, 3).front()), palette(11));
    EXPECT_EQ(cellColour(0), ColorNumber::toColor(0x404040));

    // The next key hides the results.
    type("q");
    EXPECT_EQ(window->PuzzleState, 1);
    EXPECT_FALSE(window->correctResult->isVisible());
}

// While the focus stays in a clue list or the entry box, a screen reader is told each clue as it
// is selected, with its number and length, and the counts of a check as they show.
TEST_F(CrosswordPlayTest, TheSelectedClueAndTheCountsOfACheckAreTold) {
    AccessibilityEvents heard;
    playPuzzle(kPuzzle);
    const QStringList across = answers(1);
    const auto clueTold = [&](const QString& number, const QString& word) {
        const QString clue = window->clueLine->text().trimmed().chopped(1);
        return QString("%1 - Across: %2, %3 letters").arg(number, clue).arg(word.size());
    };
    EXPECT_TRUE(window->clueLine->text().startsWith(" IT TAKES PICTURES:"));
    ASSERT_FALSE(heard.announcements().isEmpty());
    EXPECT_EQ(heard.announcements().last(), clueTold("7", across[0]));
    heard.clear();
    enter(across[0]);
    const QString second = window->informationPanel->caption().section(' ', 0, 0);
    EXPECT_EQ(heard.announcements(), QStringList{clueTold(second, across[1])});

    heard.clear();
    click(window->checkButton);
    ASSERT_EQ(window->CorrectWords, 1);
    // The counts during the pause they show in, then the clue the keyboard goes on from.
    EXPECT_EQ(heard.announcements(),
              (QStringList{"Correct = 1\nWrong = 0\nBlank = " + QString::number(window->BlankWords),
                           clueTold(second, across[1])}));
    // The clue's name on the Information Panel lies under the counts: it is not read.
    ASSERT_TRUE(window->wrongResult->isVisible());
    EXPECT_FALSE(spokenName(window->informationPanel).contains("Across"))
        << spokenName(window->informationPanel).toStdString();
}

// The check pauses with its gauges and counts on screen. Meanwhile the program goes on handling
// events (what is asked of the window then is answered then), a key typed is dropped rather than
// hiding the counts once the pause is over, and the close box closes the window only once the
// check is over.
TEST_F(CrosswordPlayTest, WhileACheckPausesTheWindowAnswersDropsKeysAndPutsOffItsClosing) {
    playPuzzle(kPuzzle);
    QString wrong = answers(1)[0];
    wrong[0] = wrong[0] == 'Z' ? 'Y' : 'Z';
    enter(wrong);
    QString statusMeanwhile;
    QTimer::singleShot(0, window.get(), [&] {
        statusMeanwhile = window->statusPanels->panelText(1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q);
    });
    // Pressed from code: a simulated mouse click would run the timer before the check.
    window->checkButton->click();
    settle();
    EXPECT_EQ(statusMeanwhile, "Checking Puzzle");
    EXPECT_EQ(window->WrongWords, 1);
    EXPECT_EQ(window->PuzzleState, 9);
    EXPECT_TRUE(window->wrongResult->isVisible());

    bool openAfterCloseBox = false;
    QTimer::singleShot(0, window.get(), [&] {
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        QCoreApplication::sendEvent(window->windowHandle(), &close);
        openAfterCloseBox = window->isVisible();
    });
    fake.sound.played.clear();
    window->checkButton->click();
    EXPECT_TRUE(openAfterCloseBox);
    // The check went on to its end, sound and counts, before the window closed.
    EXPECT_EQ(fake.sound.played, QStringList{"Wrong.wav"});
    EXPECT_EQ(window->wrongResult->caption(), "Wrong = 1");
    settle();
    EXPECT_FALSE(window->isVisible());
}

// A screen reader reads the grid as a table of its rows and columns, not as flat panels: each
// cell by its number and letter, or "blank", a blocked cell as a black square, and after a check
// each word's verdict as well as its colour.
TEST_F(CrosswordPlayTest, ScreenReaderReadsTheGridAsATableWithTheCheckedVerdicts) {
    playPuzzle(kPuzzle);
    QString wrong = answers(1)[0];
    wrong[0] = wrong[0] == 'Z' ? 'Y' : 'Z';
    enter(wrong);
    click(window->checkButton);

    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(window->gridPanels[0]);
    ASSERT_EQ(grid->role(), QAccessible::Table);
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 8);
    ASSERT_EQ(table->columnCount(), 13);
    EXPECT_EQ(grid->childCount(), 104);
    const auto read = [&](int cell) {
        return table->cellAt(cell / 13, cell % 13)->text(QAccessible::Name);
    };
    const auto numbered = [&](int cell) {
        const QString number = window->cellPanels[std::size_t(cell)]->caption();
        return number.isEmpty() ? QString() : number + ' ';
    };

    EXPECT_EQ(read(0), "black square");
    const std::vector<int> wrongWord = cellsOf(1, 1);
    EXPECT_EQ(read(wrongWord.front()), numbered(wrongWord.front()) + wrong.left(1) + ", wrong");
    EXPECT_EQ(read(wrongWord.back()), numbered(wrongWord.back()) + wrong.right(1) + ", wrong");
    const int emptyCell = cellsOf(2, 1).front();
    EXPECT_EQ(read(emptyCell), numbered(emptyCell) + "blank, in a blank word");
    QAccessibleInterface* corner = table->cellAt(7, 12);
    EXPECT_TRUE(readAsShowing(corner));
    EXPECT_EQ(corner->rect(), QRect(window->cellPanels[103]->mapToGlobal(QPoint(0, 0)),
                                    window->cellPanels[103]->size()));

    // Level 2 widens the table to eighteen columns.
    window->ChooseLevel(1);
    settle();
    EXPECT_EQ(grid->tableInterface()->columnCount(), 18);
    EXPECT_EQ(grid->childCount(), 144);
}

TEST_F(CrosswordPlayTest, ResultsStayAfterACheckWithADownClueSelected) {
    playPuzzle(kPuzzle);
    for (const QString& word : answers(1)) {
        enter(word.toLower());
    }
    ASSERT_EQ(window->SelectedDirection, 2);
    ASSERT_EQ(window->downList->ListIndex(), 0);
    click(window->checkButton);

    // The check's own Down arrow moves on to the next clue and leaves the results showing.
    EXPECT_EQ(window->downList->ListIndex(), 1);
    EXPECT_TRUE(window->informationPanel->caption().endsWith(" - Down"));
    EXPECT_EQ(window->PuzzleState, 9);
    for (Panel3D* result : {window->correctResult, window->wrongResult, window->blankResult}) {
        EXPECT_TRUE(result->isVisible());
    }
    press(Qt::Key_Down); // the person's key hides them
    EXPECT_EQ(window->PuzzleState, 1);
    EXPECT_FALSE(window->correctResult->isVisible());
}

TEST_F(CrosswordPlayTest, ASolvedPuzzleShowsItsPraiseAndEndsThePuzzle) {
    playPuzzle(kPuzzle);
    fillAll();
    const QDateTime start = fake.clock.current;
    click(window->checkButton);

    EXPECT_EQ(window->CorrectWords, window->PuzzleWordCount);
    EXPECT_EQ(window->wrongResult->caption(), "Puzzle Is Correct");
    EXPECT_EQ(window->blankResult->caption(), "Very Well Done");
    EXPECT_EQ(fake.sound.played, QStringList{"Right.wav"});
    ASSERT_EQ(fake.clock.waits.size(), 3); // one second with the gauges, three with the face
    EXPECT_EQ(start.secsTo(fake.clock.waits[0]), 1);
    EXPECT_EQ(fake.clock.waits[0].secsTo(fake.clock.waits[2]), 3);
    EXPECT_FALSE(window->smilingFacePanel->isVisible());
    EXPECT_TRUE(window->gridPanels[0]->isVisible());
    EXPECT_FALSE(window->correctResult->isVisible());
    EXPECT_EQ(lettersOf(1, 1), answers(1)[0]); // the letters stay in place
    EXPECT_EQ(QApplication::focusWidget(), window->startButton);
    EXPECT_EQ(window->informationPanel->caption(), "Next Puzzle Button");
    EXPECT_EQ(window->resultGauges[0]->foreColour(), palette(15)); // the bar passed the middle

    clickCell(cellsOf(1, 1).front());
    EXPECT_EQ(messageTexts(),
              QStringList{"Please click appropriate\rButton to begin the Activity."});
}

TEST_F(CrosswordPlayTest, WordHelpIsGrantedUpToTheLimitThenSaysSorry) {
    playPuzzle(kPuzzle);
    fake.dialogs.answers = {Dialogs::Answer::Yes, Dialogs::Answer::Yes, Dialogs::Answer::Yes};
    for (int help = 1; help <= 3; ++help) {
        window->leftToolbarButton(2)->trigger();
        settle();
        EXPECT_EQ(lettersOf(1, help), answers(1)[help - 1]) << help;
        EXPECT_EQ(window->acrossList->ListIndex(), help) << "moved on to the next clue";
    }
    EXPECT_EQ(
        messageTexts(),
        (QStringList{"Are you sure you really\rwant to see this word?\rYou have 3 Helps left!",
                     "Are you sure you really\rwant to see this word?\rYou have 2 Helps left!",
                     "Are you sure you really\rwant to see this word?\rYou have 1 Help left!"}));
    EXPECT_TRUE(window->wordHelpButton->isEnabled());
    click(window->wordHelpButton);
    EXPECT_EQ(fake.dialogs.shown.last().text,
              "Sorry!  All of your Word Helps\rhave been used for this puzzle!");
    EXPECT_EQ(fake.dialogs.shown.last().title, "Word Help");
    EXPECT_FALSE(window->wordHelpButton->isEnabled());
    EXPECT_FALSE(window->wordHelpAction->isEnabled());
}

TEST_F(CrosswordPlayTest, TheWordHelpLimitWrapsFrom0To6AndALimitOf0GrantsNone) {
    click(window->wordHelpButton); // between puzzles it opens the Word Help Option panel
    EXPECT_TRUE(window->wordHelpOptionPanel->isVisible());
    EXPECT_TRUE(window->wordHelpOptionAction->isChecked());
    QStringList shown;
    for (int click = 0; click < 4; ++click) {
        window->decreaseButton->click();
        shown.append(window->wordHelpLimitPanel->caption());
    }
    EXPECT_EQ(shown, (QStringList{"2", "1", "0", "6"}));
    window->increaseButton->click();
    EXPECT_EQ(window->wordHelpLimitPanel->caption(), "0");
    click(window->wordHelpOkButton);
    EXPECT_FALSE(window->wordHelpOptionPanel->isVisible());
    EXPECT_FALSE(window->wordHelpOptionAction->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), window->wordHelpButton);

    playPuzzle(kPuzzle);
    EXPECT_FALSE(window->wordHelpButton->isEnabled());
    window->leftToolbarButton(2)->trigger();
    EXPECT_EQ(messageTexts(),
              QStringList{"Sorry!  All of your Word Helps\rhave been used for this puzzle!"});
}

TEST_F(CrosswordPlayTest, WordHelpOptionsWhileAPuzzleWaitsKeepTheLevelFixed) {
    drawNext(kPuzzle);
    click(window->startButton);
    click(window->wordHelpOptionButton);
    EXPECT_FALSE(window->levelMenu->menuAction()->isEnabled());
    click(window->wordHelpOkButton);
    EXPECT_FALSE(window->levelFrame->isEnabled());
    EXPECT_FALSE(window->levelMenu->menuAction()->isEnabled());
    EXPECT_TRUE(window->usePuzzleAction->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), window->usePuzzleButton);
}

TEST_F(CrosswordPlayTest, GivingUpWritesEveryAnswerAndEndsThePuzzle) {
    playPuzzle(kPuzzle);
    enter(answers(1)[0]);
    fake.dialogs.answers = {Dialogs::Answer::Yes};
    window->viewPuzzleWordsAction->trigger();
    settle();

    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.shown[0].title, "View Puzzle Words");
    EXPECT_EQ(fake.dialogs.shown[0].text,
              "Are you giving up and\rdo you really want to see\rall of the puzzle words?");
    EXPECT_EQ(fake.sound.played, QStringList{"Wrong.wav"}); // blank words only: once
    for (int direction : {1, 2}) {
        const QStringList words = answers(direction);
        for (int entry = 1; entry <= words.size(); ++entry) {
            EXPECT_EQ(lettersOf(direction, entry), words[entry - 1]);
            for (int cell : cellsOf(direction, entry)) {
                EXPECT_EQ(cellColour(cell), palette(15));
                EXPECT_EQ(letterColour(cell), palette(1));
            }
        }
    }
    EXPECT_FALSE(window->entryBox->isVisible());
    EXPECT_FALSE(window->correctResult->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), window->startButton);
    EXPECT_EQ(window->EntryLock, 1);
    EXPECT_EQ(services.program.PrintSettings.PrintFontColour, SharedValue(QString()));
}

TEST_F(CrosswordPlayTest, DecliningToGiveUpKeepsTheResultsAndTheListInUse) {
    playPuzzle(kPuzzle);
    enter(answers(1)[0]);
    ASSERT_EQ(QApplication::focusWidget(), window->acrossList);
    fake.dialogs.answers = {Dialogs::Answer::No};
    window->viewPuzzleWordsAction->trigger();
    settle();

    EXPECT_EQ(window->FocusList, 1);
    EXPECT_EQ(window->PuzzleState, 9);
    EXPECT_TRUE(window->blankResult->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), window->acrossList);
    // Writing goes on from clue to clue, without painting as the reveal does.
    enter(answers(1)[1]);
    EXPECT_EQ(lettersOf(1, 2), answers(1)[1]);
    EXPECT_EQ(cellColour(cellsOf(1, 3).front()), palette(11));
}

TEST_F(CrosswordPlayTest, TabStaysWithinTheOpenPanelsButtons) {
    const auto tabbing = [this](int presses) {
        QList<QWidget*> visited;
        for (int i = 0; i < presses; ++i) {
            press(Qt::Key_Tab);
            visited.append(QApplication::focusWidget());
        }
        return visited;
    };
    drawNext(kPuzzle);
    click(window->startButton);
    EXPECT_EQ(tabbing(4), (QList<QWidget*>{window->nextPuzzleButton, window->wordHelpOptionButton,
                                           window->exitActivityButton, window->usePuzzleButton}));
    click(window->wordHelpOptionButton);
    EXPECT_EQ(tabbing(3), (QList<QWidget*>{window->increaseButton, window->decreaseButton,
                                           window->wordHelpOkButton}));
}

TEST_F(CrosswordPlayTest, TabbingFromTheDownListToExitDropsTheDownSelection) {
    playPuzzle(kPuzzle);
    window->acrossList->setFocus(Qt::MouseFocusReason);
    press(Qt::Key_Tab); // the Across list passes Tab on to the Down list: its first clue
    ASSERT_EQ(QApplication::focusWidget(), window->downList);
    EXPECT_EQ(window->downList->ListIndex(), 0);
    const std::vector<int> down = cellsOf(2, 1);
    EXPECT_EQ(cellColour(down.front()), palette(11));

    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->exitButton);
    EXPECT_EQ(window->informationPanel->caption(), "Exit Button");
    EXPECT_EQ(window->downList->ListIndex(), -1);
    EXPECT_EQ(cellColour(down.front()), palette(15));
    EXPECT_FALSE(window->wordHelpButton->isEnabled());
    EXPECT_TRUE(window->isVisible());
    // Back in the Across list, the puzzle starts again at its first clue.
    window->acrossList->setFocus(Qt::MouseFocusReason);
    settle();
    EXPECT_EQ(window->acrossList->ListIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), window->entryBox);
}

// What each state offers, as the person sees it.
struct Offered {
    QString startButton;
    QString start; // startAction
    QString next;  // nextAction
    QString check; // checkButton, checkAction and side button 1 together
    QString wordHelpButton;
    QString wordHelpOption; // wordHelpOptionAction
    QString wordHelp;       // wordHelpAction
    QString choice;         // usePuzzleAction, nextPuzzleAction
    QString reveal;         // viewPuzzleWordsAction, side button 3
    QString level;          // levelMenu, subjectFrame, levelFrame
    bool choicePanel;
    bool clueLine;
    int entryLock;
    bool inProgress;

    bool operator==(const Offered&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Offered& o) {
    return out << o.startButton.toStdString() << " | " << o.start.toStdString() << " | "
               << o.next.toStdString() << " | " << o.check.toStdString() << " | "
               << o.wordHelpButton.toStdString() << " | " << o.wordHelpOption.toStdString() << " | "
               << o.wordHelp.toStdString() << " | " << o.choice.toStdString() << " | "
               << o.reveal.toStdString() << " | " << o.level.toStdString() << " | " << o.choicePanel
               << o.clueLine << " " << o.entryLock << o.inProgress;
}

QString state(const QAction* item) {
    return !item->isVisible() ? "hidden" : item->isEnabled() ? "on" : "off";
}

QString state(const QPushButton* button) {
    return button->text() + (button->isEnabled() ? " on" : " off");
}

// Several controls that the state table names together must agree.
QString together(std::initializer_list<bool> enabled) {
    const bool all = std::all_of(enabled.begin(), enabled.end(), [](bool on) { return on; });
    const bool none = std::none_of(enabled.begin(), enabled.end(), [](bool on) { return on; });
    return all ? "on" : none ? "off" : "mixed";
}

Offered offered(const CrosswordWindow& w, const Services& services) {
    return {state(w.startButton),
            state(w.startAction),
            state(w.nextAction),
            together({w.checkButton->isEnabled(), w.checkAction->isEnabled(),
                      w.leftToolbarButton(1)->isEnabled()}),
            state(w.wordHelpButton),
            state(w.wordHelpOptionAction),
            state(w.wordHelpAction),
            together({w.usePuzzleAction->isEnabled(), w.nextPuzzleAction->isEnabled()}),
            together({w.viewPuzzleWordsAction->isEnabled(), w.leftToolbarButton(3)->isEnabled()}),
            together({w.levelMenu->menuAction()->isEnabled(), w.subjectFrame->isEnabled(),
                      w.levelFrame->isEnabled()}),
            w.choicePanel->isVisible(),
            w.clueLine->isVisible(),
            w.EntryLock,
            services.program.PrintSettings.PrintFontColour == SharedValue(QString("S"))};
}

TEST_F(CrosswordPlayTest, EachStateOffersWhatTheStateTableSays) {
    const Offered idle{"&Start on", "on",     "hidden", "off", "&Word Help Op on",
                       "on",        "hidden", "off",    "off", "on",
                       false,       true,     1,        false};
    const Offered choosing{"&Next off", "hidden", "off", "off", "&Word Help Op off",
                           "on",        "hidden", "on",  "off", "off",
                           true,        false,    1,     true};
    const Offered playing{"&Next off", "hidden", "off", "on", "&Word Help on",
                          "hidden",    "on",     "off", "on", "off",
                          false,       true,     0,     true};
    // Given up: the clue line stays hidden until the next puzzle is used.
    const Offered finished{"&Next on", "hidden", "on",  "off", "&Word Help Op on",
                           "on",       "hidden", "off", "off", "on",
                           false,      false,    1,     false};

    EXPECT_EQ(offered(*window, services), idle);
    drawNext(kPuzzle);
    click(window->startButton);
    EXPECT_EQ(offered(*window, services), choosing);
    click(window->usePuzzleButton);
    EXPECT_EQ(offered(*window, services), playing);
    click(window->checkButton);
    EXPECT_EQ(window->PuzzleState, 9);
    EXPECT_EQ(offered(*window, services), playing) << "Results offer what Playing offers";
    fake.dialogs.answers = {Dialogs::Answer::Yes};
    window->viewPuzzleWordsAction->trigger();
    settle();
    EXPECT_EQ(offered(*window, services), finished);
    drawNext(kPuzzle + 1);
    window->nextAction->trigger();
    settle();
    EXPECT_EQ(offered(*window, services), choosing);
}

} // namespace

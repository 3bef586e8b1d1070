// Word Help writes the selected clue's answer into the grid, a limited number of times per
// puzzle; the Word Help Option panel sets that limit. "&View Puzzle Words" gives the puzzle up.
#include "CrosswordWindow.h"

#include "EntryCells.h"
#include "ListBox.h"
#include "Panel3D.h"
#include "QueuedKeystroke.h"
#include "WordHelpCount.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

constexpr const char* kOptionCaption = "&Word Help Op";

} // namespace

bool CrosswordWindow::puzzleDrawn() const {
    const auto* marker = std::get_if<QString>(&program_.PrintSettings.PrintFontColour);
    return marker != nullptr && *marker == "S";
}

void CrosswordWindow::ToggleWordHelpOptionCheck() {
    wordHelpOptionAction->setChecked(!wordHelpOptionAction->isChecked());
}

void CrosswordWindow::GiveWordHelp() {
    if (wordHelpButton->text() == kOptionCaption) {
        ToggleWordHelpOptionCheck();
        ClearTabStops();
        for (QAction* item : {nextAction, startAction, nextPuzzleAction, usePuzzleAction}) {
            item->setEnabled(false);
        }
        openWordHelpOption();
        showStatus(kCaption);
        return;
    }
    if (WordHelpsLeft < 1) {
        services_.dialogs.message(
            {"Sorry!  All of your Word Helps\rhave been used for this puzzle!", "Word Help",
             Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
        clueList(FocusList == 1 ? 1 : 2)->setFocus(Qt::OtherFocusReason);
        wordHelpButton->setEnabled(false);
        wordHelpAction->setEnabled(false);
        return;
    }
    showStatus("Word Help");
    const Dialogs::Answer answer =
        services_.dialogs.message({WordHelpCount::question(WordHelpsLeft), "Word Help",
                                   Dialogs::Icon::Critical, Dialogs::Buttons::YesNoDefaultNo});
    if (answer != Dialogs::Answer::Yes) {
        if (FocusList == 1) {
            acrossList->setFocus(Qt::OtherFocusReason);
        } else {
            downList->setFocus(Qt::OtherFocusReason);
            queueKeystroke(*this, Qt::Key_Down);
        }
        showStatus(kCaption);
        return;
    }
    --WordHelpsLeft;
    EntryText = entryAnswer(Clues, SelectedDirection == 1 ? 1 : 2, SelectedClue).toUpper();
    setEntryCaption(EntryText);
    WriteEntryToGrid();
    if (SelectedDirection == 2) {
        queueKeystroke(*this, Qt::Key_Down);
    }
    showStatus(kCaption);
}

void CrosswordWindow::openWordHelpOption() {
    for (QPushButton* command : {wordHelpOkButton, increaseButton, decreaseButton}) {
        setInTabOrder(command, true);
    }
    setCheckOffered(false);
    wordHelpOptionPanel->show();
    wordHelpOkButton->setFocus(Qt::OtherFocusReason);
}

void CrosswordWindow::ToggleWordHelpOption() {
    if (!wordHelpOptionPanel->isHidden()) {
        CloseWordHelpOption();
        return;
    }
    ToggleWordHelpOptionCheck();
    ClearTabStops();
    for (QAction* item :
         {levelMenu->menuAction(), nextAction, startAction, nextPuzzleAction, usePuzzleAction}) {
        item->setEnabled(false);
    }
    openWordHelpOption();
}

void CrosswordWindow::IncreaseWordHelpLimit() {
    WordHelpLimit = WordHelpCount::increased(WordHelpLimit);
    WordHelpsLeft = WordHelpLimit;
    wordHelpLimitPanel->setCaption(QString::number(WordHelpLimit));
}

void CrosswordWindow::DecreaseWordHelpLimit() {
    WordHelpLimit = WordHelpCount::decreased(WordHelpLimit);
    WordHelpsLeft = WordHelpLimit;
    wordHelpLimitPanel->setCaption(QString::number(WordHelpLimit));
}

void CrosswordWindow::CloseWordHelpOption() {
    ToggleWordHelpOptionCheck();
    SetMainTabStops();
    if (!puzzleDrawn()) {
        for (QAction* item : {startAction, nextAction, levelMenu->menuAction()}) {
            item->setEnabled(true);
        }
        // The level is chosen only while no puzzle is drawn.
        subjectFrame->setEnabled(true);
        levelFrame->setEnabled(true);
    } else {
        nextPuzzleAction->setEnabled(true);
        usePuzzleAction->setEnabled(true);
    }
    setInTabOrder(usePuzzleButton, true);
    setInTabOrder(nextPuzzleButton, true);
    wordHelpOptionPanel->hide();
    if (!choicePanel->isHidden()) {
        usePuzzleButton->setFocus(Qt::OtherFocusReason);
    } else {
        wordHelpButton->setFocus(Qt::OtherFocusReason);
    }
}

void CrosswordWindow::ViewPuzzleWords() {
    CheckWords();
    const int rememberedList = FocusList;
    if (WrongWords == 0 && BlankWords == 0) {
        return; // the check has ended the puzzle
    }
    FocusList = 3;
    program_.PlayIncorrectSound();
    const Dialogs::Answer answer = services_.dialogs.message(
        {"Are you giving up and\rdo you really want to see\rall of the puzzle words?",
         "View Puzzle Words", Dialogs::Icon::Critical, Dialogs::Buttons::YesNoDefaultNo});
    program_.SignalValue = double(answer);
    if (answer != Dialogs::Answer::Yes) {
        // Word help and the writing of words act on the list used last, not as in a reveal.
        FocusList = rememberedList;
        clueList(rememberedList == 1 ? 1 : 2)->setFocus(Qt::OtherFocusReason);
        return;
    }
    program_.BusyPointer();
    program_.PrintSettings.PrintFontColour = QString();
    EntryLock = 2;
    RevealInProgress = 98;
    entryBox->hide();
    clueLine->hide();
    // Every answer is written white with blue letters, without moving on from clue to clue.
    for (int direction : {1, 2}) {
        SelectedDirection = direction;
        for (SelectedClue = 1; !entryAnswer(Clues, direction, SelectedClue).isEmpty();
             ++SelectedClue) {
            EntryText = entryAnswer(Clues, direction, SelectedClue).toUpper();
            setEntryCaption(EntryText);
            WriteEntryToGrid();
        }
    }
    entryBox->show();
    setEntryCaption(QString());
    entryBox->hide();
    QCoreApplication::processEvents();
    ResetAfterPuzzle();
    for (Panel3D* result : {correctResult, wrongResult, blankResult}) {
        result->hide();
    }
    RevealInProgress = 0;
    SelectedClue = 0;
    SelectedDirection = 0;
    program_.NormalPointer();
}

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
    mOW->setChecked(!mOW->isChecked());
}

void CrosswordWindow::Command4_Click() {
    if (Command4->text() == kOptionCaption) {
        ToggleWordHelpOptionCheck();
        ClearTabStops();
        for (QAction* item : {mON, mOS, mONew, mOUse}) {
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
        Command4->setEnabled(false);
        mOWH->setEnabled(false);
        return;
    }
    showStatus("Word Help");
    const Dialogs::Answer answer =
        services_.dialogs.message({WordHelpCount::question(WordHelpsLeft), "Word Help",
                                   Dialogs::Icon::Critical, Dialogs::Buttons::YesNoDefaultNo});
    if (answer != Dialogs::Answer::Yes) {
        if (FocusList == 1) {
            List1->setFocus(Qt::OtherFocusReason);
        } else {
            List2->setFocus(Qt::OtherFocusReason);
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
    for (QPushButton* command : {Command7, Command8, Command9}) {
        setInTabOrder(command, true);
    }
    setCheckOffered(false);
    Panel3D23->show();
    Command7->setFocus(Qt::OtherFocusReason);
}

void CrosswordWindow::Command10_Click() {
    if (!Panel3D23->isHidden()) {
        Command7_Click();
        return;
    }
    ToggleWordHelpOptionCheck();
    ClearTabStops();
    for (QAction* item : {mOPl->menuAction(), mON, mOS, mONew, mOUse}) {
        item->setEnabled(false);
    }
    openWordHelpOption();
}

void CrosswordWindow::Command8_Click() {
    WordHelpLimit = WordHelpCount::increased(WordHelpLimit);
    WordHelpsLeft = WordHelpLimit;
    Panel3D24->setCaption(QString::number(WordHelpLimit));
}

void CrosswordWindow::Command9_Click() {
    WordHelpLimit = WordHelpCount::decreased(WordHelpLimit);
    WordHelpsLeft = WordHelpLimit;
    Panel3D24->setCaption(QString::number(WordHelpLimit));
}

void CrosswordWindow::Command7_Click() {
    ToggleWordHelpOptionCheck();
    SetMainTabStops();
    if (!puzzleDrawn()) {
        for (QAction* item : {mOS, mON, mOPl->menuAction()}) {
            item->setEnabled(true);
        }
        // The level is chosen only while no puzzle is drawn.
        Frame3D1->setEnabled(true);
        Frame1->setEnabled(true);
    } else {
        mONew->setEnabled(true);
        mOUse->setEnabled(true);
    }
    setInTabOrder(Command5, true);
    setInTabOrder(Command6, true);
    Panel3D23->hide();
    if (!Panel3D16->isHidden()) {
        Command5->setFocus(Qt::OtherFocusReason);
    } else {
        Command4->setFocus(Qt::OtherFocusReason);
    }
}

void CrosswordWindow::mOEnd_Click() {
    Command3_Click();
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
    Command3D1->hide();
    Label9->hide();
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
    Command3D1->show();
    setEntryCaption(QString());
    Command3D1->hide();
    QCoreApplication::processEvents();
    ResetAfterPuzzle();
    for (Panel3D* result : {Panel3D19, Panel3D20, Panel3D21}) {
        result->hide();
    }
    RevealInProgress = 0;
    SelectedClue = 0;
    SelectedDirection = 0;
    program_.NormalPointer();
}

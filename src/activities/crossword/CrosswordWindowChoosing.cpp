// Choosing a puzzle: "&Start" draws one of the level and offers it on the several-puzzles panel,
// "&Next Puzzle" draws another, "&Use Puzzle" puts the one shown in play.
#include "CrosswordWindow.h"
#include "DrawWithoutRepeats.h"

#include "ListBox.h"
#include "Panel3D.h"
#include "PuzzleDraw.h"
#include "PuzzleTable.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

constexpr const char* kDrawnKind = "Puzzles for this Subject and Level";

} // namespace

void CrosswordWindow::StartNewPuzzle() {
    showStatus(kCaption);
    program_.PrintSettings.PrintFontColour = QString("S");
    levelMenu->menuAction()->setEnabled(false);
    nextPuzzleAction->setEnabled(true);
    usePuzzleAction->setEnabled(true);
    for (ListBox* list : {acrossList, downList}) {
        list->setEnabled(true);
        list->clear();
    }
    wordHelpButton->setEnabled(false);
    wordHelpAction->setEnabled(false);
    clueLine->hide();
    ShowPuzzleChoice();
    SelectedClue = 0;
    SelectedDirection = 0;
    HighlightDirection = 0;
    LoadNextPuzzle();
    PuzzleState = 1;
    FocusList = 0;
    startButton->setText("&Next");
    startAction->setVisible(false);
    nextAction->setVisible(true);
    startButton->setEnabled(false);
    nextAction->setEnabled(false);
    setCheckOffered(false);
    subjectFrame->setEnabled(false);
    levelFrame->setEnabled(false);
    informationPanel->setCaption("Information Panel");
    program_.SignalValue = 0;
    ShowResultPanels();
}

void CrosswordWindow::ShowPuzzleChoice() {
    choicePanel->show();
    usePuzzleButton->setFocus(Qt::OtherFocusReason);
}

void CrosswordWindow::LoadNextPuzzle() {
    program_.BusyPointer();
    PuzzleSubject = 1;
    acrossList->clear();
    downList->clear();
    Clues.erase();
    services_.random.Randomize();
    ClearCells();
    const bool level2 = PuzzleLevel == 1;
    PuzzleNo =
        drawWithoutRepeats(level2 ? PuzzleUsedLevel2 : PuzzleUsedLevel1,
                           level2 ? PuzzlesShownLevel2 : PuzzlesShownLevel1, kPuzzlesPerLevel,
                           services_.random, [this] { program_.AllDisplayedMessage(kDrawnKind); });
    loadPuzzle(PuzzleLevel, PuzzleNo, Clues);

    // List item k is entry k + 1 of its arrays; element 0 of the Down arrays holds the pattern.
    int i = 0;
    while (i <= ClueArrays::kDownLast && Clues.DownNum[std::size_t(i)] != kListEnd) {
        if (i >= 1) {
            downList->addItem(Clues.DownNum[std::size_t(i)] + " - " +
                              Clues.DownClue[std::size_t(i)]);
        }
        ++i;
    }
    DownEnd = i;
    GridPattern = Clues.DownNum[0];
    int j = 0;
    while (j < ClueArrays::kAcrossLast && Clues.AcrossNum[std::size_t(j)] != kListEnd &&
           Clues.AcrossNum[std::size_t(j + 1)] != kListEnd) {
        ++j;
        acrossList->addItem(Clues.AcrossNum[std::size_t(j)] + " - " +
                            Clues.AcrossClue[std::size_t(j)]);
    }
    AcrossEnd = j + 1;
    PuzzleWordCount = DownEnd + AcrossEnd - 2;
    NumberCells();
    program_.NormalPointer();
}

void CrosswordWindow::UsePuzzle() {
    setRevealOffered(true);
    nextPuzzleAction->setEnabled(false);
    usePuzzleAction->setEnabled(false);
    nextAction->setEnabled(false);
    wordHelpOptionAction->setVisible(false);
    wordHelpAction->setVisible(true);
    wordHelpButton->setText("&Word Help");
    if (WordHelpLimit > 0) {
        WordHelpsLeft = WordHelpLimit;
        wordHelpButton->setEnabled(true);
        wordHelpAction->setEnabled(true);
    }
    choicePanel->hide();
    setCheckOffered(true);
    informationPanel->setCaption("Start");
    EntryLock = 0;
    clueLine->show();
    for (QWidget* control :
         std::initializer_list<QWidget*>{exitButton, checkButton, acrossList, downList}) {
        setInTabOrder(control, true);
    }
    // The Across list's focus recognises a fresh puzzle by this value and selects its first clue.
    DownListIndex = kFreshPuzzle;
    acrossList->setFocus(Qt::OtherFocusReason);
}

void CrosswordWindow::DrawAnotherPuzzle() {
    LoadNextPuzzle();
    program_.NormalPointer();
}

void CrosswordWindow::ResetPuzzleState() {
    const int subject = PuzzleSubject;
    static_cast<CrosswordVariables&>(*this) = CrosswordVariables{};
    PuzzleSubject = subject;
    program_.SignalValue = 0;
    program_.SharedState = 0;
}

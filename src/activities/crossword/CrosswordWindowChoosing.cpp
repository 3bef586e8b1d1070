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

void CrosswordWindow::Command1_Click() {
    showStatus(kCaption);
    program_.PrintSettings.PrintFontColour = QString("S");
    mOPl->menuAction()->setEnabled(false);
    mONew->setEnabled(true);
    mOUse->setEnabled(true);
    for (ListBox* list : {List1, List2}) {
        list->setEnabled(true);
        list->clear();
    }
    Command4->setEnabled(false);
    mOWH->setEnabled(false);
    Label9->hide();
    ShowPuzzleChoice();
    SelectedClue = 0;
    SelectedDirection = 0;
    HighlightDirection = 0;
    LoadNextPuzzle();
    PuzzleState = 1;
    FocusList = 0;
    Command1->setText("&Next");
    mOS->setVisible(false);
    mON->setVisible(true);
    Command1->setEnabled(false);
    mON->setEnabled(false);
    setCheckOffered(false);
    Frame3D1->setEnabled(false);
    Frame1->setEnabled(false);
    Panel3D12->setCaption("Information Panel");
    program_.SignalValue = 0;
    ShowResultPanels();
}

void CrosswordWindow::ShowPuzzleChoice() {
    Panel3D16->show();
    Command5->setFocus(Qt::OtherFocusReason);
}

void CrosswordWindow::LoadNextPuzzle() {
    program_.BusyPointer();
    PuzzleSubject = 1;
    List1->clear();
    List2->clear();
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
            List2->addItem(Clues.DownNum[std::size_t(i)] + " - " + Clues.DownClue[std::size_t(i)]);
        }
        ++i;
    }
    DownEnd = i;
    GridPattern = Clues.DownNum[0];
    int j = 0;
    while (j < ClueArrays::kAcrossLast && Clues.AcrossNum[std::size_t(j)] != kListEnd &&
           Clues.AcrossNum[std::size_t(j + 1)] != kListEnd) {
        ++j;
        List1->addItem(Clues.AcrossNum[std::size_t(j)] + " - " + Clues.AcrossClue[std::size_t(j)]);
    }
    AcrossEnd = j + 1;
    PuzzleWordCount = DownEnd + AcrossEnd - 2;
    NumberCells();
    program_.NormalPointer();
}

void CrosswordWindow::Command5_Click() {
    setRevealOffered(true);
    mONew->setEnabled(false);
    mOUse->setEnabled(false);
    mON->setEnabled(false);
    mOW->setVisible(false);
    mOWH->setVisible(true);
    Command4->setText("&Word Help");
    if (WordHelpLimit > 0) {
        WordHelpsLeft = WordHelpLimit;
        Command4->setEnabled(true);
        mOWH->setEnabled(true);
    }
    Panel3D16->hide();
    setCheckOffered(true);
    Panel3D12->setCaption("Start");
    EntryLock = 0;
    Label9->show();
    for (QWidget* control : std::initializer_list<QWidget*>{Command2, Command3, List1, List2}) {
        setInTabOrder(control, true);
    }
    // The Across list's focus recognises a fresh puzzle by this value and selects its first clue.
    DownListIndex = kFreshPuzzle;
    List1->setFocus(Qt::OtherFocusReason);
}

void CrosswordWindow::Command6_Click() {
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

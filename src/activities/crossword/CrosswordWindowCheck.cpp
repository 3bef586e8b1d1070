// "&Check": every word is judged Blank, Wrong or Correct; three gauges rise word by word, the
// cells are coloured by their words' classes, a sound plays and the counts stay on screen. A grid
// with every word right ends the puzzle.
#include "CrosswordWindow.h"

#include "ColorNumber.h"
#include "GuardedStretch.h"
#include "ListBox.h"
#include "Panel3D.h"
#include "PuzzleCheck.h"
#include "QueuedKeystroke.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <span>

namespace {

QColor colour(int code) {
    return ColorNumber::palette(code);
}

} // namespace

void CrosswordWindow::ShowResultPanels() {
    const bool show = program_.SignalValue != 0;
    for (Panel3D* result : {correctResult, wrongResult, blankResult}) {
        result->setVisible(show);
    }
}

void CrosswordWindow::HideResultsIfShown() {
    if (PuzzleState == 9) {
        program_.SignalValue = 0;
        ShowResultPanels();
        PuzzleState = 1;
    }
}

void CrosswordWindow::showResultCaption(Panel3D* panel, const QString& caption) {
    panel->setCaption(QString());
    panel->show();
    panel->setCaption(caption);
    // The counts are read during the pause that follows, while no event is handled.
    panel->repaint();
}

void CrosswordWindow::CheckWords() {
    checkStretch_->run([this] {
        SavedPanelTextSize = informationPanel->font().pointSizeF();
        if (PuzzleState != 0) {
            checkPuzzle();
        }
        showStatus(kCaption);
    });
}

void CrosswordWindow::checkPuzzle() {
    showStatus("Checking Puzzle");
    program_.BusyPointer();
    program_.SignalValue = 0;
    ShowResultPanels();
    QFont panelFont = informationPanel->font();
    panelFont.setPointSizeF(program_.ScreenMode == 0 ? 14 : 11);
    informationPanel->setFont(panelFont);
    informationPanel->setForeColour(colour(0));
    informationPanel->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    informationPanel->setCaption("Correct Wrong Blank");
    for (Panel3D* gauge : resultGauges) {
        gauge->show();
        gauge->setFloodPercent(0);
    }
    clearCheckMarking();
    AcrossBlankMarks.fill(0);
    DownBlankMarks.fill(0);
    CorrectWords = 0;
    WrongWords = 0;
    BlankWords = 0;
    LastBlankPercent = 0;
    informationPanel->repaint();

    const std::vector<JudgedWord> words =
        judgeWords(Clues, GridColumns, GridLastCell,
                   [this](int cell) { return cellLetters[std::size_t(cell)]->text(); });
    for (const JudgedWord& word : words) {
        markBlankWord(word);
    }
    for (const JudgedWord& word : words) {
        if (word.judged != WordClass::Blank) {
            judgeFilledWord(word);
        }
    }

    if (WrongWords > 0) {
        program_.PlayIncorrectSound();
    }
    if (WrongWords == 0 && BlankWords == 0) {
        program_.PauseOneSecond();
    } else {
        program_.PauseTwoSeconds();
    }
    for (Panel3D* gauge : resultGauges) {
        gauge->hide();
    }
    if (program_.ScreenMode == 9) {
        panelFont.setPointSizeF(SavedPanelTextSize);
        informationPanel->setFont(panelFont);
    }
    informationPanel->setForeColour(colour(1));
    informationPanel->setAlignment(Qt::AlignCenter);
    informationPanel->setCaption(QString());
    QCoreApplication::processEvents();
    showResultCaption(correctResult, "Correct = " + QString::number(CorrectWords));
    if (WrongWords > 0 || BlankWords > 0) {
        showCheckErrors();
    } else {
        showPuzzleSolved();
    }
}

void CrosswordWindow::clearCheckMarking() {
    // Also takes the highlight off the selected word.
    for (int cell = 0; cell <= GridLastCell && cell < kCells; ++cell) {
        if (cellColour(cell) != ColorNumber::toColor(kBlockedColour)) {
            paintCell(cell, colour(15));
        }
        if (!cellLetters[std::size_t(cell)]->text().isEmpty()) {
            setLetterColour(cell, colour(1));
        }
    }
}

void CrosswordWindow::markBlankWord(const JudgedWord& word) {
    if (word.judged == WordClass::Blank) {
        ++BlankWords;
        const std::span<int> marks =
            word.direction == 1 ? std::span<int>(AcrossBlankMarks) : std::span<int>(DownBlankMarks);
        if (word.entry < int(marks.size())) {
            marks[std::size_t(word.entry)] = 1;
        }
        // Empty cells turn light magenta; the letters of the word's filled cells too.
        for (int cell : word.cells) {
            if (cellLetters[std::size_t(cell)]->text().isEmpty()) {
                paintCell(cell, colour(13));
            } else {
                setLetterColour(cell, colour(13));
            }
        }
    }
    if (PuzzleWordCount > 0) {
        const int percent = checkPercent(BlankWords, PuzzleWordCount);
        if (percent != LastBlankPercent) {
            resultGauges[2]->setFloodPercent(percent);
            resultGauges[2]->repaint();
            LastBlankPercent = percent;
        }
    }
}

void CrosswordWindow::judgeFilledWord(const JudgedWord& word) {
    if (word.judged == WordClass::Correct) {
        ++CorrectWords;
        if (PuzzleWordCount > 0) {
            const int percent = checkPercent(CorrectWords, PuzzleWordCount);
            program_.SignalValue = percent;
            // Above half the bar reaches the middle, where the percentage stands.
            resultGauges[0]->setForeColour(percent > 50 ? colour(15) : colour(0));
            resultGauges[0]->setFloodPercent(percent);
            resultGauges[0]->repaint();
        }
        // A letter that a wrong crossing word marked stays marked.
        for (int cell : word.cells) {
            if (letterColour(cell) != colour(12)) {
                setLetterColour(cell, colour(1));
            }
        }
        return;
    }
    ++WrongWords;
    if (PuzzleWordCount > 0) {
        resultGauges[1]->setFloodPercent(checkPercent(WrongWords, PuzzleWordCount));
        resultGauges[1]->repaint();
    }
    for (int cell : word.cells) {
        setLetterColour(cell, colour(12));
    }
}

void CrosswordWindow::showCheckErrors() {
    wrongResult->setForeColour(colour(12));
    blankResult->setForeColour(colour(13));
    showResultCaption(wrongResult, "Wrong = " + QString::number(WrongWords));
    showResultCaption(blankResult, "Blank = " + QString::number(BlankWords));
    program_.PauseTwoSeconds();
    program_.NormalPointer();
    EntryText.clear();
    EntryLength = 0;
    // The remembered clue is selected again before the results are marked as showing: selecting
    // a clue hides results that show, and these are to stay until the person's next pick or key.
    if (SelectedDirection != 0) {
        HighlightEntry();
        if (SelectedDirection == 2) {
            downList->setFocus(Qt::OtherFocusReason);
            queueKeystroke(*this, Qt::Key_Down);
            if (DownListIndex >= 0 && DownListIndex < 50) {
                downList->setListIndex(DownListIndex);
            }
        } else {
            acrossList->setFocus(Qt::OtherFocusReason);
            if (AcrossListIndex >= 0) {
                acrossList->setListIndex(AcrossListIndex);
            }
        }
    }
    program_.SignalValue = -1;
    ShowResultPanels();
    // The queued Down arrow is the program's own key, not the person's: the results are marked
    // as showing once it has moved the Down list's selection, so that they stay on screen.
    if (SelectedDirection == 2) {
        QTimer::singleShot(0, this, [this] { PuzzleState = 9; });
    } else {
        PuzzleState = 9;
    }
    program_.NormalPointer();
}

void CrosswordWindow::showPuzzleSolved() {
    clueLine->clear();
    const QColor blue = ColorNumber::toColor(ColorNumber::kBlue);
    wrongResult->setForeColour(blue);
    blankResult->setForeColour(blue);
    showResultCaption(wrongResult, "Puzzle Is Correct");
    showResultCaption(blankResult, "Very Well Done");
    program_.PrintSettings.PrintFontColour = QString();
    program_.PlayCorrectSound();
    // The face shows in the grid's place for a moment.
    smilingFacePanel->setCaption(QString(7, ' '));
    smilingFacePanel->show();
    gridPanels[0]->hide();
    QCoreApplication::processEvents();
    program_.PauseTwoSeconds();
    program_.PauseOneSecond();
    QCoreApplication::processEvents();
    gridPanels[0]->show();
    ResetAfterPuzzle();
    EntryLock = 1;
    for (Panel3D* panel : {correctResult, wrongResult, blankResult, smilingFacePanel}) {
        panel->hide();
    }
    QCoreApplication::processEvents();
    program_.NormalPointer();
    startButton->setFocus(Qt::OtherFocusReason);
}

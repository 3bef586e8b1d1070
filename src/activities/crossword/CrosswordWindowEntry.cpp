// Picking a clue (from a clue list or a numbered cell), typing its word into the entry box and
// writing the word into the grid, which moves on to the next clue.
#include "CrosswordWindow.h"

#include "Announcement.h"
#include "ColorNumber.h"
#include "EntryCells.h"
#include "ListBox.h"
#include "NumberedCellCycle.h"
#include "NumericValue.h"
#include "Panel3D.h"
#include "QueuedKeystroke.h"
#include "Twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

QString withoutLeadingBlanks(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == ' ') {
        ++start;
    }
    return text.mid(start);
}

} // namespace

void CrosswordWindow::setEntryCaption(const QString& word) {
    entryBox->setText(QString(word).replace('&', "&&"));
    // Named "Word entry", the box reads what was typed after its name.
    entryBox->setAccessibleDescription(word);
}

QString CrosswordWindow::entryCaption() const {
    return entryBox->text().replace("&&", "&");
}

ListBox* CrosswordWindow::clueList(int direction) const {
    return direction == 1 ? acrossList : downList;
}

void CrosswordWindow::ShowClue(int direction) {
    const bool across = direction == 1;
    ListBox* list = clueList(direction);
    if (PuzzleState == 9) {
        HideResultsIfShown();
    }
    entryBox->show();
    setEntryCaption(QString());
    if (!across) {
        EntryText.clear();
        EntryLength = 0;
    }
    const QString item = list->selectedText();
    if (numericValue(item) <= 0) {
        informationPanel->setCaption(QString());
        clueLine->clear();
        return;
    }
    QRect box = entryBox->geometry();
    box.setLeft(Twips::toPixels(6000));
    box.setWidth(Twips::toPixels(100));
    entryBox->setGeometry(box);
    informationPanel->setCaption(withoutLeadingBlanks(item).left(2) +
                                 (across ? " - Across" : " - Down"));
    if (across) {
        EntryText.clear();
        EntryLength = 0;
    }

    // The entry box stands right after the clue: the clue line ends in 30 blanks, and the box
    // starts 1770 twips before the end of the line's measured width.
    const qsizetype hyphen = item.indexOf('-');
    clueLine->setText(' ' + item.mid(hyphen + 2) + ':' + QString(30, ' '));
    clueLineMeasure->setText(clueLine->text());
    clueLineMeasure->resize(
        clueLineMeasure->fontMetrics().horizontalAdvance(clueLineMeasure->text()),
        clueLineMeasure->height());
    const int left = Twips::toPixels(Twips::fromPixels(clueLineMeasure->width()) + 100 - 1770);

    SelectedClue = list->ListIndex() + 1;
    const QString answer = entryAnswer(Clues, direction, SelectedClue);
    int width = int(withoutLeadingBlanks(answer).size()) * (across ? 190 : 200);
    if (width < 600) {
        width = 700;
    }
    if (program_.ScreenMode == 0) {
        width += 300;
    }
    entryBox->setGeometry(left, box.top(), Twips::toPixels(width), box.height());
    entryBox->show();

    // The clue is told with its number and length as it is selected, wherever the focus is.
    const qsizetype letters = withoutLeadingBlanks(answer).trimmed().size();
    Announcement::announce(*informationPanel,
                           QString("%1: %2, %3 letters")
                               .arg(informationPanel->shownText(), item.mid(hyphen + 2).trimmed())
                               .arg(letters));
    (across ? AcrossListIndex : DownListIndex) = SelectedClue - 1;
    SelectedAnswer = answer;
    SelectedDirection = direction;
    HighlightEntry();
    FocusList = direction;
}

void CrosswordWindow::ShowAcrossClueOnFocus() {
    FocusList = 1;
    downList->deselect(DownListIndex);
    if (EntryLock == 1) {
        NotStartedMessage();
        return;
    }
    ShowClue(1);
    // A puzzle just put in use starts at its first Across clue, with the entry box ready.
    if (DownListIndex == kFreshPuzzle) {
        acrossList->setListIndex(0);
        AcrossListIndex = 0;
        DownListIndex = 0;
        queueKeystroke(*this, Qt::Key_Return, "\r");
    }
    SelectedDirection = 1;
    // Out of the tab order, Tab typed in the Across list arrives as a key: on to the Down list.
    ClearTabStops();
    if (WordHelpsLeft > 0) {
        wordHelpButton->setEnabled(true);
        wordHelpAction->setEnabled(true);
    }
}

void CrosswordWindow::ShowDownClueOnFocus() {
    FocusList = 2;
    acrossList->deselect(AcrossListIndex);
    if (EntryLock == 1) {
        NotStartedMessage();
        return;
    }
    ShowClue(2);
    if (GoToFirstDownClue == 99) {
        GoToFirstDownClue = 0;
        downList->setListIndex(0);
    }
    SelectedDirection = 2;
    SetClueTabStops();
    if (WordHelpsLeft > 0) {
        wordHelpButton->setEnabled(true);
        wordHelpAction->setEnabled(true);
    }
}

void CrosswordWindow::TakeKeyFromClueList(int direction, int code) {
    if (direction == 1 && code == 9) {
        SetClueTabStops();
        GoToFirstDownClue = 99;
        downList->setFocus(Qt::TabFocusReason);
        return;
    }
    // Typing in a list types into the entry box.
    PendingKey = code;
    FocusEntryBox();
}

void CrosswordWindow::CellClick(int cell) {
    if (EntryLock == 1) {
        NotStartedMessage();
        return;
    }
    if (numericValue(cellPanels[std::size_t(cell)]->caption()) >= 1) {
        PickEntryAtCell(cell);
    }
}

void CrosswordWindow::PickEntryAtCell(int cell) {
    if (PuzzleState == 9) {
        HideResultsIfShown();
    }
    SelectedDirection = 0;
    entryBox->show();
    setEntryCaption(QString());
    EntryText.clear();
    EntryLength = 0;
    const int number = numericValue(cellPanels[std::size_t(cell)]->caption());
    const CellPick pick = pickNumberedCell(Clues, number, LastPickedNumber, CellPickState);
    if (pick.direction == 0) {
        return;
    }
    SelectedClue = pick.entry;
    SelectedDirection = pick.direction;
    SelectedAnswer = entryAnswer(Clues, pick.direction, pick.entry);
    ListBox* list = clueList(pick.direction);
    list->setListIndex(pick.entry - 1);
    HighlightEntry();
    list->setFocus(Qt::OtherFocusReason);
    program_.SignalValue = 0;
    PendingKey = 0;
}

void CrosswordWindow::FocusEntryBox() {
    if (!entryBox->isHidden()) {
        entryBox->setFocus(Qt::OtherFocusReason);
    }
}

void CrosswordWindow::TypePendingKey() {
    // A key typed in a clue list is typed here.
    if (PendingKey > 0) {
        TypeLetter(0);
    }
}

void CrosswordWindow::MoveThroughClues(const QKeyEvent& key) {
    ListBox* list = clueList(SelectedDirection);
    program_.SignalValue = list->ListIndex();
    const int position = int(program_.SignalValue);
    list->setFocus(Qt::OtherFocusReason);
    const int next = key.key() == Qt::Key_Down ? position + 1 : position - 1;
    if (next >= 0 && next < list->count()) {
        list->setListIndex(next);
    }
}

void CrosswordWindow::SubmitEntry() {
    if (!entryCaption().isEmpty()) {
        WriteEntryToGrid();
        return;
    }
    clueList(SelectedDirection)->setFocus(Qt::OtherFocusReason);
    EntryText.clear();
    EntryLength = 0;
}

void CrosswordWindow::TypeLetter(int k) {
    program_.SignalValue = clueList(SelectedDirection)->ListIndex();
    // Blanks, digits and punctuation typed here are ignored without a sound.
    if (k > 13 && k < 65) {
        return;
    }
    if (PuzzleState == 9) {
        HideResultsIfShown();
    }
    if (PendingKey > 0) {
        k = PendingKey;
    }
    // Enter typed in a list only brings the focus here.
    if (PendingKey != 13) {
        if (k == 8) {
            if (EntryLength > 0) {
                EntryText.chop(1);
                setEntryCaption(EntryText);
                EntryLength = int(EntryText.size());
            }
        } else if (EntryLength >= SelectedAnswer.size()) {
            if (k != 32) {
                services_.sound.beep();
            }
        } else {
            EntryText += QString(QChar(k)).toUpper();
            setEntryCaption(EntryText);
            EntryLength = int(EntryText.size());
        }
    }
    PendingKey = 0;
}

void CrosswordWindow::WriteEntryToGrid() {
    const QString word = entryCaption();
    const int direction = SelectedDirection == 1 ? 1 : 2;
    const EntrySpan span = entrySpan(Clues, direction, SelectedClue, GridColumns);
    EntryStartCell = span.start;
    EntryExtent = span.extent;
    const std::vector<int> cells =
        cellsFromExtent(direction, span.start, span.extent, GridColumns, GridLastCell);
    for (std::size_t n = 0; n < cells.size(); ++n) {
        const int cell = cells[n];
        setLetterColour(cell, ColorNumber::palette(1));
        cellLetters[std::size_t(cell)]->setText(word.mid(qsizetype(n), 1));
        if (FocusList == 3) {
            paintCell(cell, ColorNumber::palette(15));
        }
    }
    // On to the next clue: after the last Across clue the first Down clue, after the last Down
    // clue the first Across clue again.
    if (RevealInProgress != 98) {
        if (direction == 1) {
            if (acrossList->setListIndex(acrossList->ListIndex() + 1)) {
                acrossList->setFocus(Qt::OtherFocusReason);
            } else {
                GoToFirstDownClue = 99;
                downList->setFocus(Qt::OtherFocusReason);
            }
        } else if (downList->setListIndex(downList->ListIndex() + 1)) {
            downList->setFocus(Qt::OtherFocusReason);
        } else {
            acrossList->setListIndex(0);
            acrossList->setFocus(Qt::OtherFocusReason);
        }
    }
    EntryText.clear();
    EntryLength = 0;
    setEntryCaption(QString());
}

void CrosswordWindow::DeselectClues() {
    if (acrossList->count() >= 1) {
        acrossList->deselect(acrossList->ListIndex());
        downList->deselect(downList->ListIndex());
    }
}

// Word entry: the groupings, the entry boxes of a quote and the on-screen keyboard that types
// into them, by mouse or by the keys of the physical keyboard.
#include "QuotesWindow.h"

#include "OptionGroup.h"
#include "Panel3D.h"
#include "QuoteRules.h"
#include "Twips.h"
#include "WordBox.h"
#include "WordEntryRules.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace {

// Keys that only move about the window, or only modify another key.
bool movesOrModifies(int key) {
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
        return true;
    default:
        return false;
    }
}

} // namespace

void QuotesWindow::ChooseGrouping(int item) {
    const WordEntryRules::Grouping& grouping = WordEntryRules::groupings().at(std::size_t(item));
    ClearGroupingChecks();
    SetupWordEntry();
    groupingActions.at(std::size_t(item))->setChecked(true);
    state_.EntryGrouping = grouping.code;
    program_.PrintSettings.PrintFontColour = grouping.text;
    ShowWordEntryBanner(grouping.text);
}

void QuotesWindow::ClearGroupingChecks() {
    for (QAction* item : groupingActions) {
        item->setChecked(false);
    }
}

void QuotesWindow::SetupWordEntry() {
    upperAuthor->hide();
    lowerAuthor->hide();
    QCoreApplication::processEvents();
    ResetDisplayOptions();
    for (int option = 0; option < placeModeOptions->count(); ++option) {
        QRadioButton* button = placeModeOptions->button(option);
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    setPanelMode(QuoteRules::WordEntry);
    state_.PlaceMode = 0;
    EndAllDrags();
    ClearGroupingChecks();
    ApplyPanelMode();
    // Centred under the upper panel's container, its last row clear of the author label.
    keyboard->move(upperPanelHolder->width() / 2 - keyboard->width() / 2,
                   upperPanel->height() - keyboard->height() - Twips::toPixels(100));
    previousWordButton->setText(QString(" ") + "<" + "-- &Word");
    nextWordButton->setText(QString(" Wo&rd --") + ">");
    ShowStartMenu();
}

void QuotesWindow::ShowWordEntryBanner(const QString& grouping) {
    ShowResultPanels(false);
    modeBanner->setCaption("Word Entry Option" + QString(QChar(13)) + grouping);
    ShowModeBanner();
    if (OnePanelHeight > 0) {
        upperPanelHolder->resize(upperPanelHolder->width(), Twips::toPixels(OnePanelHeight));
        upperPanel->resize(upperPanel->width(), Twips::toPixels(OnePanelHeight - 145));
    }
}

void QuotesWindow::BuildEntryBoxes() {
    state_.BoxesPerRow = 5;
    state_.BoxWidth =
        int(std::nearbyint(Twips::fromPixelsRounded(upperPanel->width()) / 5.0 - 100));
    state_.EntryCount = 0;
    state_.EntryState.fill(0);
    for (int i = 0; i < state_.BoxCount; ++i) {
        const QString& correct = state_.CorrectText.at(std::size_t(i));
        const bool hidden = WordEntryRules::isHidden(correct, state_.EntryGrouping);
        upperBoxes.at(std::size_t(i))->setText(WordEntryRules::startCaption(correct, hidden));
        if (hidden) {
            state_.EntryState.at(std::size_t(i)) = 1;
            ++state_.EntryCount;
        }
    }
    moveCount->setCaption(QString::number(state_.EntryCount));
}

void QuotesWindow::ClearEntryHighlight() {
    for (int i = 0; i <= state_.BoxCount && i < QuoteState::kBoxes; ++i) {
        WordBox* box = upperBoxes.at(std::size_t(i));
        if (box->backCode() == WordBox::kCurrentBackCode) {
            box->setBackCode(15);
        }
    }
}

void QuotesWindow::FirstEntryBox() {
    if (startButton->text() == "&Next") {
        return;
    }
    ClearEntryHighlight();
    // A quote without an open entry box has nothing to highlight.
    const std::optional<int> first =
        WordEntryRules::nextOpen(state_.EntryState, state_.BoxCount, state_.BoxCount - 1, 1);
    if (first) {
        CurrentEntryBox = *first;
        markEntryBox(true);
    }
}

void QuotesWindow::moveToEntryBox(int step) {
    const std::optional<int> found =
        WordEntryRules::nextOpen(state_.EntryState, state_.BoxCount, CurrentEntryBox, step);
    if (!found) {
        return;
    }
    markEntryBox(false);
    CurrentEntryBox = *found;
    markEntryBox(true);
}

void QuotesWindow::markEntryBox(bool current) {
    WordBox* box = upperBoxes.at(std::size_t(CurrentEntryBox));
    box->setBackCode(current ? WordBox::kCurrentBackCode : 15);
    box->setCurrent(current);
}

void QuotesWindow::NextEntryBox() {
    moveToEntryBox(1);
}

void QuotesWindow::PreviousEntryBox() {
    moveToEntryBox(-1);
}

bool QuotesWindow::continuing() const {
    return checkButton->text() == "&Cont.";
}

bool QuotesWindow::entryBoxOpen() const {
    return CurrentEntryBox >= 0 && CurrentEntryBox < state_.BoxCount &&
           state_.EntryState.at(std::size_t(CurrentEntryBox)) > 0;
}

void QuotesWindow::focusFirstKey() {
    keyButtons[0]->setFocus(Qt::OtherFocusReason);
}

void QuotesWindow::TypeKey(int k) {
    if (SpaceKeyFlag == 99) {
        SpaceKeyFlag = 0;
        return;
    }
    if (continuing()) {
        DirectionsContinueMessage();
        return;
    }
    if (startButton->text() == "&Next" || !entryBoxOpen()) {
        return;
    }
    keyButtons.at(std::size_t(k))->setFocus(Qt::OtherFocusReason);
    WordBox* box = upperBoxes.at(std::size_t(CurrentEntryBox));
    const WordEntryRules::Typed typed =
        WordEntryRules::type(box->text(), WordEntryRules::keyCaption(k).at(0));
    if (WordEntryRules::colouredWhenTyped(typed.caption)) {
        box->setForeCode(1);
    }
    box->setText(typed.caption);
    if (typed.wordFilled) {
        NextEntryBox();
    }
}

// BackSpace, Clear Word and the word moves act on the quote in play only: after its end the boxes
// show the answers.
void QuotesWindow::BackSpaceInWord() {
    EditEntryWord(WordEntryRules::backSpace);
}

void QuotesWindow::ClearWord() {
    EditEntryWord(WordEntryRules::clearWord);
}

void QuotesWindow::EditEntryWord(QString (*edit)(const QString&)) {
    if (continuing()) {
        DirectionsContinueMessage();
        return;
    }
    if (startButton->text() == "&Next" || !entryBoxOpen()) {
        return;
    }
    WordBox* box = upperBoxes.at(std::size_t(CurrentEntryBox));
    box->setText(edit(box->text()));
    if (box->text().size() > 1) {
        focusFirstKey();
    }
}

void QuotesWindow::GoToPreviousWord() {
    if (continuing()) {
        DirectionsContinueMessage();
        return;
    }
    if (startButton->text() != "&Next") {
        PreviousEntryBox();
    }
    focusFirstKey();
}

void QuotesWindow::GoToNextWord() {
    if (continuing()) {
        DirectionsContinueMessage();
        return;
    }
    if (startButton->text() != "&Next") {
        NextEntryBox();
    }
    focusFirstKey();
}

bool QuotesWindow::TypePhysicalKey(const QKeyEvent& key) {
    const WordEntryRules::KeyAction action = WordEntryRules::mapKey(key.key(), key.modifiers());
    if (action.kind == WordEntryRules::KeyAction::Space) {
        // The key's own click on Space follows and types nothing.
        SpaceKeyFlag = 99;
        return false;
    }
    if (movesOrModifies(key.key())) {
        return false;
    }
    if (continuing()) {
        DirectionsContinueMessage();
        return true;
    }
    switch (action.kind) {
    case WordEntryRules::KeyAction::Type:
        TypeKey(action.keyIndex);
        return true;
    case WordEntryRules::KeyAction::BackSpace:
        BackSpaceInWord();
        return true;
    default:
        return true; // a key the keyboard does not have does nothing
    }
}

bool QuotesWindow::StartButtonKeyDown(const QKeyEvent& key) {
    const bool onlyAlt = (key.modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
    if (panelMode_ != QuoteRules::WordEntry || keyboard->isVisible() || !continuing() || onlyAlt ||
        movesOrModifies(key.key())) {
        return false;
    }
    DirectionsContinueMessage();
    return true;
}

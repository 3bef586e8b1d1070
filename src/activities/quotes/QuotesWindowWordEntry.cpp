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

int twipsOf(int pixels) {
    return int(std::lround(Twips::fromPixels(pixels)));
}

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

void QuotesWindow::mOOpt3A_Click(int item) {
    const WordEntryRules::Grouping& grouping = WordEntryRules::groupings().at(std::size_t(item));
    ClearGroupingChecks();
    SetupWordEntry();
    mOOpt3A.at(std::size_t(item))->setChecked(true);
    state_.EntryGrouping = grouping.code;
    program_.PrintSettings.PrintFontColour = grouping.text;
    ShowWordEntryBanner(grouping.text);
}

void QuotesWindow::ClearGroupingChecks() {
    for (QAction* item : mOOpt3A) {
        item->setChecked(false);
    }
}

void QuotesWindow::SetupWordEntry() {
    Label4->hide();
    Label5->hide();
    QCoreApplication::processEvents();
    ResetDisplayOptions();
    for (int option = 0; option < Option3D3->count(); ++option) {
        QRadioButton* button = Option3D3->button(option);
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
    Panel3D6->move(Panel3D19->width() / 2 - Panel3D6->width() / 2,
                   Panel3D1->height() - Panel3D6->height() - Twips::toPixels(100));
    Command16->setText(QString(" ") + "<" + "-- &Word");
    Command17->setText(QString(" Wo&rd --") + ">");
    ShowStartMenu();
}

void QuotesWindow::ShowWordEntryBanner(const QString& grouping) {
    ShowResultPanels(false);
    Panel3D23->setCaption("Word Entry Option" + QString(QChar(13)) + grouping);
    ShowModeBanner();
    if (OnePanelHeight > 0) {
        Panel3D19->resize(Panel3D19->width(), Twips::toPixels(OnePanelHeight));
        Panel3D1->resize(Panel3D1->width(), Twips::toPixels(OnePanelHeight - 145));
    }
}

void QuotesWindow::BuildEntryBoxes() {
    state_.BoxesPerRow = 5;
    state_.BoxWidth = int(std::nearbyint(twipsOf(Panel3D1->width()) / 5.0 - 100));
    state_.EntryCount = 0;
    state_.EntryState.fill(0);
    for (int i = 0; i < state_.BoxCount; ++i) {
        const QString& correct = state_.CorrectText.at(std::size_t(i));
        const bool hidden = WordEntryRules::isHidden(correct, state_.EntryGrouping);
        Label1.at(std::size_t(i))->setText(WordEntryRules::startCaption(correct, hidden));
        if (hidden) {
            state_.EntryState.at(std::size_t(i)) = 1;
            ++state_.EntryCount;
        }
    }
    Panel3D13->setCaption(QString::number(state_.EntryCount));
}

void QuotesWindow::ClearEntryHighlight() {
    for (int i = 0; i <= state_.BoxCount && i < QuoteState::kBoxes; ++i) {
        WordBox* box = Label1.at(std::size_t(i));
        if (box->backCode() == 11) {
            box->setBackCode(15);
        }
    }
}

void QuotesWindow::FirstEntryBox() {
    if (Command1->text() == "&Next") {
        return;
    }
    ClearEntryHighlight();
    // A quote without an open entry box has nothing to highlight.
    const std::optional<int> first =
        WordEntryRules::nextOpen(state_.EntryState, state_.BoxCount, state_.BoxCount - 1, 1);
    if (first) {
        CurrentEntryBox = *first;
        Label1.at(std::size_t(CurrentEntryBox))->setBackCode(11);
    }
}

void QuotesWindow::moveToEntryBox(int step) {
    const std::optional<int> found =
        WordEntryRules::nextOpen(state_.EntryState, state_.BoxCount, CurrentEntryBox, step);
    if (!found) {
        return;
    }
    Label1.at(std::size_t(CurrentEntryBox))->setBackCode(15);
    CurrentEntryBox = *found;
    Label1.at(std::size_t(CurrentEntryBox))->setBackCode(11);
}

void QuotesWindow::NextEntryBox() {
    moveToEntryBox(1);
}

void QuotesWindow::PreviousEntryBox() {
    moveToEntryBox(-1);
}

bool QuotesWindow::continuing() const {
    return Command3->text() == "&Cont.";
}

bool QuotesWindow::entryBoxOpen() const {
    return CurrentEntryBox >= 0 && CurrentEntryBox < state_.BoxCount &&
           state_.EntryState.at(std::size_t(CurrentEntryBox)) > 0;
}

void QuotesWindow::focusFirstKey() {
    Command13[0]->setFocus(Qt::OtherFocusReason);
}

void QuotesWindow::Command13_Click(int k) {
    if (SpaceKeyFlag == 99) {
        SpaceKeyFlag = 0;
        return;
    }
    if (continuing()) {
        DirectionsContinueMessage();
        return;
    }
    if (Command1->text() == "&Next" || !entryBoxOpen()) {
        return;
    }
    Command13.at(std::size_t(k))->setFocus(Qt::OtherFocusReason);
    WordBox* box = Label1.at(std::size_t(CurrentEntryBox));
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
void QuotesWindow::Command14_Click() {
    if (continuing()) {
        DirectionsContinueMessage();
        return;
    }
    if (Command1->text() == "&Next" || !entryBoxOpen()) {
        return;
    }
    WordBox* box = Label1.at(std::size_t(CurrentEntryBox));
    box->setText(WordEntryRules::backSpace(box->text()));
    if (box->text().size() > 1) {
        focusFirstKey();
    }
}

void QuotesWindow::Command15_Click() {
    if (continuing()) {
        DirectionsContinueMessage();
        return;
    }
    if (Command1->text() == "&Next" || !entryBoxOpen()) {
        return;
    }
    WordBox* box = Label1.at(std::size_t(CurrentEntryBox));
    box->setText(WordEntryRules::clearWord(box->text()));
    if (box->text().size() > 1) {
        focusFirstKey();
    }
}

void QuotesWindow::Command16_Click() {
    if (continuing()) {
        DirectionsContinueMessage();
        return;
    }
    if (Command1->text() != "&Next") {
        PreviousEntryBox();
    }
    focusFirstKey();
}

void QuotesWindow::Command17_Click() {
    if (continuing()) {
        DirectionsContinueMessage();
        return;
    }
    if (Command1->text() != "&Next") {
        NextEntryBox();
    }
    focusFirstKey();
}

bool QuotesWindow::Command13_KeyDown(const QKeyEvent& key) {
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
        Command13_Click(action.keyIndex);
        return true;
    case WordEntryRules::KeyAction::BackSpace:
        Command14_Click();
        return true;
    default:
        return true; // a key the keyboard does not have does nothing
    }
}

bool QuotesWindow::Command1_KeyDown(const QKeyEvent& key) {
    const bool onlyAlt = (key.modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
    if (panelMode_ != QuoteRules::WordEntry || Panel3D6->isVisible() || !continuing() || onlyAlt ||
        movesOrModifies(key.key())) {
        return false;
    }
    DirectionsContinueMessage();
    return true;
}

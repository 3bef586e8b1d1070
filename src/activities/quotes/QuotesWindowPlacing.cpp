// Placing words: Click mode (pick a text up into the selection panel, put it down in a box) and
// Drag mode (drag a box onto an upper box), the move count and the accuracy.
#include "QuotesWindow.h"

#include "ColorNumber.h"
#include "InWindowDrag.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "QuoteRules.h"
#include "Twips.h"
#include "WordBox.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>

namespace {

const QString kClickBanner = "Selected Word(s) Displayed Here";
const QString kDragBanner = QString("Drag And Drop") + QChar(13) + "Mode Is Activated";

} // namespace

void QuotesWindow::HideModeBanner() {
    if (modeBanner->isVisible()) {
        modeBanner->hide();
    }
}

void QuotesWindow::ShowModeBanner() {
    modeBanner->show();
    modeBanner->raise();
}

void QuotesWindow::ShowAccuracyFlood(int percent) {
    if (panelMode_ == QuoteRules::TwoPanels) {
        accuracyGauge->setFloodPercent(percent);
    }
}

bool QuotesWindow::timeIsUp() const {
    return state_.CountDown == 1 && state_.TimerMinutes == 0 && state_.TimerSeconds == 0;
}

void QuotesWindow::leaveContinueState() {
    HideModeBanner();
    if (state_.CheckPending == 1) {
        state_.CheckPending = 0;
        selectionPanel->setCaption(SavedSelectionText);
    }
}

bool QuotesWindow::quoteIsOver() const {
    return !state_.ResultText.isEmpty() || state_.AnswersShown == 1 || state_.QuoteOver == 9;
}

void QuotesWindow::colourByContent(WordBox* box) {
    box->setBackCode(box->text().isEmpty() ? 11 : 15);
}

// The tests every click on a box passes; false when the click is to move nothing. An upper box
// answers the continue state before the end of the quote, a lower box the other way round.
bool QuotesWindow::clickGuards(WordBox* box, bool upper) {
    if (upper && state_.PlaceMode == 1) {
        return false;
    }
    const bool continuing = checkButton->text() == "&Cont.";
    if (continuing && (upper || !quoteIsOver())) {
        DirectionsContinueMessage();
        colourByContent(box);
        return false;
    }
    if (quoteIsOver()) {
        DirectionsNextMessage();
        return false;
    }
    leaveContinueState();
    if (timeIsUp()) {
        colourByContent(box);
        return false;
    }
    return true;
}

void QuotesWindow::takeIntoHand(const QString& boxText) {
    QFont font = selectionPanel->font();
    font.setPointSize(boxText.size() > 15 ? 14 : 18);
    selectionPanel->setFont(font);
    selectionPanel->setForeColour(ColorNumber::palette(0));
}

void QuotesWindow::ClickUpperBox(int k) {
    if (k >= QuoteState::kBoxes || k >= state_.BoxCount ||
        !clickGuards(upperBoxes.at(std::size_t(k)), true)) {
        return;
    }
    if (panelMode_ == QuoteRules::WordEntry) {
        // A click picks an entry box for the keyboard; a given word cannot be picked.
        if (state_.EntryState.at(std::size_t(k)) > 0) {
            CurrentEntryBox = k;
            ClearEntryHighlight();
            markEntryBox(true);
        }
        return;
    }
    WordBox* box = upperBoxes.at(std::size_t(k));
    box->setForeCode(0);
    const QString hand = selectionPanel->caption();
    takeIntoHand(box->text());
    selectionPanel->setCaption(box->text());
    box->setText(hand);
    if (panelMode_ == QuoteRules::TwoPanels ? !selectionPanel->caption().isEmpty()
                                            : !box->text().isEmpty()) {
        CountMove(k);
    }
    colourByContent(box);
}

void QuotesWindow::ClickLowerBox(int k) {
    if (k >= QuoteState::kBoxes || k >= state_.BoxCount ||
        !clickGuards(lowerBoxes.at(std::size_t(k)), false)) {
        return;
    }
    WordBox* box = lowerBoxes.at(std::size_t(k));
    const QString hand = selectionPanel->caption();
    takeIntoHand(box->text());
    selectionPanel->setCaption(box->text());
    box->setText(hand);
    if (box->text().isEmpty()) {
        box->hide();
    }
    if (panelMode_ == QuoteRules::TwoPanels && state_.PlaceMode == 0) {
        CountMove(k);
    }
    colourByContent(box);
}

bool QuotesWindow::holdForDrag(int source, int k) {
    WordBox* box = (source == 1 ? upperBoxes : lowerBoxes).at(std::size_t(k));
    if (state_.PlaceMode != 1) {
        return false; // in Click mode the click that follows answers the continue state
    }
    if (checkButton->text() == "&Cont.") {
        DirectionsContinueMessage();
        return false;
    }
    // A drag moves texts only while a quote is in play and time is left: the click's guards. An
    // empty upper box holds nothing to drag.
    if (quoteIsOver() || timeIsUp() || (source == 1 && box->backCode() == 11)) {
        return false;
    }
    if (source == 1) {
        ClearUpperDragHighlight();
    }
    ClearLowerDragHighlight();
    box->setBackCode(10);
    DragSource = source;
    DragIndex = k;
    return true;
}

void QuotesWindow::PressUpperBox(int k, Qt::MouseButton button) {
    if (k >= QuoteState::kBoxes || !holdForDrag(1, k)) {
        return;
    }
    drag_->begin(upperBoxes.at(std::size_t(k)));
    if (button == Qt::RightButton) {
        optionsMenu->popup(QCursor::pos());
    }
}

void QuotesWindow::PressLowerBox(int k, Qt::MouseButton button) {
    if (k >= QuoteState::kBoxes || !holdForDrag(2, k)) {
        return;
    }
    drag_->begin(lowerBoxes.at(std::size_t(k)));
    if (button == Qt::RightButton) {
        optionsMenu->popup(QCursor::pos());
    }
}

void QuotesWindow::KeyUpperBox(int k) {
    if (k >= QuoteState::kBoxes) {
        return;
    }
    if (state_.PlaceMode == 0) {
        ClickUpperBox(k);
        return;
    }
    const bool mayMove = !quoteIsOver() && !timeIsUp() && checkButton->text() != "&Cont.";
    if (DragSource != 0 && mayMove) {
        UpperButtonHeld = 0; // no mouse button takes part
        DropOnUpperBox(k);
        return;
    }
    // A box held when the quote ended moves nothing: the key is a new press.
    ClearUpperDragHighlight();
    ClearLowerDragHighlight();
    DragSource = 0;
    holdForDrag(1, k);
}

void QuotesWindow::KeyLowerBox(int k) {
    if (k >= QuoteState::kBoxes) {
        return;
    }
    if (state_.PlaceMode == 0) {
        ClickLowerBox(k);
        return;
    }
    if (DragSource != 0) {
        // Put down in the lower panel, as a drop there: nothing moves.
        ClearUpperDragHighlight();
        ClearLowerDragHighlight();
        DragSource = 0;
        return;
    }
    holdForDrag(2, k);
}

void QuotesWindow::setBoxesKeyboardPlay(bool played) {
    for (int i = 0; i < QuoteState::kBoxes; ++i) {
        upperBoxes.at(std::size_t(i))->setKeyboardPlay(played);
        lowerBoxes.at(std::size_t(i))->setKeyboardPlay(played);
    }
}

void QuotesWindow::DropOnUpperBox(int t) {
    if (t >= QuoteState::kBoxes || DragSource == 0) {
        ClearUpperDragHighlight();
        ClearLowerDragHighlight();
        return;
    }
    const int s = DragIndex;
    WordBox* target = upperBoxes.at(std::size_t(t));
    WordBox* source =
        DragSource == 1 ? upperBoxes.at(std::size_t(s)) : lowerBoxes.at(std::size_t(s));
    if (source->text() == target->text()) {
        ClearUpperDragHighlight();
        ClearLowerDragHighlight();
        DragSource = 0;
        EndAllDrags();
        return;
    }
    if (UpperButtonHeld == 1) {
        return;
    }
    if (DragSource == 1) {
        source->setBackCode(15);
        const bool wrong = source->text() != state_.CorrectText.at(std::size_t(t));
        if (wrong) {
            // An error in one panel; two panels turn it into the percentage at once below.
            state_.Accuracy += 1;
            if (panelMode_ != QuoteRules::TwoPanels) {
                accuracyGauge->setCaption(QString::number(state_.Accuracy));
            }
        }
        const QString moving = source->text();
        source->setText(target->text());
        target->setText(moving);
        source->setForeCode(0);
        target->setForeCode(0);
        target->setBackCode(15);
        if (source->text().isEmpty()) {
            source->setBackCode(11);
        }
        CountMove(t);
        if (panelMode_ == QuoteRules::OnePanel && wrong) {
            target->blink(Twips::toPixels(-15));
            if (ErrorsHidden == 0) {
                target->setForeCode(12);
                program_.PlayIncorrectSound();
            }
        }
    } else {
        source->setBackCode(15);
        const QString held = target->text();
        target->setText(source->text());
        target->setForeCode(0);
        target->setBackCode(15);
        source->setText(held);
        if (held.isEmpty()) {
            source->hide();
        }
        CountMove(t);
    }
    DragSource = 0;
    EndAllDrags();
}

void QuotesWindow::CountMove(int box) {
    state_.MoveCount += 1;
    moveCount->setCaption(QString::number(state_.MoveCount));
    if (panelMode_ == QuoteRules::TwoPanels) {
        state_.Accuracy = QuoteRules::twoPanelAccuracy(state_.BoxCount, state_.MoveCount);
        accuracyGauge->setFloodPercent(state_.Accuracy);
    } else if (panelMode_ == QuoteRules::OnePanel && state_.PlaceMode == 0) {
        WordBox* placed = upperBoxes.at(std::size_t(box));
        if (placed->text() != state_.CorrectText.at(std::size_t(box))) {
            placed->setForeCode(12);
            placed->blink(Twips::toPixels(15));
            state_.Accuracy += 1;
            accuracyGauge->setCaption(QString::number(state_.Accuracy));
            program_.PlayIncorrectSound();
        }
    }
}

void QuotesWindow::UndoMoveCount() {
    state_.MoveCount = std::max(state_.MoveCount - 1, 0);
    moveCount->setCaption(QString::number(state_.MoveCount));
    state_.Accuracy = QuoteRules::twoPanelAccuracy(state_.BoxCount, state_.MoveCount);
    accuracyGauge->setFloodPercent(state_.Accuracy);
}

QString QuotesWindow::SetPlaceMode(int mode) {
    ShowModeBanner();
    QString returned;
    if (mode == 0) {
        clickModeAction->setChecked(true);
        dragModeAction->setChecked(false);
        modeBanner->setCaption(kClickBanner);
        state_.PlaceMode = 0;
        EndAllDrags();
        for (int i = 0; i <= state_.BoxCount && i < QuoteState::kBoxes; ++i) {
            if (lowerBoxes.at(std::size_t(i))->backCode() == 10) {
                lowerBoxes.at(std::size_t(i))->setBackCode(15);
                break;
            }
        }
        return returned;
    }
    clickModeAction->setChecked(false);
    dragModeAction->setChecked(true);
    state_.PlaceMode = 1;
    modeBanner->setCaption(kDragBanner);
    DragSource = 0;
    const QString hand = selectionPanel->caption();
    if (hand.isEmpty() || startButton->text() != "&End") {
        return returned;
    }
    // The text in hand goes back into the first free box.
    for (int i = 0; i <= state_.BoxCount && i < QuoteState::kBoxes; ++i) {
        if (panelMode_ == QuoteRules::TwoPanels) {
            WordBox* lower = lowerBoxes.at(std::size_t(i));
            if (lower->text().isEmpty() && upperBoxes[1]->isVisible()) {
                lower->show();
                lower->setBackCode(15);
                lower->setText(hand);
                selectionPanel->setCaption({});
                UndoMoveCount();
                returned = hand;
                break;
            }
        } else if (panelMode_ == QuoteRules::OnePanel) {
            WordBox* upper = upperBoxes.at(std::size_t(i));
            if (upper->text().isEmpty()) {
                upper->setBackCode(15);
                upper->setText(hand);
                selectionPanel->setCaption({});
                returned = hand;
                break;
            }
        }
    }
    return returned;
}

void QuotesWindow::EndAllDrags() {
    drag_->cancel();
}

void QuotesWindow::ClearUpperDragHighlight() {
    for (int i = 0; i < state_.BoxCount && i < QuoteState::kBoxes; ++i) {
        if (upperBoxes.at(std::size_t(i))->backCode() == 10) {
            upperBoxes.at(std::size_t(i))->setBackCode(15);
        }
    }
}

void QuotesWindow::ClearLowerDragHighlight() {
    for (int i = 0; i < state_.BoxCount && i < QuoteState::kBoxes; ++i) {
        if (lowerBoxes.at(std::size_t(i))->backCode() == 10) {
            lowerBoxes.at(std::size_t(i))->setBackCode(15);
        }
    }
}

void QuotesWindow::CancelUpperDrag() {
    if (DragSource == 1) {
        drag_->cancel();
        DragSource = 0;
        ClearUpperDragHighlight();
    }
}

void QuotesWindow::CancelLowerDrag() {
    // Only a lower box's drag ends over the selection panel and the button bar.
    if (DragSource == 2) {
        drag_->cancel();
        DragSource = 0;
        ClearLowerDragHighlight();
    }
}

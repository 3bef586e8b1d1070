// Judging a quote, the one-second timer and the performance report.
#include "QuotesWindow.h"

#include "Announcement.h"
#include "ColorNumber.h"
#include "GridControl.h"
#include "NumericValue.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "QuoteRules.h"
#include "Twips.h"
#include "WordBox.h"

#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cmath>

void QuotesWindow::ShowResultPanels(bool show) {
    for (Panel3D* result : {correctResult, wrongResult, blankResult}) {
        result->setVisible(show);
        if (show) {
            result->raise();
        }
    }
}

void QuotesWindow::CheckEntries() {
    std::vector<QuoteRules::JudgedBox> boxes;
    for (int i = 0; i < state_.BoxCount; ++i) {
        const WordBox* box = upperBoxes.at(std::size_t(i));
        boxes.push_back({box->text(), box->tag, -1, -1});
    }
    const int correct = QuoteRules::judgeBoxes(state_, panelMode_, boxes);
    for (int i = 0; i < state_.BoxCount; ++i) {
        WordBox* box = upperBoxes.at(std::size_t(i));
        const QuoteRules::JudgedBox& judged = boxes.at(std::size_t(i));
        if (judged.foreColour >= 0) {
            box->setForeCode(judged.foreColour);
        }
        if (judged.backColour >= 0) {
            box->setBackCode(judged.backColour);
        }
        box->tag = judged.tag;
    }
    if (state_.BoxCount > 0) {
        upperBoxes.at(std::size_t(state_.BoxCount - 1))->repaint();
    }
    const int errorsShown = numericValue(accuracyGauge->caption());
    if (panelMode_ != QuoteRules::TwoPanels && state_.EntryErrors > 0) {
        accuracyGauge->setCaption(QString::number(state_.EntryErrors));
    }
    if (QuoteRules::isComplete(state_, panelMode_, correct)) {
        QuoteRules::completeAccuracy(state_, panelMode_, errorsShown);
        completeQuote();
        return;
    }
    if (state_.EndJudging != 1) {
        SavedSelectionText = selectionPanel->caption();
        timerOptions->button(0)->setEnabled(true);
        checkButton->setText("&Cont.");
        if (panelMode_ == QuoteRules::WordEntry) {
            focusFirstKey();
        }
        checkAction->setVisible(false);
        continueAction->setVisible(true);
        state_.CheckPending = 1;
    }
    if (state_.TimeUp == 1 && state_.WrongCount == 0) {
        services_.sound.beep();
    }
    correctResult->setCaption("Correct = " + QString::number(correct));
    wrongResult->setCaption("Wrong = " + QString::number(state_.WrongCount));
    blankResult->setCaption("Blank = " + QString::number(state_.BlankCount));
    ShowResultPanels(true);
    // Told once they show: the focus stays on the buttons or the entry boxes.
    Announcement::announce(
        *correctResult,
        QStringList{correctResult->shownText(), wrongResult->shownText(), blankResult->shownText()}
            .join('\n'));
    if (state_.EndJudging == 1) {
        state_.EndJudging = 0;
    }
    if (panelMode_ == QuoteRules::WordEntry) {
        FirstEntryBox();
    }
}

void QuotesWindow::completeQuote() {
    secondTimer->stop();
    displayOptionButton->setEnabled(true);
    timerOptions->button(0)->setEnabled(true);
    startButton->setEnabled(true);
    timerFrame->setEnabled(true);
    wordsFrame->setEnabled(panelMode_ != QuoteRules::WordEntry);
    gameOptionsMenu->setEnabled(true);
    SetOptionMenus(true);
    QFont font = selectionPanel->font();
    font.setPointSize(24);
    selectionPanel->setFont(font);
    selectionPanel->setForeColour(ColorNumber::palette(1));
    if (panelMode_ == QuoteRules::WordEntry) {
        keyboard->hide();
        markEntryBox(false);
    }
    selectionPanel->setCaption(QuoteRules::resultText(state_.Accuracy));
    Announcement::announce(*selectionPanel, selectionPanel->shownText());
    modeBanner->hide();
    program_.PlayCorrectSound();
    setStartCaption("&Next");
    endAction->setVisible(false);
    nextAction->setVisible(true);
    state_.QuoteOver = 1;
    AddReportRow();
    if (state_.TimerOption == 2 && state_.CountDown == 0) {
        CheckHallOfFame();
    }
    if (panelMode_ == QuoteRules::WordEntry) {
        accuracyGauge->setCaption(QString::number(state_.EntryErrors));
        state_.EntryErrors = 0;
    }
    FocusStartButton();
}

void QuotesWindow::offerCheck() {
    checkButton->setText("&Check");
    continueAction->setVisible(false);
    checkAction->setVisible(true);
    checkAction->setEnabled(true);
    leftToolbarButton(2)->setEnabled(true);
    reportAction->setEnabled(false);
}

void QuotesWindow::continueAfterCheck() {
    offerCheck();
    ShowResultPanels(false);
    for (int i = 0; i < state_.BoxCount; ++i) {
        WordBox* box = upperBoxes.at(std::size_t(i));
        if (box->foreCode() == 1) {
            box->setForeCode(0);
        }
        if (box->backCode() == 13) {
            box->setBackCode(panelMode_ == QuoteRules::WordEntry ? 15 : 11);
        }
    }
    if (selectionPanel->caption().isEmpty()) {
        ShowModeBanner();
    }
    if (panelMode_ == QuoteRules::WordEntry) {
        keyboard->show();
        markEntryBox(true);
        focusFirstKey();
    }
}

void QuotesWindow::CheckContinueOrReport() {
    if (viewErrorsPanel->isVisible()) {
        DirectionsViewErrorsMessage();
        return;
    }
    HideModeBanner();
    const QString caption = checkButton->text();
    if (caption == "&Check") {
        CheckEntries();
        if (state_.WrongCount > 0) {
            program_.PlayIncorrectSound();
        }
        DragSource = 0;
        EndAllDrags();
        if (panelMode_ == QuoteRules::WordEntry) {
            keyboard->hide();
        }
    } else if (caption == "&Cont.") {
        continueAfterCheck();
    } else if (reportPanel->isVisible()) {
        CloseReport();
    } else {
        reportAction->setChecked(true);
        setCancelButton(closeReportButton);
        if (panelMode_ == QuoteRules::WordEntry) {
            keyboard->hide();
        }
        ShowPerformanceGrid();
        reportPanel->show();
        reportPanel->raise();
        closeReportButton->setFocus(Qt::OtherFocusReason);
        hallOfFameButton->setVisible(panelMode_ == QuoteRules::TwoPanels);
    }
}

void QuotesWindow::CloseReport() {
    if (viewErrorsPanel->isVisible()) {
        DirectionsViewErrorsMessage();
        return;
    }
    hideReport();
    quotesFrame->setEnabled(true);
}

void QuotesWindow::hideReport() {
    reportAction->setChecked(false);
    setCancelButton(exitButton);
    reportPanel->hide();
}

void QuotesWindow::ToggleShowErrors() {
    ErrorsHidden = showErrorsAction->isChecked() ? 0 : 1;
}

void QuotesWindow::AddReportRow() {
    const bool complete = state_.QuoteOver == 1;
    QuoteRules::addReportRow(state_, panelMode_, moveCount->caption(), accuracyGauge->caption());
    if (!complete && panelMode_ == QuoteRules::OnePanel) {
        accuracyGauge->setCaption(QString::number(state_.WrongCount));
    }
    ShowAccuracyFlood(state_.Accuracy);
    checkButton->setText("Perf&Rp");
    checkAction->setEnabled(false);
    leftToolbarButton(2)->setEnabled(false);
    reportAction->setEnabled(true);
}

void QuotesWindow::ShowPerformanceGrid() {
    if (reportPanel->caption() == "Hall of Fame") {
        reportPanel->setCaption("Performance Report");
        hallOfFameButton->setText("&View Hall of Fame");
        deleteAllButton->hide();
    }
    const int share = int(std::nearbyint(performanceGrid->widthTwips() * 0.2));
    const QStringList headings = QuoteRules::reportHeadings(panelMode_);
    performanceGrid->setRows(2);
    performanceGrid->setRow(0);
    for (int col = 0; col < 5; ++col) {
        performanceGrid->setColWidth(col, share);
        performanceGrid->setColAlignment(col, GridControl::Centre);
        performanceGrid->setFixedAlignment(col, GridControl::Centre);
        performanceGrid->setCol(col);
        performanceGrid->setText(headings.at(col));
    }
    performanceGrid->setRows(14);
    for (int row = 1; row <= 100; ++row) {
        const auto& cells = state_.PerfData.at(std::size_t(row));
        if (cells[1].isEmpty()) {
            break;
        }
        if (row > 13) {
            performanceGrid->setRows(row + 1);
        }
        performanceGrid->setRowText(
            row, QStringList{cells[1], cells[2], cells[3], cells[4], cells[5]}.join('\t'));
    }
}

void QuotesWindow::SetTimerOption(int index) {
    state_.TimerOption = index + 1;
    state_.AskTimer = 0;
    state_.CountDown = 0;
    if (state_.TimerOption == 2) {
        timerGauge->show();
        state_.AskTimer = 9;
    } else {
        timerGauge->hide();
    }
    clockLabel->clear();
    timerGauge->setFloodPercent(0);
    timerAction->setChecked(state_.TimerOption == 2);
}

void QuotesWindow::CountOneSecond() {
    const QuoteRules::Tick tick = QuoteRules::tick(state_);
    QFont font = timerGauge->font();
    font.setPointSize(14);
    timerGauge->setFont(font);
    clockLabel->setText(tick.label);
    if (tick.floodPercent >= 0) {
        timerGauge->setFloodPercent(tick.floodPercent);
    }
    if (!tick.reachedZero) {
        return;
    }
    state_.TimeUp = 1;
    const QString shown = selectionPanel->caption();
    if (shown != "Correct!" && shown != "Well Done!" && shown != "Perfect!") {
        StartNextQuote();
    } else {
        state_.TimeUp = 0;
    }
    secondTimer->stop();
    timerFrame->setEnabled(true);
    wordsFrame->setEnabled(panelMode_ != QuoteRules::WordEntry);
    startButton->setEnabled(true);
    SetOptionMenus(true);
    FocusStartButton();
}

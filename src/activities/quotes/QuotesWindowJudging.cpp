// Judging a quote, the one-second timer and the performance report.
#include "QuotesWindow.h"

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
    for (Panel3D* result : {Panel3D16, Panel3D17, Panel3D18}) {
        result->setVisible(show);
        if (show) {
            result->raise();
        }
    }
}

void QuotesWindow::CheckEntries() {
    std::vector<QuoteRules::JudgedBox> boxes;
    for (int i = 0; i < state_.BoxCount; ++i) {
        const WordBox* box = Label1.at(std::size_t(i));
        boxes.push_back({box->text(), box->tag, -1, -1});
    }
    const int correct = QuoteRules::judgeBoxes(state_, panelMode_, boxes);
    for (int i = 0; i < state_.BoxCount; ++i) {
        WordBox* box = Label1.at(std::size_t(i));
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
        Label1.at(std::size_t(state_.BoxCount - 1))->repaint();
    }
    const int errorsShown = numericValue(Panel3D15->caption());
    if (panelMode_ != QuoteRules::TwoPanels && state_.EntryErrors > 0) {
        Panel3D15->setCaption(QString::number(state_.EntryErrors));
    }
    if (QuoteRules::isComplete(state_, panelMode_, correct)) {
        QuoteRules::completeAccuracy(state_, panelMode_, errorsShown);
        completeQuote();
        return;
    }
    if (state_.EndJudging != 1) {
        SavedSelectionText = Panel3D10->caption();
        Option3D1->button(0)->setEnabled(true);
        Command3->setText("&Cont.");
        if (panelMode_ == QuoteRules::WordEntry) {
            focusFirstKey();
        }
        mOChk->setVisible(false);
        mOCon->setVisible(true);
        state_.CheckPending = 1;
    }
    if (state_.TimeUp == 1 && state_.WrongCount == 0) {
        services_.sound.beep();
    }
    Panel3D16->setCaption("Correct = " + QString::number(correct));
    Panel3D17->setCaption("Wrong = " + QString::number(state_.WrongCount));
    Panel3D18->setCaption("Blank = " + QString::number(state_.BlankCount));
    ShowResultPanels(true);
    if (state_.EndJudging == 1) {
        state_.EndJudging = 0;
    }
    if (panelMode_ == QuoteRules::WordEntry) {
        FirstEntryBox();
    }
}

void QuotesWindow::completeQuote() {
    Timer1->stop();
    Command5->setEnabled(true);
    Option3D1->button(0)->setEnabled(true);
    Command1->setEnabled(true);
    Frame3D1->setEnabled(true);
    Frame3D2->setEnabled(panelMode_ != QuoteRules::WordEntry);
    mOOpt->setEnabled(true);
    SetOptionMenus(true);
    QFont font = Panel3D10->font();
    font.setPointSize(24);
    Panel3D10->setFont(font);
    Panel3D10->setForeColour(ColorNumber::palette(1));
    if (panelMode_ == QuoteRules::WordEntry) {
        Panel3D6->hide();
        Label1.at(std::size_t(CurrentEntryBox))->setBackCode(15);
    }
    Panel3D10->setCaption(QuoteRules::resultText(state_.Accuracy));
    Panel3D23->hide();
    program_.PlayCorrectSound();
    setCommand1Caption("&Next");
    mOE->setVisible(false);
    mON->setVisible(true);
    state_.QuoteOver = 1;
    AddReportRow();
    if (state_.TimerOption == 2 && state_.CountDown == 0) {
        CheckHallOfFame();
    }
    if (panelMode_ == QuoteRules::WordEntry) {
        Panel3D15->setCaption(QString::number(state_.EntryErrors));
        state_.EntryErrors = 0;
    }
    FocusStartButton();
}

void QuotesWindow::offerCheck() {
    Command3->setText("&Check");
    mOCon->setVisible(false);
    mOChk->setVisible(true);
    mOChk->setEnabled(true);
    Toolbar2Button(2)->setEnabled(true);
    mORep->setEnabled(false);
}

void QuotesWindow::continueAfterCheck() {
    offerCheck();
    ShowResultPanels(false);
    for (int i = 0; i < state_.BoxCount; ++i) {
        WordBox* box = Label1.at(std::size_t(i));
        if (box->foreCode() == 1) {
            box->setForeCode(0);
        }
        if (box->backCode() == 13) {
            box->setBackCode(panelMode_ == QuoteRules::WordEntry ? 15 : 11);
        }
    }
    if (Panel3D10->caption().isEmpty()) {
        ShowModeBanner();
    }
    if (panelMode_ == QuoteRules::WordEntry) {
        Panel3D6->show();
        Label1.at(std::size_t(CurrentEntryBox))->setBackCode(11);
        focusFirstKey();
    }
}

void QuotesWindow::Command3_Click() {
    if (Panel3D7->isVisible()) {
        DirectionsViewErrorsMessage();
        return;
    }
    HideModeBanner();
    const QString caption = Command3->text();
    if (caption == "&Check") {
        CheckEntries();
        if (state_.WrongCount > 0) {
            program_.PlayIncorrectSound();
        }
        DragSource = 0;
        EndAllDrags();
        if (panelMode_ == QuoteRules::WordEntry) {
            Panel3D6->hide();
        }
    } else if (caption == "&Cont.") {
        continueAfterCheck();
    } else if (Panel3D12->isVisible()) {
        Command4_Click();
    } else {
        mORep->setChecked(true);
        setCancelButton(Command4);
        if (panelMode_ == QuoteRules::WordEntry) {
            Panel3D6->hide();
        }
        ShowPerformanceGrid();
        Panel3D12->show();
        Panel3D12->raise();
        Command4->setFocus(Qt::OtherFocusReason);
        Command9->setVisible(panelMode_ == QuoteRules::TwoPanels);
    }
}

void QuotesWindow::Command4_Click() {
    if (Panel3D7->isVisible()) {
        DirectionsViewErrorsMessage();
        return;
    }
    closeReport();
    Frame1->setEnabled(true);
}

void QuotesWindow::closeReport() {
    mORep->setChecked(false);
    setCancelButton(Command2);
    Panel3D12->hide();
}

void QuotesWindow::mOEr_Click() {
    ErrorsHidden = mOEr->isChecked() ? 0 : 1;
}

void QuotesWindow::AddReportRow() {
    const bool complete = state_.QuoteOver == 1;
    QuoteRules::addReportRow(state_, panelMode_, Panel3D13->caption(), Panel3D15->caption());
    if (!complete && panelMode_ == QuoteRules::OnePanel) {
        Panel3D15->setCaption(QString::number(state_.WrongCount));
    }
    ShowAccuracyFlood(state_.Accuracy);
    Command3->setText("Perf&Rp");
    mOChk->setEnabled(false);
    Toolbar2Button(2)->setEnabled(false);
    mORep->setEnabled(true);
}

void QuotesWindow::ShowPerformanceGrid() {
    if (Panel3D12->caption() == "Hall of Fame") {
        Panel3D12->setCaption("Performance Report");
        Command9->setText("&View Hall of Fame");
        Command10->hide();
    }
    const int share = int(std::nearbyint(Grid1->widthTwips() * 0.2));
    const QStringList headings = QuoteRules::reportHeadings(panelMode_);
    Grid1->setRows(2);
    Grid1->setRow(0);
    for (int col = 0; col < 5; ++col) {
        Grid1->setColWidth(col, share);
        Grid1->setColAlignment(col, GridControl::Centre);
        Grid1->setFixedAlignment(col, GridControl::Centre);
        Grid1->setCol(col);
        Grid1->setText(headings.at(col));
    }
    Grid1->setRows(14);
    for (int row = 1; row <= 100; ++row) {
        const auto& cells = state_.PerfData.at(std::size_t(row));
        if (cells[1].isEmpty()) {
            break;
        }
        if (row > 13) {
            Grid1->setRows(row + 1);
        }
        Grid1->setRowText(row,
                          QStringList{cells[1], cells[2], cells[3], cells[4], cells[5]}.join('\t'));
    }
}

void QuotesWindow::SetTimerOption(int index) {
    state_.TimerOption = index + 1;
    state_.AskTimer = 0;
    state_.CountDown = 0;
    if (state_.TimerOption == 2) {
        Panel3D5->show();
        state_.AskTimer = 9;
    } else {
        Panel3D5->hide();
    }
    Label7->clear();
    Panel3D5->setFloodPercent(0);
    mOT->setChecked(state_.TimerOption == 2);
}

void QuotesWindow::Timer1_Timer() {
    const QuoteRules::Tick tick = QuoteRules::tick(state_);
    QFont font = Panel3D5->font();
    font.setPointSize(14);
    Panel3D5->setFont(font);
    Label7->setText(tick.label);
    if (tick.floodPercent >= 0) {
        Panel3D5->setFloodPercent(tick.floodPercent);
    }
    if (!tick.reachedZero) {
        return;
    }
    state_.TimeUp = 1;
    const QString shown = Panel3D10->caption();
    if (shown != "Correct!" && shown != "Well Done!" && shown != "Perfect!") {
        StartNextQuote();
    } else {
        state_.TimeUp = 0;
    }
    Timer1->stop();
    Frame3D1->setEnabled(true);
    Frame3D2->setEnabled(panelMode_ != QuoteRules::WordEntry);
    Command1->setEnabled(true);
    SetOptionMenus(true);
    FocusStartButton();
}

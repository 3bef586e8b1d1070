// The quote order with the Display Option panel, the panel modes and the words per box.
#include "QuotesWindow.h"

#include "GridControl.h"
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

void QuotesWindow::SetQuoteOrder(int index) {
    QuoteRules::setQuoteOrder(state_, index, services_.random);
    const bool select = index == 2;
    increaseButton->setEnabled(select);
    decreaseButton->setEnabled(select);
    quoteNumberPanel->setEnabled(select);
}

void QuotesWindow::ResetDisplayOptions() {
    ResetQuoteState();
    quoteOrderOptions->select(0);
    setStartCaption("&Start");
    reportPanel->hide();
    quoteNumberPanel->setCaption("1");
}

void QuotesWindow::ToggleDisplayOptions() {
    if (displayOptionPanel->isVisible()) {
        CloseDisplayOptions();
        return;
    }
    displayOptionAction->setChecked(true);
    displayOptionPanel->show();
    displayOptionPanel->raise();
    setCancelButton(displayOptionOkButton);
    reportPanel->hide();
    reportAction->setChecked(false);
    SetQuoteControls(false);
    checkButton->setEnabled(false);
    wordsFrame->setEnabled(false);
    displayOptionOkButton->setFocus(Qt::OtherFocusReason);
}

void QuotesWindow::CloseDisplayOptions() {
    displayOptionAction->setChecked(false);
    setCancelButton(exitButton);
    if (startButton->text() != "&Start") {
        checkButton->setEnabled(true);
    }
    displayOptionPanel->hide();
    SetQuoteControls(true);
    wordsFrame->setEnabled(panelMode_ != QuoteRules::WordEntry);
    if (panelMode_ == QuoteRules::TwoPanels) {
        modeMenu->setEnabled(true);
    }
    SetOptionMenus(true);
}

void QuotesWindow::IncreaseQuoteNumber() {
    state_.QuoteNumber = state_.QuoteNumber >= 42 ? 1 : state_.QuoteNumber + 1;
    quoteNumberPanel->setCaption(QString::number(state_.QuoteNumber));
}

void QuotesWindow::DecreaseQuoteNumber() {
    state_.QuoteNumber = state_.QuoteNumber <= 1 ? 42 : state_.QuoteNumber - 1;
    quoteNumberPanel->setCaption(QString::number(state_.QuoteNumber));
}

void QuotesWindow::SetQuoteControls(bool on) {
    modeMenu->setEnabled(false);
    if (startButton->text() != "&Start") {
        reportAction->setEnabled(on);
    }
    timerAction->setEnabled(on);
    if (panelMode_ != QuoteRules::WordEntry) {
        wordsMenu->setEnabled(on);
    }
    for (QPushButton* command :
         {startButton, exitButton, checkButton, closeReportButton, displayOptionButton}) {
        setInTabOrder(command, on);
    }
    displayOptionButton->setEnabled(on);
    timerFrame->setEnabled(on);
    if (panelMode_ == QuoteRules::TwoPanels) {
        modeFrame->setEnabled(on);
    }
}

void QuotesWindow::MeasurePanelHeights() {
    if (TwoPanelHeight != 0) {
        return;
    }
    TwoPanelHeight = Twips::fromPixelsRounded(upperPanelHolder->height());
    const int grown = TwoPanelHeight + Twips::fromPixelsRounded(lowerPanelHolder->height()) - 15;
    upperPanelHolder->resize(upperPanelHolder->width(), Twips::toPixels(grown));
    upperPanel->resize(upperPanel->width(), Twips::toPixels(grown - 145));
    OnePanelHeight = grown;
}

void QuotesWindow::SetOnePanel() {
    if (OnePanelHeight >= 1) {
        upperPanelHolder->resize(upperPanelHolder->width(), Twips::toPixels(OnePanelHeight));
        upperPanel->resize(upperPanel->width(), Twips::toPixels(OnePanelHeight - 145));
        lowerPanelHolder->hide();
    }
    ResetDisplayOptions();
    setPanelMode(QuoteRules::OnePanel);
    ApplyPanelMode();
    onePanelAction->setChecked(true);
    program_.SharedText = "2";
    placeModeOptions->select(1);
    SetPlaceMode(1);
    ShowStartMenu();
    upperAuthor->hide();
    lowerAuthor->hide();
    clickModeAction->setEnabled(true);
}

void QuotesWindow::SetTwoPanels() {
    if (panelMode_ == QuoteRules::TwoPanels) {
        twoPanelsAction->setChecked(true);
        return;
    }
    ResetDisplayOptions();
    setPanelMode(QuoteRules::TwoPanels);
    ApplyPanelMode();
    accuracyGauge->setFloodPercent(0);
    headAccuracyColumn("Accuracy");
    HideBoxes();
    upperAuthor->hide();
    lowerAuthor->hide();
    clickModeAction->setEnabled(true);
    twoPanelsAction->setChecked(true);
    if (TwoPanelHeight >= 1) {
        upperPanelHolder->resize(upperPanelHolder->width(), Twips::toPixels(TwoPanelHeight));
        upperPanel->resize(upperPanel->width(), Twips::toPixels(TwoPanelHeight - 145));
    }
    placeModeOptions->button(0)->setEnabled(true);
    program_.SharedText = "2";
    placeModeOptions->select(1);
    SetPlaceMode(1);
    ShowStartMenu();
}

void QuotesWindow::ApplyPanelMode() {
    const bool twoPanels = panelMode_ == QuoteRules::TwoPanels;
    const bool wordEntry = panelMode_ == QuoteRules::WordEntry;
    placeModeOptions->button(0)->setEnabled(true);
    placeModeOptions->button(1)->setEnabled(!wordEntry);
    wordsMenu->setEnabled(!wordEntry);
    accuracyGauge->setFloodPercent(twoPanels ? 0 : Panel3D::kNoFlood);
    reportAction->setEnabled(false);
    displayOptionPanel->hide();
    displayOptionAction->setChecked(false);
    moveCount->setCaption("0");
    accuracyGauge->setCaption(twoPanels ? QString() : QString("0"));
    state_.Accuracy = 0;
    clockLabel->clear();
    timerGauge->setFloodPercent(0);
    checkButton->setEnabled(false);
    setCancelButton(exitButton);
    ShowResultPanels(false);
    ClearGameOptionChecks();
    state_.TimerOption = 1;
    timerOptions->select(0);
    QuoteRules::clearReportTable(state_);
    setBoxesKeyboardPlay(!wordEntry);
    if (wordEntry) {
        movesHeading->setCaption("# Entries");
        state_.WordsPerBox = 1;
        wordsPerBoxOptions->select(0);
        wordsFrame->setEnabled(false);
        // The grouping item that chose word entry shows its own text after this.
        ShowWordEntryBanner({});
        ShowModeBanner();
    } else {
        movesHeading->setCaption("# Moves");
        state_.WordsPerBox = 3;
        wordsPerBoxOptions->select(2);
        wordsFrame->setEnabled(true);
    }
    if (twoPanels) {
        lowerPanelHolder->show();
        upperBoxes[66]->hide();
        lowerPanelColourAction->setEnabled(true);
        modeMenu->setEnabled(true);
        modeFrame->setEnabled(true);
    } else {
        lowerPanelHolder->hide();
        SetErrorsColumn();
        lowerPanelColourAction->setEnabled(false);
        modeMenu->setEnabled(!wordEntry);
        modeFrame->setEnabled(!wordEntry);
    }
    showErrorsAction->setVisible(panelMode_ == QuoteRules::OnePanel);
    if (panelMode_ != QuoteRules::OnePanel) {
        leftToolbarButton(3)->setEnabled(false);
    }
    ShowPanelDirections();
}

void QuotesWindow::SetWordsPerBox(int index) {
    state_.WordsPerBox = index + 1;
    ClearWordsChecks();
    wordsPerBoxActions.at(std::size_t(index))->setChecked(true);
}

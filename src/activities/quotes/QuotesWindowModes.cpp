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
    Command7->setEnabled(select);
    Command8->setEnabled(select);
    Panel3D26->setEnabled(select);
}

void QuotesWindow::ResetDisplayOptions() {
    ResetQuoteState();
    Option3D4->select(0);
    setCommand1Caption("&Start");
    Panel3D12->hide();
    Panel3D26->setCaption("1");
}

void QuotesWindow::Command5_Click() {
    if (Panel3D25->isVisible()) {
        Command6_Click();
        return;
    }
    mODOpt->setChecked(true);
    Panel3D25->show();
    Panel3D25->raise();
    setCancelButton(Command6);
    Panel3D12->hide();
    mORep->setChecked(false);
    SetQuoteControls(false);
    Command3->setEnabled(false);
    Frame3D2->setEnabled(false);
    Command6->setFocus(Qt::OtherFocusReason);
}

void QuotesWindow::Command6_Click() {
    mODOpt->setChecked(false);
    setCancelButton(Command2);
    if (Command1->text() != "&Start") {
        Command3->setEnabled(true);
    }
    Panel3D25->hide();
    SetQuoteControls(true);
    Frame3D2->setEnabled(panelMode_ != QuoteRules::WordEntry);
    if (panelMode_ == QuoteRules::TwoPanels) {
        mOM->setEnabled(true);
    }
    SetOptionMenus(true);
}

void QuotesWindow::Command7_Click() {
    state_.QuoteNumber = state_.QuoteNumber >= 42 ? 1 : state_.QuoteNumber + 1;
    Panel3D26->setCaption(QString::number(state_.QuoteNumber));
}

void QuotesWindow::Command8_Click() {
    state_.QuoteNumber = state_.QuoteNumber <= 1 ? 42 : state_.QuoteNumber - 1;
    Panel3D26->setCaption(QString::number(state_.QuoteNumber));
}

void QuotesWindow::SetQuoteControls(bool on) {
    mOM->setEnabled(false);
    if (Command1->text() != "&Start") {
        mORep->setEnabled(on);
    }
    mOT->setEnabled(on);
    if (panelMode_ != QuoteRules::WordEntry) {
        mOW->setEnabled(on);
    }
    for (QPushButton* command : {Command1, Command2, Command3, Command4, Command5}) {
        setInTabOrder(command, on);
    }
    Command5->setEnabled(on);
    Frame3D1->setEnabled(on);
    if (panelMode_ == QuoteRules::TwoPanels) {
        Frame3D3->setEnabled(on);
    }
}

void QuotesWindow::MeasurePanelHeights() {
    if (TwoPanelHeight != 0) {
        return;
    }
    TwoPanelHeight = int(std::lround(Twips::fromPixels(Panel3D19->height())));
    const int grown =
        TwoPanelHeight + int(std::lround(Twips::fromPixels(Panel3D20->height()))) - 15;
    Panel3D19->resize(Panel3D19->width(), Twips::toPixels(grown));
    Panel3D1->resize(Panel3D1->width(), Twips::toPixels(grown - 145));
    OnePanelHeight = grown;
}

void QuotesWindow::SetOnePanel() {
    if (OnePanelHeight >= 1) {
        Panel3D19->resize(Panel3D19->width(), Twips::toPixels(OnePanelHeight));
        Panel3D1->resize(Panel3D1->width(), Twips::toPixels(OnePanelHeight - 145));
        Panel3D20->hide();
    }
    ResetDisplayOptions();
    setPanelMode(QuoteRules::OnePanel);
    ApplyPanelMode();
    mOOpt1->setChecked(true);
    program_.SharedText = "2";
    Option3D3->select(1);
    SetPlaceMode(1);
    ShowStartMenu();
    Label4->hide();
    Label5->hide();
    mOMClick->setEnabled(true);
}

void QuotesWindow::SetTwoPanels() {
    if (panelMode_ == QuoteRules::TwoPanels) {
        mOOpt2->setChecked(true);
        return;
    }
    ResetDisplayOptions();
    setPanelMode(QuoteRules::TwoPanels);
    ApplyPanelMode();
    Panel3D15->setFloodPercent(0);
    Panel3D14->setCaption("Accuracy");
    HideBoxes();
    Label4->hide();
    Label5->hide();
    mOMClick->setEnabled(true);
    mOOpt2->setChecked(true);
    if (TwoPanelHeight >= 1) {
        Panel3D19->resize(Panel3D19->width(), Twips::toPixels(TwoPanelHeight));
        Panel3D1->resize(Panel3D1->width(), Twips::toPixels(TwoPanelHeight - 145));
    }
    Option3D3->button(0)->setEnabled(true);
    program_.SharedText = "2";
    Option3D3->select(1);
    SetPlaceMode(1);
    ShowStartMenu();
}

void QuotesWindow::ApplyPanelMode() {
    const bool twoPanels = panelMode_ == QuoteRules::TwoPanels;
    const bool wordEntry = panelMode_ == QuoteRules::WordEntry;
    Option3D3->button(0)->setEnabled(true);
    Option3D3->button(1)->setEnabled(!wordEntry);
    mOW->setEnabled(!wordEntry);
    Panel3D15->setFloodPercent(twoPanels ? 0 : Panel3D::kNoFlood);
    mORep->setEnabled(false);
    Panel3D25->hide();
    mODOpt->setChecked(false);
    Panel3D13->setCaption("0");
    Panel3D15->setCaption(twoPanels ? QString() : QString("0"));
    state_.Accuracy = 0;
    Label7->clear();
    Panel3D5->setFloodPercent(0);
    Command3->setEnabled(false);
    setCancelButton(Command2);
    ShowResultPanels(false);
    ClearGameOptionChecks();
    state_.TimerOption = 1;
    Option3D1->select(0);
    QuoteRules::clearReportTable(state_);
    if (wordEntry) {
        Panel3D11->setCaption("# Entries");
        state_.WordsPerBox = 1;
        Option3D2->select(0);
        Frame3D2->setEnabled(false);
        // The grouping item that chose word entry shows its own text after this.
        ShowWordEntryBanner({});
        ShowModeBanner();
    } else {
        Panel3D11->setCaption("# Moves");
        state_.WordsPerBox = 3;
        Option3D2->select(2);
        Frame3D2->setEnabled(true);
    }
    if (twoPanels) {
        Panel3D20->show();
        Label1[66]->hide();
        mOPLow->setEnabled(true);
        mOM->setEnabled(true);
        Frame3D3->setEnabled(true);
    } else {
        Panel3D20->hide();
        SetErrorsColumn();
        mOPLow->setEnabled(false);
        mOM->setEnabled(!wordEntry);
        Frame3D3->setEnabled(!wordEntry);
    }
    mOEr->setVisible(panelMode_ == QuoteRules::OnePanel);
    if (panelMode_ != QuoteRules::OnePanel) {
        Toolbar2Button(3)->setEnabled(false);
    }
    ShowPanelDirections();
}

void QuotesWindow::SetWordsPerBox(int index) {
    state_.WordsPerBox = index + 1;
    ClearWordsChecks();
    mOWn.at(std::size_t(index))->setChecked(true);
}

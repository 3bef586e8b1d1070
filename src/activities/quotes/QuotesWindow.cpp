// The quotes window: load, activation, the exits, colours, Sound Information and the keys.
#include "QuotesWindow.h"

#include "ColorNumber.h"
#include "FocusMoves.h"
#include "GridControl.h"
#include "InWindowDrag.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "QuoteRules.h"
#include "StatusBar.h"
#include "Twips.h"
#include "WindowKeys.h"
#include "WordBox.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

namespace {

ActivityConstants quotesConstants() {
    ActivityConstants constants;
    constants.ownButton = 3;
    constants.disabledButtons = {16};
    constants.helpContext = 2020;
    constants.restoreLayoutOnResize = true;
    constants.activationOffset = 130;
    constants.restoreOffset = -30;
    return constants;
}

constexpr int kDesignedWidth = 12800; // the main panel and both side toolbars
constexpr int kDesignedHeight = 9000;

} // namespace

QuotesWindow::QuotesWindow(Services& services)
    : ActivityWindow(services, quotesConstants(), kCaption) {
    setObjectName("Form44");
    buildControls();
    buildMenus();
    buildSideToolbar();
    windowKeys().setDefaultButton(startButton);
    windowKeys().setCancelButton(exitButton);
    drag_ = new InWindowDrag(this);
    connectHandlers();
    attachPopupToControls();
    startButton->installEventFilter(this);
    resize(Twips::toPixels(kDesignedWidth, kDesignedHeight));
    Form_Load();
}

QuotesWindow::~QuotesWindow() = default;

QWidget* QuotesWindow::mainPanel() const {
    return mainPanelFrame;
}

void QuotesWindow::setPanelMode(int mode) {
    panelMode_ = mode;
    program_.SharedState = mode;
}

void QuotesWindow::Form_Load() {
    LoadFormServices();
    secondTimer->stop();
    timerOptions->select(0); // timer off
    SetWordsPerBox(2);
    SetQuoteOrder(0);
    QuoteRules::loadQuoteTable(state_);
    QCoreApplication::processEvents();
    SetOnePanel();
    const QColor face = ColorNumber::toColor(ColorNumber::kButtonFace);
    for (Panel3D* panel : {mainPanelFrame, upperPanel, lowerPanel, buttonBar, timerGauge,
                           selectionPanel, movesHeading, reportPanel, moveCount, accuracyHeading,
                           accuracyGauge, correctResult, wrongResult, blankResult, upperPanelHolder,
                           lowerPanelHolder, modeBanner, displayOptionPanel, quoteNumberPanel}) {
        panel->setBackColour(face);
    }
    colours_->LoadPanelColour();
    performanceGrid->setBackColour(Qt::white);
    performanceGrid->setForeColour(Qt::black);
    program_.PrintSettings.PrintFontUnderline = false;
    program_.PrintSettings.PrintFontStrikethru = false;
}

void QuotesWindow::Form_Activate() {
    ActivateFormServices();
    MeasurePanelHeights();
    const int share = int(std::nearbyint(performanceGrid->widthTwips() * 0.2));
    for (int col = 0; col < 5; ++col) {
        performanceGrid->setColWidth(col, share);
    }
    if (startButton->text() == "&Start" && startButton->isVisible()) {
        startButton->setFocus(Qt::OtherFocusReason);
    }
    program_.NormalPointer();
}

void QuotesWindow::ResetQuoteState() {
    // The table stays: it is the window's content, not the state of a quote.
    QuoteState fresh;
    fresh.QuoteText = state_.QuoteText;
    fresh.QuoteWordCount = state_.QuoteWordCount;
    fresh.QuoteAuthor = state_.QuoteAuthor;
    state_ = fresh;
    program_.PrintSettings.PrintFontColour = QString();
    program_.SharedText.clear();
}

void QuotesWindow::SetOptionMenus(bool enabled) {
    if (panelMode_ < QuoteRules::WordEntry) {
        wordsMenu->setEnabled(enabled);
    }
    timerAction->setEnabled(enabled);
    displayOptionAction->setEnabled(enabled);
    leftToolbarButton(1)->setEnabled(enabled);
}

void QuotesWindow::ClearWordsChecks() {
    for (QAction* item : wordsPerBoxActions) {
        item->setChecked(false);
    }
}

void QuotesWindow::ExitCommand() {
    close();
}

bool QuotesWindow::ExitQuestions() {
    colours_->PromptSaveColours();
    return true;
}

void QuotesWindow::Form_Unload() {
    secondTimer->stop();
    EndAllDrags();
    ResetQuoteState();
    TwoPanelHeight = 0;
    OnePanelHeight = 0;
    setPanelMode(0);
    program_.CorrectSoundTest = 0;
}

void QuotesWindow::resizeEvent(QResizeEvent* event) {
    ActivityWindow::resizeEvent(event);
    if (startButton->text() == "&Start" && startButton->isVisible()) {
        startButton->setFocus(Qt::OtherFocusReason);
    }
}

void QuotesWindow::OpenSoundInformation() {
    ShowWindowOverSelf(17);
}

void QuotesWindow::windowOverSelfOpening(int) {
    // The clock stands still while the player is away; the window keeps its own mode.
    timerPaused_ = secondTimer->isActive();
    secondTimer->stop();
}

void QuotesWindow::windowOverSelfClosed(int) {
    program_.SharedState = panelMode_;
    if (timerPaused_) {
        secondTimer->start(1000);
    }
    timerPaused_ = false;
}

void QuotesWindow::setCancelButton(QPushButton* button) {
    windowKeys().setCancelButton(button);
}

void QuotesWindow::setInTabOrder(QWidget* control, bool inTabOrder) {
    control->setFocusPolicy(inTabOrder ? Qt::StrongFocus : Qt::ClickFocus);
}

void QuotesWindow::StartButtonGotFocus() {
    if (reportPanel->isVisible()) {
        hideReport();
    }
    if (startButton->text() == "&Next" && state_.EntryErrors > 0 &&
        panelMode_ == QuoteRules::WordEntry) {
        keyboard->show();
    }
}

bool QuotesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (watched == startButton) {
            return StartButtonKeyDown(key);
        }
        if (std::find(keyButtons.begin(), keyButtons.end(), watched) != keyButtons.end()) {
            return TypePhysicalKey(key);
        }
    }
    if (watched == leftToolbar && event->type() == QEvent::MouseMove) {
        const double y =
            Twips::fromPixels(static_cast<QMouseEvent*>(event)->position().toPoint().y());
        if (y >= 690 && y <= 990) {
            // The tooltip names what a click would do.
            leftToolbarButton(3)->setToolTip(showErrorsAction->isChecked() ? "Show Errors - OFF"
                                                                           : "Show Errors - ON");
        }
    }
    return ActivityWindow::eventFilter(watched, event);
}

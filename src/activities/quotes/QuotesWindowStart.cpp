// Starting and ending a quote: the board, the timer question, the boxes and the reveal.
#include "QuotesWindow.h"

#include "ColorNumber.h"
#include "GridControl.h"
#include "HallOfFame.h"
#include "InWindowDrag.h"
#include "NumericValue.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "QuoteRules.h"
#include "StatusBar.h"
#include "Twips.h"
#include "WordBox.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cmath>

void QuotesWindow::setStartCaption(const QString& caption) {
    startButton->setText(caption);
}

void QuotesWindow::activityDirections(const QString& text) {
    services_.sound.beep();
    services_.dialogs.message(
        {text, "Activity Directions", Dialogs::Icon::Exclamation, Dialogs::Buttons::Ok});
}

void QuotesWindow::DirectionsContinueMessage() {
    activityDirections("Please Click Continue to Resume Activity");
}

void QuotesWindow::DirectionsNextMessage() {
    activityDirections("Please Click Next to Resume Activity");
}

void QuotesWindow::ClearBoard() {
    upperPanel->setCaption({});
    lowerPanel->setCaption({});
    timerGauge->setCaption({});
    services_.random.Randomize();
    for (int i = 0; i <= 66; ++i) {
        WordBox* upper = upperBoxes.at(std::size_t(i));
        WordBox* lower = lowerBoxes.at(std::size_t(i));
        lower->setForeCode(0);
        upper->hide();
        lower->hide();
        upper->setBackCode(11);
        lower->setBackCode(15);
    }
}

void QuotesWindow::PrepareStart() {
    if (displayOptionPanel->isVisible()) {
        // A start closes the Display Option panel: its mark goes and Esc is the exit's again, as
        // its "&OK" would leave them; the options stay as the start sets them.
        displayOptionPanel->hide();
        displayOptionAction->setChecked(false);
        setCancelButton(exitButton);
        for (QPushButton* command :
             {startButton, exitButton, checkButton, closeReportButton, displayOptionButton}) {
            setInTabOrder(command, true);
        }
        if (panelMode_ == QuoteRules::TwoPanels) {
            modeMenu->setEnabled(true);
            modeFrame->setEnabled(true);
        }
    }
    upperBoxes[66]->hide();
    lowerBoxes[66]->hide();
    if (panelMode_ == QuoteRules::WordEntry) {
        viewErrorsButton->hide();
    }
    gameOptionsMenu->setEnabled(false);
}

void QuotesWindow::ResetCheckButton() {
    ShowAccuracyFlood(0);
    displayOptionButton->setEnabled(false);
    selectionPanel->setCaption({});
    if (reportPanel->isVisible()) {
        hideReport();
    }
    offerCheck();
}

void QuotesWindow::FocusStartButton() {
    if (startButton->isVisible() && startButton->isEnabled()) {
        startButton->setFocus(Qt::OtherFocusReason);
    }
}

void QuotesWindow::ShowStartMenu() {
    startAction->setVisible(true);
    nextAction->setVisible(false);
    endAction->setVisible(false);
    FocusStartButton();
}

void QuotesWindow::HideBoxes() {
    for (int i = 0; i < QuoteState::kBoxes; ++i) {
        upperBoxes.at(std::size_t(i))->hide();
        lowerBoxes.at(std::size_t(i))->hide();
    }
}

void QuotesWindow::ClearGameOptionChecks() {
    onePanelAction->setChecked(false);
    twoPanelsAction->setChecked(false);
    ClearGroupingChecks();
    keyboard->hide();
}

void QuotesWindow::headAccuracyColumn(const QString& heading) {
    accuracyHeading->setCaption(heading);
    accuracyGauge->setAccessibleName(heading);
}

void QuotesWindow::SetErrorsColumn() {
    accuracyGauge->setFloodPercent(Panel3D::kNoFlood);
    headAccuracyColumn("# Errors");
    clickModeAction->setEnabled(false);
    if (panelMode_ == QuoteRules::WordEntry) {
        placeModeOptions->button(0)->setEnabled(false);
    }
    HideBoxes();
}

void QuotesWindow::StartNextQuote() {
    showStatus(windowTitle());
    if (viewErrorsPanel->isVisible()) {
        DirectionsViewErrorsMessage();
        return;
    }
    leftToolbarButton(3)->setEnabled(panelMode_ == QuoteRules::OnePanel);
    PrepareStart();
    state_.QuoteOver = 0;
    state_.TimerSeconds = 0;
    state_.TimerMinutes = 0;
    state_.EndJudging = 0;
    state_.AnswersShown = 0;
    ShowResultPanels(false);
    ResetCheckButton();
    if (startButton->text() == "&End" || state_.TimeUp == 1) {
        EndQuote();
        return;
    }

    program_.BusyPointer();
    setStartCaption("&End");
    startAction->setVisible(false);
    nextAction->setVisible(false);
    endAction->setVisible(true);
    modeBanner->show();
    modeBanner->raise();
    state_.EntryErrors = 0;
    state_.EntryCount = 0;
    state_.MoveCount = 0;
    state_.Accuracy = 0;
    moveCount->setCaption({});
    accuracyGauge->setCaption(panelMode_ == QuoteRules::TwoPanels ? QString() : QString("0"));
    for (int i = 0; i < QuoteState::kBoxes; ++i) {
        upperBoxes.at(std::size_t(i))->tag.clear();
    }
    ClearBoard();
    if (state_.TimerOption == 2 && !AskTimerQuestion()) {
        return;
    }

    state_.ShuffledText.fill({});
    state_.CorrectText.fill({});
    if (QuoteRules::allShownTest(state_)) {
        program_.AllDisplayedMessage("Quotes");
    }
    QuoteRules::chooseNextQuote(state_, services_.random);
    const int quote = state_.QuoteNumber;
    quoteNumberPanel->setCaption(QString::number(quote));
    setWindowTitle(QString("Famous Quotes - Quote ") + QString::number(quote));

    const int n = numericValue(state_.QuoteWordCount.at(std::size_t(quote)));
    const int panelWidth = Twips::fromPixelsRounded(upperPanel->width());
    const bool wordEntry = panelMode_ == QuoteRules::WordEntry;
    state_.HallOfFameRecord = HallOfFame::recordOf(quote, state_.WordsPerBox);
    if (wordEntry) {
        state_.WordsPerBox = 1;
    }
    const QStringList boxes = QuoteRules::groupWords(
        QuoteRules::splitWords(state_.QuoteText.at(std::size_t(quote)), n), state_.WordsPerBox);
    state_.BoxCount = int(boxes.size());
    for (int box = 0; box < state_.BoxCount; ++box) {
        state_.CorrectText.at(std::size_t(box)) = boxes.at(box);
    }
    state_.BoxesPerRow = QuoteRules::boxesPerRow(state_.WordsPerBox);
    state_.BoxWidth = QuoteRules::boxWidth(panelWidth, state_.WordsPerBox);
    const bool higher =
        panelMode_ == QuoteRules::TwoPanels && (quote == 7 || quote == 16 || quote == 35);
    int firstLeft = 100;
    int firstTop = higher ? 345 : 800;
    if (wordEntry) {
        BuildEntryBoxes();
        firstLeft = 175;
        firstTop = 100;
    } else {
        QuoteRules::shuffle(state_, services_.random);
    }
    state_.BoxHeight =
        int(std::nearbyint(Twips::fromPixelsRounded(mainPanelFrame->height()) * 0.035));
    if (quote == 42 && state_.WordsPerBox == 1) {
        state_.BoxWidth = int(std::nearbyint(panelWidth * 0.192));
        state_.BoxesPerRow = 5;
    } else if (quote == 42 && state_.WordsPerBox == 2) {
        state_.BoxWidth = int(std::nearbyint(panelWidth * 0.322));
        state_.BoxesPerRow = 3;
    }
    LayOutBoxes(firstLeft, firstTop);

    if (state_.TimerOption == 2) {
        timerGauge->show();
        timerFrame->setEnabled(false);
        secondTimer->start(1000);
    } else {
        timerFrame->setEnabled(false);
        secondTimer->stop();
    }
    SetOptionMenus(false);
    wordsFrame->setEnabled(false);
    selectionPanel->setForeColour(ColorNumber::palette(0));
    checkButton->setEnabled(true);
    checkAction->setEnabled(true);
    leftToolbarButton(2)->setEnabled(true);
    if (wordEntry) {
        keyboard->show();
        focusFirstKey();
    } else {
        checkButton->setFocus(Qt::OtherFocusReason);
    }
    state_.TimeUp = 0;
    state_.CheckPending = 0;
    state_.ResultText.clear();
    if (wordEntry) {
        FirstEntryBox();
    } else {
        AvoidCorrectStart(panelMode_ == QuoteRules::OnePanel ? upperBoxes : lowerBoxes);
    }
    showAuthorLabels();
    QCoreApplication::processEvents();
    program_.NormalPointer();
}

bool QuotesWindow::AskTimerQuestion() {
    clockLabel->clear();
    timerGauge->setFloodPercent(0);
    if (numericValue(state_.TimerEntry) <= 9) {
        state_.TimerEntry = "0";
    }
    if (state_.AskTimer == 9) {
        program_.NormalPointer();
        state_.TimerEntry =
            services_.dialogs
                .input("There are 2 choices: To count down to 0 and then check your selections, "
                       "enter total number of Seconds (From 10 to 300) and click OK or press "
                       "Enter. To just keep tract of time enter 0 and click OK or press Enter.",
                       "Timer Options", state_.TimerEntry)
                .value_or(QString());
    }
    state_.AskTimer = 0;
    if (state_.TimerEntry.isEmpty()) {
        // Cancelled: the timer goes off and no quote starts.
        timerOptions->select(0);
        state_.CountDown = 0;
        checkButton->setEnabled(false);
        checkAction->setEnabled(false);
        displayOptionButton->setEnabled(true);
        leftToolbarButton(2)->setEnabled(false);
        nextAction->setVisible(true);
        endAction->setVisible(false);
        gameOptionsMenu->setEnabled(true);
        modeBanner->hide();
        setStartCaption("&Next");
        startButton->setFocus(Qt::OtherFocusReason);
        program_.NormalPointer();
        return false;
    }
    QuoteRules::applyTimerAnswer(state_);
    if (state_.CountDown == 1) {
        timerGauge->setFloodPercent(100);
    }
    return true;
}

void QuotesWindow::LayOutBoxes(int firstLeft, int firstTop) {
    int left = firstLeft;
    int top = firstTop;
    int column = 0;
    const bool twoPanels = panelMode_ == QuoteRules::TwoPanels;
    const bool wordEntry = panelMode_ == QuoteRules::WordEntry;
    for (int i = 0; i < state_.BoxCount; ++i) {
        ++column;
        WordBox* upper = upperBoxes.at(std::size_t(i));
        const QRect at = Twips::toPixels(left, top, state_.BoxWidth, state_.BoxHeight);
        upper->setGeometry(at);
        if (!wordEntry) {
            // An entry box keeps the text it was built with.
            upper->setText(twoPanels ? QString() : state_.ShuffledText.at(std::size_t(i)));
        }
        upper->setBackCode(twoPanels ? 11 : 15);
        upper->setForeCode(0);
        upper->show();
        if (twoPanels) {
            WordBox* lower = lowerBoxes.at(std::size_t(i));
            lower->setGeometry(at);
            lower->setText(state_.ShuffledText.at(std::size_t(i)));
            lower->setForeCode(0);
            lower->show();
        }
        left += state_.BoxWidth + (wordEntry ? 15 : 50);
        if (column == state_.BoxesPerRow) {
            column = 0;
            left = firstLeft;
            top += state_.BoxHeight + 40;
        }
    }
}

void QuotesWindow::AvoidCorrectStart(const std::array<WordBox*, 67>& boxes) {
    QStringList captions;
    for (int i = 0; i < state_.BoxCount; ++i) {
        captions.append(boxes.at(std::size_t(i))->text());
    }
    QuoteRules::avoidCorrectStart(captions, state_);
    for (int i = 0; i < state_.BoxCount; ++i) {
        boxes.at(std::size_t(i))->setText(captions.at(i));
    }
}

void QuotesWindow::showAuthorLabels() {
    const QString label = "   " + state_.QuoteAuthor.at(std::size_t(state_.QuoteNumber)) + "    ";
    const int height = Twips::fromPixelsRounded(upperPanel->height());
    for (QLabel* author : {upperAuthor, lowerAuthor}) {
        author->setText(label);
        author->move(author->x(), Twips::toPixels(height * 0.85));
        author->show();
    }
    if (panelMode_ == QuoteRules::WordEntry) {
        upperAuthor->move(upperAuthor->x(), Twips::toPixels(height * 0.65));
    }
    upperAuthor->setVisible(true);
    lowerAuthor->setVisible(panelMode_ == QuoteRules::TwoPanels);
}

void QuotesWindow::EndQuote() {
    setStartCaption("&Next");
    nextAction->setVisible(true);
    endAction->setVisible(false);
    if (state_.PlaceMode == 1) {
        EndAllDrags();
    }
    modeBanner->hide();
    state_.EndJudging = 1;
    CheckEntries();
    if (state_.WrongCount > 0) {
        program_.PlayIncorrectSound();
    }
    if (panelMode_ == QuoteRules::WordEntry) {
        wordEntryEnd();
    }
    if (state_.EndJudging == 1) {
        // The quote was complete: the judging has shown its result already.
        state_.EndJudging = 0;
        return;
    }
    secondTimer->stop();
    timerOptions->button(0)->setEnabled(true);
    wordsFrame->setEnabled(panelMode_ != QuoteRules::WordEntry);
    displayOptionButton->setEnabled(true);
    gameOptionsMenu->setEnabled(true);
    AddReportRow();
    selectionPanel->setForeColour(ColorNumber::palette(1));
    RevealAnswers();
    state_.AnswersShown = 1;
    checkButton->setText("Perf&Rp");
    checkAction->setEnabled(false);
    leftToolbarButton(2)->setEnabled(false);
    reportAction->setEnabled(true);
    timerFrame->setEnabled(true);
    SetOptionMenus(true);
    state_.ResultText.clear();
    // The time-out has been reported; "&Next" starts the next quote instead of ending this again.
    state_.TimeUp = 0;
}

void QuotesWindow::wordEntryEnd() {
    // The keyboard stays for its View Errors button while there are errors to view.
    if (state_.WrongCount > 0 || state_.EntryErrors > 0) {
        keyboard->show();
    }
    if (state_.EntryErrors > 0) {
        viewErrorsButton->show();
        ShowViewErrors(true);
        viewErrorsButton->raise();
    } else {
        keyboard->hide();
    }
}

void QuotesWindow::RevealAnswers() {
    for (int i = 0; i < state_.BoxCount; ++i) {
        const QString correct = state_.CorrectText.at(std::size_t(i));
        if (panelMode_ == QuoteRules::TwoPanels) {
            WordBox* lower = lowerBoxes.at(std::size_t(i));
            lower->setForeCode(1);
            lower->setBackCode(15);
            lower->setText(correct);
            lower->show();
        } else if (panelMode_ == QuoteRules::OnePanel) {
            upperBoxes.at(std::size_t(i))->setText(correct);
        } else {
            upperBoxes.at(std::size_t(i))->setText(correct.toUpper());
        }
    }
}

void QuotesWindow::ShowPanelDirections() {
    upperPanel->setCaption({});
    upperBoxes[66]->hide();
    lowerBoxes[66]->hide();
    upperPanelHolder->setCaption({});
    QString upper;
    int top = 600;
    if (panelMode_ == QuoteRules::WordEntry) {
        upper = "Depending on words selected," + kCR + "Word Boxes will appear in which" + kCR +
                "you type the correct word, with" + kCR + "correct punctuation if required.";
        top = 2190;
    } else if (panelMode_ == QuoteRules::OnePanel) {
        upper = "In this Panel You Click or Drag" + kCR + "the Word Box to" + kCR +
                " Where You Desire the Word(s) " + kCR + "to be Displayed.";
        top = 2015;
    } else {
        upper = "In this Panel You Drag or Click" + kCR + "the Word Box From Below to" + kCR +
                "Where You Desire the Word(s)" + kCR + "to be Displayed.";
        state_.ResultText =
            "In this Panel Word(s) of the Quote" + kCR + "Will Appear in Random Order." + kCR +
            "If in Drag Mode, Place the Arrow Over Label and" + kCR + "Drag to Desired Box above." +
            kCR + "If in Click Mode, Click Appropriate Box" + kCR + "then Click Desired Box Above.";
    }
    const auto showDirections = [&](WordBox* label, QWidget* panel, const QString& text, int at) {
        QString shown = text;
        label->setText(shown.replace(QChar(13), QChar('\n')));
        label->move(panel->width() / 2 - label->width() / 2, Twips::toPixels(at));
        label->show();
    };
    showDirections(upperBoxes[66], upperPanel, upper, top);
    if (panelMode_ == QuoteRules::TwoPanels) {
        showDirections(lowerBoxes[66], lowerPanel, state_.ResultText, 600);
    }
}

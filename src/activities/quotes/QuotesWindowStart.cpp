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

namespace {

int twipsOf(int pixels) {
    return int(std::lround(Twips::fromPixels(pixels)));
}

const QString kCR(QChar(13));

} // namespace

void QuotesWindow::setCommand1Caption(const QString& caption) {
    Command1->setText(caption);
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
    Panel3D1->setCaption({});
    Panel3D2->setCaption({});
    Panel3D5->setCaption({});
    services_.random.Randomize();
    for (int i = 0; i <= 66; ++i) {
        WordBox* upper = Label1.at(std::size_t(i));
        WordBox* lower = Label2.at(std::size_t(i));
        lower->setForeCode(0);
        upper->hide();
        lower->hide();
        upper->setBackCode(11);
        lower->setBackCode(15);
    }
}

void QuotesWindow::PrepareStart() {
    if (Panel3D25->isVisible()) {
        // A start closes the Display Option panel: its mark goes and Esc is the exit's again, as
        // its "&OK" would leave them; the options stay as the start sets them.
        Panel3D25->hide();
        mODOpt->setChecked(false);
        setCancelButton(Command2);
        for (QPushButton* command : {Command1, Command2, Command3, Command4, Command5}) {
            setInTabOrder(command, true);
        }
        if (panelMode_ == QuoteRules::TwoPanels) {
            mOM->setEnabled(true);
            Frame3D3->setEnabled(true);
        }
    }
    Label1[66]->hide();
    Label2[66]->hide();
    if (panelMode_ == QuoteRules::WordEntry) {
        Command19->hide();
    }
    mOOpt->setEnabled(false);
}

void QuotesWindow::ResetCheckButton() {
    ShowAccuracyFlood(0);
    Command5->setEnabled(false);
    Panel3D10->setCaption({});
    if (Panel3D12->isVisible()) {
        closeReport();
    }
    offerCheck();
}

void QuotesWindow::FocusStartButton() {
    if (Command1->isVisible() && Command1->isEnabled()) {
        Command1->setFocus(Qt::OtherFocusReason);
    }
}

void QuotesWindow::ShowStartMenu() {
    mOS->setVisible(true);
    mON->setVisible(false);
    mOE->setVisible(false);
    FocusStartButton();
}

void QuotesWindow::HideBoxes() {
    for (int i = 0; i < QuoteState::kBoxes; ++i) {
        Label1.at(std::size_t(i))->hide();
        Label2.at(std::size_t(i))->hide();
    }
}

void QuotesWindow::ClearGameOptionChecks() {
    mOOpt1->setChecked(false);
    mOOpt2->setChecked(false);
    ClearGroupingChecks();
    Panel3D6->hide();
}

void QuotesWindow::SetErrorsColumn() {
    Panel3D15->setFloodPercent(Panel3D::kNoFlood);
    Panel3D14->setCaption("# Errors");
    mOMClick->setEnabled(false);
    if (panelMode_ == QuoteRules::WordEntry) {
        Option3D3->button(0)->setEnabled(false);
    }
    HideBoxes();
}

void QuotesWindow::StartNextQuote() {
    showStatus(windowTitle());
    if (Panel3D7->isVisible()) {
        DirectionsViewErrorsMessage();
        return;
    }
    Toolbar2Button(3)->setEnabled(panelMode_ == QuoteRules::OnePanel);
    PrepareStart();
    state_.QuoteOver = 0;
    state_.TimerSeconds = 0;
    state_.TimerMinutes = 0;
    state_.EndJudging = 0;
    state_.AnswersShown = 0;
    ShowResultPanels(false);
    ResetCheckButton();
    if (Command1->text() == "&End" || state_.TimeUp == 1) {
        EndQuote();
        return;
    }

    program_.BusyPointer();
    setCommand1Caption("&End");
    mOS->setVisible(false);
    mON->setVisible(false);
    mOE->setVisible(true);
    Panel3D23->show();
    Panel3D23->raise();
    state_.EntryErrors = 0;
    state_.EntryCount = 0;
    state_.MoveCount = 0;
    state_.Accuracy = 0;
    Panel3D13->setCaption({});
    Panel3D15->setCaption(panelMode_ == QuoteRules::TwoPanels ? QString() : QString("0"));
    for (int i = 0; i < QuoteState::kBoxes; ++i) {
        Label1.at(std::size_t(i))->tag.clear();
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
    Panel3D26->setCaption(QString::number(quote));
    setWindowTitle(QString("Famous Quotes - Quote ") + QString::number(quote));

    const int n = numericValue(state_.QuoteWordCount.at(std::size_t(quote)));
    const int panelWidth = twipsOf(Panel3D1->width());
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
    state_.BoxHeight = int(std::nearbyint(twipsOf(SSPanel1->height()) * 0.035));
    if (quote == 42 && state_.WordsPerBox == 1) {
        state_.BoxWidth = int(std::nearbyint(panelWidth * 0.192));
        state_.BoxesPerRow = 5;
    } else if (quote == 42 && state_.WordsPerBox == 2) {
        state_.BoxWidth = int(std::nearbyint(panelWidth * 0.322));
        state_.BoxesPerRow = 3;
    }
    LayOutBoxes(firstLeft, firstTop);

    if (state_.TimerOption == 2) {
        Panel3D5->show();
        Frame3D1->setEnabled(false);
        Timer1->start(1000);
    } else {
        Frame3D1->setEnabled(false);
        Timer1->stop();
    }
    SetOptionMenus(false);
    Frame3D2->setEnabled(false);
    Panel3D10->setForeColour(ColorNumber::palette(0));
    Command3->setEnabled(true);
    mOChk->setEnabled(true);
    Toolbar2Button(2)->setEnabled(true);
    if (wordEntry) {
        Panel3D6->show();
        focusFirstKey();
    } else {
        Command3->setFocus(Qt::OtherFocusReason);
    }
    state_.TimeUp = 0;
    state_.CheckPending = 0;
    state_.ResultText.clear();
    if (wordEntry) {
        FirstEntryBox();
    } else {
        AvoidCorrectStart(panelMode_ == QuoteRules::OnePanel ? Label1 : Label2);
    }
    showAuthorLabels();
    QCoreApplication::processEvents();
    program_.NormalPointer();
}

bool QuotesWindow::AskTimerQuestion() {
    Label7->clear();
    Panel3D5->setFloodPercent(0);
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
        Option3D1->select(0);
        state_.CountDown = 0;
        Command3->setEnabled(false);
        mOChk->setEnabled(false);
        Command5->setEnabled(true);
        Toolbar2Button(2)->setEnabled(false);
        mON->setVisible(true);
        mOE->setVisible(false);
        mOOpt->setEnabled(true);
        Panel3D23->hide();
        setCommand1Caption("&Next");
        Command1->setFocus(Qt::OtherFocusReason);
        program_.NormalPointer();
        return false;
    }
    QuoteRules::applyTimerAnswer(state_);
    if (state_.CountDown == 1) {
        Panel3D5->setFloodPercent(100);
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
        WordBox* upper = Label1.at(std::size_t(i));
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
            WordBox* lower = Label2.at(std::size_t(i));
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
    const int height = twipsOf(Panel3D1->height());
    for (QLabel* author : {Label4, Label5}) {
        author->setText(label);
        author->move(author->x(), Twips::toPixels(height * 0.85));
        author->show();
    }
    if (panelMode_ == QuoteRules::WordEntry) {
        Label4->move(Label4->x(), Twips::toPixels(height * 0.65));
    }
    Label4->setVisible(true);
    Label5->setVisible(panelMode_ == QuoteRules::TwoPanels);
}

void QuotesWindow::EndQuote() {
    setCommand1Caption("&Next");
    mON->setVisible(true);
    mOE->setVisible(false);
    if (state_.PlaceMode == 1) {
        EndAllDrags();
    }
    Panel3D23->hide();
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
    Timer1->stop();
    Option3D1->button(0)->setEnabled(true);
    Frame3D2->setEnabled(panelMode_ != QuoteRules::WordEntry);
    Command5->setEnabled(true);
    mOOpt->setEnabled(true);
    AddReportRow();
    Panel3D10->setForeColour(ColorNumber::palette(1));
    RevealAnswers();
    state_.AnswersShown = 1;
    Command3->setText("Perf&Rp");
    mOChk->setEnabled(false);
    Toolbar2Button(2)->setEnabled(false);
    mORep->setEnabled(true);
    Frame3D1->setEnabled(true);
    SetOptionMenus(true);
    state_.ResultText.clear();
    // The time-out has been reported; "&Next" starts the next quote instead of ending this again.
    state_.TimeUp = 0;
}

void QuotesWindow::wordEntryEnd() {
    // The keyboard stays for its View Errors button while there are errors to view.
    if (state_.WrongCount > 0 || state_.EntryErrors > 0) {
        Panel3D6->show();
    }
    if (state_.EntryErrors > 0) {
        Command19->show();
        ShowViewErrors(true);
        Command19->raise();
    } else {
        Panel3D6->hide();
    }
}

void QuotesWindow::RevealAnswers() {
    for (int i = 0; i < state_.BoxCount; ++i) {
        const QString correct = state_.CorrectText.at(std::size_t(i));
        if (panelMode_ == QuoteRules::TwoPanels) {
            WordBox* lower = Label2.at(std::size_t(i));
            lower->setForeCode(1);
            lower->setBackCode(15);
            lower->setText(correct);
            lower->show();
        } else if (panelMode_ == QuoteRules::OnePanel) {
            Label1.at(std::size_t(i))->setText(correct);
        } else {
            Label1.at(std::size_t(i))->setText(correct.toUpper());
        }
    }
}

void QuotesWindow::ShowPanelDirections() {
    Panel3D1->setCaption({});
    Label1[66]->hide();
    Label2[66]->hide();
    Panel3D19->setCaption({});
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
    showDirections(Label1[66], Panel3D1, upper, top);
    if (panelMode_ == QuoteRules::TwoPanels) {
        showDirections(Label2[66], Panel3D2, state_.ResultText, 600);
    }
}

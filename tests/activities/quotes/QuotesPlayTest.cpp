#include "QuotesWindowFixture.h"

#include "AccessibilityEvents.h"
#include "GridControl.h"
#include "OptionGroup.h"
#include "QuoteRules.h"
#include "TextContrast.h"
#include "Toolbar.h"
#include "Twips.h"

#include <QGroupBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTimer>
#include <QToolBar>

namespace {

TEST_F(QuotesWindowTest, OpensInOnePanelDragModeThreeWordsPerBoxInOrderWithTheTimerOff) {
    EXPECT_EQ(window->windowTitle(), "Famous Quotes");
    EXPECT_EQ(window->startButton->text(), "&Start");
    EXPECT_EQ(QApplication::focusWidget(), window->startButton);
    EXPECT_EQ(window->panelMode(), QuoteRules::OnePanel);
    EXPECT_EQ(services.program.SharedState, 1);
    EXPECT_EQ(window->state().PlaceMode, 1);
    EXPECT_TRUE(window->dragModeAction->isChecked());
    EXPECT_EQ(window->state().WordsPerBox, 3);
    EXPECT_TRUE(window->wordsPerBoxActions[2]->isChecked());
    EXPECT_EQ(window->state().TimerOption, 1);
    EXPECT_FALSE(window->timerAction->isChecked());
    EXPECT_TRUE(window->onePanelAction->isChecked());
    EXPECT_TRUE(window->showErrorsAction->isVisible());
    EXPECT_EQ(window->accuracyHeading->caption(), "# Errors");
    EXPECT_FALSE(window->increaseButton->isEnabled());
    EXPECT_EQ(services.program.SharedText, "");
    // The upper panel has grown over the lower one, once.
    EXPECT_FALSE(window->lowerPanelHolder->isVisible());
    EXPECT_NEAR(Twips::fromPixels(window->upperPanelHolder->height()), 3045 + 3062 - 15, 15);
}

TEST_F(QuotesWindowTest, ATwoPanelClickGameToPerfectAndItsReportRow) {
    window->twoPanelsAction->trigger();
    window->clickModeAction->trigger();
    ASSERT_EQ(window->state().PlaceMode, 0);
    start(10); // quote 1, 28 words at 3 a box
    ASSERT_EQ(window->windowTitle(), "Famous Quotes - Quote 1");
    ASSERT_EQ(window->state().BoxCount, 10);
    EXPECT_EQ(correct(9), "are;  ");
    EXPECT_EQ(lower(0)->text(), correct(9));
    EXPECT_EQ(upper(0)->text(), "");
    EXPECT_EQ(upper(0)->backCode(), 11);

    // Each text once from the lower panel straight into its box: 10 moves for 10 boxes.
    for (int box = 0; box < 10; ++box) {
        clickBox(lower((box + 1) % 10));
        if (box == 2) {
            EXPECT_EQ(window->accuracyGauge->floodPercent(), 30);
        }
        clickBox(upper(box));
    }
    EXPECT_EQ(window->selectionPanel->caption(), "");
    AccessibilityEvents heard;
    click(window->checkButton);
    EXPECT_EQ(window->selectionPanel->caption(), "Perfect!");
    EXPECT_TRUE(heard.announcements().contains("Perfect!"))
        << heard.announcements().join(" | ").toStdString();
    EXPECT_EQ(fake.sound.played.last(), "Right.wav");
    EXPECT_EQ(window->startButton->text(), "&Next");
    EXPECT_EQ(window->checkButton->text(), "Perf&Rp");
    EXPECT_EQ(reportRow(1), (QStringList{"1", "10", "10", "100%", "Timer Not Used"}));

    click(window->checkButton);
    ASSERT_TRUE(window->reportPanel->isVisible());
    EXPECT_TRUE(window->reportAction->isChecked());
    EXPECT_EQ(window->performanceGrid->textMatrix(0, 1), "Word Boxes");
    EXPECT_EQ(window->performanceGrid->textMatrix(1, 4), "Timer Not Used");
    EXPECT_EQ(window->performanceGrid->rows(), 14);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    settle();
    EXPECT_FALSE(window->reportPanel->isVisible());
    EXPECT_FALSE(window->reportAction->isChecked());
    EXPECT_TRUE(window->isVisible()); // Esc closed the report, not the window
}

TEST_F(QuotesWindowTest, AOnePanelClickGameCountsEveryPlacementAndMarksTheWrongOnes) {
    window->clickModeAction->trigger();
    start(10);
    ASSERT_EQ(upper(1)->text(), correct(0));
    // Picked up and put back where it does not belong: one move, one error, red and heard.
    clickBox(upper(1));
    EXPECT_EQ(window->state().MoveCount, 0);
    clickBox(upper(1));
    EXPECT_EQ(window->state().MoveCount, 1);
    EXPECT_EQ(window->accuracyGauge->caption(), "1");
    EXPECT_EQ(upper(1)->foreCode(), 12);
    // Marked in a deeper red than light red, which reads on the white box.
    const QPalette marked = upper(1)->palette();
    EXPECT_EQ(marked.color(QPalette::WindowText).hue(), 0);
    EXPECT_GE(
        TextContrast::ratio(marked.color(QPalette::WindowText), marked.color(QPalette::Window)),
        TextContrast::kReadable);
    EXPECT_EQ(fake.sound.played.count("Wrong.wav"), 1);
    // Then every text into its place, each exchange handing on the text that belongs below it.
    clickBox(upper(0));
    for (int box = 9; box >= 0; --box) {
        clickBox(upper(box));
    }
    EXPECT_EQ(window->state().MoveCount, 11);
    EXPECT_EQ(fake.sound.played.count("Wrong.wav"), 1);
    click(window->checkButton);
    EXPECT_EQ(window->selectionPanel->caption(), "Well Done!"); // 10 of 11 moves: 91
    EXPECT_EQ(reportRow(1), (QStringList{"1", "11", "1", "  91%", "Timer Not Used"}));
}

TEST_F(QuotesWindowTest, OnePanelDragErrorsCountWithoutMarksWhenShowErrorsIsOff) {
    window->leftToolbarButton(3)->trigger(); // Show Errors off
    ASSERT_EQ(window->showErrorsAction->isChecked(), false);
    start(10);
    // Box 1 holds box 0's text; dropping it on box 5 is a wrong placement.
    drag(upper(1), upper(5));
    EXPECT_EQ(window->state().MoveCount, 1);
    EXPECT_EQ(window->accuracyGauge->caption(), "1");
    EXPECT_EQ(upper(5)->text(), correct(0));
    EXPECT_EQ(upper(5)->foreCode(), 0);
    EXPECT_FALSE(fake.sound.played.contains("Wrong.wav"));
    // With Show Errors on the same kind of move is marked red and heard.
    window->leftToolbarButton(3)->trigger();
    drag(upper(5), upper(1));
    EXPECT_EQ(upper(1)->foreCode(), 12);
    EXPECT_TRUE(fake.sound.played.contains("Wrong.wav"));
    EXPECT_EQ(window->accuracyGauge->caption(), "2");

    // A drop on the same text, or beside the panels, moves nothing and leaves no highlight.
    drag(upper(3), upper(3));
    const QString held = upper(2)->text();
    QTest::mousePress(upper(2), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(upper(2)->backCode(), 10);
    const QPoint beside = window->selectionPanel->mapTo(window.get(), QPoint(5, 5));
    QTest::mouseMove(window.get(), beside);
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, beside);
    EXPECT_EQ(upper(2)->text(), held);
    EXPECT_EQ(upper(2)->backCode(), 15);
    EXPECT_EQ(window->state().MoveCount, 2);
}

TEST_F(QuotesWindowTest, TwoPanelDragsFillEmptyBoxesAndSendDisplacedTextsBack) {
    window->twoPanelsAction->trigger();
    start(10);
    drag(lower(1), upper(0)); // lower 1 holds box 0's text
    EXPECT_EQ(upper(0)->text(), correct(0));
    EXPECT_FALSE(lower(1)->isVisible());
    drag(lower(2), upper(0)); // onto a filled box: its text goes back down
    EXPECT_EQ(upper(0)->text(), correct(1));
    EXPECT_EQ(lower(2)->text(), correct(0));
    EXPECT_TRUE(lower(2)->isVisible());
    EXPECT_EQ(window->state().MoveCount, 2);
    // After the end nothing moves any more.
    click(window->startButton);
    const QString before = upper(0)->text();
    drag(lower(3), upper(0));
    EXPECT_EQ(upper(0)->text(), before);
}

TEST_F(QuotesWindowTest, ACountdownRunningOutEndsTheQuoteAsTimedOut) {
    window->timerOptions->select(1);
    fake.dialogs.inputs = {QString("10")};
    start(10);
    ASSERT_EQ(fake.dialogs.prompts.size(), 1);
    EXPECT_TRUE(fake.dialogs.prompts[0].contains("To just keep tract of time enter 0"));
    EXPECT_TRUE(window->secondTimer->isActive());
    window->CountOneSecond();
    // The timer frame is disabled while the quote runs; the clock in it is not greyed with it.
    EXPECT_EQ(window->clockLabel->text(), "0:10");
    EXPECT_FALSE(window->timerFrame->isEnabled());
    EXPECT_TRUE(window->clockLabel->isEnabled());
    EXPECT_TRUE(window->timerFrame->geometry().contains(window->clockLabel->geometry()));
    for (int second = 1; second < 11; ++second) {
        window->CountOneSecond();
    }
    EXPECT_EQ(window->clockLabel->text(), "0:00");
    EXPECT_FALSE(window->secondTimer->isActive());
    EXPECT_EQ(window->startButton->text(), "&Next");
    EXPECT_EQ(reportRow(1).last(), "Timed Out");
    EXPECT_EQ(reportRow(1).at(3), "   0%");
    // "&Next" starts the next quote, and the answer serves it: no second question.
    start(6);
    EXPECT_EQ(fake.dialogs.prompts.size(), 1);
    EXPECT_EQ(window->windowTitle(), "Famous Quotes - Quote 2");
    EXPECT_EQ(window->startButton->text(), "&End");
    EXPECT_EQ(window->state().ReportRowCount, 1);
}

TEST_F(QuotesWindowTest, CancellingTheTimerQuestionStartsNothingAndTurnsTheTimerOff) {
    window->timerOptions->select(1);
    fake.dialogs.inputs = {std::nullopt};
    click(window->startButton);
    EXPECT_EQ(window->startButton->text(), "&Next");
    EXPECT_EQ(window->state().TimerOption, 1);
    EXPECT_FALSE(window->checkButton->isEnabled());
    EXPECT_FALSE(upper(0)->isVisible());
}

TEST_F(QuotesWindowTest, AnIncompleteCheckWaitsForContinue) {
    window->clickModeAction->trigger();
    start(10);
    AccessibilityEvents heard;
    click(window->checkButton);
    // The counts are told as they show: the focus stays on the buttons.
    EXPECT_EQ(heard.announcements(),
              QStringList{window->correctResult->caption() + '\n' + window->wrongResult->caption() +
                          '\n' + window->blankResult->caption()});
    EXPECT_EQ(window->checkButton->text(), "&Cont.");
    EXPECT_EQ(window->wrongResult->caption(), "Wrong = 10");
    EXPECT_TRUE(window->correctResult->isVisible());
    clickBox(upper(0));
    EXPECT_EQ(fake.dialogs.shown.last().text, "Please Click Continue to Resume Activity");
    EXPECT_EQ(window->selectionPanel->caption(), ""); // nothing moved
    click(window->checkButton);
    EXPECT_EQ(window->checkButton->text(), "&Check");
    EXPECT_FALSE(window->correctResult->isVisible());
    EXPECT_EQ(upper(0)->foreCode(), 12); // a wrong box keeps its mark until it moves
}

TEST_F(QuotesWindowTest, AModeSwitchResetsOrderTimerWordsPerBoxAndReport) {
    window->wordsPerBoxActions[3]->trigger();
    window->timerOptions->select(1);
    fake.dialogs.inputs = {QString("0")};
    start(7);
    click(window->startButton); // "&End"
    ASSERT_EQ(window->state().ReportRowCount, 1);
    window->twoPanelsAction->trigger();
    EXPECT_EQ(window->state().ReportRowCount, 0);
    EXPECT_EQ(window->state().PerfData.at(1)[1], "");
    EXPECT_EQ(window->state().WordsPerBox, 3);
    EXPECT_EQ(window->state().TimerOption, 1);
    EXPECT_EQ(window->state().QuoteNumber, 0);
    EXPECT_EQ(window->startButton->text(), "&Start");
    EXPECT_EQ(window->state().PlaceMode, 1);
    EXPECT_FALSE(window->showErrorsAction->isVisible());
    EXPECT_EQ(window->accuracyHeading->caption(), "Accuracy");
    EXPECT_EQ(services.program.SharedText, "");
    // Two panels again changes nothing.
    window->wordsPerBoxActions[0]->trigger();
    window->twoPanelsAction->trigger();
    EXPECT_EQ(window->state().WordsPerBox, 1);
}

TEST_F(QuotesWindowTest, SwitchingToDragPutsTheTextInHandBack) {
    window->twoPanelsAction->trigger();
    window->clickModeAction->trigger();
    start(10);
    clickBox(lower(4));
    clickBox(lower(6)); // exchanges: box 4's text lies in lower box 6's place
    ASSERT_EQ(window->state().MoveCount, 2);
    const QString hand = window->selectionPanel->caption();
    EXPECT_EQ(window->SetPlaceMode(1), hand);
    EXPECT_EQ(window->state().MoveCount, 1);
    EXPECT_EQ(window->selectionPanel->caption(), "");
}

TEST_F(QuotesWindowTest, SoundInformationMidCountdownKeepsTheModeAndStopsTheClock) {
    window->timerOptions->select(1);
    fake.dialogs.inputs = {QString("60")};
    start(10);
    window->CountOneSecond();
    bool clockStood = false;
    fake.modal.scripts.push_back([&](QWidget&) {
        clockStood = !window->secondTimer->isActive();
        services.program.SharedState = 0; // the Sound Information window's own use
        services.program.SignalValue = 4;
    });
    window->soundAction->trigger();
    settle();
    EXPECT_TRUE(clockStood);
    EXPECT_TRUE(window->secondTimer->isActive());
    EXPECT_EQ(services.program.SharedState, QuoteRules::OnePanel);
    // Toolbar button 17 leaves 17 for the main window to open again afterwards.
    fake.modal.scripts.push_back([](QWidget&) {});
    window->toolbar->button(17)->trigger();
    EXPECT_EQ(services.program.NextActivity, 17);
    // The countdown then ends in one panel as it began.
    for (int second = 0; second < 60; ++second) {
        window->CountOneSecond();
    }
    EXPECT_EQ(reportRow(1).at(1), "0");
    EXPECT_EQ(window->panelMode(), QuoteRules::OnePanel);
}

TEST_F(QuotesWindowTest, TheDisplayOptionPanelChoosesTheQuote) {
    window->ToggleDisplayOptions();
    ASSERT_TRUE(window->displayOptionPanel->isVisible());
    EXPECT_TRUE(window->displayOptionAction->isChecked());
    window->quoteOrderOptions->select(2);
    window->DecreaseQuoteNumber();
    EXPECT_EQ(window->quoteNumberPanel->caption(), "42");
    window->IncreaseQuoteNumber();
    window->IncreaseQuoteNumber();
    EXPECT_EQ(window->quoteNumberPanel->caption(), "2");
    // Starting closes the panel with its mark, and Esc is the exit's again.
    start(6);
    EXPECT_FALSE(window->displayOptionPanel->isVisible());
    EXPECT_FALSE(window->displayOptionAction->isChecked());
    EXPECT_EQ(window->windowTitle(), "Famous Quotes - Quote 2");
    EXPECT_FALSE(window->displayOptionButton->isEnabled());
    EXPECT_FALSE(window->displayOptionAction->isEnabled());
    EXPECT_FALSE(window->timerAction->isEnabled());
    EXPECT_FALSE(window->timerFrame->isEnabled());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible()); // Esc is "E&xit" again
}

TEST_F(QuotesWindowTest, AStartClosesTheReportWithItsMarkAndEsc) {
    start(10);
    click(window->startButton); // "&End"
    window->reportAction->trigger();
    ASSERT_TRUE(window->reportPanel->isVisible());
    ASSERT_TRUE(window->reportAction->isChecked());
    shuffleByOne(6);          // quote 2: 16 words at 3 a box
    window->StartNextQuote(); // "&Next" from the menu, the report still open
    EXPECT_FALSE(window->reportPanel->isVisible());
    EXPECT_FALSE(window->reportAction->isChecked());
    EXPECT_EQ(window->startButton->text(), "&End");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(QuotesWindowTest, ShowErrorsButtonNamesWhatAClickWouldDoOnlyOverItsHeight) {
    const auto moveTo = [this](int twips) {
        const QPointF at(5, Twips::toPixels(twips));
        QMouseEvent move(QEvent::MouseMove, at, window->leftToolbar->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window->leftToolbar, &move);
        return window->leftToolbarButton(3)->toolTip();
    };
    window->leftToolbarButton(3)->trigger(); // Show Errors off
    EXPECT_EQ(moveTo(400), "Show Errors - OFF");
    EXPECT_EQ(moveTo(690), "Show Errors - ON");
    window->showErrorsAction->trigger();
    EXPECT_EQ(moveTo(1000), "Show Errors - ON");
    EXPECT_EQ(moveTo(990), "Show Errors - OFF");
}

} // namespace

#include "QuotesWindowFixture.h"

#include "GridControl.h"
#include "OptionGroup.h"
#include "QuoteRules.h"
#include "ScreenReader.h"

#include <QAccessible>
#include <QGroupBox>

#include <cmath>

namespace {

const QChar M(0xA7);

QString markers(int n) {
    return QString(n, M);
}

class QuotesWordEntryTest : public QuotesWindowTest {
protected:
    // The next start plays quote q; the order is set after the mode, which resets it.
    void selectQuote(int q) {
        window->quoteOrderOptions->select(2);
        while (window->state().QuoteNumber != q) {
            window->increaseButton->click();
        }
    }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
        settle();
    }

    QStringList shownSince(qsizetype first) const { return fake.dialogs.shownTexts().mid(first); }
};

// Quote 5, "A house divided against itself cannot stand. I believe this government cannot
// endure, permanently half slave and half free.", under "3 Letters or Less" hides "A" (box 0),
// "I" (box 7) and "and" (box 16).
TEST_F(QuotesWordEntryTest, AGameTypedWithThePhysicalKeysToViewErrors) {
    window->groupingActions[0]->trigger();
    EXPECT_EQ(window->panelMode(), QuoteRules::WordEntry);
    EXPECT_TRUE(window->groupingActions[0]->isChecked());
    EXPECT_EQ(window->modeBanner->caption(),
              "Word Entry Option" + QString(QChar(13)) + "3 Letters or Less");
    EXPECT_EQ(std::get<QString>(services.program.PrintSettings.PrintFontColour),
              "3 Letters or Less");
    EXPECT_EQ(window->previousWordButton->text(), " <-- &Word");
    EXPECT_EQ(window->nextWordButton->text(), " Wo&rd -->");
    EXPECT_FALSE(window->modeFrame->isEnabled());
    EXPECT_FALSE(window->keyboard->isVisible());
    selectQuote(5);
    click(window->startButton);

    ASSERT_EQ(window->state().BoxCount, 19);
    EXPECT_EQ(window->state().EntryCount, 3);
    EXPECT_EQ(window->moveCount->caption(), "3");
    EXPECT_EQ(upper(0)->text(), markers(1));
    EXPECT_EQ(upper(1)->text(), "HOUSE");
    EXPECT_EQ(upper(16)->text(), markers(3));
    ASSERT_TRUE(window->keyboard->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), window->keyButtons[0]);
    EXPECT_EQ(window->currentEntryBox(), 0);
    EXPECT_EQ(upper(0)->backCode(), 11);

    // A one-letter word is filled by one key, stays black and hands on to the next entry box;
    // Space and a shifted letter type nothing.
    press(Qt::Key_A);
    EXPECT_EQ(upper(0)->text(), "A");
    EXPECT_EQ(upper(0)->foreCode(), 0);
    EXPECT_EQ(window->currentEntryBox(), 7);
    EXPECT_EQ(upper(0)->backCode(), 15);
    press(Qt::Key_Space);
    press(Qt::Key_B, Qt::ShiftModifier);
    EXPECT_EQ(upper(7)->text(), markers(1));
    press(Qt::Key_I);
    ASSERT_EQ(window->currentEntryBox(), 16);

    // Typing turns the word blue; BackSpace and Clear Word put markers back.
    press(Qt::Key_A);
    press(Qt::Key_N);
    EXPECT_EQ(upper(16)->text(), "AN" + markers(1));
    EXPECT_EQ(upper(16)->foreCode(), 1);
    press(Qt::Key_Backspace);
    EXPECT_EQ(upper(16)->text(), "A" + markers(2));
    click(window->clearWordButton);
    EXPECT_EQ(upper(16)->text(), markers(3));
    EXPECT_EQ(QApplication::focusWidget(), window->keyButtons[0]);

    // Filling the last entry box wraps round to the first open one.
    for (int key : {Qt::Key_O, Qt::Key_N, Qt::Key_E}) {
        press(key);
    }
    EXPECT_EQ(window->currentEntryBox(), 0);
    // A click picks an entry box; a given word cannot be picked.
    clickBox(upper(1));
    EXPECT_EQ(window->currentEntryBox(), 0);
    clickBox(upper(16));
    EXPECT_EQ(window->currentEntryBox(), 16);
    EXPECT_EQ(upper(0)->backCode(), 15);

    click(window->checkButton);
    EXPECT_EQ(window->checkButton->text(), "&Cont.");
    EXPECT_EQ(window->state().EntryErrors, 1);
    EXPECT_FALSE(window->keyboard->isVisible());
    // Waiting for Continue, a key on Start answers with the message and does nothing else.
    const qsizetype before = fake.dialogs.shown.size();
    QTest::keyClick(window->startButton, Qt::Key_A);
    settle();
    EXPECT_EQ(shownSince(before), QStringList{"Please Click Continue to Resume Activity"});
    EXPECT_EQ(window->startButton->text(), "&End");

    click(window->checkButton);
    ASSERT_TRUE(window->keyboard->isVisible());
    EXPECT_EQ(window->currentEntryBox(), 16);
    EXPECT_EQ(upper(16)->backCode(), 11);
    EXPECT_EQ(QApplication::focusWidget(), window->keyButtons[0]);
    // A key on a complete word starts it again; Shift+9 and Shift+0 give the brackets.
    press(Qt::Key_ParenLeft, Qt::ShiftModifier);
    EXPECT_EQ(upper(16)->text(), "(" + markers(2));
    press(Qt::Key_ParenRight, Qt::ShiftModifier);
    press(Qt::Key_Colon, Qt::ShiftModifier);
    EXPECT_EQ(upper(16)->text(), "():");
    click(window->checkButton); // wrong again: still one error
    EXPECT_EQ(window->state().EntryErrors, 1);
    click(window->checkButton);

    click(window->startButton); // "&End"
    EXPECT_EQ(window->startButton->text(), "&Next");
    EXPECT_EQ(reportRow(1), (QStringList{"5", "3", "1", "   0%", "Didn't Finish"}));
    ASSERT_TRUE(window->viewErrorsButton->isVisible());
    EXPECT_EQ(upper(16)->text(), "AND"); // the answers revealed
    const GridControl* grid = window->viewErrorsGrid;
    EXPECT_EQ(grid->cols(), 20);
    EXPECT_EQ(grid->textMatrix(0, 0), "CORRECT:");
    EXPECT_EQ(grid->textMatrix(1, 0), "YOUR ENTRIES:");
    EXPECT_EQ(grid->textMatrix(0, 17), "AND");
    EXPECT_EQ(grid->textMatrix(1, 17), "():");
    EXPECT_EQ(grid->textMatrix(1, 2), "HOUSE");
    EXPECT_EQ(grid->colAlignment(0), GridControl::RightCentre);
    EXPECT_EQ(grid->colWidth(3), int(std::nearbyint(grid->widthTwips() * 0.2)));

    click(window->viewErrorsButton);
    ASSERT_TRUE(window->viewErrorsPanel->isVisible());
    const qsizetype guarded = fake.dialogs.shown.size();
    click(window->startButton);
    click(window->checkButton);
    EXPECT_EQ(shownSince(guarded), QStringList(2, "Please Close View Errors to Resume Activity"));
    EXPECT_EQ(window->startButton->text(), "&Next");
    EXPECT_FALSE(window->reportPanel->isVisible());
    click(window->closeViewErrorsButton);
    EXPECT_FALSE(window->viewErrorsPanel->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), window->startButton);
    click(window->startButton);
    EXPECT_EQ(window->startButton->text(), "&End");
    EXPECT_FALSE(window->viewErrorsButton->isVisible());
}

// A screen reader takes the current entry box, the one shown in cyan, for the focused control,
// wherever the keys, a click or a check move it; the errors column is read as such.
TEST_F(QuotesWordEntryTest, AScreenReaderFollowsTheCurrentEntryBox) {
    const auto focusedBoxes = [this] {
        QList<int> boxes;
        for (int i = 0; i < window->state().BoxCount; ++i) {
            if (QAccessible::queryAccessibleInterface(upper(i))->state().focused) {
                boxes.append(i);
            }
        }
        return boxes;
    };
    window->groupingActions[0]->trigger();
    selectQuote(5);
    click(window->startButton);
    EXPECT_EQ(focusedBoxes(), QList<int>{0});
    EXPECT_EQ(spokenName(upper(0)), markers(1));
    press(Qt::Key_A);
    EXPECT_EQ(focusedBoxes(), QList<int>{7});
    clickBox(upper(16));
    EXPECT_EQ(focusedBoxes(), QList<int>{16});
    EXPECT_EQ(window->accuracyHeading->caption(), "# Errors");
    EXPECT_EQ(spokenDescription(window->accuracyGauge), "# Errors");

    // A check that leaves words open makes the first open box current again, in cyan and for a
    // screen reader alike, and Continue keeps it.
    click(window->checkButton);
    EXPECT_EQ(window->checkButton->text(), "&Cont.");
    EXPECT_EQ(upper(7)->backCode(), WordBox::kCurrentBackCode);
    EXPECT_EQ(focusedBoxes(), QList<int>{7});
    click(window->checkButton);
    EXPECT_EQ(focusedBoxes(), QList<int>{7});
}

TEST_F(QuotesWordEntryTest, EveryGroupingOfTheMenuHidesByItsOwnRule) {
    const int expected[] = {3, 6, 8, 13, 14, 19}; // quote 5's entry boxes by grouping
    for (int item = 0; item < 6; ++item) {
        window->groupingActions[std::size_t(item)]->trigger();
        selectQuote(5);
        click(window->startButton);
        EXPECT_EQ(window->state().EntryCount, expected[item]) << item;
        click(window->startButton); // "&End"
    }
    EXPECT_EQ(upper(18)->text(), "FREE.");
    window->onePanelAction->trigger();
    EXPECT_FALSE(window->groupingActions[5]->isChecked());
    EXPECT_EQ(window->state().WordsPerBox, 3);
}

TEST_F(QuotesWordEntryTest, KeysOnStartGiveTheContinueMessageOnlyWhileContinueWaits) {
    window->groupingActions[5]->trigger();
    // A key on Start where nothing waits: no message and no beep.
    const auto pressOnStart = [this] {
        const qsizetype shown = fake.dialogs.shown.size();
        const qsizetype beeps = fake.sound.played.count(FakeSound::kBeep);
        QTest::keyClick(window->startButton, Qt::Key_A);
        settle();
        EXPECT_EQ(fake.dialogs.shown.size(), shown);
        EXPECT_EQ(fake.sound.played.count(FakeSound::kBeep), beeps);
    };
    pressOnStart(); // before the first quote
    selectQuote(5);
    click(window->startButton);
    click(window->startButton); // "&End"
    ASSERT_EQ(window->startButton->text(), "&Next");
    pressOnStart(); // after the end
}

} // namespace

#include "QuotesWindowFixture.h"

#include "QuoteRules.h"

namespace {

// Played with the keys alone: Tab reaches the word boxes, the arrows go along a panel's boxes,
// and Enter or Space on a box picks its text up or puts it down.
class QuotesKeyboardTest : public QuotesWindowTest {
protected:
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        settle();
    }

    // Tab into the box's panel, then the arrows along it to the box.
    static void focusBox(WordBox* target) {
        const auto focusedBox = [] { return qobject_cast<WordBox*>(QApplication::focusWidget()); };
        for (int presses = 0; presses < 200; ++presses) {
            if (focusedBox() != nullptr && focusedBox()->parentWidget() == target->parentWidget()) {
                break;
            }
            press(Qt::Key_Tab);
        }
        for (int presses = 0; presses < 70 && focusedBox() != target && focusedBox() != nullptr;
             ++presses) {
            press(focusedBox()->index() < target->index() ? Qt::Key_Right : Qt::Key_Left);
        }
        ASSERT_EQ(QApplication::focusWidget(), target);
    }

    // Alt+C, "&Check": the button shows itself pressed for a moment before it acts.
    void check() {
        const QString before = window->checkButton->text();
        press(Qt::Key_C, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return window->checkButton->text() != before; }, 2000));
    }

    // Carries a box's text onto another: the key on the first holds it, on the second drops it.
    void carry(WordBox* from, WordBox* onto, Qt::Key key) {
        focusBox(from);
        press(key);
        ASSERT_EQ(from->backCode(), 10) << "held";
        focusBox(onto);
        press(key);
    }
};

TEST_F(QuotesKeyboardTest, OnePanelByKeysAlone) {
    ASSERT_EQ(window->panelMode(), QuoteRules::OnePanel);
    ASSERT_EQ(window->state().PlaceMode, 1); // Drag mode, as the window opens
    shuffleByOne(10);
    press(Qt::Key_Return); // "&Start", the default button
    ASSERT_EQ(window->state().BoxCount, 10);
    // Box i holds the text of box i - 1, box 0 that of box 9: box 1's text goes to box 0, and
    // the text then standing in box 1 each time to its own box, from 9 down to 2.
    carry(upper(1), upper(0), Qt::Key_Space);
    for (int box = 9; box >= 2; --box) {
        carry(upper(1), upper(box), box % 2 == 0 ? Qt::Key_Return : Qt::Key_Space);
    }
    for (int box = 0; box < 10; ++box) {
        EXPECT_EQ(upper(box)->text(), correct(box)) << box;
    }
    // Enter on a box never pressed "&End".
    EXPECT_EQ(window->startButton->text(), "&End");
    EXPECT_EQ(window->state().MoveCount, 9);
    EXPECT_EQ(window->accuracyGauge->caption(), "0");
    check();
    EXPECT_EQ(window->selectionPanel->caption(), "Perfect!");
    EXPECT_EQ(window->startButton->text(), "&Next");
}

TEST_F(QuotesKeyboardTest, TwoPanelsByKeysInDragAndClickModes) {
    window->twoPanelsAction->trigger();
    shuffleByOne(10);
    press(Qt::Key_Return);
    ASSERT_EQ(window->state().BoxCount, 10);
    // Drag mode: each lower text held and dropped into its upper box; a key on a lower box
    // while one is held puts it back.
    focusBox(lower(5));
    press(Qt::Key_Space);
    focusBox(lower(6));
    press(Qt::Key_Space);
    EXPECT_EQ(lower(5)->backCode(), 15);
    EXPECT_EQ(window->state().MoveCount, 0);
    for (int box = 0; box < 5; ++box) {
        carry(lower((box + 1) % 10), upper(box), Qt::Key_Return);
        EXPECT_EQ(upper(box)->text(), correct(box)) << box;
    }
    // Click mode (its menu item): the key picks a text up into the selection panel and puts it
    // down in the box.
    window->clickModeAction->trigger();
    for (int box = 5; box < 10; ++box) {
        focusBox(lower((box + 1) % 10));
        press(Qt::Key_Space);
        EXPECT_EQ(window->selectionPanel->caption(), correct(box));
        focusBox(upper(box));
        press(Qt::Key_Return);
        EXPECT_EQ(upper(box)->text(), correct(box)) << box;
    }
    EXPECT_EQ(window->state().MoveCount, 10);
    EXPECT_EQ(window->startButton->text(), "&End");
    check();
    EXPECT_EQ(window->selectionPanel->caption(), "Perfect!");
}

} // namespace

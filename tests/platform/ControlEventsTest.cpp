#include "FocusMoves.h"
#include "ListBox.h"
#include "QueuedKeystroke.h"
#include "WindowKeys.h"

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A window with a list between two buttons, active, as the classic windows' handlers expect.
class ControlEventsTest : public ::testing::Test {
protected:
    ControlEventsTest() {
        window.setCentralWidget(new QWidget(&window));
        first = new QPushButton("&First", window.centralWidget());
        list = new ListBox(window.centralWidget());
        list->move(0, 40);
        list->addItems({"apple", "banana", "cherry"});
        second = new QPushButton("&Second", window.centralWidget());
        second->move(0, 200);
        QObject::connect(list, &ListBox::clicked, [this] { clicks.append(list->ListIndex()); });
        QObject::connect(list, &ListBox::keyTyped, [this](int code) { typed.append(code); });
        first->setFocus();
        window.show();
        QCoreApplication::processEvents();
    }

    void SetUp() override { ASSERT_TRUE(window.isActiveWindow()); }

    QMainWindow window;
    QPushButton* first;
    ListBox* list;
    QPushButton* second;
    QList<int> clicks;
    QList<int> typed;
};

TEST_F(ControlEventsTest, AListPositionSetFromCodeClicksOnceEvenWhenUnchanged) {
    EXPECT_TRUE(list->setListIndex(1));
    EXPECT_TRUE(list->setListIndex(1));
    EXPECT_FALSE(list->setListIndex(3)); // past the end: nothing happens
    EXPECT_EQ(clicks, (QList<int>{1, 1}));
    list->deselect(0);
    EXPECT_EQ(list->ListIndex(), 1);
    list->deselect(1);
    EXPECT_EQ(list->ListIndex(), -1);
    EXPECT_EQ(clicks.size(), 2);
}

TEST_F(ControlEventsTest, TypedKeysReachTheHandlerWithoutSearchingTheList) {
    list->setFocus();
    list->setListIndex(0);
    clicks.clear();
    QTest::keyClicks(list, "c b");
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClick(list, Qt::Key_Backspace);
    EXPECT_EQ(typed, (QList<int>{'c', ' ', 'b', 13, 8}));
    EXPECT_EQ(list->ListIndex(), 0);
    // Arrows move the position, and each move is a click.
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(clicks, QList<int>{1});
    // Tab arrives as a key only while the list is out of the tab order.
    QTest::keyClick(list, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), second);
    list->setFocusPolicy(Qt::ClickFocus);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Tab);
    EXPECT_EQ(typed.last(), 9);
    EXPECT_EQ(QApplication::focusWidget(), list);
}

TEST_F(ControlEventsTest, AClickOnTheSelectedItemClicksAgain) {
    list->setListIndex(2);
    const QPoint onCherry = list->visualItemRect(list->item(2)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onCherry);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onCherry);
    EXPECT_EQ(clicks, (QList<int>{2, 2, 2}));
}

TEST_F(ControlEventsTest, FocusHandlersRunOnlyOnRealMoves) {
    FocusMoves moves(window);
    QStringList seen;
    moves.onGotFocus(list, [&seen] { seen.append("list got"); });
    moves.onLostFocus(list, [&seen] { seen.append("list lost"); });
    moves.onGotFocus(second, [&seen] { seen.append("second got"); });
    list->setFocus();
    list->setFocus();
    // Another window takes the focus and gives it back, as a message box does.
    QWidget box;
    box.show();
    box.activateWindow();
    QCoreApplication::processEvents();
    window.activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), list);
    second->setFocus();
    EXPECT_EQ(seen, (QStringList{"list got", "list lost", "second got"}));
}

TEST_F(ControlEventsTest, EnterAndEscPressTheWindowsButtons) {
    WindowKeys keys(window);
    QStringList pressed;
    QObject::connect(first, &QPushButton::clicked, [&pressed] { pressed.append("first"); });
    QObject::connect(second, &QPushButton::clicked, [&pressed] { pressed.append("second"); });
    keys.setDefaultButton(first);
    keys.setCancelButton(second);

    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return); // the default button
    QTest::keyClick(list, Qt::Key_Escape); // the cancel button
    second->setFocus();
    QTest::keyClick(second, Qt::Key_Return); // the button that has the focus
    first->setEnabled(false);
    QTest::keyClick(list, Qt::Key_Return); // a disabled default button: the list gets Enter
    EXPECT_EQ(pressed, (QStringList{"first", "second", "second"}));
    EXPECT_EQ(typed, QList<int>{13});
}

TEST_F(ControlEventsTest, AQueuedKeystrokeIsHandledAfterTheCurrentHandler) {
    list->setFocus();
    list->setListIndex(0);
    clicks.clear();
    queueKeystroke(window, Qt::Key_Down);
    EXPECT_TRUE(clicks.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, QList<int>{1});
}

} // namespace

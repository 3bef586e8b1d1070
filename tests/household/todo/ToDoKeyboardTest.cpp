#include "ToDoWindowFixture.h"

#include <QAccessible>

namespace {

QWidget* focused() {
    return QApplication::focusWidget();
}

// Keys only, from the grid on: both dates of an item are entered through the date picker and the
// list is sorted by a header reached with the arrow keys.
TEST_F(ToDoWindowTest, BothDatesAreEnteredAndTheListSortedByKeysAlone) {
    writeGridFile({{"Tax", "Tuesday - Mar 31, 26", ""}, {"Bank", "", ""}});
    openToDo([&](ToDoWindow& toDo) {
        GridControl* grid = toDo.toDoGrid;
        grid->setFocus(Qt::TabFocusReason);
        settle();
        ASSERT_EQ(grid->row(), 1);
        ASSERT_EQ(grid->col(), 1);
        press(grid, Qt::Key_Down);
        press(grid, Qt::Key_Right);

        // Enter on an empty date cell enters today's date and opens the picker, the focus in it.
        press(grid, Qt::Key_Return);
        EXPECT_EQ(cell(toDo, 2, 2), "Wednesday - Mar 25, 26");
        ASSERT_TRUE(toDo.datePicker->isVisible());
        ASSERT_TRUE(toDo.datePicker->isAncestorOf(focused()));
        // The arrows move the picker's day only; Enter writes it and goes back to the cell.
        press(focused(), Qt::Key_Right);
        press(focused(), Qt::Key_Right);
        EXPECT_EQ(cell(toDo, 2, 2), "Wednesday - Mar 25, 26");
        press(focused(), Qt::Key_Return);
        EXPECT_EQ(cell(toDo, 2, 2), "Friday - Mar 27, 26");
        EXPECT_EQ(focused(), grid);

        // Space on the actual date; a week on, Space picks it.
        press(grid, Qt::Key_Right);
        press(grid, Qt::Key_Space);
        EXPECT_EQ(cell(toDo, 2, 3), "Wednesday - Mar 25, 26");
        ASSERT_TRUE(toDo.datePicker->isAncestorOf(focused()));
        press(focused(), Qt::Key_Down);
        press(focused(), Qt::Key_Space);
        EXPECT_EQ(cell(toDo, 2, 3), "Wednesday - Apr 1, 26");
        EXPECT_EQ(focused(), grid);
        // F4 on a filled date cell shows its date; Esc closes the picker, not the window.
        press(grid, Qt::Key_F4);
        EXPECT_EQ(toDo.datePicker->selectedDate(), QDate(2026, 4, 1));
        press(focused(), Qt::Key_PageDown);
        press(focused(), Qt::Key_Escape);
        EXPECT_FALSE(toDo.datePicker->isVisible());
        EXPECT_EQ(focused(), grid);
        EXPECT_TRUE(toDo.isVisible());
        EXPECT_EQ(cell(toDo, 2, 3), "Wednesday - Apr 1, 26");

        // Up from the first row reaches the headers, the one current read as the focused cell;
        // Enter sorts by the To Do Date, ascending and then the other way; Down goes back to the
        // rows.
        press(grid, Qt::Key_Up);
        press(grid, Qt::Key_Up);
        press(grid, Qt::Key_Left);
        ASSERT_TRUE(grid->headerCurrent());
        QAccessibleInterface* focusedCell =
            QAccessible::queryAccessibleInterface(grid)->focusChild();
        ASSERT_NE(focusedCell, nullptr);
        EXPECT_EQ(focusedCell->text(QAccessible::Name), "To Do Date");
        press(grid, Qt::Key_Return);
        EXPECT_EQ(cell(toDo, 1, 1), "Bank");
        EXPECT_EQ(cell(toDo, 2, 1), "Tax");
        press(grid, Qt::Key_Space);
        EXPECT_EQ(cell(toDo, 1, 1), "Tax");
        EXPECT_EQ(cell(toDo, 2, 1), "Bank");
        EXPECT_EQ(cell(toDo, 2, 2), "Friday - Mar 27, 26");
        EXPECT_EQ(toDo.ToDoChanged, 1);
        press(grid, Qt::Key_Down);
        EXPECT_FALSE(grid->headerCurrent());
        EXPECT_EQ(grid->row(), 1);
    });
}

} // namespace

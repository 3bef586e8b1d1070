#include "GridControl.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A grid of one header row and a fixed first column, with the texts of column 1 given.
class EditingGrid : public ::testing::Test {
protected:
    EditingGrid() {
        grid.setCols(3);
        grid.setRows(6);
        grid.resize(400, 200);
        const QStringList texts = {"pear", "", "Apple", "apple", ""};
        for (int row = 1; row <= 5; ++row) {
            grid.setRowText(row, "\t" + texts[row - 1] + "\t" + QString::number(row));
        }
    }

    QStringList column(int col) const {
        QStringList texts;
        for (int row = 1; row < grid.rows(); ++row) {
            texts.append(grid.textMatrix(row, col));
        }
        return texts;
    }

    GridControl grid;
};

TEST_F(EditingGrid, SortsWithoutCaseEmptyFirstAndKeepsEqualTextsInOrder) {
    grid.sortRows(1, GridControl::Ascending);
    EXPECT_EQ(column(1), QStringList({"", "", "Apple", "apple", "pear"}));
    EXPECT_EQ(column(2), QStringList({"2", "5", "3", "4", "1"}));
    grid.sortRows(1, GridControl::Descending);
    EXPECT_EQ(column(1), QStringList({"pear", "Apple", "apple", "", ""}));
    EXPECT_EQ(grid.textMatrix(0, 1), ""); // the header row stays
}

TEST_F(EditingGrid, RowsMoveWithTheirCellColours) {
    grid.setCellBackColour(3, 1, Qt::red);
    grid.moveRow(3, 1);
    EXPECT_EQ(column(2), QStringList({"3", "1", "2", "4", "5"}));
    EXPECT_EQ(grid.cellBackColour(1, 1), QColor(Qt::red));
    EXPECT_FALSE(grid.cellBackColour(3, 1).isValid());
    grid.insertRow(1);
    EXPECT_EQ(grid.rows(), 7);
    EXPECT_EQ(grid.cellBackColour(2, 1), QColor(Qt::red));
    grid.removeRow(1);
    grid.removeRow(1);
    EXPECT_EQ(column(2), QStringList({"1", "2", "4", "5"}));
    EXPECT_FALSE(grid.cellBackColour(1, 1).isValid());
    // Rows outside the grid change nothing.
    grid.removeRow(40);
    grid.moveRow(1, 40);
    EXPECT_EQ(grid.rows(), 5);
}

TEST_F(EditingGrid, TypingEditsTheCurrentCellThroughTheFilterAndLimit) {
    grid.show();
    grid.setEditMaxLength(1, 5);
    grid.setEditFilter([](const QString& text) { return QString(text).remove('"'); });
    QSignalSpy typed(&grid, &GridControl::editKeyTyped);
    QSignalSpy edited(&grid, &GridControl::afterEdit);
    grid.setRow(2);
    grid.setCol(1);
    grid.setFocus();
    QTest::keyClicks(&grid, "a\"b");
    EXPECT_FALSE(grid.isEditing()) << "a read-only grid opened its editor";
    EXPECT_EQ(grid.textMatrix(2, 1), "");
    grid.setEditable(1);
    QTest::keyClicks(&grid, "a\"bcdefg");
    ASSERT_TRUE(grid.isEditing());
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_FALSE(grid.isEditing());
    EXPECT_EQ(grid.textMatrix(2, 1), "abcde");
    EXPECT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.at(0).at(0).toInt(), 2);
    EXPECT_GE(typed.count(), 5);
    // Switching editing off puts what was typed into the cell.
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClicks(&grid, "xy");
    grid.setEditable(0);
    EXPECT_EQ(grid.textMatrix(3, 1), "xy");
}

} // namespace

namespace {

// The headers a sortable grid offers the keyboard: Up from the first row makes the column's
// header current (for a screen reader too), Left and Right go along the headers, Enter and Space
// sort as a click on the header would, and Down goes back to the rows. A grid that sorts nothing
// keeps the keyboard in its rows.
TEST_F(EditingGrid, TheKeyboardReachesTheHeadersAndSortsFromThem) {
    grid.setRowText(0, "\tFruit\tNumber");
    grid.show();
    QApplication::setActiveWindow(&grid);
    grid.setFocus();
    ASSERT_TRUE(grid.hasFocus());
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid);
    QSignalSpy sorts(&grid, &GridControl::afterSort);

    grid.setRow(2);
    QTest::keyClick(&grid, Qt::Key_Up);
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_FALSE(grid.headerCurrent());
    grid.setUserSortAndMove(true);
    QTest::keyClick(&grid, Qt::Key_Up);
    ASSERT_TRUE(grid.headerCurrent());
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(table->focusChild()->text(QAccessible::Name), "Fruit");
    QTest::keyClick(&grid, Qt::Key_A); // nothing is typed into a header
    EXPECT_EQ(grid.textMatrix(0, 1), "Fruit");

    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(column(1), QStringList({"", "", "Apple", "apple", "pear"}));
    QTest::keyClick(&grid, Qt::Key_Space);
    EXPECT_EQ(column(1), QStringList({"pear", "Apple", "apple", "", ""}));
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(table->focusChild()->text(QAccessible::Name), "Number");
    QTest::keyClick(&grid, Qt::Key_Enter);
    EXPECT_EQ(column(2), QStringList({"1", "2", "3", "4", "5"}));
    ASSERT_EQ(sorts.size(), 3);
    EXPECT_EQ(sorts[1], (QList<QVariant>{1, int(GridControl::Descending)}));
    EXPECT_EQ(sorts[2], (QList<QVariant>{2, int(GridControl::Ascending)}));

    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_FALSE(grid.headerCurrent());
    EXPECT_EQ(table->focusChild()->text(QAccessible::Name), "1");
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.row(), 2);
}

} // namespace

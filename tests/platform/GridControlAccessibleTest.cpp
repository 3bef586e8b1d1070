#include "AccessibilityEvents.h"
#include "GridControl.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

// A cost chart as the birthyear window shows it: a heading row of years and a column of items.
class GridAccessibleTest : public ::testing::Test {
protected:
    GridAccessibleTest() {
        grid.resize(400, 200);
        grid.setCols(3);
        grid.setRows(4);
        grid.setRowText(0, "Item\t1970\t1975");
        grid.setRowText(1, "Bread\t$0.24\t$0.28");
        grid.setRowText(2, "Milk\t$1.15\t$1.57");
        grid.setRowText(3, "Gas\t$0.36\t$0.57");
        table = QAccessible::queryAccessibleInterface(&grid);
    }

    QString name(QAccessibleInterface* item) const {
        return item != nullptr ? item->text(QAccessible::Name) : QString("(none)");
    }
    static QStringList names(const QList<QAccessibleInterface*>& items) {
        QStringList texts;
        for (QAccessibleInterface* item : items) {
            texts.append(item->text(QAccessible::Name));
        }
        return texts;
    }

    GridControl grid;
    QAccessibleInterface* table = nullptr;
};

TEST_F(GridAccessibleTest, TheGridReadsAsATableWithHeadersFromItsFixedRowsAndColumns) {
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    QAccessibleTableInterface* cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->rowCount(), 3);
    EXPECT_EQ(cells->columnCount(), 2);
    EXPECT_EQ(cells->columnDescription(1), "1975");
    EXPECT_EQ(cells->rowDescription(1), "Milk");

    QAccessibleInterface* milkIn1975 = cells->cellAt(1, 1);
    EXPECT_EQ(name(milkIn1975), "$1.57");
    EXPECT_EQ(milkIn1975->role(), QAccessible::Cell);
    EXPECT_EQ(milkIn1975->parent(), table);
    QAccessibleTableCellInterface* cell = milkIn1975->tableCellInterface();
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->rowIndex(), 1);
    EXPECT_EQ(cell->columnIndex(), 1);
    EXPECT_EQ(names(cell->columnHeaderCells()), QStringList{"1975"});
    EXPECT_EQ(names(cell->rowHeaderCells()), QStringList{"Milk"});
    EXPECT_EQ(cell->columnHeaderCells().first()->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(cell->rowHeaderCells().first()->role(), QAccessible::RowHeader);
    EXPECT_EQ(cells->cellAt(3, 0), nullptr);
    EXPECT_EQ(cells->cellAt(0, 2), nullptr);

    // Every cell is a child, row by row, headings included.
    EXPECT_EQ(table->childCount(), 12);
    EXPECT_EQ(name(table->child(4)), "$0.24");
    EXPECT_EQ(table->indexOfChild(milkIn1975), 8);

    // A cell reads the text it shows now; a changed shape changes the table.
    grid.setTextMatrix(2, 2, "$1.60");
    EXPECT_EQ(name(cells->cellAt(1, 1)), "$1.60");
    grid.setFixedCols(0);
    EXPECT_EQ(cells->columnCount(), 3);
    EXPECT_EQ(name(cells->cellAt(1, 0)), "Milk");
    EXPECT_TRUE(cells->cellAt(1, 0)->tableCellInterface()->rowHeaderCells().isEmpty());
}

// Qt tells a screen reader of a focus move only while one listens, which no test can stand in
// for; what it then reads is the table's focused child, checked here.
TEST_F(GridAccessibleTest, TheCurrentCellIsTheFocusedCellWhereverItMoves) {
    grid.show();
    grid.setFocus();
    QApplication::setActiveWindow(&grid);
    ASSERT_TRUE(grid.hasFocus());
    QAccessibleTableInterface* cells = table->tableInterface();
    struct Move {
        std::function<void()> move;
        QString focused;
    };
    const Move moves[] = {
        {[this] { grid.setRow(2); }, "$1.15"},
        {[this] { grid.setCol(2); }, "$1.57"},
        {[this] { QTest::keyClick(&grid, Qt::Key_Down); }, "$0.57"},
        {[this] { QTest::keyClick(&grid, Qt::Key_Left); }, "$0.36"},
        {[this] { grid.setRows(3); }, "$1.15"}, // the current row dropped: the last row left
    };
    for (const Move& step : moves) {
        step.move();
        QAccessibleInterface* focused = table->focusChild();
        EXPECT_EQ(name(focused), step.focused);
        EXPECT_TRUE(focused != nullptr && focused->state().focused) << step.focused.toStdString();
    }
    EXPECT_FALSE(cells->cellAt(0, 0)->state().focused);
    grid.clearFocus();
    EXPECT_FALSE(table->focusChild()->state().focused);
}

} // namespace

namespace {

// What a listening screen reader is told as the current cell moves and texts change: the cell
// by its place among the table's children (row x columns + column, headings counted), a changed
// body cell by its row and column in the table, a changed heading as a new table.
TEST_F(GridAccessibleTest, TheEventsNameTheCellsThatMovedOrChanged) {
    AccessibilityEvents heard;
    grid.show();
    grid.setFocus();
    QApplication::setActiveWindow(&grid);
    ASSERT_TRUE(grid.hasFocus());
    heard.clear();
    grid.setCol(1);
    heard.clear();
    grid.setRow(3);
    ASSERT_EQ(heard.focusMoves().size(), 1);
    EXPECT_EQ(heard.focusMoves().first().object, &grid);
    EXPECT_EQ(heard.focusMoves().first().child, 3 * 3 + 1);
    EXPECT_EQ(heard.focusMoves().first().name, "$0.36");

    heard.clear();
    grid.setTextMatrix(2, 2, "$1.60");
    QList<AccessibilityEvents::Event> changes = heard.of(&grid, QAccessible::TableModelChanged);
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes.first().modelChange, QAccessibleTableModelChangeEvent::DataChanged);
    EXPECT_EQ(QList<int>({changes.first().firstRow, changes.first().firstColumn,
                          changes.first().lastRow, changes.first().lastColumn}),
              QList<int>({1, 1, 1, 1}));

    heard.clear();
    grid.setTextMatrix(0, 1, "1971");
    changes = heard.of(&grid, QAccessible::TableModelChanged);
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes.first().modelChange, QAccessibleTableModelChangeEvent::ModelReset);
    EXPECT_EQ(table->tableInterface()->columnDescription(0), "1971");
}

} // namespace

#include "ToDoWindowFixture.h"

#include <QMouseEvent>

namespace {

std::vector<ToDoRow> items(std::initializer_list<const char*> names) {
    std::vector<ToDoRow> rows;
    for (const char* name : names) {
        rows.push_back({name, "", ""});
    }
    return rows;
}

QStringList itemColumn(const ToDoWindow& toDo, int last) {
    QStringList texts;
    for (int row = 1; row <= last; ++row) {
        texts.append(toDo.toDoGrid->textMatrix(row, 1));
    }
    return texts;
}

TEST_F(ToDoWindowTest, DeleteAsksAboutTheMarkedRowAndRemovesIt) {
    std::vector<ToDoRow> rows = items({"A", "B", "Bank", "D", "E"});
    rows[2].toDoDate = "Monday - Jan 5, 04";
    writeGridFile(rows);
    openToDo([&](ToDoWindow& toDo) {
        clickCell(toDo, 2, 1);
        // A move with the keyboard, and the grid taking the focus again, marks row 3.
        press(toDo.toDoGrid, Qt::Key_Down);
        toDo.itemEntry[0]->setFocus(Qt::TabFocusReason);
        settle();
        toDo.toDoGrid->setFocus(Qt::TabFocusReason);
        settle();
        ASSERT_EQ(toDo.MarkedRow, 3);
        fake.dialogs.answers.push_back(Dialogs::Answer::Yes);
        toDo.itemEntry[0]->setFocus(Qt::TabFocusReason);
        settle();
        ASSERT_TRUE(toDo.commandButtons[ToDoWindow::DeleteRowButton]->isEnabled());
        press(toDo.itemEntry[0], Qt::Key_Delete);
        ASSERT_EQ(fake.dialogs.shown.size(), 1);
        const Dialogs::Message& asked = fake.dialogs.shown[0];
        EXPECT_EQ(asked.text, "Delete Activity and Dates for - \rBank, Monday - Jan 5, 04?");
        EXPECT_EQ(asked.title, "Delete Row");
        EXPECT_EQ(asked.buttons, Dialogs::Buttons::YesNoCancelDefaultNo);
        EXPECT_EQ(itemColumn(toDo, 5), QStringList({"A", "B", "D", "E", ""}));
        EXPECT_EQ(toDo.toDoGrid->rows(), 501);
        EXPECT_FALSE(toDo.toDoGrid->cellBackColour(3, 1).isValid());
        EXPECT_FALSE(toDo.commandButtons[ToDoWindow::DeleteRowButton]->isEnabled());
        EXPECT_TRUE(toDo.commandButtons[ToDoWindow::SaveButton]->isEnabled());
        EXPECT_EQ(toDo.MarkedRow, ToDoWindow::kNoRow);
        // Nothing is marked now: a further delete asks nothing.
        toDo.DeleteGridRow();
        EXPECT_EQ(fake.dialogs.shown.size(), 1);
        fake.dialogs.answers.push_back(Dialogs::Answer::No);
    });
}

TEST_F(ToDoWindowTest, ACancelledDeleteLeavesTheRowAsItWas) {
    writeGridFile(items({"A", ""}));
    openToDo([&](ToDoWindow& toDo) {
        clickCell(toDo, 2, 1);
        fake.dialogs.answers.push_back(Dialogs::Answer::Cancel);
        toDo.DeleteGridRow();
        EXPECT_EQ(fake.dialogs.shown.last().text, "Delete This Row?");
        EXPECT_FALSE(toDo.toDoGrid->cellBackColour(2, 1).isValid());
        EXPECT_EQ(itemColumn(toDo, 2), QStringList({"A", ""}));
        EXPECT_EQ(toDo.ToDoChanged, 0);
    });
}

TEST_F(ToDoWindowTest, InsertMovesRowsDownButNeverDropsAnItem) {
    writeGridFile(items({"A", "B", "C"}));
    openToDo([&](ToDoWindow& toDo) {
        clickCell(toDo, 2, 1);
        toDo.InsertGridRow();
        EXPECT_EQ(itemColumn(toDo, 4), QStringList({"A", "", "B", "C"}));
        EXPECT_EQ(toDo.toDoGrid->rows(), 501);
        EXPECT_EQ(toDo.ToDoChanged, 0);
        EXPECT_EQ(toDo.MarkedRow, ToDoWindow::kNoRow);
        toDo.InsertGridRow();
        EXPECT_EQ(itemColumn(toDo, 4), QStringList({"A", "", "B", "C"}));
    });

    std::vector<ToDoRow> full(500, ToDoRow{"", "", ""});
    full[0].item = "First";
    full[499].toDoDate = "Monday - Jan 5, 04";
    writeGridFile(full);
    fake.dialogs.shown.clear();
    openToDo([&](ToDoWindow& toDo) {
        clickCell(toDo, 1, 1);
        toDo.InsertGridRow();
        ASSERT_EQ(fake.dialogs.shown.size(), 1);
        EXPECT_EQ(fake.dialogs.shown[0].text, "Row 500 holds an item. Please delete a row first.");
        EXPECT_EQ(fake.dialogs.shown[0].title, "Insert Row");
        EXPECT_EQ(cell(toDo, 1, 1), "First");
        EXPECT_EQ(cell(toDo, 500, 2), "Monday - Jan 5, 04");
    });
}

TEST_F(ToDoWindowTest, ClearGridAsksWithNoAsDefaultAndKeepsTheHeaders) {
    writeGridFile(items({"A", "B"}));
    openToDo([&](ToDoWindow& toDo) {
        fake.dialogs.answers = {Dialogs::Answer::No, Dialogs::Answer::Yes};
        toDo.ClearGrid();
        EXPECT_EQ(cell(toDo, 1, 1), "A");
        toDo.ClearGrid();
        EXPECT_EQ(fake.dialogs.shown[0].text, "Do you really want To Clear the Grid?");
        EXPECT_EQ(fake.dialogs.shown[0].buttons, Dialogs::Buttons::YesNoCancelDefaultNo);
        EXPECT_EQ(itemColumn(toDo, 2), QStringList({"", ""}));
        EXPECT_EQ(cell(toDo, 0, 1), "To Do Item");
        EXPECT_EQ(toDo.toDoGrid->rows(), 501);
        EXPECT_EQ(toDo.ToDoChanged, 1);
        fake.dialogs.answers.push_back(Dialogs::Answer::Yes);
    });
    EXPECT_EQ(readFile(ToDoFiles::kGridFile), ToDoFiles::writeGrid({}));
}

// Clicks the header of a column as a person sorts by it.
void clickHeader(ToDoWindow& toDo, int col) {
    GridControl* grid = toDo.toDoGrid;
    for (int x = 0; x < grid->viewport()->width(); ++x) {
        if (grid->colAt(x) == col) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(x + 3, 3));
            QCoreApplication::processEvents();
            return;
        }
    }
    FAIL() << "column " << col << " not in view";
}

TEST_F(ToDoWindowTest, SortingCleansUpAndTheSaveWritesTheShownOrder) {
    std::vector<ToDoRow> rows(10);
    rows[1] = {"pears", "Tuesday - Jan 6, 04", ""};
    rows[4] = {"Apples", "Monday - Jan 5, 04", ""};
    rows[8] = {"bread", "", ""};
    rows[6] = {"", "Friday - Jan 9, 04", ""}; // dates without an item
    writeGridFile(rows);
    openToDo([&](ToDoWindow& toDo) {
        clickHeader(toDo, 1);
        EXPECT_EQ(itemColumn(toDo, 5), QStringList({"Apples", "bread", "pears", "", ""}));
        EXPECT_EQ(toDo.ToDoChanged, 1);
        EXPECT_EQ(toDo.toDoGrid->rows(), 501);
        // Descending: the grid's own order, empty rows last, no clean-up.
        clickHeader(toDo, 1);
        EXPECT_EQ(itemColumn(toDo, 3), QStringList({"pears", "bread", "Apples"}));
        // The row with dates only is kept by both.
        int datesOnly = 0;
        for (int row = 4; row <= 500; ++row) {
            datesOnly += cell(toDo, row, 2) == "Friday - Jan 9, 04" ? 1 : 0;
        }
        EXPECT_EQ(datesOnly, 1);
        // Ascending by date drops the row that has dates only.
        clickHeader(toDo, 2);
        EXPECT_EQ(itemColumn(toDo, 4), QStringList({"bread", "Apples", "pears", ""}));
        for (int row = 1; row <= 500; ++row) {
            EXPECT_NE(cell(toDo, row, 2), "Friday - Jan 9, 04");
        }
        EXPECT_EQ(toDo.toDoGrid->rows(), 501);
        fake.dialogs.answers.push_back(Dialogs::Answer::Yes);
    });
    const std::vector<ToDoRow> saved = ToDoFiles::readGrid(readFile(ToDoFiles::kGridFile)).rows;
    EXPECT_EQ(saved[0].item, "bread");
    EXPECT_EQ(saved[1].toDoDate, "Monday - Jan 5, 04");
}

TEST_F(ToDoWindowTest, ADraggedRowIsSavedWhereItWasDropped) {
    writeGridFile(items({"A", "B", "C"}));
    openToDo([&](ToDoWindow& toDo) {
        GridControl* grid = toDo.toDoGrid;
        int fixedX = -1;
        for (int x = 0; x < grid->viewport()->width() && fixedX < 0; ++x) {
            if (grid->colAt(x) == 0) {
                fixedX = x;
            }
        }
        const auto rowY = [grid](int row) {
            for (int y = 0; y < grid->viewport()->height(); ++y) {
                if (grid->rowAt(y) == row) {
                    return y + 2;
                }
            }
            return -1;
        };
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, QPoint(fixedX + 1, rowY(1)));
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, QPoint(fixedX + 1, rowY(3)));
        settle();
        EXPECT_EQ(itemColumn(toDo, 3), QStringList({"B", "C", "A"}));
        EXPECT_EQ(toDo.ToDoChanged, 1);
        fake.dialogs.answers.push_back(Dialogs::Answer::Yes);
    });
    const std::vector<ToDoRow> saved = ToDoFiles::readGrid(readFile(ToDoFiles::kGridFile)).rows;
    EXPECT_EQ(saved[0].item, "B");
    EXPECT_EQ(saved[2].item, "A");
}

TEST_F(ToDoWindowTest, TheScrollTipNamesTheRowAndItsItem) {
    writeGridFile(items({"", "", "", "", "", "", "", "", "", "", "", "Bank"}));
    openToDo([&](ToDoWindow& toDo) {
        EXPECT_EQ(toDo.ShowRowScrollTip(12), " Row 12: Bank ");
        EXPECT_EQ(toDo.ShowRowScrollTip(7), " Row 7:  ");
    });
}

} // namespace

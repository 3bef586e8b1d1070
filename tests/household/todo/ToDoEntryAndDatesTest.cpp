#include "ToDoWindowFixture.h"

#include "Panel3D.h"

#include <cmath>

namespace {

TEST_F(ToDoWindowTest, AnItemWithTodaysDateAndAPickedDateIsSavedAndShownAgain) {
    openToDo([&](ToDoWindow& toDo) {
        EXPECT_FALSE(toDo.commandButtons[ToDoWindow::AddButton]->isEnabled());
        typeInto(toDo.itemEntry[0], "Groceries");
        EXPECT_TRUE(toDo.commandButtons[ToDoWindow::AddButton]->isEnabled());
        click(toDo.commandButtons[ToDoWindow::AddButton]);
        EXPECT_EQ(cell(toDo, 1, 1), "Groceries");
        EXPECT_EQ(toDo.itemEntry[0]->text(), "");
        EXPECT_EQ(readFile(ToDoFiles::kNamesFile), "\"Groceries\"\r\n");
        // The same name in other letters and with a trailing blank is not remembered again.
        typeInto(toDo.itemEntry[0], "GROCERIES ");
        click(toDo.commandButtons[ToDoWindow::AddButton]);
        EXPECT_EQ(cell(toDo, 2, 1), "GROCERIES ");
        EXPECT_EQ(readFile(ToDoFiles::kNamesFile), "\"Groceries\"\r\n");
        EXPECT_EQ(toDo.nameList->count(), 1);

        // An empty date cell takes today's date at once, the picker beside it.
        clickCell(toDo, 1, 2);
        EXPECT_EQ(cell(toDo, 1, 2), "Wednesday - Mar 25, 26");
        EXPECT_TRUE(toDo.datePicker->isVisible());
        EXPECT_EQ(toDo.datePicker->x(), int(std::lround(toDo.mainPanelFrame->width() * 0.70)));
        // Whole inside the panel: Saturday and the next-month arrow can be clicked.
        EXPECT_LE(toDo.datePicker->geometry().right(), toDo.mainPanelFrame->rect().right());
        clickDay(toDo, 20);
        EXPECT_EQ(cell(toDo, 1, 2), "Friday - Mar 20, 26");
        // The actual date's picker stands further left; a filled cell only shows its date.
        clickCell(toDo, 2, 3);
        EXPECT_EQ(toDo.datePicker->x(), int(std::lround(toDo.mainPanelFrame->width() * 0.33)));
        clickCell(toDo, 1, 2);
        EXPECT_EQ(toDo.datePicker->selectedDate(), QDate(2026, 3, 20));
        EXPECT_EQ(cell(toDo, 1, 2), "Friday - Mar 20, 26");
        click(toDo.commandButtons[ToDoWindow::SaveButton]);
        EXPECT_EQ(toDo.ToDoChanged, 0);
    });
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
    const QByteArray saved = readFile(ToDoFiles::kGridFile);
    EXPECT_EQ(saved.size(), 6000 + 9 + 19 + 10 + 22);
    EXPECT_TRUE(saved.startsWith("\"Groceries\"\r\n\"Friday - Mar 20, 26\"\r\n\"\"\r\n"
                                 "\"GROCERIES \"\r\n\"\"\r\n\"Wednesday - Mar 25, 26\"\r\n"));

    openToDo([&](ToDoWindow& toDo) {
        const std::vector<ToDoRow> rows = toDo.gridRows();
        ASSERT_EQ(rows.size(), 500U);
        EXPECT_EQ(rows[0].item, "Groceries");
        EXPECT_EQ(rows[0].toDoDate, "Friday - Mar 20, 26");
        EXPECT_EQ(rows[1].actualDate, "Wednesday - Mar 25, 26");
        EXPECT_EQ(toDo.nameList->itemText(0), "Groceries");
    });
    EXPECT_EQ(readFile(ToDoFiles::kGridFile), saved);
}

TEST_F(ToDoWindowTest, ADateInARowWithoutAnItemAsksForTheItemFirst) {
    writeGridFile({{"Bank", "", ""}, {"", "", ""}, {"Tax", "", ""}});
    openToDo([&](ToDoWindow& toDo) {
        clickCell(toDo, 3, 3);
        EXPECT_EQ(cell(toDo, 3, 3), "Wednesday - Mar 25, 26");
        clickCell(toDo, 7, 3);
        ASSERT_EQ(fake.dialogs.shown.size(), 1);
        EXPECT_EQ(fake.dialogs.shown[0].text, "Please, enter an Item before any dates.");
        EXPECT_EQ(fake.dialogs.shown[0].title, "Item Grid");
        EXPECT_EQ(cell(toDo, 7, 3), "");
        // The first empty item cell is ready for typing.
        EXPECT_EQ(toDo.toDoGrid->row(), 2);
        EXPECT_EQ(toDo.toDoGrid->col(), 1);
        EXPECT_TRUE(toDo.keyboardEditing());
        EXPECT_FALSE(toDo.datePicker->isVisible());
        toDo.toDoGrid->setFocus();
        QTest::keyClicks(toDo.toDoGrid, "Dentist \"at 9\"");
        press(toDo.toDoGrid, Qt::Key_Return);
        EXPECT_EQ(cell(toDo, 2, 1), "Dentist at 9");
        EXPECT_EQ(toDo.ItemNames.names(), QStringList({"Dentist at 9"}));
        EXPECT_EQ(toDo.ToDoChanged, 1);
        EXPECT_FALSE(toDo.keyboardEditing());
        fake.dialogs.answers.push_back(Dialogs::Answer::No);
    });
}

TEST_F(ToDoWindowTest, EntryTextGoesIntoAClickedItemCellOrGivesWayToADate) {
    writeGridFile({{"Bank", "", ""}, {"Tax", "", ""}});
    openToDo([&](ToDoWindow& toDo) {
        typeInto(toDo.itemEntry[0], "Bakery");
        clickCell(toDo, 2, 1);
        EXPECT_EQ(cell(toDo, 2, 1), "Bakery");
        EXPECT_EQ(toDo.itemEntry[0]->text(), "");
        EXPECT_EQ(toDo.ItemNames.names(), QStringList({"Bakery"}));
        // A date click with text in the box drops the text and enters the date, even in a row
        // without an item.
        typeInto(toDo.itemEntry[0], "Lost");
        clickCell(toDo, 5, 2);
        EXPECT_EQ(toDo.itemEntry[0]->text(), "");
        EXPECT_EQ(cell(toDo, 5, 2), "Wednesday - Mar 25, 26");
        EXPECT_TRUE(fake.dialogs.shown.isEmpty());
        fake.dialogs.answers.push_back(Dialogs::Answer::No);
    });
}

TEST_F(ToDoWindowTest, DeleteClearsTheClickedDateOrTheItemAndKeepsTheRest) {
    writeGridFile({{"Bank", "Monday - Jan 5, 04", "Tuesday - Jan 6, 04"}});
    openToDo([&](ToDoWindow& toDo) {
        clickCell(toDo, 1, 2);
        press(toDo.toDoGrid, Qt::Key_Delete);
        EXPECT_EQ(cell(toDo, 1, 2), "");
        EXPECT_EQ(toDo.DateColumn, 0);
        EXPECT_FALSE(toDo.datePicker->isVisible());
        clickCell(toDo, 1, 1);
        press(toDo.toDoGrid, Qt::Key_Delete);
        EXPECT_EQ(cell(toDo, 1, 1), "");
        EXPECT_EQ(cell(toDo, 1, 3), "Tuesday - Jan 6, 04");
        EXPECT_EQ(toDo.ToDoChanged, 1);
        // In an open cell editor Delete takes one character only.
        clickCell(toDo, 1, 1);
        QTest::keyClicks(toDo.toDoGrid, "Tax");
        press(toDo.toDoGrid, Qt::Key_Left);
        press(toDo.toDoGrid, Qt::Key_Delete);
        press(toDo.toDoGrid, Qt::Key_Return);
        EXPECT_EQ(cell(toDo, 1, 1), "Ta");
        EXPECT_EQ(cell(toDo, 1, 3), "Tuesday - Jan 6, 04");
        EXPECT_TRUE(fake.dialogs.shown.isEmpty());
        fake.dialogs.answers.push_back(Dialogs::Answer::Yes);
    });
    EXPECT_TRUE(
        readFile(ToDoFiles::kGridFile).startsWith("\"Ta\"\r\n\"\"\r\n\"Tuesday - Jan 6, 04\""));
}

TEST_F(ToDoWindowTest, EnterInTheEntryBoxWritesIntoTheEditedCell) {
    writeGridFile({{"Bank", "", ""}});
    openToDo([&](ToDoWindow& toDo) {
        // Without a cell being edited, Enter adds nothing.
        typeInto(toDo.itemEntry[0], "Tax");
        press(toDo.itemEntry[0], Qt::Key_Return);
        EXPECT_EQ(cell(toDo, 2, 1), "");
        EXPECT_EQ(toDo.itemEntry[0]->text(), "Tax");
        // Every other key shows the box's text in the list's text part.
        EXPECT_EQ(toDo.nameList->currentText(), "Ta");

        // A click in the box switches the grid's editing off.
        toDo.itemEntry[0]->clear();
        clickCell(toDo, 1, 1);
        ASSERT_TRUE(toDo.keyboardEditing());
        QTest::mouseClick(toDo.itemEntry[0], Qt::LeftButton);
        EXPECT_FALSE(toDo.keyboardEditing());
        clickCell(toDo, 1, 1);
        toDo.itemEntry[0]->setFocus(Qt::TabFocusReason);
        settle();
        QTest::keyClicks(toDo.itemEntry[0], "Tax");
        press(toDo.itemEntry[0], Qt::Key_Return);
        EXPECT_EQ(cell(toDo, 1, 1), "  Tax");
        EXPECT_EQ(toDo.ItemNames.names(), QStringList({"Tax"}));
        EXPECT_EQ(toDo.ToDoChanged, 1);
        fake.dialogs.answers.push_back(Dialogs::Answer::No);
    });
}

TEST_F(ToDoWindowTest, NamesArePickedSuggestedAndDeleted) {
    writeFile(ToDoFiles::kNamesFile, "\"Bank\"\r\n\"Bakery\"\r\n");
    openToDo([&](ToDoWindow& toDo) {
        typeInto(toDo.itemEntry[0], "ba");
        EXPECT_EQ(toDo.nameList->currentText(), "Bank");
        toDo.itemEntry[0]->clear();
        toDo.nameList->activated(1);
        settle();
        EXPECT_EQ(toDo.itemEntry[0]->text(), "Bakery");
        EXPECT_EQ(toDo.itemEntry[0]->palette().color(QPalette::Base), QColor(255, 255, 0));
        ASSERT_TRUE(toDo.commandButtons[ToDoWindow::DeleteNameButton]->isEnabled());
        click(toDo.commandButtons[ToDoWindow::DeleteNameButton]);
        EXPECT_EQ(readFile(ToDoFiles::kNamesFile), "\"Bank\"\r\n");
        EXPECT_EQ(toDo.itemEntry[0]->text(), "");
        toDo.itemEntry[0]->setText("bank ");
        toDo.DeleteItemFromFile();
        EXPECT_EQ(readFile(ToDoFiles::kNamesFile), "\"\"\r\n");
        EXPECT_EQ(toDo.nameList->count(), 1);
        // The next new name takes the empty one's place.
        typeInto(toDo.itemEntry[0], "Tax");
        click(toDo.commandButtons[ToDoWindow::AddButton]);
        EXPECT_EQ(readFile(ToDoFiles::kNamesFile), "\"Tax\"\r\n");
        fake.dialogs.answers.push_back(Dialogs::Answer::No);
    });
}

TEST_F(ToDoWindowTest, AFullGridKeepsTheEntryAndSaysSo) {
    writeGridFile(std::vector<ToDoRow>(500, ToDoRow{"Item", "", ""}));
    openToDo([&](ToDoWindow& toDo) {
        typeInto(toDo.itemEntry[0], "One more");
        click(toDo.commandButtons[ToDoWindow::AddButton]);
        ASSERT_EQ(fake.dialogs.shown.size(), 1);
        EXPECT_EQ(fake.dialogs.shown[0].text,
                  "The To Do Grid is full. Please delete an item first.");
        EXPECT_EQ(fake.dialogs.shown[0].title, "Item Grid");
        EXPECT_EQ(fake.dialogs.shown[0].icon, Dialogs::Icon::Information);
        EXPECT_EQ(toDo.itemEntry[0]->text(), "One more");
        EXPECT_EQ(toDo.ToDoChanged, 0);
    });
}

} // namespace

// Operations on whole rows of the grid: delete, insert, clear, the clean-up after a header sort
// and a moved row. The grid always keeps its 500 item rows.
#include "ToDoWindow.h"

#include "GridControl.h"
#include "MonthView.h"
#include "ToDoFiles.h"

#include <QCoreApplication>
#include <QPushButton>

namespace {

const QColor kMarkRed(255, 0, 0);

} // namespace

void ToDoWindow::DeleteGridRow() {
    if (MarkedRow == kNoRow) {
        return;
    }
    const int row = MarkedRow;
    showStatus("Delete Activity from Grid");
    setKeyboardEditing(false);
    for (int col = 1; col <= 3; ++col) {
        toDoGrid->setCellBackColour(row, col, kMarkRed);
    }
    // The question names the row that goes: the marked one.
    const QString item = toDoGrid->textMatrix(row, 1);
    const QString question = item.trimmed().isEmpty()
                                 ? QString("Delete This Row?")
                                 : "Delete Activity and Dates for - \r" + item + ", " +
                                       toDoGrid->textMatrix(row, 2) + "?";
    program_.SignalValue = 0;
    const Dialogs::Answer answer = services_.dialogs.message(
        {question, "Delete Row", Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancelDefaultNo});
    program_.SignalValue = int(answer);
    // Only the mark goes: every text and the grid's picture stay as they are.
    for (int col = 1; col <= 3; ++col) {
        toDoGrid->setCellBackColour(row, col, QColor());
    }
    if (answer == Dialogs::Answer::Yes) {
        ToDoChanged = 1;
        toDoGrid->removeRow(row);
        toDoGrid->setRows(kItemRows + 1);
        toDoGrid->setRow(row);
        setKeyboardEditing(false);
        MarkedRow = kNoRow;
    }
    program_.SignalValue = 0;
    commandButtons[DeleteRowButton]->setEnabled(false);
    deleteRowAction->setEnabled(false);
    commandButtons[SaveButton]->setEnabled(true);
    commandButtons[ExitButton]->setFocus(Qt::OtherFocusReason);
    setKeyboardEditing(false);
    showStatus(windowTitle());
}

void ToDoWindow::InsertGridRow() {
    if (MarkedRow == kNoRow) {
        return;
    }
    // The last row would leave the grid: an item there is never dropped.
    for (int col = 1; col <= 3; ++col) {
        if (!toDoGrid->textMatrix(kItemRows, col).trimmed().isEmpty()) {
            services_.dialogs.message({"Row 500 holds an item. Please delete a row first.",
                                       "Insert Row", Dialogs::Icon::Information,
                                       Dialogs::Buttons::Ok});
            return;
        }
    }
    toDoGrid->insertRow(MarkedRow);
    toDoGrid->setRows(kItemRows + 1);
    toDoGrid->setRow(MarkedRow);
    MarkedRow = kNoRow;
    setKeyboardEditing(false);
    emit insertRowOffered(false);
    commandButtons[ExitButton]->setFocus(Qt::OtherFocusReason);
}

void ToDoWindow::ClearGrid() {
    showStatus("Clear Grid");
    program_.SignalValue = 0;
    const Dialogs::Answer answer = services_.dialogs.message(
        {"Do you really want To Clear the Grid?", "Clear Grid", Dialogs::Icon::Question,
         Dialogs::Buttons::YesNoCancelDefaultNo});
    program_.SignalValue = int(answer);
    if (answer == Dialogs::Answer::Yes) {
        toDoGrid->finishEdit();
        toDoGrid->setRows(1);
        QCoreApplication::processEvents();
        toDoGrid->setRows(kItemRows + 1);
        ToDoChanged = 1;
    }
    showStatus(windowTitle());
}

void ToDoWindow::AfterGridSort(int col, int order) {
    if (datePicker->isVisible()) {
        HideDatePicker();
    }
    // The new order is kept: the grid's file follows the rows as shown.
    ToDoChanged = 1;
    const auto itemEmpty = [this](int row) {
        return ToDoFiles::leftTrimmed(toDoGrid->textMatrix(row, 1)).isEmpty();
    };
    if (order == GridControl::Ascending && col == 1) {
        // The rows without an item sorted first go to the end, behind the items; a row that
        // holds dates only goes there with its dates.
        toDoGrid->setRow(1);
        toDoGrid->setCol(1);
        for (int turn = 0; turn <= kItemRows && itemEmpty(1); ++turn) {
            toDoGrid->moveRow(1, kItemRows);
        }
    } else if (order == GridControl::Ascending) {
        // After a sort by a date or the fixed column, rows without an item go altogether,
        // dates-only rows included.
        toDoGrid->setCol(1);
        int row = 1;
        while (row < toDoGrid->rows()) {
            if (itemEmpty(row)) {
                toDoGrid->removeRow(row);
            } else {
                ++row;
            }
        }
    }
    toDoGrid->setRows(kItemRows + 1);
}

void ToDoWindow::NoteRowMoved() {
    ToDoChanged = 1;
}

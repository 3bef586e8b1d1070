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
        VSGd1->setCellBackColour(row, col, kMarkRed);
    }
    // The question names the row that goes: the marked one.
    const QString item = VSGd1->textMatrix(row, 1);
    const QString question =
        item.trimmed().isEmpty()
            ? QString("Delete This Row?")
            : "Delete Activity and Dates for - \r" + item + ", " + VSGd1->textMatrix(row, 2) + "?";
    program_.SignalValue = 0;
    const Dialogs::Answer answer = services_.dialogs.message(
        {question, "Delete Row", Dialogs::Icon::Question, Dialogs::Buttons::YesNoCancelDefaultNo});
    program_.SignalValue = int(answer);
    // Only the mark goes: every text and the grid's picture stay as they are.
    for (int col = 1; col <= 3; ++col) {
        VSGd1->setCellBackColour(row, col, QColor());
    }
    if (answer == Dialogs::Answer::Yes) {
        ToDoChanged = 1;
        VSGd1->removeRow(row);
        VSGd1->setRows(kItemRows + 1);
        VSGd1->setRow(row);
        setKeyboardEditing(false);
        MarkedRow = kNoRow;
    }
    program_.SignalValue = 0;
    Command1[DeleteRowButton]->setEnabled(false);
    mODel->setEnabled(false);
    Command1[SaveButton]->setEnabled(true);
    Command1[ExitButton]->setFocus(Qt::OtherFocusReason);
    setKeyboardEditing(false);
    showStatus(windowTitle());
}

void ToDoWindow::InsertGridRow() {
    if (MarkedRow == kNoRow) {
        return;
    }
    // The last row would leave the grid: an item there is never dropped.
    for (int col = 1; col <= 3; ++col) {
        if (!VSGd1->textMatrix(kItemRows, col).trimmed().isEmpty()) {
            services_.dialogs.message({"Row 500 holds an item. Please delete a row first.",
                                       "Insert Row", Dialogs::Icon::Information,
                                       Dialogs::Buttons::Ok});
            return;
        }
    }
    VSGd1->insertRow(MarkedRow);
    VSGd1->setRows(kItemRows + 1);
    VSGd1->setRow(MarkedRow);
    MarkedRow = kNoRow;
    setKeyboardEditing(false);
    emit insertRowOffered(false);
    Command1[ExitButton]->setFocus(Qt::OtherFocusReason);
}

void ToDoWindow::ClearGrid() {
    showStatus("Clear Grid");
    program_.SignalValue = 0;
    const Dialogs::Answer answer = services_.dialogs.message(
        {"Do you really want To Clear the Grid?", "Clear Grid", Dialogs::Icon::Question,
         Dialogs::Buttons::YesNoCancelDefaultNo});
    program_.SignalValue = int(answer);
    if (answer == Dialogs::Answer::Yes) {
        VSGd1->finishEdit();
        VSGd1->setRows(1);
        QCoreApplication::processEvents();
        VSGd1->setRows(kItemRows + 1);
        ToDoChanged = 1;
    }
    showStatus(windowTitle());
}

void ToDoWindow::AfterGridSort(int col, int order) {
    if (MonthView1->isVisible()) {
        HideDatePicker();
    }
    // The new order is kept: the grid's file follows the rows as shown.
    ToDoChanged = 1;
    const auto itemEmpty = [this](int row) {
        return ToDoFiles::leftTrimmed(VSGd1->textMatrix(row, 1)).isEmpty();
    };
    if (order == GridControl::Ascending && col == 1) {
        // The rows without an item sorted first go to the end, behind the items; a row that
        // holds dates only goes there with its dates.
        VSGd1->setRow(1);
        VSGd1->setCol(1);
        for (int turn = 0; turn <= kItemRows && itemEmpty(1); ++turn) {
            VSGd1->moveRow(1, kItemRows);
        }
    } else if (order == GridControl::Ascending) {
        // After a sort by a date or the fixed column, rows without an item go altogether,
        // dates-only rows included.
        VSGd1->setCol(1);
        int row = 1;
        while (row < VSGd1->rows()) {
            if (itemEmpty(row)) {
                VSGd1->removeRow(row);
            } else {
                ++row;
            }
        }
    }
    VSGd1->setRows(kItemRows + 1);
}

void ToDoWindow::NoteRowMoved() {
    ToDoChanged = 1;
}

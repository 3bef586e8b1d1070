// The to-do grid and its file.
#include "ToDoWindow.h"

#include "FieldReader.h"
#include "GridControl.h"
#include "RecordCodec.h"
#include "ToDoFiles.h"

#include <QFile>
#include <QPushButton>

void ToDoWindow::LoadToDoGrid() {
    // Every row is emptied first: a reload never mixes the rows shown with the file's.
    toDoGrid->setRows(1);
    toDoGrid->setRows(kItemRows + 1);
    toDoGrid->setRow(0);
    const char* headers[] = {"To Do Item", "To Do Date", "Actual Date"};
    for (int col = 1; col <= 3; ++col) {
        toDoGrid->setRow(0);
        toDoGrid->setCol(col);
        toDoGrid->setText(headers[col - 1]);
        toDoGrid->setFixedAlignment(col, GridControl::Centre);
        toDoGrid->setColAlignment(col, col == 1 ? GridControl::LeftCentre : GridControl::Centre);
    }
    toDoGrid->setFixedAlignment(0, GridControl::Centre);
    damagedFiles_.reading(ToDoFiles::kGridFile);
    QFile file(services_.folder.file(ToDoFiles::kGridFile));
    if (!file.open(QIODevice::ReadOnly)) {
        return; // no list kept yet
    }
    // 500 rows fit well within this; anything after them is never read.
    const ToDoFiles::Grid grid = ToDoFiles::readGrid(file.read(FieldReader::kLargestFile));
    for (int row = 1; row <= kItemRows; ++row) {
        const ToDoRow& cells = grid.rows[std::size_t(row - 1)];
        toDoGrid->setRowText(row,
                             "\t" + cells.item + "\t" + cells.toDoDate + "\t" + cells.actualDate);
    }
    if (!grid.fault.isEmpty()) {
        damagedFiles_.found(ToDoFiles::kGridFile, grid.fault,
                            "The To Do List is shown as far as it could be read.", "Saving it");
    }
}

bool ToDoWindow::SaveToDoGrid() {
    if (ToDoChanged == 0) {
        return true;
    }
    toDoGrid->finishEdit();
    if (!damagedFiles_.mayReplace(ToDoFiles::kGridFile, "The To Do List",
                                  "Your changes are still in the grid.")) {
        return false;
    }
    program_.BusyPointer();
    const bool saved = ToDoFiles::replaceFile(services_.folder.file(ToDoFiles::kGridFile),
                                              ToDoFiles::writeGrid(gridRows()));
    program_.NormalPointer();
    if (!saved) {
        services_.dialogs.message({"The To Do List could not be saved.\rYour changes are still in "
                                   "the grid.",
                                   "Disk Error", Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
        return false;
    }
    ToDoChanged = 0;
    return true;
}

bool ToDoWindow::keyboardEditing() const {
    return toDoGrid->editable() == 1;
}

void ToDoWindow::setKeyboardEditing(bool on) {
    toDoGrid->setEditable(on ? 1 : 0);
}

void ToDoWindow::setGridText(int row, int col, const QString& text) {
    toDoGrid->setRow(row);
    toDoGrid->setCol(col);
    toDoGrid->setText(ToDoFiles::cellText(text));
}

int ToDoWindow::firstEmptyItemRow() const {
    for (int row = 1; row <= kItemRows; ++row) {
        if (trimmedRight(toDoGrid->textMatrix(row, 1)).isEmpty()) {
            return row;
        }
    }
    return 0;
}

void ToDoWindow::enableSaveAndClear() {
    commandButtons[ClearButton]->setEnabled(true);
    commandButtons[SaveButton]->setEnabled(true);
    saveAction->setEnabled(true);
    clearGridAction->setEnabled(true);
}

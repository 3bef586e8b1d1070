// Clicks in the grid, editing its cells and entering dates with the picker.
#include "ToDoWindow.h"

#include "GridControl.h"
#include "MonthView.h"
#include "Panel3D.h"
#include "RecordCodec.h"
#include "ToDoDateText.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

void ToDoWindow::HandleGridClick(bool byKey) {
    DateColumn = toDoGrid->col();
    DateRow = toDoGrid->row();
    MarkedRow = toDoGrid->row();
    const QString entry = itemEntry[0]->text();
    if (!trimmedRight(entry).isEmpty()) {
        if (DateColumn == 1) {
            setGridText(DateRow, 1, entry);
            ToDoChanged = 1;
            AddItemToNameList();
            itemEntry[0]->clear();
            setEntryColour(false);
            commandButtons[ExitButton]->setFocus(Qt::OtherFocusReason);
        } else if (DateColumn == 2 || DateColumn == 3) {
            // The typed text gives way to the date.
            itemEntry[0]->clear();
            setEntryColour(false);
            showDateEntry(DateColumn, false);
        }
        return;
    }
    if (DateColumn == 2 || DateColumn == 3) {
        toDoGrid->setCol(1);
        if (toDoGrid->textMatrix(DateRow, 1).isEmpty()) {
            EnterItemFirstMessage();
            return;
        }
    }
    setEntryColour(false);
    if (toDoGrid->col() != 0) {
        setKeyboardEditing(true);
    }
    datePicker->setSelectedDate(services_.clock.today());
    if (DateColumn == 2 || DateColumn == 3) {
        showDateEntry(DateColumn, !byKey);
    }
    if (DateColumn == 1) {
        HideDatePicker();
    }
    commandButtons[DeleteRowButton]->setEnabled(true);
    deleteRowAction->setEnabled(true);
}

void ToDoWindow::showDateEntry(int col, bool focusStep) {
    const double share = col == 2 ? 0.70 : 0.33;
    datePicker->move(int(std::lround(mainPanelFrame->width() * share)), datePicker->y());
    datePicker->show();
    datePicker->raise();
    toDoGrid->setRow(DateRow);
    toDoGrid->setCol(col);
    const QString cell = toDoGrid->text();
    if (cell.isEmpty()) {
        toDoGrid->setText(ToDoDateText::format(datePicker->selectedDate()));
        ToDoChanged = 1;
        if (focusStep && commandButtons[PrintButton]->isEnabled()) {
            commandButtons[PrintButton]->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    if (const std::optional<QDate> date = ToDoDateText::parse(cell)) {
        datePicker->setSelectedDate(*date);
    }
}

void ToDoWindow::EnterItemFirstMessage() {
    HideDatePicker();
    services_.dialogs.message({"Please, enter an Item before any dates.", "Item Grid",
                               Dialogs::Icon::Information, Dialogs::Buttons::Ok});
    for (int row = 1; row <= kItemRows; ++row) {
        if (toDoGrid->textMatrix(row, 1).isEmpty()) {
            toDoGrid->setRow(row);
            toDoGrid->setCol(1);
            toDoGrid->showCell(row, 1);
            HandleGridClick();
            return;
        }
    }
}

void ToDoWindow::PutPickedDate(const QDate& date, bool byKey) {
    if (DateColumn != 2 && DateColumn != 3) {
        return; // the picker shows only for a date cell
    }
    toDoGrid->setRow(DateRow);
    toDoGrid->setCol(DateColumn);
    toDoGrid->setText(ToDoDateText::format(date));
    ToDoChanged = 1;
    if (byKey) {
        toDoGrid->setFocus(Qt::OtherFocusReason);
    } else if (commandButtons[PrintButton]->isEnabled()) {
        commandButtons[PrintButton]->setFocus(Qt::OtherFocusReason);
    }
}

bool ToDoWindow::TakeGridKey(const QKeyEvent& key) {
    if (toDoGrid->headerCurrent() || (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false; // a header sorts by its own keys
    }
    const int col = toDoGrid->col();
    const bool dateCell = col == 2 || col == 3;
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (!enter && !(dateCell && (key.key() == Qt::Key_Space || key.key() == Qt::Key_F4))) {
        return false;
    }
    HandleGridClick(true);
    if (dateCell && datePicker->isVisible()) {
        datePicker->month(0)->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

bool ToDoWindow::TakePickerKey(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        PutPickedDate(datePicker->selectedDate(), true);
    } else if (key == Qt::Key_Escape) {
        // The focus goes back first: a hidden picker would hand it to the next control.
        toDoGrid->setFocus(Qt::OtherFocusReason);
        HideDatePicker();
    } else {
        return false;
    }
    return true;
}

void ToDoWindow::HideDatePicker() {
    datePicker->hide();
}

void ToDoWindow::AfterItemEdit(int row, int col) {
    toDoGrid->setRow(row);
    toDoGrid->setCol(col);
    toDoGrid->showCell(row, col);
    commandButtons[DeleteNameButton]->setEnabled(false);
    commandButtons[AddButton]->setEnabled(false);
    const QString text = toDoGrid->textMatrix(row, col);
    if (col != 1 || text.trimmed().isEmpty()) {
        return;
    }
    if (!ItemNames.contains(text)) {
        ItemNames.append(text);
        writeItemNames();
        itemEntry[0]->clear();
    }
    ToDoChanged = 1;
    setKeyboardEditing(false);
    itemEntry[0]->clear();
}

void ToDoWindow::NoteCellTyping() {
    // Every typed key marks the grid changed, so that no edit is left without the exit question.
    ToDoChanged = 1;
    if (!commandButtons[ClearButton]->isEnabled()) {
        enableSaveAndClear();
    }
}

QString ToDoWindow::ShowRowScrollTip(int row) const {
    if (row < 1) {
        return {};
    }
    return " Row " + QString::number(row) + ": " + toDoGrid->textMatrix(row, 1) + " ";
}

void ToDoWindow::EnterGrid() {
    if (keyboardEditing()) {
        MarkedRow = toDoGrid->row();
    }
    const bool editableItem =
        !trimmedRight(toDoGrid->text()).isEmpty() && keyboardEditing() && toDoGrid->col() == 1;
    commandButtons[DeleteRowButton]->setEnabled(editableItem);
    deleteRowAction->setEnabled(editableItem);
}

void ToDoWindow::UpdateOptionsMenu() {
    HideDatePicker();
    emit insertRowOffered(toDoGrid->editable() != 0);
}

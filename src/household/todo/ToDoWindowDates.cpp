// Clicks in the grid, editing its cells and entering dates with the picker.
#include "ToDoWindow.h"

#include "GridControl.h"
#include "MonthView.h"
#include "Panel3D.h"
#include "RecordCodec.h"
#include "ToDoDateText.h"

#include <QLineEdit>
#include <QPushButton>

#include <cmath>

void ToDoWindow::HandleGridClick() {
    DateColumn = VSGd1->col();
    DateRow = VSGd1->row();
    MarkedRow = VSGd1->row();
    const QString entry = Text1[0]->text();
    if (!trimmedRight(entry).isEmpty()) {
        if (DateColumn == 1) {
            setGridText(DateRow, 1, entry);
            ToDoChanged = 1;
            AddItemToNameList();
            Text1[0]->clear();
            setEntryColour(false);
            Command1[ExitButton]->setFocus(Qt::OtherFocusReason);
        } else if (DateColumn == 2 || DateColumn == 3) {
            // The typed text gives way to the date.
            Text1[0]->clear();
            setEntryColour(false);
            showDateEntry(DateColumn, false);
        }
        return;
    }
    if (DateColumn == 2 || DateColumn == 3) {
        VSGd1->setCol(1);
        if (VSGd1->textMatrix(DateRow, 1).isEmpty()) {
            EnterItemFirstMessage();
            return;
        }
    }
    setEntryColour(false);
    if (VSGd1->col() != 0) {
        setKeyboardEditing(true);
    }
    MonthView1->setSelectedDate(services_.clock.today());
    if (DateColumn == 2 || DateColumn == 3) {
        showDateEntry(DateColumn, true);
    }
    if (DateColumn == 1) {
        HideDatePicker();
    }
    Command1[DeleteRowButton]->setEnabled(true);
    mODel->setEnabled(true);
}

void ToDoWindow::showDateEntry(int col, bool focusStep) {
    const double share = col == 2 ? 0.70 : 0.33;
    MonthView1->move(int(std::lround(Panel3D1->width() * share)), MonthView1->y());
    MonthView1->show();
    MonthView1->raise();
    VSGd1->setRow(DateRow);
    VSGd1->setCol(col);
    const QString cell = VSGd1->text();
    if (cell.isEmpty()) {
        VSGd1->setText(ToDoDateText::format(MonthView1->selectedDate()));
        ToDoChanged = 1;
        if (focusStep && Command1[PrintButton]->isEnabled()) {
            Command1[PrintButton]->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    if (const std::optional<QDate> date = ToDoDateText::parse(cell)) {
        MonthView1->setSelectedDate(*date);
    }
}

void ToDoWindow::EnterItemFirstMessage() {
    HideDatePicker();
    services_.dialogs.message({"Please, enter an Item before any dates.", "Item Grid",
                               Dialogs::Icon::Information, Dialogs::Buttons::Ok});
    for (int row = 1; row <= kItemRows; ++row) {
        if (VSGd1->textMatrix(row, 1).isEmpty()) {
            VSGd1->setRow(row);
            VSGd1->setCol(1);
            VSGd1->showCell(row, 1);
            HandleGridClick();
            return;
        }
    }
}

void ToDoWindow::PutPickedDate(const QDate& date) {
    if (DateColumn != 2 && DateColumn != 3) {
        return; // the picker shows only for a date cell
    }
    VSGd1->setRow(DateRow);
    VSGd1->setCol(DateColumn);
    VSGd1->setText(ToDoDateText::format(date));
    ToDoChanged = 1;
    if (Command1[PrintButton]->isEnabled()) {
        Command1[PrintButton]->setFocus(Qt::OtherFocusReason);
    }
}

void ToDoWindow::HideDatePicker() {
    MonthView1->hide();
}

void ToDoWindow::AfterItemEdit(int row, int col) {
    VSGd1->setRow(row);
    VSGd1->setCol(col);
    VSGd1->showCell(row, col);
    Command1[DeleteNameButton]->setEnabled(false);
    Command1[AddButton]->setEnabled(false);
    const QString text = VSGd1->textMatrix(row, col);
    if (col != 1 || text.trimmed().isEmpty()) {
        return;
    }
    if (!ItemNames.contains(text)) {
        ItemNames.append(text);
        writeItemNames();
        Text1[0]->clear();
    }
    ToDoChanged = 1;
    setKeyboardEditing(false);
    Text1[0]->clear();
}

void ToDoWindow::NoteCellTyping() {
    // Every typed key marks the grid changed, so that no edit is left without the exit question.
    ToDoChanged = 1;
    if (!Command1[ClearButton]->isEnabled()) {
        enableSaveAndClear();
    }
}

QString ToDoWindow::ShowRowScrollTip(int row) const {
    if (row < 1) {
        return {};
    }
    return " Row " + QString::number(row) + ": " + VSGd1->textMatrix(row, 1) + " ";
}

void ToDoWindow::VSGd1_GotFocus() {
    if (keyboardEditing()) {
        MarkedRow = VSGd1->row();
    }
    const bool editableItem =
        !trimmedRight(VSGd1->text()).isEmpty() && keyboardEditing() && VSGd1->col() == 1;
    Command1[DeleteRowButton]->setEnabled(editableItem);
    mODel->setEnabled(editableItem);
}

void ToDoWindow::mO_Click() {
    HideDatePicker();
    emit insertRowOffered(VSGd1->editable() != 0);
}

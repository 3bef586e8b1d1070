// The entry box, the remembered item names and the row of commands.
#include "ToDoWindow.h"

#include "FieldReader.h"
#include "GridControl.h"
#include "MonthView.h"
#include "RecordCodec.h"
#include "ToDoFiles.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor kYellow(255, 255, 0);

bool isBlank(const QString& text) {
    return text.trimmed().isEmpty();
}

} // namespace

void ToDoWindow::LoadItemNames() {
    nameList->clear();
    ItemNames = ItemNameList();
    itemEntry[0]->clear();
    damagedFiles_.reading(ToDoFiles::kNamesFile);
    QFile file(services_.folder.file(ToDoFiles::kNamesFile));
    if (!file.open(QIODevice::ReadOnly)) {
        return; // no names remembered yet
    }
    const ToDoFiles::Names read = ToDoFiles::readNames(file.read(FieldReader::kLargestFile));
    ItemNames = ItemNameList(read.names);
    nameList->addItems(ItemNames.names());
    nameList->setEditText(QString());
    if (!read.fault.isEmpty()) {
        damagedFiles_.found(ToDoFiles::kNamesFile, read.fault,
                            "The remembered item names are shown as far as they could be read.",
                            "The next change to them");
    }
}

void ToDoWindow::refillNameList() {
    nameList->clear();
    nameList->addItems(ItemNames.names());
    nameList->setEditText(QString());
}

void ToDoWindow::writeItemNames() {
    refillNameList();
    if (!damagedFiles_.mayReplace(ToDoFiles::kNamesFile, "The remembered item names",
                                  "They are kept until this window closes.")) {
        return;
    }
    if (!ToDoFiles::replaceFile(services_.folder.file(ToDoFiles::kNamesFile),
                                ToDoFiles::writeNames(ItemNames.names()))) {
        services_.dialogs.message({"The remembered item names could not be saved.\rThey are kept "
                                   "until this window closes.",
                                   "Disk Error", Dialogs::Icon::Critical, Dialogs::Buttons::Ok});
    }
}

void ToDoWindow::AddItemToNameList() {
    commandButtons[DeleteNameButton]->setEnabled(false);
    commandButtons[AddButton]->setEnabled(false);
    const QString entry = itemEntry[0]->text();
    if (isBlank(entry) || ItemNames.contains(entry)) {
        return;
    }
    AppendItemName();
}

void ToDoWindow::AppendItemName() {
    // A full list keeps its names; the file is written all the same.
    ItemNames.append(itemEntry[0]->text());
    writeItemNames();
    itemEntry[0]->clear();
}

void ToDoWindow::DeleteItemFromFile() {
    if (nameList->count() == 0) {
        return;
    }
    ItemNames.remove(itemEntry[0]->text());
    itemEntry[0]->clear();
    writeItemNames();
    commandButtons[DeleteNameButton]->setEnabled(false);
    commandButtons[AddButton]->setEnabled(false);
}

void ToDoWindow::AddItemToGrid() {
    const QString entry = itemEntry[0]->text();
    if (isBlank(entry)) {
        return;
    }
    toDoGrid->setCol(1);
    const int row = firstEmptyItemRow();
    if (row == 0) {
        // The entry stays in the box for after a row was freed.
        services_.dialogs.message({"The To Do Grid is full. Please delete an item first.",
                                   "Item Grid", Dialogs::Icon::Information, Dialogs::Buttons::Ok});
    } else {
        setGridText(row, 1, entry);
        AddItemToNameList();
        itemEntry[0]->clear();
        ToDoChanged = 1;
    }
    setKeyboardEditing(false);
    commandButtons[ExitButton]->setFocus(Qt::OtherFocusReason);
}

void ToDoWindow::RunCommand(int index) {
    HideDatePicker();
    switch (index) {
    case ExitButton:
        ExitToDo();
        break;
    case DeleteNameButton:
        DeleteItemFromFile();
        break;
    case AddButton:
        AddItemToGrid();
        break;
    case DeleteRowButton:
        DeleteGridRow();
        break;
    case SaveButton:
        SaveToDoGrid();
        break;
    case ClearButton:
        ClearGrid();
        break;
    case PrintButton:
        OpenToDoPrintPreview();
        break;
    default:
        break;
    }
}

void ToDoWindow::EnterCommandButtons() {
    if (itemEntry[0]->palette().color(QPalette::Base) == kYellow) {
        setEntryColour(false);
    }
    if (ToDoChanged == 1 && !commandButtons[ClearButton]->isEnabled()) {
        enableSaveAndClear();
    }
    if (MarkedRow == kNoRow) {
        setKeyboardEditing(false);
    }
}

QColor ToDoWindow::entryColour() const {
    return entryColourBox->palette().color(QPalette::Base);
}

void ToDoWindow::setEntryColour(bool yellow) {
    QPalette palette = itemEntry[0]->palette();
    palette.setColor(QPalette::Base, yellow ? kYellow : entryColour());
    itemEntry[0]->setPalette(palette);
}

void ToDoWindow::UpdateAddButton() {
    commandButtons[AddButton]->setEnabled(!isBlank(itemEntry[0]->text()));
}

void ToDoWindow::HandleEntryClick() {
    setKeyboardEditing(false);
    toDoGrid->setCol(1);
}

void ToDoWindow::EnterItemEntry() {
    HideDatePicker();
    setEntryColour(true);
}

bool ToDoWindow::HandleEntryKey(int key) {
    if (key == Qt::Key_Delete && commandButtons[DeleteRowButton]->isEnabled()) {
        DeleteGridRow();
    } else if (key == Qt::Key_Insert && commandButtons[DeleteRowButton]->isEnabled()) {
        InsertGridRow();
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        const QString entry = itemEntry[0]->text();
        if (keyboardEditing() && !entry.isEmpty()) {
            toDoGrid->finishEdit();
            toDoGrid->setText("  " + ToDoFiles::cellText(entry));
            ToDoChanged = 1;
            AddItemToNameList();
        }
        return true; // Enter never types into the box
    }
    nameList->setEditText(itemEntry[0]->text());
    return false;
}

void ToDoWindow::SuggestRememberedName() {
    const QString suggested = ItemNames.suggestion(itemEntry[0]->text());
    if (!suggested.isEmpty()) {
        nameList->setEditText(suggested);
    }
}

void ToDoWindow::TakeRememberedName(int index) {
    const QString name = nameList->itemText(index);
    if (name.isEmpty()) {
        return;
    }
    if (keyboardEditing()) {
        toDoGrid->finishEdit();
        toDoGrid->setText(name);
        setKeyboardEditing(false);
        commandButtons[ExitButton]->setFocus(Qt::OtherFocusReason);
        ToDoChanged = 1;
        return;
    }
    itemEntry[0]->setText(name);
    setEntryColour(true);
    nameList->setEditText(QString());
    commandButtons[DeleteNameButton]->setEnabled(true);
    commandButtons[AddButton]->setEnabled(true);
}

void ToDoWindow::BeforeNameListOpens() {
    HideDatePicker();
    commandButtons[DeleteNameButton]->setEnabled(false);
}

void ToDoWindow::EnterNameList() {
    if (toDoGrid->col() == 2 || toDoGrid->col() == 3) {
        setKeyboardEditing(false);
        toDoGrid->setCol(1);
    }
    commandButtons[DeleteNameButton]->setEnabled(false);
}

void ToDoWindow::RememberTypedName() {
    itemEntry[0]->setText(nameList->currentText());
    AddItemToNameList();
}

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
    Combo1->clear();
    ItemNames = ItemNameList();
    Text1[0]->clear();
    damagedFiles_.reading(ToDoFiles::kNamesFile);
    QFile file(services_.folder.file(ToDoFiles::kNamesFile));
    if (!file.open(QIODevice::ReadOnly)) {
        return; // no names remembered yet
    }
    const ToDoFiles::Names read = ToDoFiles::readNames(file.read(FieldReader::kLargestFile));
    ItemNames = ItemNameList(read.names);
    Combo1->addItems(ItemNames.names());
    Combo1->setEditText(QString());
    if (!read.fault.isEmpty()) {
        damagedFiles_.found(ToDoFiles::kNamesFile, read.fault,
                            "The remembered item names are shown as far as they could be read.",
                            "The next change to them");
    }
}

void ToDoWindow::refillNameList() {
    Combo1->clear();
    Combo1->addItems(ItemNames.names());
    Combo1->setEditText(QString());
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
    Command1[DeleteNameButton]->setEnabled(false);
    Command1[AddButton]->setEnabled(false);
    const QString entry = Text1[0]->text();
    if (isBlank(entry) || ItemNames.contains(entry)) {
        return;
    }
    AppendItemName();
}

void ToDoWindow::AppendItemName() {
    // A full list keeps its names; the file is written all the same.
    ItemNames.append(Text1[0]->text());
    writeItemNames();
    Text1[0]->clear();
}

void ToDoWindow::DeleteItemFromFile() {
    if (Combo1->count() == 0) {
        return;
    }
    ItemNames.remove(Text1[0]->text());
    Text1[0]->clear();
    writeItemNames();
    Command1[DeleteNameButton]->setEnabled(false);
    Command1[AddButton]->setEnabled(false);
}

void ToDoWindow::AddItemToGrid() {
    const QString entry = Text1[0]->text();
    if (isBlank(entry)) {
        return;
    }
    VSGd1->setCol(1);
    const int row = firstEmptyItemRow();
    if (row == 0) {
        // The entry stays in the box for after a row was freed.
        services_.dialogs.message({"The To Do Grid is full. Please delete an item first.",
                                   "Item Grid", Dialogs::Icon::Information, Dialogs::Buttons::Ok});
    } else {
        setGridText(row, 1, entry);
        AddItemToNameList();
        Text1[0]->clear();
        ToDoChanged = 1;
    }
    setKeyboardEditing(false);
    Command1[ExitButton]->setFocus(Qt::OtherFocusReason);
}

void ToDoWindow::Command1_Click(int index) {
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

void ToDoWindow::Command1_GotFocus() {
    if (Text1[0]->palette().color(QPalette::Base) == kYellow) {
        setEntryColour(false);
    }
    if (ToDoChanged == 1 && !Command1[ClearButton]->isEnabled()) {
        enableSaveAndClear();
    }
    if (MarkedRow == kNoRow) {
        setKeyboardEditing(false);
    }
}

QColor ToDoWindow::entryColour() const {
    return Text2->palette().color(QPalette::Base);
}

void ToDoWindow::setEntryColour(bool yellow) {
    QPalette palette = Text1[0]->palette();
    palette.setColor(QPalette::Base, yellow ? kYellow : entryColour());
    Text1[0]->setPalette(palette);
}

void ToDoWindow::Text1_Change() {
    Command1[AddButton]->setEnabled(!isBlank(Text1[0]->text()));
}

void ToDoWindow::Text1_Click() {
    setKeyboardEditing(false);
    VSGd1->setCol(1);
}

void ToDoWindow::Text1_GotFocus() {
    HideDatePicker();
    setEntryColour(true);
}

bool ToDoWindow::Text1_KeyDown(int key) {
    if (key == Qt::Key_Delete && Command1[DeleteRowButton]->isEnabled()) {
        DeleteGridRow();
    } else if (key == Qt::Key_Insert && Command1[DeleteRowButton]->isEnabled()) {
        InsertGridRow();
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        const QString entry = Text1[0]->text();
        if (keyboardEditing() && !entry.isEmpty()) {
            VSGd1->finishEdit();
            VSGd1->setText("  " + ToDoFiles::cellText(entry));
            ToDoChanged = 1;
            AddItemToNameList();
        }
        return true; // Enter never types into the box
    }
    Combo1->setEditText(Text1[0]->text());
    return false;
}

void ToDoWindow::Text1_KeyUp() {
    const QString suggested = ItemNames.suggestion(Text1[0]->text());
    if (!suggested.isEmpty()) {
        Combo1->setEditText(suggested);
    }
}

void ToDoWindow::Combo1_Click(int index) {
    const QString name = Combo1->itemText(index);
    if (name.isEmpty()) {
        return;
    }
    if (keyboardEditing()) {
        VSGd1->finishEdit();
        VSGd1->setText(name);
        setKeyboardEditing(false);
        Command1[ExitButton]->setFocus(Qt::OtherFocusReason);
        ToDoChanged = 1;
        return;
    }
    Text1[0]->setText(name);
    setEntryColour(true);
    Combo1->setEditText(QString());
    Command1[DeleteNameButton]->setEnabled(true);
    Command1[AddButton]->setEnabled(true);
}

void ToDoWindow::Combo1_DropDown() {
    HideDatePicker();
    Command1[DeleteNameButton]->setEnabled(false);
}

void ToDoWindow::Combo1_GotFocus() {
    if (VSGd1->col() == 2 || VSGd1->col() == 3) {
        setKeyboardEditing(false);
        VSGd1->setCol(1);
    }
    Command1[DeleteNameButton]->setEnabled(false);
}

void ToDoWindow::Combo1_Enter() {
    Text1[0]->setText(Combo1->currentText());
    AddItemToNameList();
}

// The to-do list copied to the clipboard as lined-up text.
#include "ToDoWindow.h"

#include "GridControl.h"
#include "ToDoCopyCommand.h"
#include "ToDoPrintPanel.h"

#include <QLabel>
#include <QMenu>

void ToDoWindow::buildCopy() {
    connect(editCopyAction, &QAction::triggered, this, &ToDoWindow::CopyToDoToClipboard);
    connect(optionsCopyAction, &QAction::triggered, this, &ToDoWindow::CopyToDoToClipboard);
    connect(editMenu, &QMenu::aboutToShow, this, &ToDoWindow::UpdateEditMenu);
    optionsCopyAction->setEnabled(true);
    setOptionsPopupHooks([this] { return prepareOptionsPopup(); },
                         [this] { optionsPopupClosed(); });
}

void ToDoWindow::UpdateEditMenu() {
    HideDatePicker();
    toDoGrid->setRow(1);
    toDoGrid->setCol(1);
    editCopyAction->setEnabled(!toDoGrid->text().isEmpty());
}

void ToDoWindow::CopyToDoToClipboard() {
    ::CopyToDoToClipboard(services_, gridRows(), dateLabel->text(), printPanel->printerFont());
}

bool ToDoWindow::prepareOptionsPopup() {
    if (printPanel->isOpen()) {
        return false;
    }
    toDoGrid->setRow(1);
    toDoGrid->setCol(1);
    // Only the first item cell decides whether the menu offers the copy.
    optionsCopyAction->setVisible(!toDoGrid->text().isEmpty());
    return true;
}

void ToDoWindow::optionsPopupClosed() {
    if (ExitChosen == 0) {
        optionsCopyAction->setVisible(false);
    }
    ExitChosen = 0;
}

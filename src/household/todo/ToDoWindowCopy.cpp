// The to-do list copied to the clipboard as lined-up text.
#include "ToDoWindow.h"

#include "GridControl.h"
#include "ToDoCopyCommand.h"
#include "ToDoPrintPanel.h"

#include <QLabel>
#include <QMenu>

void ToDoWindow::buildCopy() {
    connect(mECopy, &QAction::triggered, this, &ToDoWindow::CopyToDoToClipboard);
    connect(mOCopy, &QAction::triggered, this, &ToDoWindow::CopyToDoToClipboard);
    connect(mE1, &QMenu::aboutToShow, this, &ToDoWindow::UpdateEditMenu);
    mOCopy->setEnabled(true);
    setOptionsPopupHooks([this] { return prepareOptionsPopup(); },
                         [this] { optionsPopupClosed(); });
}

void ToDoWindow::UpdateEditMenu() {
    HideDatePicker();
    VSGd1->setRow(1);
    VSGd1->setCol(1);
    mECopy->setEnabled(!VSGd1->text().isEmpty());
}

void ToDoWindow::CopyToDoToClipboard() {
    ::CopyToDoToClipboard(services_, gridRows(), Label7->text(), printPanel->printerFont());
}

bool ToDoWindow::prepareOptionsPopup() {
    if (printPanel->isOpen()) {
        return false;
    }
    VSGd1->setRow(1);
    VSGd1->setCol(1);
    // Only the first item cell decides whether the menu offers the copy.
    mOCopy->setVisible(!VSGd1->text().isEmpty());
    return true;
}

void ToDoWindow::optionsPopupClosed() {
    if (ExitChosen == 0) {
        mOCopy->setVisible(false);
    }
    ExitChosen = 0;
}

// The to-do list copied to the clipboard as lined-up text.
#include "ToDo1.h"

#include "GridControl.h"
#include "ToDoCopyCommand.h"
#include "ToDoPrintPanel.h"

#include <QLabel>
#include <QMenu>

void ToDo1::buildCopy() {
    connect(mECopy, &QAction::triggered, this, &ToDo1::CopyToDoToClipboard);
    connect(mOCopy, &QAction::triggered, this, &ToDo1::CopyToDoToClipboard);
    connect(mE1, &QMenu::aboutToShow, this, &ToDo1::UpdateEditMenu);
    mOCopy->setEnabled(true);
    setOptionsPopupHooks([this] { return prepareOptionsPopup(); },
                         [this] { optionsPopupClosed(); });
}

void ToDo1::UpdateEditMenu() {
    HideDatePicker();
    VSGd1->setRow(1);
    VSGd1->setCol(1);
    mECopy->setEnabled(!VSGd1->text().isEmpty());
}

void ToDo1::CopyToDoToClipboard() {
    ::CopyToDoToClipboard(services_, gridRows(), Label7->text(), printPanel->printerFont());
}

bool ToDo1::prepareOptionsPopup() {
    if (printPanel->isOpen()) {
        return false;
    }
    VSGd1->setRow(1);
    VSGd1->setCol(1);
    // Only the first item cell decides whether the menu offers the copy.
    mOCopy->setVisible(!VSGd1->text().isEmpty());
    return true;
}

void ToDo1::optionsPopupClosed() {
    if (ExitChosen == 0) {
        mOCopy->setVisible(false);
    }
    ExitChosen = 0;
}

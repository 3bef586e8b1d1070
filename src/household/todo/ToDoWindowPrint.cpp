// The to-do window's print preview: the list of its items and the blank worksheet.
#include "ToDoWindow.h"

#include "ColorNumber.h"
#include "GridControl.h"
#include "Panel3D.h"
#include "PrintPreviewPanel.h"
#include "ToDoPrintPanel.h"

#include <QLineEdit>
#include <QMenu>

void ToDoWindow::buildPrintPanel() {
    ToDoPrintPanel::Hooks hooks;
    hooks.rows = [this] { return gridRows(); };
    hooks.findItem = [this] {
        for (int row = 1; row <= kItemRows; ++row) {
            VSGd1->setRow(row);
            VSGd1->setCol(1);
            if (!VSGd1->text().isEmpty()) {
                return true;
            }
        }
        return false;
    };
    hooks.entryFont = [this] {
        // The entry box is declared in "MS Sans Serif", whatever face the desktop shows for it.
        QFont font = Text1[0]->font();
        font.setFamily(QStringLiteral("MS Sans Serif"));
        return font;
    };
    hooks.setMenusEnabled = [this](bool enabled) {
        mO->menuAction()->setEnabled(enabled);
        mE1->menuAction()->setEnabled(enabled);
    };
    hooks.showStatus = [this](const QString& text) { showStatus(text); };
    hooks.caption = [this] { return windowTitle(); };
    hooks.gridEditingOff = [this] { setKeyboardEditing(false); };
    printPanel = new ToDoPrintPanel(services_, std::move(hooks), Panel3D1);
    SSPanel80 = printPanel->SSPanel80;
    SSPanel80->place(SSPanel80, 1030, 250, 8940, 6705);
    SSPanel80->setBackColour(ColorNumber::toColor(ColorNumber::kButtonFace));
    SSPanel80->Panel3d82->setBackColour(ColorNumber::toColor(ColorNumber::kButtonFace));

    connect(mOPrt, &QAction::triggered, this, &ToDoWindow::OpenToDoPrintPreview);
    connect(mOW, &QAction::triggered, this, &ToDoWindow::OpenWorksheetPrintPreview);
    mOPrt->setEnabled(true);
    mOW->setEnabled(true);
}

void ToDoWindow::OpenToDoPrintPreview() {
    printPanel->OpenToDoPrintPreview();
}

void ToDoWindow::OpenWorksheetPrintPreview() {
    printPanel->OpenWorksheetPrintPreview();
}

int ToDoWindow::currentHelpContext() const {
    return SSPanel80->isOpen() ? PrintPreviewPanel::kHelpContext
                               : ActivityWindow::currentHelpContext();
}

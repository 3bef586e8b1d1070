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
            toDoGrid->setRow(row);
            toDoGrid->setCol(1);
            if (!toDoGrid->text().isEmpty()) {
                return true;
            }
        }
        return false;
    };
    hooks.entryFont = [this] {
        // The entry box is declared in "MS Sans Serif", whatever face the desktop shows for it.
        QFont font = itemEntry[0]->font();
        font.setFamily(QStringLiteral("MS Sans Serif"));
        return font;
    };
    hooks.setMenusEnabled = [this](bool enabled) {
        optionsMenu->menuAction()->setEnabled(enabled);
        editMenu->menuAction()->setEnabled(enabled);
    };
    hooks.showStatus = [this](const QString& text) { showStatus(text); };
    hooks.caption = [this] { return windowTitle(); };
    hooks.gridEditingOff = [this] { setKeyboardEditing(false); };
    printPanel = new ToDoPrintPanel(services_, std::move(hooks), mainPanelFrame);
    printPreview = printPanel->preview;
    printPreview->place(printPreview, 1030, 250, 8940, 6705);
    printPreview->setBackColour(ColorNumber::toColor(ColorNumber::kButtonFace));
    printPreview->sampleText->setBackColour(ColorNumber::toColor(ColorNumber::kButtonFace));

    connect(printAction, &QAction::triggered, this, &ToDoWindow::OpenToDoPrintPreview);
    connect(printWorksheetAction, &QAction::triggered, this,
            &ToDoWindow::OpenWorksheetPrintPreview);
    printAction->setEnabled(true);
    printWorksheetAction->setEnabled(true);
}

void ToDoWindow::OpenToDoPrintPreview() {
    printPanel->OpenToDoPrintPreview();
}

void ToDoWindow::OpenWorksheetPrintPreview() {
    printPanel->OpenWorksheetPrintPreview();
}

int ToDoWindow::currentHelpContext() const {
    return printPreview->isOpen() ? PrintPreviewPanel::kHelpContext
                                  : ActivityWindow::currentHelpContext();
}

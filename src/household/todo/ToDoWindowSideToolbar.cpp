// The to-do window's side toolbar: its commands, all of them blocked while the preview shows.
#include "ToDoWindow.h"

#include "PrintPreviewPanel.h"
#include "SideToolbarPictures.h"
#include "ToDoWindowSideToolbarPictures.h"

#include <QAction>

void ToDoWindow::buildSideToolbar() {
    fillSideToolbar(
        {
            {toDoToolbarPicture(ToDoPicture::GridBackground), "Grid Background Selector"},
            {toDoToolbarPicture(ToDoPicture::TextColor), "Grid Text Color"},
            {sideToolbarPicture(SidePicture::PanelColor), "Panel Color"},
            {toDoToolbarPicture(ToDoPicture::InsertRow), "Insert New Row"},
            {toDoToolbarPicture(ToDoPicture::Copy), "Copy"},
            {toDoToolbarPicture(ToDoPicture::Worksheet), "Print To Do Worksheet"},
            {toDoToolbarPicture(ToDoPicture::Print), "Print"},
            {sideToolbarPicture(SidePicture::Help), "Help"},
            {sideToolbarPicture(SidePicture::Exit), "Exit"},
        },
        [this](int button) { RunSideToolbarButton(button); });
    // Inserting a row is offered together with the Options menu's entry.
    leftToolbarButton(4)->setEnabled(insertRowAction->isEnabled());
    connect(this, &ToDoWindow::insertRowOffered, leftToolbarButton(4), &QAction::setEnabled);
}

void ToDoWindow::RunSideToolbarButton(int button) {
    if (printPreview->isOpen()) {
        services_.sound.beep();
        return;
    }
    switch (button) {
    case 1:
        ToggleGridBackgroundSelector();
        break;
    case 2:
        ChooseGridTextColour();
        break;
    case 3:
        ChoosePanelColour();
        break;
    case 4:
        InsertGridRow();
        break;
    case 5:
        CopyToDoToClipboard();
        break;
    case 6:
        OpenWorksheetPrintPreview();
        break;
    case 7:
        OpenToDoPrintPreview();
        break;
    case 8:
        ShowHelpTopic();
        break;
    case 9:
        ExitToDo();
        break;
    default:
        break;
    }
}

// The to-do window's side toolbar: its commands, all of them blocked while the preview shows.
#include "ToDo1.h"

#include "PrintPreviewPanel.h"
#include "SideToolbarPictures.h"
#include "ToDo1SideToolbarPictures.h"

#include <QToolBar>

void ToDo1::buildSideToolbar() {
    const struct {
        const char* tooltip;
        QIcon picture;
    } buttons[] = {
        {"Grid Background Selector", toDoToolbarPicture(ToDoPicture::GridBackground)},
        {"Grid Text Color", toDoToolbarPicture(ToDoPicture::TextColor)},
        {"Panel Color", sideToolbarPicture(SidePicture::PanelColor)},
        {"Insert New Row", toDoToolbarPicture(ToDoPicture::InsertRow)},
        {"Copy", toDoToolbarPicture(ToDoPicture::Copy)},
        {"Print To Do Worksheet", toDoToolbarPicture(ToDoPicture::Worksheet)},
        {"Print", toDoToolbarPicture(ToDoPicture::Print)},
        {"Help", sideToolbarPicture(SidePicture::Help)},
        {"Exit", sideToolbarPicture(SidePicture::Exit)},
    };
    for (int button = 1; button <= 9; ++button) {
        const auto& entry = buttons[button - 1];
        QAction* action = Toolbar2->addAction(entry.picture, entry.tooltip);
        action->setToolTip(entry.tooltip);
        connect(action, &QAction::triggered, this,
                [this, button] { Toolbar2_ButtonClick(button); });
        toolbar2Buttons_.at(std::size_t(button)) = action;
    }
    // Inserting a row is offered together with the Options menu's entry.
    Toolbar2Button(4)->setEnabled(mOIN->isEnabled());
    connect(this, &ToDo1::insertRowOffered, Toolbar2Button(4), &QAction::setEnabled);
}

QAction* ToDo1::Toolbar2Button(int button) const {
    return toolbar2Buttons_.at(std::size_t(button));
}

void ToDo1::Toolbar2_ButtonClick(int button) {
    if (SSPanel80->isOpen()) {
        services_.sound.beep();
        return;
    }
    switch (button) {
    case 1:
        mOBC_Click();
        break;
    case 2:
        mOTC_Click();
        break;
    case 3:
        mOC_Click();
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

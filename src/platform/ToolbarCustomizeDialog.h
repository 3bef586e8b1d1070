#pragma once

#include "ToolbarLayout.h"

#include <QDialog>

class HelpViewer;
class QListWidget;
class QPushButton;
class Toolbar;

// The toolbar's customise dialog: one line per button in toolbar order, ticked when the button
// shows. Move Up and Move Down change a button's place, Reset brings back the designed layout, Help
// shows the help file's "customize" topic. OK keeps the choice, Cancel drops it.
//
// Object names of its controls: "buttons" (the list), "moveUp", "moveDown", and the standard
// buttons of the QDialogButtonBox "buttonBox" (Ok, Cancel, Reset, Help).
class ToolbarCustomizeDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kHelpTopic = "customize";

    ToolbarCustomizeDialog(const Toolbar& toolbar, HelpViewer& help, QWidget* parent = nullptr);

    ToolbarLayout chosenLayout() const;

private:
    void fill(const ToolbarLayout& layout);
    void moveCurrent(int step);
    void updateMoveButtons();

    const Toolbar& toolbar_;
    QListWidget* list_;
    QPushButton* moveUp_;
    QPushButton* moveDown_;
};

// Building the to-do window: the main panel with the entry, the grid and the commands, the date
// picker, the grid background selector and the menus.
#include "ToDoWindow.h"

#include "FocusMoves.h"
#include "GridBackgroundSelector.h"
#include "GridControl.h"
#include "MonthView.h"
#include "Panel3D.h"
#include "SettingsFile.h"
#include "StorableText.h"
#include "ToDoFiles.h"
#include "Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

// The name list reports its drop-down before it opens.
class NameList : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> dropDown;
    void showPopup() override {
        if (dropDown) {
            dropDown();
        }
        QComboBox::showPopup();
    }
};

constexpr int kPanelWidth = 11000;
constexpr int kPanelHeight = 7450;
constexpr int kGridTop = 1000;
constexpr int kGridHeight = 5000;
constexpr int kCommandTop = 6150;
constexpr int kPickerTop = 1400;

} // namespace

void ToDoWindow::buildControls() {
    mainPanelFrame = new Panel3D(centralWidget());
    mainPanelFrame->setObjectName("Panel3D1");
    mainPanelFrame->setAccessibleName(kCaption);
    mainPanelFrame->resize(Twips::toPixels(kPanelWidth, kPanelHeight));
    mainPanelFrame->hide();

    dateLabel = Twips::place(new QLabel("Date:", mainPanelFrame), 150, 150, 5000, 300);
    dateLabel->setObjectName("Label7");
    entryCaption = Twips::place(new QLabel("To Do &Item:", mainPanelFrame), 150, 560, 1300, 300);
    entryCaption->setObjectName("Label1");
    itemEntry[0] = Twips::place(new QLineEdit(mainPanelFrame), 1450, 520, 2870, 330);
    itemEntry[0]->setObjectName("Text1");
    itemEntry[0]->setAccessibleName("To Do Item");
    itemEntry[0]->setMaxLength(ToDoFiles::kItemLength);
    StorableText::guard(*itemEntry[0], &ToDoFiles::cellText);
    itemEntry[0]->setAutoFillBackground(true);
    entryCaption->setBuddy(itemEntry[0]);
    entryColourBox = new QLineEdit(mainPanelFrame);
    entryColourBox->setObjectName("Text2");
    entryColourBox->hide();

    auto* names = new NameList(mainPanelFrame);
    names->dropDown = [this] { BeforeNameListOpens(); };
    nameList = Twips::place(names, 4500, 520, 3400, 330);
    nameList->setObjectName("Combo1");
    nameList->setEditable(true);
    nameList->setCompleter(nullptr);
    nameList->setInsertPolicy(QComboBox::NoInsert);
    nameList->setMaxVisibleItems(16);
    nameList->setAccessibleName("Remembered items");
    nameList->setToolTip("Remembered items");
    StorableText::guard(*nameList->lineEdit(), &ToDoFiles::cellText);
    nameList->lineEdit()->setMaxLength(ToDoFiles::kItemLength);

    toDoGrid = Twips::place(new GridControl(mainPanelFrame), 150, kGridTop, kPanelWidth - 300,
                            kGridHeight);
    toDoGrid->setObjectName("VSGd1");
    toDoGrid->setAccessibleName("To Do Grid");
    toDoGrid->setCols(4);
    toDoGrid->setRows(kItemRows + 1);
    toDoGrid->setFixedRows(1);
    toDoGrid->setFixedCols(1);
    toDoGrid->setEditFilter(&ToDoFiles::cellText);

    const char* captions[] = {
        "E&xit", "&Delete Item fm File", "&Add to To Do Grid", "&Delete Item from Grid", "&Print",
        "&Save", "&Clear Grid"};
    // Two rows: the commands on items and the grid above, printing, saving and leaving below.
    constexpr int kButtonWidth = 2550;
    const Command places[] = {AddButton,   DeleteNameButton, DeleteRowButton, ClearButton,
                              PrintButton, SaveButton,       ExitButton};
    for (std::size_t i = 0; i < commandButtons.size(); ++i) {
        commandButtons[std::size_t(places[i])] =
            Twips::place(new QPushButton(captions[places[i]], mainPanelFrame),
                         150 + int(i % 4) * (kButtonWidth + 100), kCommandTop + int(i / 4) * 560,
                         kButtonWidth, 450);
        commandButtons[std::size_t(places[i])]->setObjectName("Command1");
    }
    for (Command index : {DeleteNameButton, AddButton, DeleteRowButton}) {
        commandButtons[index]->setEnabled(false);
    }

    datePicker = new MonthView(mainPanelFrame);
    datePicker->setObjectName("MonthView1");
    datePicker->setAccessibleName("Date picker");
    datePicker->move(0, Twips::toPixels(kPickerTop));
    datePicker->hide();

    backgroundSelector = new GridBackgroundSelector(
        services_,
        {[this](const QString& picture) {
             if (picture.isEmpty()) {
                 toDoGrid->removePicture();
             } else {
                 toDoGrid->setPicture(picture);
             }
         },
         [this] { return toDoGrid->backColour(); },
         [this](const QColor& colour) { toDoGrid->setBackColour(colour); }},
        mainPanelFrame);
    backgroundSelector->move(0, Twips::toPixels(kGridTop));
    backgroundSelector->setObjectName("SSPanel4");
    buildColours();

    for (QWidget* control :
         std::initializer_list<QWidget*>{this, mainPanelFrame, dateLabel, toDoGrid, datePicker}) {
        attachOptionsPopup(control);
    }
    for (QPushButton* button : commandButtons) {
        attachOptionsPopup(button);
    }
    for (QWidget* part : datePicker->findChildren<QWidget*>()) {
        attachOptionsPopup(part);
    }
}

void ToDoWindow::buildMenus() {
    // Printing, copying, the spelling check and the backup enable their items as they are
    // built.
    gridBackgroundAction = optionsMenu->addAction("Grid &Background Selector", this,
                                                  &ToDoWindow::ToggleGridBackgroundSelector);
    gridBackgroundAction->setObjectName("mOBC");
    gridTextColourAction =
        optionsMenu->addAction("Grid &Text  Color", this, &ToDoWindow::ChooseGridTextColour);
    gridTextColourAction->setObjectName("mOTC");
    panelColourAction =
        optionsMenu->addAction("Panel &Color", this, &ToDoWindow::ChoosePanelColour);
    panelColourAction->setObjectName("mOC");
    optionsMenu->addSeparator();
    deleteRowAction =
        optionsMenu->addAction("&Delete Item fm Grid", this, &ToDoWindow::DeleteGridRow);
    deleteRowAction->setObjectName("mODel");
    clearGridAction = optionsMenu->addAction("&Clear Grid", this, &ToDoWindow::ClearGrid);
    clearGridAction->setObjectName("mOCl");
    insertRowAction = optionsMenu->addAction("&Insert New Row", this, &ToDoWindow::InsertGridRow);
    insertRowAction->setObjectName("mOIN");
    optionsMenu->addSeparator();
    printWorksheetAction = optionsMenu->addAction("Print To Do &Worksheet");
    printWorksheetAction->setObjectName("mOW");
    optionsCopyAction = optionsMenu->addAction("Cop&y");
    optionsCopyAction->setObjectName("mOCopy");
    optionsCopyAction->setVisible(false);
    printAction = optionsMenu->addAction("&Print");
    printAction->setObjectName("mOPrt");
    saveAction = optionsMenu->addAction("&Save", this, [this] { SaveToDoGrid(); });
    saveAction->setObjectName("mOS");
    spellingAction = optionsMenu->addAction("Spelling Chec&k");
    spellingAction->setObjectName("mOSpell");
    optionsMenu->addSeparator();
    exitAction = optionsMenu->addAction("E&xit", this, &ToDoWindow::ExitToDo);
    exitAction->setObjectName("mOEx");
    for (QAction* later : {printWorksheetAction, optionsCopyAction, printAction, spellingAction}) {
        later->setEnabled(false);
    }
    deleteRowAction->setEnabled(false);

    editMenu = new QMenu("&Edit", this);
    editMenu->setObjectName("mE1");
    editCopyAction = editMenu->addAction("&Copy");
    editCopyAction->setObjectName("mECopy");
    editCopyAction->setEnabled(false);
    utilitiesMenu = new QMenu("&Utilities", this);
    utilitiesMenu->setObjectName("mU");
    backupAction = utilitiesMenu->addAction("&Backup To Do File to Disk");
    backupAction->setObjectName("mUB");
    restoreAction = utilitiesMenu->addAction("&Restore To Do File from Disk");
    restoreAction->setObjectName("mUR");
    backupAction->setEnabled(false);
    restoreAction->setEnabled(false);
    menuBar()->insertMenu(helpAction, editMenu);
    menuBar()->insertMenu(helpAction, utilitiesMenu);
}

void ToDoWindow::connectHandlers() {
    for (std::size_t i = 0; i < commandButtons.size(); ++i) {
        connect(commandButtons[i], &QPushButton::clicked, this, [this, i] { RunCommand(int(i)); });
        focusMoves().onGotFocus(commandButtons[i], [this] { EnterCommandButtons(); });
    }
    connect(itemEntry[0], &QLineEdit::textChanged, this, &ToDoWindow::UpdateAddButton);
    focusMoves().onGotFocus(itemEntry[0], [this] { EnterItemEntry(); });
    focusMoves().onGotFocus(nameList, [this] { EnterNameList(); });
    focusMoves().onGotFocus(toDoGrid, [this] { EnterGrid(); });
    itemEntry[0]->installEventFilter(this);
    connect(nameList, &QComboBox::activated, this, &ToDoWindow::TakeRememberedName);

    connect(toDoGrid, &GridControl::cellClicked, this, [this] { HandleGridClick(); });
    connect(toDoGrid, &GridControl::afterEdit, this, &ToDoWindow::AfterItemEdit);
    connect(toDoGrid, &GridControl::editKeyTyped, this, [this] { NoteCellTyping(); });
    connect(toDoGrid, &GridControl::afterSort, this, &ToDoWindow::AfterGridSort);
    connect(toDoGrid, &GridControl::rowMoved, this, [this] { NoteRowMoved(); });
    toDoGrid->setRowTipHandler([this](int row) { return ShowRowScrollTip(row); });
    connect(datePicker, &MonthView::selectionChanged, this,
            [this](const QDate& date, bool byClick) {
                if (byClick) {
                    PutPickedDate(date);
                }
            });

    connect(optionsMenu, &QMenu::aboutToShow, this, &ToDoWindow::UpdateOptionsMenu);
    connect(this, &ToDoWindow::insertRowOffered, insertRowAction, &QAction::setEnabled);
    setOptionsPopupHooks([this] {
        toDoGrid->setRow(1);
        toDoGrid->setCol(1);
        return true;
    });

    connect(backgroundSelector, &GridBackgroundSelector::statusText, this, &ToDoWindow::showStatus);
    connect(backgroundSelector, &GridBackgroundSelector::restoreStatus, this,
            [this] { showStatus(windowTitle()); });
    connect(backgroundSelector, &GridBackgroundSelector::settingChanged, this,
            [this] { selectorChanged_ = true; });
    for (std::size_t i = 0; i < backgroundSelector->choiceButtons.size(); ++i) {
        // Runs after the selector's own action for the button.
        connect(backgroundSelector->choiceButtons[i], &QPushButton::clicked, this,
                [this, i] { selectorClicked(int(i)); });
    }
}

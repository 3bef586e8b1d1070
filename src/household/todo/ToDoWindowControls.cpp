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
    Panel3D1 = new Panel3D(centralWidget());
    Panel3D1->setObjectName("Panel3D1");
    Panel3D1->setAccessibleName(kCaption);
    Panel3D1->resize(Twips::toPixels(kPanelWidth, kPanelHeight));
    Panel3D1->hide();

    Label7 = Twips::place(new QLabel("Date:", Panel3D1), 150, 150, 5000, 300);
    Label1 = Twips::place(new QLabel("To Do &Item:", Panel3D1), 150, 560, 1300, 300);
    Text1[0] = Twips::place(new QLineEdit(Panel3D1), 1450, 520, 2870, 330);
    Text1[0]->setAccessibleName("To Do Item");
    Text1[0]->setMaxLength(ToDoFiles::kItemLength);
    StorableText::guard(*Text1[0], &ToDoFiles::cellText);
    Text1[0]->setAutoFillBackground(true);
    Label1->setBuddy(Text1[0]);
    Text2 = new QLineEdit(Panel3D1);
    Text2->hide();

    auto* names = new NameList(Panel3D1);
    names->dropDown = [this] { Combo1_DropDown(); };
    Combo1 = Twips::place(names, 4500, 520, 3400, 330);
    Combo1->setEditable(true);
    Combo1->setCompleter(nullptr);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setMaxVisibleItems(16);
    Combo1->setAccessibleName("Remembered items");
    Combo1->setToolTip("Remembered items");
    StorableText::guard(*Combo1->lineEdit(), &ToDoFiles::cellText);
    Combo1->lineEdit()->setMaxLength(ToDoFiles::kItemLength);

    VSGd1 = Twips::place(new GridControl(Panel3D1), 150, kGridTop, kPanelWidth - 300, kGridHeight);
    VSGd1->setAccessibleName("To Do Grid");
    VSGd1->setCols(4);
    VSGd1->setRows(kItemRows + 1);
    VSGd1->setFixedRows(1);
    VSGd1->setFixedCols(1);
    VSGd1->setEditFilter(&ToDoFiles::cellText);

    const char* captions[] = {
        "E&xit", "&Delete Item fm File", "&Add to To Do Grid", "&Delete Item from Grid", "&Print",
        "&Save", "&Clear Grid"};
    // Two rows: the commands on items and the grid above, printing, saving and leaving below.
    constexpr int kButtonWidth = 2550;
    const Command places[] = {AddButton,   DeleteNameButton, DeleteRowButton, ClearButton,
                              PrintButton, SaveButton,       ExitButton};
    for (std::size_t i = 0; i < Command1.size(); ++i) {
        Command1[std::size_t(places[i])] = Twips::place(
            new QPushButton(captions[places[i]], Panel3D1), 150 + int(i % 4) * (kButtonWidth + 100),
            kCommandTop + int(i / 4) * 560, kButtonWidth, 450);
    }
    for (Command index : {DeleteNameButton, AddButton, DeleteRowButton}) {
        Command1[index]->setEnabled(false);
    }

    MonthView1 = new MonthView(Panel3D1);
    MonthView1->setAccessibleName("Date picker");
    MonthView1->move(0, Twips::toPixels(kPickerTop));
    MonthView1->hide();

    SSPanel4 =
        new GridBackgroundSelector(services_,
                                   {[this](const QString& picture) {
                                        if (picture.isEmpty()) {
                                            VSGd1->removePicture();
                                        } else {
                                            VSGd1->setPicture(picture);
                                        }
                                    },
                                    [this] { return VSGd1->backColour(); },
                                    [this](const QColor& colour) { VSGd1->setBackColour(colour); }},
                                   Panel3D1);
    SSPanel4->move(0, Twips::toPixels(kGridTop));
    // The panel's colour; a record that is no colour gives dark cyan.
    panelColours_.add({"Panel Color", {Panel3D1}, SettingsFile::GColor1, 32, 0x808000});

    for (QWidget* control :
         std::initializer_list<QWidget*>{this, Panel3D1, Label7, VSGd1, MonthView1}) {
        attachOptionsPopup(control);
    }
    for (QPushButton* button : Command1) {
        attachOptionsPopup(button);
    }
    for (QWidget* part : MonthView1->findChildren<QWidget*>()) {
        attachOptionsPopup(part);
    }
}

void ToDoWindow::buildMenus() {
    // Printing, copying, the spelling check and the backup enable their items as they are
    // built.
    mOBC = mO->addAction("Grid &Background Selector", this, &ToDoWindow::mOBC_Click);
    mOTC = mO->addAction("Grid &Text  Color", this, &ToDoWindow::mOTC_Click);
    mOC = mO->addAction("Panel &Color", this, &ToDoWindow::mOC_Click);
    mO->addSeparator();
    mODel = mO->addAction("&Delete Item fm Grid", this, &ToDoWindow::DeleteGridRow);
    mOCl = mO->addAction("&Clear Grid", this, &ToDoWindow::ClearGrid);
    mOIN = mO->addAction("&Insert New Row", this, &ToDoWindow::InsertGridRow);
    mO->addSeparator();
    mOW = mO->addAction("Print To Do &Worksheet");
    mOCopy = mO->addAction("Cop&y");
    mOCopy->setVisible(false);
    mOPrt = mO->addAction("&Print");
    mOS = mO->addAction("&Save", this, [this] { SaveToDoGrid(); });
    mOSpell = mO->addAction("Spelling Chec&k");
    mO->addSeparator();
    mOEx = mO->addAction("E&xit", this, &ToDoWindow::ExitToDo);
    for (QAction* later : {mOW, mOCopy, mOPrt, mOSpell}) {
        later->setEnabled(false);
    }
    mODel->setEnabled(false);

    mE1 = new QMenu("&Edit", this);
    mECopy = mE1->addAction("&Copy");
    mECopy->setEnabled(false);
    mU = new QMenu("&Utilities", this);
    mUB = mU->addAction("&Backup To Do File to Disk");
    mUR = mU->addAction("&Restore To Do File from Disk");
    mUB->setEnabled(false);
    mUR->setEnabled(false);
    menuBar()->insertMenu(mH, mE1);
    menuBar()->insertMenu(mH, mU);
}

void ToDoWindow::connectHandlers() {
    for (std::size_t i = 0; i < Command1.size(); ++i) {
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(int(i)); });
        focusMoves().onGotFocus(Command1[i], [this] { Command1_GotFocus(); });
    }
    connect(Text1[0], &QLineEdit::textChanged, this, &ToDoWindow::Text1_Change);
    focusMoves().onGotFocus(Text1[0], [this] { Text1_GotFocus(); });
    focusMoves().onGotFocus(Combo1, [this] { Combo1_GotFocus(); });
    focusMoves().onGotFocus(VSGd1, [this] { VSGd1_GotFocus(); });
    Text1[0]->installEventFilter(this);
    connect(Combo1, &QComboBox::activated, this, &ToDoWindow::Combo1_Click);

    connect(VSGd1, &GridControl::cellClicked, this, [this] { HandleGridClick(); });
    connect(VSGd1, &GridControl::afterEdit, this, &ToDoWindow::AfterItemEdit);
    connect(VSGd1, &GridControl::editKeyTyped, this, [this] { NoteCellTyping(); });
    connect(VSGd1, &GridControl::afterSort, this, &ToDoWindow::AfterGridSort);
    connect(VSGd1, &GridControl::rowMoved, this, [this] { NoteRowMoved(); });
    VSGd1->setRowTipHandler([this](int row) { return ShowRowScrollTip(row); });
    connect(MonthView1, &MonthView::selectionChanged, this,
            [this](const QDate& date, bool byClick) {
                if (byClick) {
                    PutPickedDate(date);
                }
            });

    connect(mO, &QMenu::aboutToShow, this, &ToDoWindow::mO_Click);
    connect(this, &ToDoWindow::insertRowOffered, mOIN, &QAction::setEnabled);
    setOptionsPopupHooks([this] {
        VSGd1->setRow(1);
        VSGd1->setCol(1);
        return true;
    });

    connect(SSPanel4, &GridBackgroundSelector::statusText, this, &ToDoWindow::showStatus);
    connect(SSPanel4, &GridBackgroundSelector::restoreStatus, this,
            [this] { showStatus(windowTitle()); });
    connect(SSPanel4, &GridBackgroundSelector::settingChanged, this,
            [this] { selectorChanged_ = true; });
    for (std::size_t i = 0; i < SSPanel4->Command16.size(); ++i) {
        // Runs after the selector's own action for the button.
        connect(SSPanel4->Command16[i], &QPushButton::clicked, this,
                [this, i] { selectorClicked(int(i)); });
    }
}

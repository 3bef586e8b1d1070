// The hangman window's Options menu, its side toolbar and the right-click menu.
#include "HangmanWindow.h"

#include "Command3D.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "SideToolbarPictures.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

void HangmanWindow::buildMenus() {
    mOC = mO->addAction("Panel &Color", this, &HangmanWindow::ChooseColour);
    mO->addSeparator();
    mOW = mO->addMenu("&Word Level");
    const char* const levels[] = {"&1", "&2", "&3", "&4", "&5", "&Computer Selects"};
    for (int i = 0; i < 6; ++i) {
        QAction* item = mOW->addAction(levels[i], this, [this, i] { ChooseWordLevelMenu(i); });
        item->setCheckable(true);
        mOW1[std::size_t(i)] = item;
    }
    mOW1[0]->setChecked(true);
    mOH = mO->addMenu("&Hangman Display");
    mOHO = mOH->addAction("In &Order", this, [this] { orderOptions_->select(0); });
    mOHR = mOH->addAction("In &Random Order", this, [this] { orderOptions_->select(1); });
    for (QAction* item : {mOHO, mOHR}) {
        item->setCheckable(true);
    }
    mO->addSeparator();
    mOS = mO->addAction("&Start", this, &HangmanWindow::Command2_Click);
    mON = mO->addAction("&Next", this, &HangmanWindow::Command2_Click);
    mON->setVisible(false);
    mO->addSeparator();
    mOSND = mO->addAction("So&und", this, &HangmanWindow::ShowSoundInformation);
    mO->addSeparator();
    mOE = mO->addAction("&Exit", this, &HangmanWindow::ExitCommand);
}

void HangmanWindow::buildSideToolbar() {
    fillSideToolbar({
        {sideToolbarPicture(SidePicture::PanelColor), "Panel Color", [this] { ChooseColour(); }},
        {sideToolbarPicture(SidePicture::Sound), "Sound", [this] { ShowSoundInformation(); }},
        {sideToolbarPicture(SidePicture::Help), "Help", [this] { ShowHelpTopic(); }},
        {sideToolbarPicture(SidePicture::Exit), "Exit", [this] { ExitCommand(); }},
    });
}

void HangmanWindow::attachPopupToControls() {
    QList<QWidget*> controls = {Frame1,    Frame3D1, Image1,   Label1,   Panel3D1,
                                Panel3D13, Panel3D6, SSPanel1, SSPanel2, SSPanel19};
    controls.append(Frame1->findChild<QLabel*>()); // the frame's caption
    for (QRadioButton* option : Option3D1) {
        controls.append(option);
    }
    for (QRadioButton* option : SSOption1) {
        controls.append(option);
    }
    for (Command3D* letter : SSCommand1) {
        controls.append(letter);
    }
    for (Panel3D* slot : SSPanel3) {
        controls.append(slot);
    }
    // SSPanel4 to SSPanel16, with the grave's own panels.
    for (Panel3D* board : {SSPanel4, SSPanel7, SSPanel8, SSPanel9, SSPanel10, SSPanel11, SSPanel12,
                           SSPanel13, SSPanel14, SSPanel15, SSPanel16}) {
        controls.append(board);
    }
    for (Panel3D* inGrave : SSPanel4->findChildren<Panel3D*>()) {
        controls.append(inGrave);
    }
    for (QWidget* control : controls) {
        attachOptionsPopup(control);
    }
    // The rope strip and the command buttons have no popup, though their containers have.
    for (QWidget* control : std::initializer_list<QWidget*>{SSPanel18, Command1, Command2}) {
        keepFromOptionsPopup(control);
    }
}

void HangmanWindow::ChooseWordLevel(int index) {
    game_.ChooseWordLevel(index);
    Ck1();
    mOW1[std::size_t(index)]->setChecked(true);
    showBoard();
}

void HangmanWindow::ChooseWordLevelMenu(int index) {
    Ck1();
    mOW1[std::size_t(index)]->setChecked(true);
    levelOptions_->select(index);
}

void HangmanWindow::Ck1() {
    for (QAction* item : mOW1) {
        item->setChecked(false);
    }
}

void HangmanWindow::ChooseDisplayOrder(int index) {
    game_.ChooseDisplayOrder(index);
    const bool inOrder = orderOptions_->selected() == 0;
    mOHO->setChecked(inOrder);
    mOHR->setChecked(!inOrder);
}

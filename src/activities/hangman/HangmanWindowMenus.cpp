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
    panelColourAction = optionsMenu->addAction("Panel &Color", this, &HangmanWindow::ChooseColour);
    panelColourAction->setObjectName("mOC");
    optionsMenu->addSeparator();
    wordLevelMenu = optionsMenu->addMenu("&Word Level");
    wordLevelMenu->setObjectName("mOW");
    const char* const levels[] = {"&1", "&2", "&3", "&4", "&5", "&Computer Selects"};
    for (int i = 0; i < 6; ++i) {
        QAction* item =
            wordLevelMenu->addAction(levels[i], this, [this, i] { ChooseWordLevelMenu(i); });
        item->setCheckable(true);
        item->setObjectName("mOW1");
        wordLevelActions[std::size_t(i)] = item;
    }
    wordLevelActions[0]->setChecked(true);
    displayMenu = optionsMenu->addMenu("&Hangman Display");
    displayMenu->setObjectName("mOH");
    inOrderAction = displayMenu->addAction("In &Order", this, [this] { orderOptions_->select(0); });
    inOrderAction->setObjectName("mOHO");
    randomOrderAction =
        displayMenu->addAction("In &Random Order", this, [this] { orderOptions_->select(1); });
    randomOrderAction->setObjectName("mOHR");
    for (QAction* item : {inOrderAction, randomOrderAction}) {
        item->setCheckable(true);
    }
    optionsMenu->addSeparator();
    startAction = optionsMenu->addAction("&Start", this, &HangmanWindow::StartNextWord);
    startAction->setObjectName("mOS");
    nextAction = optionsMenu->addAction("&Next", this, &HangmanWindow::StartNextWord);
    nextAction->setObjectName("mON");
    nextAction->setVisible(false);
    optionsMenu->addSeparator();
    soundAction = optionsMenu->addAction("So&und", this, &HangmanWindow::ShowSoundInformation);
    soundAction->setObjectName("mOSND");
    optionsMenu->addSeparator();
    exitAction = optionsMenu->addAction("&Exit", this, &HangmanWindow::ExitCommand);
    exitAction->setObjectName("mOE");
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
    QList<QWidget*> controls = {
        displayFrame,   wordLevelFrame, backgroundPicture, systemColourLabel, boardPanel,
        wordLevelPanel, keyboardPanel,  figurePanel,       gallowsPlatform,   mainPanelGround};
    controls.append(displayFrame->findChild<QLabel*>()); // the frame's caption
    for (QRadioButton* option : wordLevelOptions) {
        controls.append(option);
    }
    for (QRadioButton* option : displayOrderOptions) {
        controls.append(option);
    }
    for (Command3D* letter : letterButtons) {
        controls.append(letter);
    }
    for (Panel3D* slot : letterSlots) {
        controls.append(slot);
    }
    // The panels on the board, and the grave's own.
    for (Panel3D* board : {grave, gallowsArea, messagePanel, wordsCorrectBox, winBanner,
                           displayPanel, wordsCorrectCount, wordsWrongBox, wordsWrongCount,
                           levelDescriptionPanel, checkedLetterPanel}) {
        controls.append(board);
    }
    for (Panel3D* inGrave : grave->findChildren<Panel3D*>()) {
        controls.append(inGrave);
    }
    for (QWidget* control : controls) {
        attachOptionsPopup(control);
    }
    // The rope strip and the command buttons have no popup, though their containers have.
    for (QWidget* control : std::initializer_list<QWidget*>{ropeStrip, exitButton, startButton}) {
        keepFromOptionsPopup(control);
    }
}

void HangmanWindow::ChooseWordLevel(int index) {
    game_.ChooseWordLevel(index);
    ClearWordLevelTicks();
    wordLevelActions[std::size_t(index)]->setChecked(true);
    showBoard();
}

void HangmanWindow::ChooseWordLevelMenu(int index) {
    ClearWordLevelTicks();
    wordLevelActions[std::size_t(index)]->setChecked(true);
    levelOptions_->select(index);
}

void HangmanWindow::ClearWordLevelTicks() {
    for (QAction* item : wordLevelActions) {
        item->setChecked(false);
    }
}

void HangmanWindow::ChooseDisplayOrder(int index) {
    game_.ChooseDisplayOrder(index);
    const bool inOrder = orderOptions_->selected() == 0;
    inOrderAction->setChecked(inOrder);
    randomOrderAction->setChecked(!inOrder);
}

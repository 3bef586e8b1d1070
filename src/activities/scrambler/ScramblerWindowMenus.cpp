// The word scrambler window's Options menu, its side toolbar and the right-click menu.
#include "ScramblerWindow.h"

#include "ColorNumber.h"
#include "Command3D.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "SideToolbarPictures.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>

namespace {

// A speech balloon with the letter i: the word's hint shown.
QIcon helpDisplayPicture() {
    return drawnToolbarPicture([](QPainter& painter) {
        QPainterPath balloon;
        balloon.addRoundedRect(QRectF(2.5, 3.5, 19, 13), 4, 4);
        balloon.moveTo(7, 16);
        balloon.lineTo(5, 21);
        balloon.lineTo(11, 16);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(ColorNumber::palette(14));
        painter.drawPath(balloon.simplified());
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(12);
        painter.setFont(font);
        painter.setPen(ColorNumber::palette(1));
        painter.drawText(QRectF(2.5, 3.5, 19, 13), Qt::AlignCenter, "i");
    });
}

// A board between two side panels.
QIcon viewPanelsPicture() {
    return drawnToolbarPicture([](QPainter& painter) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(ColorNumber::palette(7));
        painter.drawRect(QRectF(7.5, 4.5, 9, 15));
        painter.setBrush(ColorNumber::palette(11));
        painter.drawRect(QRectF(1.5, 7.5, 5, 9));
        painter.drawRect(QRectF(17.5, 7.5, 5, 9));
    });
}

QAction* checkable(QAction* item) {
    item->setCheckable(true);
    return item;
}

} // namespace

void ScramblerWindow::buildMenus() {
    panelColourAction =
        optionsMenu->addAction("Panel C&olor", this, &ScramblerWindow::ChooseColour);
    panelColourAction->setObjectName("mOC");
    optionsMenu->addSeparator();
    playersMenu = optionsMenu->addMenu("&Players");
    playersMenu->setObjectName("mOPl");
    for (int i = 0; i < 4; ++i) {
        playersActions[std::size_t(i)] = checkable(playersMenu->addAction(
            QString("&%1").arg(i + 1), this, [this, i] { playerOptions_->select(i); }));
        playersActions[std::size_t(i)]->setObjectName("mOPl1");
    }
    playerOptionMenu = optionsMenu->addMenu("P&layer Option");
    playerOptionMenu->setObjectName("mOPO");
    untilWrongAction = checkable(
        playerOptionMenu->addAction("&Until Wrong", this, [this] { turnOptions_->select(0); }));
    untilWrongAction->setObjectName("mOPOUntil");
    nextPlayerAction = checkable(
        playerOptionMenu->addAction("&Next Player", this, [this] { turnOptions_->select(1); }));
    nextPlayerAction->setObjectName("mOPONext");
    playerOptionMenu->menuAction()->setEnabled(false);
    levelMenu = optionsMenu->addMenu("&Difficulty Level");
    levelMenu->setObjectName("mOL");
    for (int i = 0; i < 6; ++i) {
        levelActions[std::size_t(i)] = checkable(levelMenu->addAction(
            QString("&%1").arg(i + 1), this, [this, i] { levelOptions_->select(i); }));
        levelActions[std::size_t(i)]->setObjectName("mOL1");
    }
    optionsMenu->addSeparator();
    checkAction = optionsMenu->addAction("&Check", this, &ScramblerWindow::CheckAttempt);
    checkAction->setObjectName("mOChk");
    checkAction->setEnabled(false);
    timerAction = checkable(optionsMenu->addAction("&Timer", this, [this] {
        // The item's check has already flipped: checked now means it was off.
        timerOptions_->select(timerAction->isChecked() ? 1 : 0);
    }));
    timerAction->setObjectName("mOT");
    optionsMenu->addSeparator();
    helpDisplayAction = checkable(
        optionsMenu->addAction("H&elp Display", this, [this] { helpDisplayCheck->click(); }));
    helpDisplayAction->setObjectName("mOHD");
    viewPanelsAction = checkable(
        optionsMenu->addAction("&View Panels", this, [this] { viewPanelsCheck->click(); }));
    viewPanelsAction->setObjectName("mOV");
    optionsMenu->addSeparator();
    startAction = optionsMenu->addAction("&Start", this, &ScramblerWindow::StartNextScramble);
    startAction->setObjectName("mOS");
    nextAction = optionsMenu->addAction("&Next", this, &ScramblerWindow::StartNextScramble);
    nextAction->setObjectName("mON");
    nextAction->setVisible(false);
    nextAction->setEnabled(false);
    optionsMenu->addSeparator();
    soundAction = optionsMenu->addAction(
        "So&und", this, [this] { withCountdownHeld([this] { ShowSoundInformation(); }); });
    soundAction->setObjectName("mOSO");
    optionsMenu->addSeparator();
    exitAction = optionsMenu->addAction("E&xit", this, &ScramblerWindow::ExitCommand);
    exitAction->setObjectName("mOExit");
}

void ScramblerWindow::buildSideToolbar() {
    fillSideToolbar({
        {sideToolbarPicture(SidePicture::PanelColor), "Panel Color", [this] { ChooseColour(); }},
        {sideToolbarPicture(SidePicture::Check), "Check", [this] { CheckAttempt(); }},
        {helpDisplayPicture(), "Help Display", [this] { helpDisplayCheck->click(); }},
        {viewPanelsPicture(), "View Panels", [this] { viewPanelsCheck->click(); }},
        {sideToolbarPicture(SidePicture::Sound), "Sound",
         [this] { withCountdownHeld([this] { ShowSoundInformation(); }); }},
        {sideToolbarPicture(SidePicture::Help), "Help",
         [this] {
             withCountdownHeld([this] { ShowHelpTopic(); });
             FocusStartButton();
         }},
        {sideToolbarPicture(SidePicture::Exit), "Exit", [this] { ExitCommand(); }},
    });
}

void ScramblerWindow::attachPopupToControls() {
    QList<QWidget*> controls = {helpDisplayCheck,    viewPanelsCheck,    checkButton,
                                startButton,         exitButton,         firstAttemptButton,
                                secondAttemptButton, playerOptionFrame,  wordsUsedGauge,
                                mascotPicture,       scrambledWordPanel, helpPanel,
                                messagePanel,        boardPanel,         lowerBox,
                                rewardPanel,         countdownBar,       firstAttemptPanel,
                                secondAttemptPanel,  wordsUsedPanel,     accuracyBar,
                                rewardSidePanel,     typePointer,        mainPanelGround};
    for (QGroupBox* frame : optionFrames) {
        controls.append(frame);
    }
    for (Panel3D* box : lowerPanels) {
        controls.append(box);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        controls.append(scorePanels[i]);
        controls.append(scoreBoxes[i]);
    }
    for (QRadioButton* option : playerButtons) {
        controls.append(option);
    }
    for (QRadioButton* option : timerButtons) {
        controls.append(option);
    }
    for (QRadioButton* option : levelButtons) {
        controls.append(option);
    }
    for (QRadioButton* option : turnButtons) {
        controls.append(option);
    }
    for (QWidget* control : controls) {
        attachOptionsPopup(control);
    }
    keepFromOptionsPopup(wordsUsedLabel);
}

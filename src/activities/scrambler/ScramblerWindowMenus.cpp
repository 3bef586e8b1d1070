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
    mOC = mO->addAction("Panel C&olor", this, &ScramblerWindow::ChooseColour);
    mO->addSeparator();
    mOPl = mO->addMenu("&Players");
    for (int i = 0; i < 4; ++i) {
        mOPl1[std::size_t(i)] = checkable(mOPl->addAction(
            QString("&%1").arg(i + 1), this, [this, i] { playerOptions_->select(i); }));
    }
    mOPO = mO->addMenu("P&layer Option");
    mOPOUntil =
        checkable(mOPO->addAction("&Until Wrong", this, [this] { turnOptions_->select(0); }));
    mOPONext =
        checkable(mOPO->addAction("&Next Player", this, [this] { turnOptions_->select(1); }));
    mOPO->menuAction()->setEnabled(false);
    mOL = mO->addMenu("&Difficulty Level");
    for (int i = 0; i < 6; ++i) {
        mOL1[std::size_t(i)] = checkable(mOL->addAction(QString("&%1").arg(i + 1), this,
                                                        [this, i] { levelOptions_->select(i); }));
    }
    mO->addSeparator();
    mOChk = mO->addAction("&Check", this, &ScramblerWindow::Command1_Click);
    mOChk->setEnabled(false);
    mOT = checkable(mO->addAction("&Timer", this, [this] {
        // The item's check has already flipped: checked now means it was off.
        timerOptions_->select(mOT->isChecked() ? 1 : 0);
    }));
    mO->addSeparator();
    mOHD = checkable(mO->addAction("H&elp Display", this, [this] { Check3D1->click(); }));
    mOV = checkable(mO->addAction("&View Panels", this, [this] { Check3D2->click(); }));
    mO->addSeparator();
    mOS = mO->addAction("&Start", this, &ScramblerWindow::StartNextScramble);
    mON = mO->addAction("&Next", this, &ScramblerWindow::StartNextScramble);
    mON->setVisible(false);
    mON->setEnabled(false);
    mO->addSeparator();
    mOSO = mO->addAction("So&und", this,
                         [this] { withCountdownHeld([this] { ShowSoundInformation(); }); });
    mO->addSeparator();
    mOExit = mO->addAction("E&xit", this, &ScramblerWindow::ExitCommand);
}

void ScramblerWindow::buildSideToolbar() {
    fillSideToolbar({
        {sideToolbarPicture(SidePicture::PanelColor), "Panel Color", [this] { ChooseColour(); }},
        {sideToolbarPicture(SidePicture::Check), "Check", [this] { Command1_Click(); }},
        {helpDisplayPicture(), "Help Display", [this] { Check3D1->click(); }},
        {viewPanelsPicture(), "View Panels", [this] { Check3D2->click(); }},
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
    QList<QWidget*> controls = {Check3D1,   Check3D2,   Command1,  Command2,  Command3,
                                Command3D1, Command3D2, Frame1,    Gauge1,    Image2,
                                Label3,     Panel3D1,   Panel3D2,  Panel3D3,  Panel3D4,
                                Panel3D5,   Panel3D7,   Panel3D13, Panel3D15, Panel3D16,
                                Panel3D17,  Panel3D18,  Panel3D19, Panel3D20, SSPanel1};
    for (QGroupBox* frame : Frame3D1) {
        controls.append(frame);
    }
    for (Panel3D* box : Panel3D6) {
        controls.append(box);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        controls.append(Panel3D8[i]);
        controls.append(Panel3D10[i]);
    }
    for (QRadioButton* option : Option3D1) {
        controls.append(option);
    }
    for (QRadioButton* option : Option3D2) {
        controls.append(option);
    }
    for (QRadioButton* option : Option3D3) {
        controls.append(option);
    }
    for (QRadioButton* option : Option3D4) {
        controls.append(option);
    }
    for (QWidget* control : controls) {
        attachOptionsPopup(control);
    }
    keepFromOptionsPopup(Label2);
}

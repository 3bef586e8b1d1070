// The crossword window's Options menu and its side toolbar.
#include "CrosswordWindow.h"

#include "SideToolbarIcons.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

void CrosswordWindow::buildMenus() {
    mOPl = mO->addMenu("Puzzle &Level");
    mOPl1 = mOPl->addAction("Level &1");
    mOPl2 = mOPl->addAction("Level &2");
    for (int index : {0, 1}) {
        QAction* item = index == 0 ? mOPl1 : mOPl2;
        item->setCheckable(true);
        // Selecting the option runs its click, which lays out the grid and sets both ticks.
        connect(item, &QAction::triggered, this, [this, index] {
            Option3D2[std::size_t(index)]->setChecked(true);
            Option3D2_Click(index);
        });
    }
    mOPl1->setChecked(true);
    mO->addSeparator();
    mOChk = mO->addAction("&Check", this, &CrosswordWindow::Command3_Click);
    mOChk->setEnabled(false);
    mOW = mO->addAction("&Word Help Option");
    mOW->setCheckable(true);
    // The tick is the command's to set: it shows while the Word Help Option panel is open.
    connect(mOW, &QAction::triggered, this, [this](bool checked) {
        mOW->setChecked(!checked);
        Command10_Click();
    });
    mOWH = mO->addAction("&Word Help", this, &CrosswordWindow::Command4_Click);
    mOWH->setVisible(false);
    mO->addSeparator();
    mOUse = mO->addAction("&Use Puzzle", this, [this] {
        mONew->setEnabled(false);
        mOUse->setEnabled(false);
        Command5_Click();
    });
    mOUse->setEnabled(false);
    mONew = mO->addAction("&Next Puzzle", this, &CrosswordWindow::Command6_Click);
    mONew->setEnabled(false);
    mO->addSeparator();
    mOS = mO->addAction("&Start", this, &CrosswordWindow::Command1_Click);
    mON = mO->addAction("&Next", this, &CrosswordWindow::Command1_Click);
    mON->setVisible(false);
    mOEnd = mO->addAction("&View Puzzle Words", this, &CrosswordWindow::mOEnd_Click);
    mOEnd->setEnabled(false);
    mO->addSeparator();
    mOExit = mO->addAction("E&xit", this, &CrosswordWindow::ExitCommand);
}

void CrosswordWindow::buildSideToolbar() {
    fillSideToolbar({{sideToolbarIcon(1), "Check", [this] { Command3_Click(); }},
                     {sideToolbarIcon(2), "Word Help", [this] { Command4_Click(); }},
                     {sideToolbarIcon(3), "View Puzzle Words", [this] { mOEnd_Click(); }},
                     {sideToolbarIcon(4), "Help", [this] { ShowHelpTopic(); }},
                     {sideToolbarIcon(5), "Exit", [this] { ExitCommand(); }}});
    Toolbar2Button(1)->setEnabled(false);
    Toolbar2Button(3)->setEnabled(false);
}

void CrosswordWindow::setCheckOffered(bool offered) {
    Command3->setEnabled(offered);
    mOChk->setEnabled(offered);
    Toolbar2Button(1)->setEnabled(offered);
}

void CrosswordWindow::setRevealOffered(bool offered) {
    mOEnd->setEnabled(offered);
    Toolbar2Button(3)->setEnabled(offered);
}

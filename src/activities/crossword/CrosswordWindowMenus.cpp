// The crossword window's Options menu and its side toolbar.
#include "CrosswordWindow.h"

#include "SideToolbarIcons.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

void CrosswordWindow::buildMenus() {
    levelMenu = optionsMenu->addMenu("Puzzle &Level");
    levelMenu->setObjectName("mOPl");
    level1Action = levelMenu->addAction("Level &1");
    level1Action->setObjectName("mOPl1");
    level2Action = levelMenu->addAction("Level &2");
    level2Action->setObjectName("mOPl2");
    for (int index : {0, 1}) {
        QAction* item = index == 0 ? level1Action : level2Action;
        item->setCheckable(true);
        // Selecting the option runs its click, which lays out the grid and sets both ticks.
        connect(item, &QAction::triggered, this, [this, index] {
            levelOptions[std::size_t(index)]->setChecked(true);
            ChooseLevel(index);
        });
    }
    level1Action->setChecked(true);
    optionsMenu->addSeparator();
    checkAction = optionsMenu->addAction("&Check", this, &CrosswordWindow::CheckWords);
    checkAction->setObjectName("mOChk");
    checkAction->setEnabled(false);
    wordHelpOptionAction = optionsMenu->addAction("&Word Help Option");
    wordHelpOptionAction->setObjectName("mOW");
    wordHelpOptionAction->setCheckable(true);
    // The tick is the command's to set: it shows while the Word Help Option panel is open.
    connect(wordHelpOptionAction, &QAction::triggered, this, [this](bool checked) {
        wordHelpOptionAction->setChecked(!checked);
        ToggleWordHelpOption();
    });
    wordHelpAction = optionsMenu->addAction("&Word Help", this, &CrosswordWindow::GiveWordHelp);
    wordHelpAction->setObjectName("mOWH");
    wordHelpAction->setVisible(false);
    optionsMenu->addSeparator();
    usePuzzleAction = optionsMenu->addAction("&Use Puzzle", this, [this] {
        nextPuzzleAction->setEnabled(false);
        usePuzzleAction->setEnabled(false);
        UsePuzzle();
    });
    usePuzzleAction->setObjectName("mOUse");
    usePuzzleAction->setEnabled(false);
    nextPuzzleAction =
        optionsMenu->addAction("&Next Puzzle", this, &CrosswordWindow::DrawAnotherPuzzle);
    nextPuzzleAction->setObjectName("mONew");
    nextPuzzleAction->setEnabled(false);
    optionsMenu->addSeparator();
    startAction = optionsMenu->addAction("&Start", this, &CrosswordWindow::StartNewPuzzle);
    startAction->setObjectName("mOS");
    nextAction = optionsMenu->addAction("&Next", this, &CrosswordWindow::StartNewPuzzle);
    nextAction->setObjectName("mON");
    nextAction->setVisible(false);
    viewPuzzleWordsAction =
        optionsMenu->addAction("&View Puzzle Words", this, &CrosswordWindow::ViewPuzzleWords);
    viewPuzzleWordsAction->setObjectName("mOEnd");
    viewPuzzleWordsAction->setEnabled(false);
    optionsMenu->addSeparator();
    exitAction = optionsMenu->addAction("E&xit", this, &CrosswordWindow::ExitCommand);
    exitAction->setObjectName("mOExit");
}

void CrosswordWindow::buildSideToolbar() {
    fillSideToolbar({{sideToolbarIcon(1), "Check", [this] { CheckWords(); }},
                     {sideToolbarIcon(2), "Word Help", [this] { GiveWordHelp(); }},
                     {sideToolbarIcon(3), "View Puzzle Words", [this] { ViewPuzzleWords(); }},
                     {sideToolbarIcon(4), "Help", [this] { ShowHelpTopic(); }},
                     {sideToolbarIcon(5), "Exit", [this] { ExitCommand(); }}});
    leftToolbarButton(1)->setEnabled(false);
    leftToolbarButton(3)->setEnabled(false);
}

void CrosswordWindow::setCheckOffered(bool offered) {
    checkButton->setEnabled(offered);
    checkAction->setEnabled(offered);
    leftToolbarButton(1)->setEnabled(offered);
}

void CrosswordWindow::setRevealOffered(bool offered) {
    viewPuzzleWordsAction->setEnabled(offered);
    leftToolbarButton(3)->setEnabled(offered);
}

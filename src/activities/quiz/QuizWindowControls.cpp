// The quiz window's controls placed as designed (twips, relative to their containers), its
// Options menu, side toolbar and right-click menu.
#include "QuizWindow.h"

#include "DesignFont.h"
#include "DesignPlacement.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "SideToolbarPictures.h"
#include "Twips.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace {

using Design::panel;
using Design::sizedFont;
using Twips::place;

struct OptionPlace {
    const char* caption;
    int left, width;
};

// A frame of option buttons in its own panel, each option at the design's top of 295.
QGroupBox* optionFrame(Panel3D* holder, const QString& caption, const QRect& frame,
                       std::initializer_list<OptionPlace> options, OptionGroup* group,
                       QRadioButton** buttons, const char* buttonsName) {
    auto* box =
        place(new QGroupBox(caption, holder), frame.x(), frame.y(), frame.width(), frame.height());
    for (const OptionPlace& option : options) {
        auto* button =
            place(new QRadioButton(option.caption, box), option.left, 295, option.width, 263);
        button->setObjectName(buttonsName);
        buttons[group->add(button)] = button;
    }
    return box;
}

} // namespace

void QuizWindow::buildControls() {
    centralWidget()->setFont(sizedFont(8.25, false));
    mainPanelGround = panel(centralWidget(), 435, 855, 9990, 7335);
    mainPanelGround->setObjectName("SSPanel5");
    mainPanelGround->hide();
    boardPanel = panel(mainPanelGround, 150, 60, 9690, 7205);
    boardPanel->setObjectName("Panel3D1");
    systemColourFrame = place(new QGroupBox(boardPanel), 30, 195, 195, 300);
    systemColourFrame->setObjectName("Frame1");
    systemColourFrame->hide();
    buildBoard();
    verdictPanel = panel(boardPanel, 115, 108, 1900, 3652, "Additional Information Displayed Here");
    verdictPanel->setObjectName("Panel3D5");
    verdictPanel->setFont(sizedFont(10, true));
    verdictPanel->setAccessibleName("Verdict");
    verdictPanel->setLive(true);
    turnPanel = panel(boardPanel, 7660, 108, 1900, 1447);
    turnPanel->setObjectName("SSPanel2");
    turnPanel->setFont(sizedFont(11, true));
    turnPanel->setAccessibleName("Turn");
    turnPanel->setLive(true);
    talliesPanel = panel(boardPanel, 7660, 1610, 1900, 1306, "Wins");
    talliesPanel->setObjectName("SSPanel3");
    talliesPanel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const char* const tallies[] = {"X", "O", "Cat"};
    for (int i = 0; i < 3; ++i) {
        auto* name = place(new QLabel(tallies[i], talliesPanel), 100 + i * 600, 400, 500, 300);
        name->setAlignment(Qt::AlignCenter);
        auto* count = place(new QLabel("0", talliesPanel), 100 + i * 600, 750, 500, 400);
        count->setAlignment(Qt::AlignCenter);
        count->setFont(sizedFont(12, true));
        count->setAccessibleDescription(QString("Games won by ") + tallies[i]);
        count->setObjectName("Label1");
        tallyCounts[std::size_t(i)] = count;
    }
    startButton = place(new QPushButton("&Start", boardPanel), 7760, 2962, 790, 742);
    startButton->setObjectName("Command2");
    exitButton = place(new QPushButton("E&xit", boardPanel), 8690, 2962, 790, 742);
    exitButton->setObjectName("Command1");
    questionPanel = panel(boardPanel, 345, 3780, 8970, 960, kNoQuestionShown);
    questionPanel->setObjectName("Panel3D3");
    questionPanel->setFont(sizedFont(10, true));
    questionPanel->setAccessibleName("Question");
    longQuestionLabel = place(new QLabel(questionPanel), 150, 123, 8490, 282);
    longQuestionLabel->setObjectName("Label2");
    longQuestionLabel->setWordWrap(true);
    longQuestionLabel->setAlignment(Qt::AlignCenter);
    longQuestionLabel->setFont(sizedFont(9, true));
    longQuestionLabel->hide();
    revealPanel = panel(boardPanel, 345, 4730, 8970, 1660);
    revealPanel->setObjectName("Panel3D7");
    revealPanel->setFont(sizedFont(10, true));
    revealPanel->setAccessibleName("Correct answer");
    revealPanel->setLive(true);
    revealPanel->setEnabled(false);
    const char* const judged[] = {"&Yes", "&No"};
    for (int i = 0; i < 2; ++i) {
        yesNoButtons[std::size_t(i)] =
            place(new QPushButton(judged[i], boardPanel), 7680 + i * 660, 6035, 540, 559);
        yesNoButtons[std::size_t(i)]->setObjectName("Command4");
        yesNoButtons[std::size_t(i)]->hide();
    }
    buildOptionFrames();
    // The answer panels lie over the board panel, placed at every activation.
    const char* const waiting[] = {"Possible", "Answers Will", "Be Displayed", "Here"};
    for (int i = 0; i < 4; ++i) {
        Panel3D* answer = panel(mainPanelGround, 0, 0, 4320, 773, waiting[i]);
        answer->setFont(sizedFont(10, true));
        answer->setAccessibleName(QString("Answer ") + QChar('A' + i));
        answer->setObjectName("Panel3D4");
        answerPanels[std::size_t(i)] = answer;
    }
    // The question, its choices and the board follow the buttons in the Tab order: the window
    // opens with the focus on Start, and Tab from Exit, where a question leaves the focus, leads
    // to the question while one shows, else to the board.
    questionPanel->installEventFilter(this);
    QList<QWidget*> tabbed{questionPanel};
    for (Panel3D* answer : answerPanels) {
        answer->installEventFilter(this);
        tabbed.append(answer);
    }
    for (Panel3D* cell : boardCells) {
        tabbed.append(cell);
    }
    // The order is set while all of them take the focus: Qt orders only such controls.
    setQuestionReachable(true);
    QWidget* before = exitButton;
    for (QWidget* next : tabbed) {
        setTabOrder(before, next);
        before = next;
    }
    setQuestionReachable(false);
}

void QuizWindow::buildBoard() {
    const int lefts[] = {2090, 3930, 5790};
    const int tops[] = {204, 1395, 2592};
    const char* const design[] = {"QUESTION", "TOPICS", "WILL",     "",      "",
                                  "",         "APPEAR", "IN THESE", "PANELS"};
    for (int i = 0; i < 9; ++i) {
        int left = lefts[i % 3];
        if (i == 4) {
            left = 3945;
        } else if (i == 6) {
            left = 2085;
        }
        const int height = (i == 4 || i == 6 || i == 8) ? 1127 : 1129;
        Panel3D* cell = panel(boardPanel, left, tops[i / 3], 1800, height);
        cell->setFont(sizedFont(12, true));
        cell->setCursor(Qt::PointingHandCursor);
        cell->setObjectName("SSPanel1");
        // Chosen from the keyboard too: Tab or the arrow keys, then Enter or Space.
        cell->setPressable(true);
        cell->installEventFilter(this);
        boardCells[std::size_t(i)] = cell;
        showOnCell(i, design[i]);
    }
}

void QuizWindow::buildOptionFrames() {
    difficultyOptions_ = new OptionGroup(this);
    Panel3D* difficulty = panel(boardPanel, 345, 6375, 2655, 783);
    difficultyFrame = optionFrame(difficulty, "&Question Difficulty", {75, 70, 2505, 644},
                                  {{"Multiple Choice", 90, 1410}, {"None", 1610, 735}},
                                  difficultyOptions_, difficultyButtons.data(), "Option3D3");
    difficultyFrame->setObjectName("Frame3D3");
    levelOptions_ = new OptionGroup(this);
    Panel3D* level = panel(boardPanel, 2985, 6375, 3435, 783);
    levelFrame = optionFrame(level, "Question &Level", {75, 70, 3285, 644},
                             {{"1", 90, 400},
                              {"2", 500, 400},
                              {"3", 915, 400},
                              {"4", 1335, 405},
                              {"Computer Selects", 1745, 1500}},
                             levelOptions_, levelButtons.data(), "Option3D1");
    levelFrame->setObjectName("Frame3D1");
    topicOptions_ = new OptionGroup(this);
    Panel3D* topics = panel(boardPanel, 6405, 6375, 2910, 783);
    topicsFrame = optionFrame(topics, "Question &Topics", {75, 64, 2760, 644},
                              {{"Once", 90, 750}, {"Between Players", 890, 1710}}, topicOptions_,
                              topicButtons.data(), "Option3D2");
    topicsFrame->setObjectName("SSFrame1");
}

void QuizWindow::buildMenus() {
    const auto checkable = [](QMenu* menu, std::initializer_list<const char*> captions,
                              OptionGroup* group, QAction** items, const char* itemsName) {
        int index = 0;
        for (const char* caption : captions) {
            QAction* item =
                menu->addAction(caption, group, [group, index] { group->select(index); });
            item->setCheckable(true);
            item->setObjectName(itemsName);
            items[index++] = item;
        }
    };
    panelColourAction = optionsMenu->addAction("Panel C&olor", this, &QuizWindow::ChooseColour);
    panelColourAction->setObjectName("mOC");
    optionsMenu->addSeparator();
    difficultyMenu = optionsMenu->addMenu("&Question Difficulty");
    difficultyMenu->setObjectName("mOQ1");
    checkable(difficultyMenu, {"&Multiple Choice", "&None"}, difficultyOptions_,
              difficultyActions.data(), "mOQ1Items");
    optionsMenu->addSeparator();
    levelMenu = optionsMenu->addMenu("Question &Level");
    levelMenu->setObjectName("mOQ2");
    checkable(levelMenu, {"&1", "&2", "&3", "&4", "&Computer Selects"}, levelOptions_,
              levelActions.data(), "mOQ2Items");
    optionsMenu->addSeparator();
    topicsMenu = optionsMenu->addMenu("Question &Topics");
    topicsMenu->setObjectName("mOT");
    checkable(topicsMenu, {"&Once", "&Between Players"}, topicOptions_, topicActions.data(),
              "mOTItems");
    optionsMenu->addSeparator();
    startAction = optionsMenu->addAction("&Start", this, &QuizWindow::StartQuizGame);
    startAction->setObjectName("mOS");
    yesAction = optionsMenu->addAction("&Yes", this, [this] { SelfJudge(0); });
    yesAction->setObjectName("mOY");
    noAction = optionsMenu->addAction("&No", this, [this] { SelfJudge(1); });
    noAction->setObjectName("mONo");
    yesAction->setVisible(false);
    noAction->setVisible(false);
    optionsMenu->addSeparator();
    soundAction = optionsMenu->addAction("So&und", this, &QuizWindow::ShowSoundInformation);
    soundAction->setObjectName("mOSO");
    optionsMenu->addSeparator();
    exitAction = optionsMenu->addAction("E&xit", this, &QuizWindow::ExitCommand);
    exitAction->setObjectName("mOExit");
}

void QuizWindow::buildSideToolbar() {
    fillSideToolbar({
        {sideToolbarPicture(SidePicture::PanelColor), "Panel Color", [this] { ChooseColour(); }},
        {sideToolbarPicture(SidePicture::Sound), "Sound", [this] { ShowSoundInformation(); }},
        {sideToolbarPicture(SidePicture::Help), "Help", [this] { ShowHelpTopic(); }},
        {sideToolbarPicture(SidePicture::Exit), "Exit", [this] { ExitCommand(); }},
    });
}

void QuizWindow::attachPopupToControls() {
    QList<QWidget*> controls = {
        backgroundPicture, mainPanelGround, boardPanel,      turnPanel,
        talliesPanel,      questionPanel,   verdictPanel,    revealPanel,
        levelFrame,        difficultyFrame, topicsFrame,     longQuestionLabel,
        exitButton,        startButton,     yesNoButtons[0], yesNoButtons[1]};
    for (QWidget* holder : {levelFrame->parentWidget(), difficultyFrame->parentWidget(),
                            topicsFrame->parentWidget()}) {
        controls.append(holder);
    }
    for (QWidget* group :
         {static_cast<QWidget*>(levelFrame), static_cast<QWidget*>(difficultyFrame),
          static_cast<QWidget*>(topicsFrame), static_cast<QWidget*>(talliesPanel)}) {
        for (QWidget* child : group->findChildren<QWidget*>()) {
            controls.append(child);
        }
    }
    for (Panel3D* cell : boardCells) {
        controls.append(cell);
    }
    for (Panel3D* answer : answerPanels) {
        controls.append(answer);
    }
    for (QWidget* control : controls) {
        attachOptionsPopup(control);
    }
}

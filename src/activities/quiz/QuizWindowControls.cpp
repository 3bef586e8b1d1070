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
                       QRadioButton** buttons) {
    auto* box =
        place(new QGroupBox(caption, holder), frame.x(), frame.y(), frame.width(), frame.height());
    for (const OptionPlace& option : options) {
        auto* button =
            place(new QRadioButton(option.caption, box), option.left, 295, option.width, 263);
        buttons[group->add(button)] = button;
    }
    return box;
}

} // namespace

void QuizWindow::buildControls() {
    centralWidget()->setFont(sizedFont(8.25, false));
    SSPanel5 = panel(centralWidget(), 435, 855, 9990, 7335);
    SSPanel5->hide();
    Panel3D1 = panel(SSPanel5, 150, 60, 9690, 7205);
    Frame1 = place(new QGroupBox(Panel3D1), 30, 195, 195, 300);
    Frame1->hide();
    buildBoard();
    Panel3D5 = panel(Panel3D1, 115, 108, 1900, 3652, "Additional Information Displayed Here");
    Panel3D5->setFont(sizedFont(10, true));
    Panel3D5->setAccessibleName("Verdict");
    SSPanel2 = panel(Panel3D1, 7660, 108, 1900, 1447);
    SSPanel2->setFont(sizedFont(11, true));
    SSPanel2->setAccessibleName("Turn");
    SSPanel3 = panel(Panel3D1, 7660, 1610, 1900, 1306, "Wins");
    SSPanel3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    const char* const tallies[] = {"X", "O", "Cat"};
    for (int i = 0; i < 3; ++i) {
        auto* name = place(new QLabel(tallies[i], SSPanel3), 100 + i * 600, 400, 500, 300);
        name->setAlignment(Qt::AlignCenter);
        auto* count = place(new QLabel("0", SSPanel3), 100 + i * 600, 750, 500, 400);
        count->setAlignment(Qt::AlignCenter);
        count->setFont(sizedFont(12, true));
        count->setAccessibleDescription(QString("Games won by ") + tallies[i]);
        Label1[std::size_t(i)] = count;
    }
    Command2 = place(new QPushButton("&Start", Panel3D1), 7760, 2962, 790, 742);
    Command1 = place(new QPushButton("E&xit", Panel3D1), 8690, 2962, 790, 742);
    Panel3D3 = panel(Panel3D1, 345, 3780, 8970, 960, kNoQuestionShown);
    Panel3D3->setFont(sizedFont(10, true));
    Panel3D3->setAccessibleName("Question");
    Label2 = place(new QLabel(Panel3D3), 150, 123, 8490, 282);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setFont(sizedFont(9, true));
    Label2->hide();
    Panel3D7 = panel(Panel3D1, 345, 4730, 8970, 1660);
    Panel3D7->setFont(sizedFont(10, true));
    Panel3D7->setAccessibleName("Correct answer");
    Panel3D7->setEnabled(false);
    const char* const judged[] = {"&Yes", "&No"};
    for (int i = 0; i < 2; ++i) {
        Command4[std::size_t(i)] =
            place(new QPushButton(judged[i], Panel3D1), 7680 + i * 660, 6035, 540, 559);
        Command4[std::size_t(i)]->hide();
    }
    buildOptionFrames();
    // The answer panels lie over the board panel, placed at every activation.
    const char* const waiting[] = {"Possible", "Answers Will", "Be Displayed", "Here"};
    for (int i = 0; i < 4; ++i) {
        Panel3D* answer = panel(SSPanel5, 0, 0, 4320, 773, waiting[i]);
        answer->setFont(sizedFont(10, true));
        answer->setAccessibleName(QString("Answer ") + QChar('A' + i));
        Panel3D4[std::size_t(i)] = answer;
    }
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
        Panel3D* cell = panel(Panel3D1, left, tops[i / 3], 1800, height, design[i]);
        cell->setFont(sizedFont(12, true));
        cell->setAccessibleName(QString("Cell %1").arg(i + 1));
        cell->setCursor(Qt::PointingHandCursor);
        SSPanel1[std::size_t(i)] = cell;
    }
}

void QuizWindow::buildOptionFrames() {
    difficultyOptions_ = new OptionGroup(this);
    Panel3D* difficulty = panel(Panel3D1, 345, 6375, 2655, 783);
    Frame3D3 = optionFrame(difficulty, "&Question Difficulty", {75, 70, 2505, 644},
                           {{"Multiple Choice", 90, 1410}, {"None", 1610, 735}}, difficultyOptions_,
                           Option3D3.data());
    levelOptions_ = new OptionGroup(this);
    Panel3D* level = panel(Panel3D1, 2985, 6375, 3435, 783);
    Frame3D1 = optionFrame(level, "Question &Level", {75, 70, 3285, 644},
                           {{"1", 90, 400},
                            {"2", 500, 400},
                            {"3", 915, 400},
                            {"4", 1335, 405},
                            {"Computer Selects", 1745, 1500}},
                           levelOptions_, Option3D1.data());
    topicOptions_ = new OptionGroup(this);
    Panel3D* topics = panel(Panel3D1, 6405, 6375, 2910, 783);
    SSFrame1 = optionFrame(topics, "Question &Topics", {75, 64, 2760, 644},
                           {{"Once", 90, 750}, {"Between Players", 890, 1710}}, topicOptions_,
                           Option3D2.data());
}

void QuizWindow::buildMenus() {
    const auto checkable = [](QMenu* menu, std::initializer_list<const char*> captions,
                              OptionGroup* group, QAction** items) {
        int index = 0;
        for (const char* caption : captions) {
            QAction* item =
                menu->addAction(caption, group, [group, index] { group->select(index); });
            item->setCheckable(true);
            items[index++] = item;
        }
    };
    mOC = mO->addAction("Panel C&olor", this, &QuizWindow::ChooseColour);
    mO->addSeparator();
    mOQ1 = mO->addMenu("&Question Difficulty");
    checkable(mOQ1, {"&Multiple Choice", "&None"}, difficultyOptions_, mOQ1Items.data());
    mO->addSeparator();
    mOQ2 = mO->addMenu("Question &Level");
    checkable(mOQ2, {"&1", "&2", "&3", "&4", "&Computer Selects"}, levelOptions_, mOQ2Items.data());
    mO->addSeparator();
    mOT = mO->addMenu("Question &Topics");
    checkable(mOT, {"&Once", "&Between Players"}, topicOptions_, mOTItems.data());
    mO->addSeparator();
    mOS = mO->addAction("&Start", this, &QuizWindow::StartQuizGame);
    mOY = mO->addAction("&Yes", this, [this] { SelfJudge(0); });
    mONo = mO->addAction("&No", this, [this] { SelfJudge(1); });
    mOY->setVisible(false);
    mONo->setVisible(false);
    mO->addSeparator();
    mOSO = mO->addAction("So&und", this, &QuizWindow::ShowSoundInformation);
    mO->addSeparator();
    mOExit = mO->addAction("E&xit", this, &QuizWindow::ExitCommand);
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
    QList<QWidget*> controls = {Image1,   SSPanel5, Panel3D1,    SSPanel2,   SSPanel3, Panel3D3,
                                Panel3D5, Panel3D7, Frame3D1,    Frame3D3,   SSFrame1, Label2,
                                Command1, Command2, Command4[0], Command4[1]};
    for (QWidget* holder :
         {Frame3D1->parentWidget(), Frame3D3->parentWidget(), SSFrame1->parentWidget()}) {
        controls.append(holder);
    }
    for (QWidget* group : {static_cast<QWidget*>(Frame3D1), static_cast<QWidget*>(Frame3D3),
                           static_cast<QWidget*>(SSFrame1), static_cast<QWidget*>(SSPanel3)}) {
        for (QWidget* child : group->findChildren<QWidget*>()) {
            controls.append(child);
        }
    }
    for (Panel3D* cell : SSPanel1) {
        controls.append(cell);
    }
    for (Panel3D* answer : Panel3D4) {
        controls.append(answer);
    }
    for (QWidget* control : controls) {
        attachOptionsPopup(control);
    }
}

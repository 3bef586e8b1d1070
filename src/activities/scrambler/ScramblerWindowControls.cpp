// The word scrambler window's controls, placed as designed (twips, relative to their containers).
#include "ScramblerWindow.h"

#include "ColorNumber.h"
#include "Command3D.h"
#include "DesignFont.h"
#include "DesignPlacement.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "Twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cmath>
#include <numbers>

namespace {

using Design::panel;
using Design::sizedFont;
using Twips::place;

// The main panels' own colours, kept while the colour record is unusable.
constexpr qint64 kInnerPanelColour = 0x808000;
constexpr qint64 kOuterPanelColour = 0xB8C088;

// Option buttons in a frame, laid out in rows of the given number of columns.
template <std::size_t N>
void addOptions(std::array<QRadioButton*, N>& buttons, OptionGroup& group, QGroupBox* frame,
                const std::array<const char*, N>& captions, int columns, int width,
                const char* name) {
    for (std::size_t i = 0; i < N; ++i) {
        auto* option = place(new QRadioButton(captions[i], frame), 105 + int(i % columns) * width,
                             240 + int(i / columns) * 300, width - 15, 285);
        option->setObjectName(name);
        buttons[i] = option;
        group.add(option);
    }
}

// The reward of a right answer: a smiling gold star.
QPixmap rewardPicture() {
    QPixmap picture(92, 100);
    picture.fill(QColor(0xFF, 0xFF, 0xF0));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? 42 : 18;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        star << QPointF(46 + radius * std::cos(angle), 52 + radius * std::sin(angle));
    }
    painter.setPen(QPen(QColor(0xB8, 0x86, 0x0B), 2));
    painter.setBrush(QColor(0xFF, 0xD7, 0x00));
    painter.drawPolygon(star);
    painter.setBrush(Qt::black);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(40, 48), 2.5, 3);
    painter.drawEllipse(QPointF(52, 48), 2.5, 3);
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(38, 50, 16, 10), 200 * 16, 140 * 16);
    return picture;
}

} // namespace

void ScramblerWindow::buildControls() {
    centralWidget()->setFont(sizedFont(8.25, false));
    mainPanelGround = panel(centralWidget(), 720, 1125, 9870, 7305);
    mainPanelGround->setObjectName("SSPanel1");
    mainPanelGround->hide();
    mainPanelGround->setBackColour(ColorNumber::toColor(kOuterPanelColour));
    boardPanel = panel(mainPanelGround, 175, 115, 9510, 7075);
    boardPanel->setObjectName("Panel3D4");
    boardPanel->setBackColour(ColorNumber::toColor(kInnerPanelColour));
    mascotPicture = place(new QLabel(boardPanel), 60, 70, 9390, 7191);
    mascotPicture->setObjectName("Image2");
    mascotPicture->setScaledContents(true);
    systemColourLabel = place(new QLabel(boardPanel), 270, 264, 495, 476);
    systemColourLabel->setObjectName("Label1");
    systemColourLabel->hide();
    buildAttemptArea();
    buildSidePanels();
    buildLowerBox();
    countdownTimer = new QTimer(this);
    countdownTimer->setObjectName("Timer1");
    countdownTimer->setInterval(1000);
}

void ScramblerWindow::buildAttemptArea() {
    scrambledWordPanel = panel(boardPanel, 2295, 100, 4950, 975, "Scrambled Word");
    scrambledWordPanel->setObjectName("Panel3D1");
    scrambledWordPanel->setFont(sizedFont(24, true));
    scrambledWordPanel->setAccessibleName("Scrambled Word");
    firstAttemptPanel = panel(boardPanel, 2310, 1115, 4905, 863);
    firstAttemptPanel->setObjectName("Panel3D15");
    firstAttemptButton = place(new Command3D(firstAttemptPanel), 90, 117, 4715, 623);
    firstAttemptButton->setObjectName("Command3D1");
    firstAttemptButton->setCaption("First Attempt");
    firstAttemptButton->setFieldName("First Attempt");
    secondAttemptPanel = panel(boardPanel, 2310, 1960, 4905, 863);
    secondAttemptPanel->setObjectName("Panel3D16");
    secondAttemptButton = place(new Command3D(secondAttemptPanel), 90, 117, 4715, 623);
    secondAttemptButton->setObjectName("Command3D2");
    secondAttemptButton->setCaption("Second Attempt");
    secondAttemptButton->setFieldName("Second Attempt");
    for (Command3D* attempt : {firstAttemptButton, secondAttemptButton}) {
        attempt->setFont(sizedFont(18, true));
    }
    helpPanel = panel(boardPanel, 765, 2860, 8010, 969);
    helpPanel->setObjectName("Panel3D2");
    helpPanel->setFont(sizedFont(12, true));
    helpPanel->setAccessibleName("Help");
    helpPanel->setLive(true);
    messagePanel = panel(boardPanel, 765, 3860, 8010, 969, "Information Panel");
    messagePanel->setObjectName("Panel3D3");
    messagePanel->setFont(sizedFont(14, true));
    messagePanel->setAccessibleName("Message");
    messagePanel->setLive(true);
}

void ScramblerWindow::buildSidePanels() {
    rewardSidePanel = panel(boardPanel, 765, 1115, 1560, 1708);
    rewardSidePanel->setObjectName("Panel3D19");
    rewardPanel = panel(rewardSidePanel, 90, 106, 1380, 1497);
    rewardPanel->setObjectName("Panel3D7");
    auto* reward = place(new QLabel(rewardPanel), 0, 0, 1380, 1497);
    reward->setPixmap(rewardPicture());
    reward->setScaledContents(true);
    typePointer = panel(rewardSidePanel, 120, 180, 1365, 450, "Type=>");
    typePointer->setObjectName("Panel3D20");
    typePointer->setFont(sizedFont(12, true));
    wordsUsedPanel = panel(boardPanel, 7200, 1115, 1560, 1708);
    wordsUsedPanel->setObjectName("Panel3D17");
    wordsUsedPanel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    wordsUsedGauge = panel(wordsUsedPanel, 300, 531, 975, 788);
    wordsUsedGauge->setObjectName("Gauge1");
    wordsUsedGauge->setFloodFrom(Panel3D::FloodFrom::Bottom);
    wordsUsedGauge->setAccessibleName("Words Used");
    wordsUsedLabel = place(new QLabel("0%", wordsUsedPanel), 300, 1319, 975, 300);
    wordsUsedLabel->setObjectName("Label2");
    wordsUsedLabel->setAlignment(Qt::AlignCenter);
}

void ScramblerWindow::buildLowerBox() {
    lowerBox = panel(boardPanel, 765, 4860, 8010, 2179);
    lowerBox->setObjectName("Panel3D5");
    lowerPanels[1] = panel(lowerBox, 90, 81, 2625, 1127);
    lowerPanels[1]->setObjectName("Panel3D6");
    lowerPanels[2] = panel(lowerBox, 90, 1197, 2625, 906);
    lowerPanels[2]->setObjectName("Panel3D6");
    lowerPanels[0] = panel(lowerBox, 2700, 81, 1530, 2012);
    lowerPanels[0]->setObjectName("Panel3D6");
    lowerPanels[3] = panel(lowerBox, 4215, 81, 1635, 2012);
    lowerPanels[3]->setObjectName("Panel3D6");
    lowerPanels[4] = panel(lowerBox, 5830, 81, 2085, 2012);
    lowerPanels[4]->setObjectName("Panel3D6");
    lowerPanels[4]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lowerPanels[4]->setAccessibleName("Turn");
    lowerPanels[4]->setLive(true);

    optionFrames[1] = place(new QGroupBox("&Timer", lowerPanels[1]), 90, 114, 2445, 933);
    optionFrames[1]->setObjectName("Frame3D1");
    timerOptions_ = new OptionGroup(this);
    addOptions<2>(timerButtons, *timerOptions_, optionFrames[1], {"Off", "On"}, 1, 700,
                  "Option3D2");
    // The countdown lies in the frame but belongs to its container: the frame is disabled while a
    // word is played, and the seconds must not be greyed with it. The seconds left (a label over
    // the bar, Label3, as designed) are the bar's caption and its only text: so they are drawn
    // readable over the bar and the panel alike, and read by a screen reader as they are seen.
    countdownBar = panel(lowerPanels[1], 90 + 900, 114 + 240, 1400, 600);
    countdownBar->setObjectName("Panel3D13");
    countdownBar->setFloodFrom(Panel3D::FloodFrom::Left);
    countdownBar->setPercentShown(false);
    countdownBar->setAccessibleName("Countdown");
    countdownBar->setFont(sizedFont(12, true));

    optionFrames[2] = place(new QGroupBox("&Difficulty Level", lowerPanels[2]), 90, 106, 2460, 722);
    optionFrames[2]->setObjectName("Frame3D1");
    levelOptions_ = new OptionGroup(this);
    addOptions<6>(levelButtons, *levelOptions_, optionFrames[2], {"1", "2", "3", "4", "5", "6"}, 6,
                  390, "Option3D3");

    checkButton = place(new QPushButton("&Check", lowerPanels[0]), 115, 141, 1290, 476);
    checkButton->setObjectName("Command1");
    checkButton->setEnabled(false);
    startButton = place(new QPushButton("&Start", lowerPanels[0]), 115, 669, 615, 599);
    startButton->setObjectName("Command2");
    exitButton = place(new QPushButton("E&xit", lowerPanels[0]), 790, 669, 615, 599);
    exitButton->setObjectName("Command3");
    helpDisplayCheck = place(new QCheckBox("H&elp Display", lowerPanels[0]), 130, 1320, 1300, 290);
    helpDisplayCheck->setObjectName("Check3D1");
    viewPanelsCheck = place(new QCheckBox("&View Panels", lowerPanels[0]), 130, 1614, 1305, 295);
    viewPanelsCheck->setObjectName("Check3D2");

    optionFrames[0] = place(new QGroupBox("&Players", lowerPanels[3]), 105, 106, 1425, 933);
    optionFrames[0]->setObjectName("Frame3D1");
    playerOptions_ = new OptionGroup(this);
    addOptions<4>(playerButtons, *playerOptions_, optionFrames[0], {"1", "2", "3", "4"}, 2, 640,
                  "Option3D1");
    playerOptionFrame =
        place(new QGroupBox("P&layer Option ", lowerPanels[3]), 105, 1074, 1425, 845);
    playerOptionFrame->setObjectName("Frame1");
    turnOptions_ = new OptionGroup(this);
    addOptions<2>(turnButtons, *turnOptions_, playerOptionFrame, {"Until Wrong", "Next Player"}, 1,
                  1300, "Option3D4");

    const char* const boxes[] = {"Score", "Accuracy", "Player 3", "Player 4"};
    for (std::size_t i = 0; i < 4; ++i) {
        scoreBoxes[i] = panel(lowerPanels[4], 60, 300, 960, 722, boxes[i]);
        scoreBoxes[i]->setObjectName("Panel3D10");
        scoreBoxes[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        scorePanels[i] = panel(scoreBoxes[i], 120, 300, 720, 340);
        scorePanels[i]->setObjectName("Panel3D8");
        scorePanels[i]->setAccessibleName(QString("Player %1 score").arg(i + 1));
    }
    accuracyBar = panel(scoreBoxes[1], 120, 300, 720, 340);
    accuracyBar->setObjectName("Panel3D18");
    accuracyBar->setFloodFrom(Panel3D::FloodFrom::Left);
    accuracyBar->setAccessibleName("Accuracy");
}

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
                const std::array<const char*, N>& captions, int columns, int width) {
    for (std::size_t i = 0; i < N; ++i) {
        auto* option = place(new QRadioButton(captions[i], frame), 105 + int(i % columns) * width,
                             240 + int(i / columns) * 300, width - 15, 285);
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
    SSPanel1 = panel(centralWidget(), 720, 1125, 9870, 7305);
    SSPanel1->hide();
    SSPanel1->setBackColour(ColorNumber::toColor(kOuterPanelColour));
    Panel3D4 = panel(SSPanel1, 175, 115, 9510, 7075);
    Panel3D4->setBackColour(ColorNumber::toColor(kInnerPanelColour));
    Image2 = place(new QLabel(Panel3D4), 60, 70, 9390, 7191);
    Image2->setScaledContents(true);
    Label1 = place(new QLabel(Panel3D4), 270, 264, 495, 476);
    Label1->hide();
    buildAttemptArea();
    buildSidePanels();
    buildLowerBox();
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
}

void ScramblerWindow::buildAttemptArea() {
    Panel3D1 = panel(Panel3D4, 2295, 100, 4950, 975, "Scrambled Word");
    Panel3D1->setFont(sizedFont(24, true));
    Panel3D1->setAccessibleName("Scrambled Word");
    Panel3D15 = panel(Panel3D4, 2310, 1115, 4905, 863);
    Command3D1 = place(new Command3D(Panel3D15), 90, 117, 4715, 623);
    Command3D1->setCaption("First Attempt");
    Command3D1->setAccessibleName("First Attempt");
    Panel3D16 = panel(Panel3D4, 2310, 1960, 4905, 863);
    Command3D2 = place(new Command3D(Panel3D16), 90, 117, 4715, 623);
    Command3D2->setCaption("Second Attempt");
    Command3D2->setAccessibleName("Second Attempt");
    for (Command3D* attempt : {Command3D1, Command3D2}) {
        attempt->setFont(sizedFont(18, true));
    }
    Panel3D2 = panel(Panel3D4, 765, 2860, 8010, 969);
    Panel3D2->setFont(sizedFont(12, true));
    Panel3D2->setAccessibleName("Help");
    Panel3D3 = panel(Panel3D4, 765, 3860, 8010, 969, "Information Panel");
    Panel3D3->setFont(sizedFont(14, true));
    Panel3D3->setAccessibleName("Message");
}

void ScramblerWindow::buildSidePanels() {
    Panel3D19 = panel(Panel3D4, 765, 1115, 1560, 1708);
    Panel3D7 = panel(Panel3D19, 90, 106, 1380, 1497);
    auto* reward = place(new QLabel(Panel3D7), 0, 0, 1380, 1497);
    reward->setPixmap(rewardPicture());
    reward->setScaledContents(true);
    Panel3D20 = panel(Panel3D19, 120, 180, 1365, 450, "Type=>");
    Panel3D20->setFont(sizedFont(12, true));
    Panel3D17 = panel(Panel3D4, 7200, 1115, 1560, 1708);
    Panel3D17->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Gauge1 = panel(Panel3D17, 300, 531, 975, 788);
    Gauge1->setFloodFrom(Panel3D::FloodFrom::Bottom);
    Gauge1->setAccessibleName("Words Used");
    Label2 = place(new QLabel("0%", Panel3D17), 300, 1319, 975, 300);
    Label2->setAlignment(Qt::AlignCenter);
}

void ScramblerWindow::buildLowerBox() {
    Panel3D5 = panel(Panel3D4, 765, 4860, 8010, 2179);
    Panel3D6[1] = panel(Panel3D5, 90, 81, 2625, 1127);
    Panel3D6[2] = panel(Panel3D5, 90, 1197, 2625, 906);
    Panel3D6[0] = panel(Panel3D5, 2700, 81, 1530, 2012);
    Panel3D6[3] = panel(Panel3D5, 4215, 81, 1635, 2012);
    Panel3D6[4] = panel(Panel3D5, 5830, 81, 2085, 2012);
    Panel3D6[4]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Panel3D6[4]->setAccessibleName("Turn");

    Frame3D1[1] = place(new QGroupBox("&Timer", Panel3D6[1]), 90, 114, 2445, 933);
    timerOptions_ = new OptionGroup(this);
    addOptions<2>(Option3D2, *timerOptions_, Frame3D1[1], {"Off", "On"}, 1, 700);
    // The countdown lies in the frame but belongs to its container: the frame is disabled while a
    // word is played, and the seconds must not be greyed with it. They are the bar's only text.
    Panel3D13 = panel(Panel3D6[1], 90 + 900, 114 + 240, 1400, 600);
    Panel3D13->setFloodFrom(Panel3D::FloodFrom::Left);
    Panel3D13->setPercentShown(false);
    Panel3D13->setAccessibleName("Countdown");
    Label3 = place(new QLabel(Panel3D13), 0, 0, 1400, 600);
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setFont(sizedFont(12, true));

    Frame3D1[2] = place(new QGroupBox("&Difficulty Level", Panel3D6[2]), 90, 106, 2460, 722);
    levelOptions_ = new OptionGroup(this);
    addOptions<6>(Option3D3, *levelOptions_, Frame3D1[2], {"1", "2", "3", "4", "5", "6"}, 6, 390);

    Command1 = place(new QPushButton("&Check", Panel3D6[0]), 115, 141, 1290, 476);
    Command1->setEnabled(false);
    Command2 = place(new QPushButton("&Start", Panel3D6[0]), 115, 669, 615, 599);
    Command3 = place(new QPushButton("E&xit", Panel3D6[0]), 790, 669, 615, 599);
    Check3D1 = place(new QCheckBox("H&elp Display", Panel3D6[0]), 130, 1320, 1300, 290);
    Check3D2 = place(new QCheckBox("&View Panels", Panel3D6[0]), 130, 1614, 1305, 295);

    Frame3D1[0] = place(new QGroupBox("&Players", Panel3D6[3]), 105, 106, 1425, 933);
    playerOptions_ = new OptionGroup(this);
    addOptions<4>(Option3D1, *playerOptions_, Frame3D1[0], {"1", "2", "3", "4"}, 2, 640);
    Frame1 = place(new QGroupBox("P&layer Option ", Panel3D6[3]), 105, 1074, 1425, 845);
    turnOptions_ = new OptionGroup(this);
    addOptions<2>(Option3D4, *turnOptions_, Frame1, {"Until Wrong", "Next Player"}, 1, 1300);

    const char* const boxes[] = {"Score", "Accuracy", "Player 3", "Player 4"};
    for (std::size_t i = 0; i < 4; ++i) {
        Panel3D10[i] = panel(Panel3D6[4], 60, 300, 960, 722, boxes[i]);
        Panel3D10[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Panel3D8[i] = panel(Panel3D10[i], 120, 300, 720, 340);
        Panel3D8[i]->setAccessibleName(QString("Player %1 score").arg(i + 1));
    }
    Panel3D18 = panel(Panel3D10[1], 120, 300, 720, 340);
    Panel3D18->setFloodFrom(Panel3D::FloodFrom::Left);
    Panel3D18->setAccessibleName("Accuracy");
}

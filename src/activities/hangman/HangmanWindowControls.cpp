// The hangman window's controls, placed as designed (twips, relative to their containers).
#include "HangmanWindow.h"

#include "ColorNumber.h"
#include "Command3D.h"
#include "DesignFont.h"
#include "DesignPlacement.h"
#include "LineControl.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "ShapeControl.h"
#include "Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

using Design::panel;
using Design::sizedFont;
using Twips::place;

ShapeControl* shape(QWidget* parent, ShapeControl::Kind kind, const QColor& fill, int left, int top,
                    int width, int height) {
    auto* piece = place(new ShapeControl(parent, kind), left, top, width, height);
    piece->setFillColour(fill);
    return piece;
}

// The frame's caption is drawn by a label over the frame's line: its access key is shown but
// not taken, since the window's "&Help" menu owns Alt+H. It covers the line with the face colour
// of the panel under the frame, never the window's background, which would look like a selection.
void captionWithoutAccessKey(QGroupBox* frame, const QString& caption) {
    const qsizetype marker = caption.indexOf('&');
    QString shown = caption.toHtmlEscaped();
    if (marker >= 0 && marker + 1 < caption.size()) {
        shown = caption.left(marker).toHtmlEscaped() + "<u>" +
                QString(caption.at(marker + 1)).toHtmlEscaped() + "</u>" +
                caption.mid(marker + 2).toHtmlEscaped();
    }
    auto* title = new QLabel(shown, frame);
    title->setTextFormat(Qt::RichText);
    title->setAutoFillBackground(true);
    title->setBackgroundRole(QPalette::Button);
    title->move(Twips::toPixels(120), 0);
    title->adjustSize();
    frame->setAccessibleName(QString(caption).remove('&').trimmed());
}

constexpr int kLetterLefts[] = {75,   400,  730,  1060, 1390, 1730, 2060,
                                2390, 2715, 3045, 3375, 3700, 4030};
constexpr int kSlotLefts[] = {300,  795,  1305, 1800, 2295, 2805, 3300,
                              3795, 4305, 4800, 5295, 5805, 6315};

} // namespace

void HangmanWindow::buildControls() {
    centralWidget()->setFont(sizedFont(8.25, false));
    Label1 = place(new QLabel(centralWidget()), 120, 1011, 255, 451);
    Label1->hide();
    SSPanel19 = panel(centralWidget(), 1395, 630, 9960, 7335);
    SSPanel19->hide();
    Panel3D1 = panel(SSPanel19, 225, 100, 9495, 7100);
    buildOptionFrames();
    buildCounters();
    SSPanel8 = panel(Panel3D1, 300, 2800, 4545, 2167, "Welcome to Hangman\rClick Start to Begin");
    SSPanel8->setFont(sizedFont(14, true));
    SSPanel8->setAccessibleName("Message");
    buildKeyboard();
    for (int i = 0; i < HangmanBoard::kSlots; ++i) {
        Panel3D* slot = panel(Panel3D1, kSlotLefts[i], 6338, 465, 669);
        slot->setFont(sizedFont(18, true));
        slot->setAccessibleName(QString("Letter %1 of the word").arg(i + 1));
        SSPanel3[std::size_t(i)] = slot;
    }
    SSPanel15 = panel(Panel3D1, 300, 6338, 5970, 669);
    SSPanel15->setFont(sizedFont(10, true));
    SSPanel15->setAccessibleName("Word Level");
    SSPanel15->setCursor(Qt::PointingHandCursor);
    Command2 = place(new QPushButton("&Start", Panel3D1), 7335, 6123, 730, 843);
    Command1 = place(new QPushButton("E&xit", Panel3D1), 8235, 6123, 730, 843);
    buildGallows();
}

void HangmanWindow::buildOptionFrames() {
    Panel3D13 = panel(Panel3D1, 300, 322, 2235, 1210);
    Frame3D1 = place(new QGroupBox(" &Word Level", Panel3D13), 90, 109, 2055, 957);
    levelOptions_ = new OptionGroup(this);
    const char* const levels[] = {"1", "2", "3", "4", "5", "C.S."};
    for (int i = 0; i < 6; ++i) {
        auto* option = place(new QRadioButton(levels[i], Frame3D1), 120 + (i % 3) * 640,
                             260 + (i / 3) * 330, 620, 300);
        Option3D1[std::size_t(i)] = option;
        levelOptions_->add(option);
    }
    Option3D1[5]->setToolTip("Computer Selects");

    SSPanel11 = panel(Panel3D1, 2670, 322, 2175, 1210);
    Frame1 = place(new QGroupBox(SSPanel11), 90, 109, 1995, 957);
    captionWithoutAccessKey(Frame1, " &Hangman Display");
    orderOptions_ = new OptionGroup(this);
    const char* const orders[] = {"In Order", "In Random Order"};
    for (int i = 0; i < 2; ++i) {
        auto* option = place(new QRadioButton(orders[i], Frame1), 150, 260 + i * 330, 1800, 300);
        SSOption1[std::size_t(i)] = option;
        orderOptions_->add(option);
    }
}

void HangmanWindow::buildCounters() {
    SSPanel9 = panel(Panel3D1, 300, 1681, 2235, 884, "Words Correct");
    SSPanel9->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SSPanel12 = panel(SSPanel9, 330, 343, 1590, 379, "0");
    SSPanel12->setAccessibleName("Words Correct");
    SSPanel13 = panel(Panel3D1, 2670, 1681, 2175, 884, "Words Wrong");
    SSPanel13->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SSPanel14 = panel(SSPanel13, 300, 343, 1590, 379, "0");
    SSPanel14->setAccessibleName("Words Wrong");
    for (Panel3D* count : {SSPanel12, SSPanel14}) {
        count->setFont(sizedFont(10, true));
        count->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
}

void HangmanWindow::buildKeyboard() {
    Panel3D6 = panel(Panel3D1, 375, 5093, 4410, 1101);
    SSPanel16 = panel(Panel3D6, 60, 72, 4290, 957);
    SSPanel16->setFont(sizedFont(24, true));
    SSPanel16->setAccessibleName("Letter being checked");
    SSPanel16->hide();
    for (int i = 0; i < HangmanBoard::kLetters; ++i) {
        const QString letter(QChar('A' + i));
        auto* button = place(new Command3D(Panel3D6, letter), kLetterLefts[i % 13],
                             i < 13 ? 90 : 553, 300, 451);
        button->setFont(sizedFont(9.75, true));
        // Letters are typed or clicked; Tab passes over the 26 buttons.
        button->setFocusPolicy(Qt::ClickFocus);
        SSCommand1[std::size_t(i)] = button;
    }
}

void HangmanWindow::buildGallows() {
    SSPanel7 = panel(Panel3D1, 5400, 645, 4020, 5129);
    const QColor black = ColorNumber::palette(0);
    const QColor wood = ColorNumber::palette(6);
    Shape1 = shape(SSPanel7, ShapeControl::Kind::Rectangle, black, 45, 72, 120, 4585);
    Shape2 = shape(SSPanel7, ShapeControl::Kind::Rectangle, wood, 150, 72, 2265, 163);
    Shape3 = shape(SSPanel7, ShapeControl::Kind::Rectangle, wood, 2295, 217, 120, 210);
    SSPanel2 = panel(SSPanel7, 45, 4658, 3615, 451);
    SSPanel18 = panel(SSPanel7, 2280, 397, 165, 4207);
    SSPanel18->setFrameStyle(QFrame::NoFrame);
    Line1 = new LineControl(SSPanel18);
    Line1->setColour(ColorNumber::palette(6));
    Line1->setEnds(kRopeLeft, 0, kRopeLeft, HangmanBoard::kRopeEndAtStart);
    SSPanel18->hide();
    SSPanel1 = panel(SSPanel7, 1490, 548, 1725, 4098);
    SSPanel1->setFrameStyle(QFrame::NoFrame);
    SSPanel1->setFocusPolicy(Qt::ClickFocus);
    SSPanel1->setAccessibleName("Hangman figure");
    buildFigure();
    // The grave and the banner lie over the rope and the figure.
    buildGrave();
    SSPanel10 = panel(SSPanel7, 735, 1570, 2475, 2293, HangmanBoard::kBannerDesignText);
    SSPanel10->setFont(sizedFont(16, true));
    SSPanel10->setForeColour(ColorNumber::palette(1));
    SSPanel10->hide();
}

void HangmanWindow::buildFigure() {
    using Kind = ShapeControl::Kind;
    const QColor skin(255, 224, 189);
    const QColor dark = ColorNumber::palette(0);
    const QColor shirt = ColorNumber::palette(1);
    const QColor mouth = ColorNumber::palette(4);
    const struct {
        int number;
        Kind kind;
        QColor fill;
        int left, top, width, height;
    } pieces[] = {
        {5, Kind::Oval, skin, 510, 36, 720, 939},
        {6, Kind::Oval, dark, 660, 289, 150, 144},
        {7, Kind::Oval, dark, 930, 289, 150, 144},
        {8, Kind::Rectangle, dark, 840, 470, 60, 144},
        {9, Kind::Rectangle, mouth, 705, 686, 315, 72},
        {10, Kind::Rectangle, shirt, 825, 933, 75, 2058},
        {11, Kind::Rectangle, shirt, 225, 1186, 615, 126},
        {13, Kind::Oval, skin, 90, 1119, 150, 199},
        {12, Kind::Rectangle, shirt, 900, 1186, 615, 126},
        {14, Kind::Oval, skin, 1515, 1119, 150, 199},
        {15, Kind::Rectangle, shirt, 525, 2864, 300, 126},
        {17, Kind::Rectangle, shirt, 525, 2991, 75, 866},
        {19, Kind::Oval, dark, 270, 3803, 330, 253},
        {16, Kind::Rectangle, shirt, 900, 2864, 300, 126},
        {18, Kind::Rectangle, shirt, 1125, 2991, 75, 866},
        {20, Kind::Oval, dark, 1125, 3803, 330, 253},
    };
    for (const auto& piece : pieces) {
        ShapeControl* drawn = shape(SSPanel1, piece.kind, piece.fill, piece.left, piece.top,
                                    piece.width, piece.height);
        drawn->hide();
        Shape[std::size_t(piece.number)] = drawn;
    }
}

void HangmanWindow::buildGrave() {
    SSPanel4 = panel(SSPanel7, 600, 397, 2910, 4242);
    SSPanel4->setFrameStyle(QFrame::NoFrame);
    SSPanel4->hide();
    Panel3D* stone = panel(SSPanel4, 705, 600, 1500, 2250); // SSPanel6
    stone->setBackColour(ColorNumber::palette(8));
    Panel3D* rip = panel(stone, 150, 450, 1200, 600, "R. I. P."); // SSPanel5
    rip->setFont(sizedFont(14, true));
    rip->setBackColour(ColorNumber::palette(7));
    rip->setAccessibleName("R. I. P.");
    auto* mound = shape(SSPanel4, ShapeControl::Kind::Oval, ColorNumber::palette(6), 300, 2700,
                        2310, 900); // Shape4
    mound->setBorderColour(ColorNumber::palette(6));
    for (const int top : {3700, 3850, 4000}) { // Line2 to Line4, the ground
        auto* ground = new LineControl(SSPanel4);
        ground->setColour(ColorNumber::palette(2));
        ground->setEnds(60, top, 2850, top);
    }
}

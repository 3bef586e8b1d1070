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
    systemColourLabel = place(new QLabel(centralWidget()), 120, 1011, 255, 451);
    systemColourLabel->setObjectName("Label1");
    systemColourLabel->hide();
    mainPanelGround = panel(centralWidget(), 1395, 630, 9960, 7335);
    mainPanelGround->setObjectName("SSPanel19");
    mainPanelGround->hide();
    boardPanel = panel(mainPanelGround, 225, 100, 9495, 7100);
    boardPanel->setObjectName("Panel3D1");
    buildOptionFrames();
    buildCounters();
    messagePanel =
        panel(boardPanel, 300, 2800, 4545, 2167, "Welcome to Hangman\rClick Start to Begin");
    messagePanel->setObjectName("SSPanel8");
    messagePanel->setFont(sizedFont(14, true));
    messagePanel->setAccessibleName("Message");
    messagePanel->setLive(true);
    buildKeyboard();
    for (int i = 0; i < HangmanBoard::kSlots; ++i) {
        Panel3D* slot = panel(boardPanel, kSlotLefts[i], 6338, 465, 669);
        slot->setFont(sizedFont(18, true));
        slot->setAccessibleName(QString("Letter %1 of the word").arg(i + 1));
        slot->setObjectName("SSPanel3");
        letterSlots[std::size_t(i)] = slot;
    }
    levelDescriptionPanel = panel(boardPanel, 300, 6338, 5970, 669);
    levelDescriptionPanel->setObjectName("SSPanel15");
    levelDescriptionPanel->setFont(sizedFont(10, true));
    levelDescriptionPanel->setAccessibleName("Word Level");
    levelDescriptionPanel->setCursor(Qt::PointingHandCursor);
    startButton = place(new QPushButton("&Start", boardPanel), 7335, 6123, 730, 843);
    startButton->setObjectName("Command2");
    exitButton = place(new QPushButton("E&xit", boardPanel), 8235, 6123, 730, 843);
    exitButton->setObjectName("Command1");
    buildGallows();
}

void HangmanWindow::buildOptionFrames() {
    wordLevelPanel = panel(boardPanel, 300, 322, 2235, 1210);
    wordLevelPanel->setObjectName("Panel3D13");
    wordLevelFrame = place(new QGroupBox(" &Word Level", wordLevelPanel), 90, 109, 2055, 957);
    wordLevelFrame->setObjectName("Frame3D1");
    levelOptions_ = new OptionGroup(this);
    const char* const levels[] = {"1", "2", "3", "4", "5", "C.S."};
    for (int i = 0; i < 6; ++i) {
        auto* option = place(new QRadioButton(levels[i], wordLevelFrame), 120 + (i % 3) * 640,
                             260 + (i / 3) * 330, 620, 300);
        option->setObjectName("Option3D1");
        wordLevelOptions[std::size_t(i)] = option;
        levelOptions_->add(option);
    }
    wordLevelOptions[5]->setToolTip("Computer Selects");

    displayPanel = panel(boardPanel, 2670, 322, 2175, 1210);
    displayPanel->setObjectName("SSPanel11");
    displayFrame = place(new QGroupBox(displayPanel), 90, 109, 1995, 957);
    displayFrame->setObjectName("Frame1");
    captionWithoutAccessKey(displayFrame, " &Hangman Display");
    orderOptions_ = new OptionGroup(this);
    const char* const orders[] = {"In Order", "In Random Order"};
    for (int i = 0; i < 2; ++i) {
        auto* option =
            place(new QRadioButton(orders[i], displayFrame), 150, 260 + i * 330, 1800, 300);
        option->setObjectName("SSOption1");
        displayOrderOptions[std::size_t(i)] = option;
        orderOptions_->add(option);
    }
}

void HangmanWindow::buildCounters() {
    wordsCorrectBox = panel(boardPanel, 300, 1681, 2235, 884, "Words Correct");
    wordsCorrectBox->setObjectName("SSPanel9");
    wordsCorrectBox->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    wordsCorrectCount = panel(wordsCorrectBox, 330, 343, 1590, 379, "0");
    wordsCorrectCount->setObjectName("SSPanel12");
    wordsCorrectCount->setAccessibleName("Words Correct");
    wordsWrongBox = panel(boardPanel, 2670, 1681, 2175, 884, "Words Wrong");
    wordsWrongBox->setObjectName("SSPanel13");
    wordsWrongBox->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    wordsWrongCount = panel(wordsWrongBox, 300, 343, 1590, 379, "0");
    wordsWrongCount->setObjectName("SSPanel14");
    wordsWrongCount->setAccessibleName("Words Wrong");
    for (Panel3D* count : {wordsCorrectCount, wordsWrongCount}) {
        count->setLive(true, true);
        count->setFont(sizedFont(10, true));
        count->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
}

void HangmanWindow::buildKeyboard() {
    keyboardPanel = panel(boardPanel, 375, 5093, 4410, 1101);
    keyboardPanel->setObjectName("Panel3D6");
    checkedLetterPanel = panel(keyboardPanel, 60, 72, 4290, 957);
    checkedLetterPanel->setObjectName("SSPanel16");
    checkedLetterPanel->setFont(sizedFont(24, true));
    checkedLetterPanel->setAccessibleName("Letter being checked");
    checkedLetterPanel->setLive(true);
    checkedLetterPanel->hide();
    for (int i = 0; i < HangmanBoard::kLetters; ++i) {
        const QString letter(QChar('A' + i));
        auto* button = place(new Command3D(keyboardPanel, letter), kLetterLefts[i % 13],
                             i < 13 ? 90 : 553, 300, 451);
        button->setFont(sizedFont(9.75, true));
        // Letters are typed or clicked; Tab passes over the 26 buttons.
        button->setFocusPolicy(Qt::ClickFocus);
        button->setObjectName("SSCommand1");
        letterButtons[std::size_t(i)] = button;
    }
}

void HangmanWindow::buildGallows() {
    gallowsArea = panel(boardPanel, 5400, 645, 4020, 5129);
    gallowsArea->setObjectName("SSPanel7");
    const QColor black = ColorNumber::palette(0);
    const QColor wood = ColorNumber::palette(6);
    gallowsPost = shape(gallowsArea, ShapeControl::Kind::Rectangle, black, 45, 72, 120, 4585);
    gallowsPost->setObjectName("Shape1");
    gallowsBeam = shape(gallowsArea, ShapeControl::Kind::Rectangle, wood, 150, 72, 2265, 163);
    gallowsBeam->setObjectName("Shape2");
    gallowsHook = shape(gallowsArea, ShapeControl::Kind::Rectangle, wood, 2295, 217, 120, 210);
    gallowsHook->setObjectName("Shape3");
    gallowsPlatform = panel(gallowsArea, 45, 4658, 3615, 451);
    gallowsPlatform->setObjectName("SSPanel2");
    ropeStrip = panel(gallowsArea, 2280, 397, 165, 4207);
    ropeStrip->setObjectName("SSPanel18");
    ropeStrip->setFrameStyle(QFrame::NoFrame);
    rope = new LineControl(ropeStrip);
    rope->setObjectName("Line1");
    rope->setColour(ColorNumber::palette(6));
    rope->setEnds(kRopeLeft, 0, kRopeLeft, HangmanBoard::kRopeEndAtStart);
    ropeStrip->hide();
    figurePanel = panel(gallowsArea, 1490, 548, 1725, 4098);
    figurePanel->setObjectName("SSPanel1");
    figurePanel->setFrameStyle(QFrame::NoFrame);
    figurePanel->setFocusPolicy(Qt::ClickFocus);
    figurePanel->setAccessibleName("Hangman figure");
    buildFigure();
    // The grave and the banner lie over the rope and the figure.
    buildGrave();
    winBanner = panel(gallowsArea, 735, 1570, 2475, 2293, HangmanBoard::kBannerDesignText);
    winBanner->setObjectName("SSPanel10");
    winBanner->setFont(sizedFont(16, true));
    winBanner->setForeColour(ColorNumber::palette(1));
    winBanner->hide();
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
        ShapeControl* drawn = shape(figurePanel, piece.kind, piece.fill, piece.left, piece.top,
                                    piece.width, piece.height);
        drawn->hide();
        drawn->setObjectName(QString("Shape%1").arg(piece.number));
        figurePieces[std::size_t(piece.number)] = drawn;
    }
}

void HangmanWindow::buildGrave() {
    grave = panel(gallowsArea, 600, 397, 2910, 4242);
    grave->setObjectName("SSPanel4");
    grave->setFrameStyle(QFrame::NoFrame);
    grave->hide();
    Panel3D* stone = panel(grave, 705, 600, 1500, 2250);
    stone->setObjectName("SSPanel6");
    stone->setBackColour(ColorNumber::palette(8));
    Panel3D* rip = panel(stone, 150, 450, 1200, 600, "R. I. P.");
    rip->setObjectName("SSPanel5");
    rip->setFont(sizedFont(14, true));
    rip->setBackColour(ColorNumber::palette(7));
    rip->setAccessibleName("R. I. P.");
    auto* mound =
        shape(grave, ShapeControl::Kind::Oval, ColorNumber::palette(6), 300, 2700, 2310, 900);
    mound->setObjectName("Shape4");
    mound->setBorderColour(ColorNumber::palette(6));
    int line = 2;
    for (const int top : {3700, 3850, 4000}) { // the ground
        auto* ground = new LineControl(grave);
        ground->setObjectName(QString("Line%1").arg(line++));
        ground->setColour(ColorNumber::palette(2));
        ground->setEnds(60, top, 2850, top);
    }
}

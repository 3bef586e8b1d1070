// The crossword window's controls, placed as designed (twips, relative to their containers).
#include "CrosswordWindow.h"

#include "ColorNumber.h"
#include "CrosswordBoardReading.h"
#include "DesignPlacement.h"
#include "ListBox.h"
#include "Panel3D.h"
#include "SmilingFace.h"
#include "Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

using Design::panel;
using Twips::place;

QPushButton* button(QWidget* parent, const QString& caption, int left, int top, int width,
                    int height) {
    return place(new QPushButton(caption, parent), left, top, width, height);
}

QFont plainFont(double points) {
    QFont font;
    font.setPointSizeF(points);
    return font;
}

QFont boldFont(double points) {
    QFont font = plainFont(points);
    font.setBold(true);
    return font;
}

// The designed name stays the control's objectName.
template <typename Control> Control* named(Control* control, const char* designName) {
    control->setObjectName(designName);
    return control;
}

void setColours(QLabel* label, const QColor& text, const QColor& background) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

} // namespace

void CrosswordWindow::buildControls() {
    // The controls are sized for the classic 8-point dialog font.
    centralWidget()->setFont(plainFont(8.25));
    mainPanelFrame = named(panel(centralWidget(), 885, 943, 10915, 7300), "SSPanel1");
    mainPanelFrame->hide();
    contentPanel = named(panel(mainPanelFrame, 195, 208, 10500, 6900), "Panel3D1");
    buildGridArea();
    buildClueStrip();
    buildClueLists();
    buildRightColumn();
}

void CrosswordWindow::buildGridArea() {
    gridPanels[1] = named(panel(contentPanel, 90, 544, 7335, 4561), "Panel3D7");
    gridGround = named(place(new QLabel(gridPanels[1]), 75, 80, 7175, 4406), "Label2");
    setColours(gridGround, Qt::white, ColorNumber::toColor(ColorNumber::kBlue));
    // A click on the blue ground does nothing, not even the options menu.
    gridGround->setAttribute(Qt::WA_NoMousePropagation);
    smilingFacePanel = named(panel(gridPanels[1], 810, 576, 6060, 3489), "Panel3D27");
    smilingFacePanel->setBackColour(ColorNumber::palette(15));
    auto* face = new SmilingFace(smilingFacePanel);
    face->setGeometry(smilingFacePanel->contentsRect());
    smilingFacePanel->hide();
    gridPanels[0] = named(panel(gridPanels[1], 90, 112, 6915, 4241), "Panel3D7");
    gridPanels[0]->setBackColour(ColorNumber::palette(8));
    gridPanels[0]->setFrameStyle(QFrame::NoFrame);
    buildCells();
    gridPanels[0]->setAccessibleName("Puzzle grid");
    AccessibleTable::describe(*gridPanels[0], std::make_unique<CrosswordBoardReading>(*this));
}

void CrosswordWindow::buildCells() {
    const QFont cellFont = boldFont(8.25);
    for (int cell = 0; cell < kCells; ++cell) {
        auto* box = named(new Panel3D(gridPanels[0]), "Panel3D14");
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
        box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        box->setFont(cellFont);
        box->setBackColour(ColorNumber::palette(15));
        box->setAccessibleName(QStringLiteral("Cell %1").arg(cell));
        auto* letter = named(new QLabel(box), "Label3");
        letter->setFont(cellFont);
        letter->setAlignment(Qt::AlignCenter);
        // The letter is part of the cell: a click on it is a click on the cell.
        letter->setAttribute(Qt::WA_TransparentForMouseEvents);
        cellPanels[std::size_t(cell)] = box;
        cellLetters[std::size_t(cell)] = letter;
    }
}

void CrosswordWindow::buildClueStrip() {
    clueStrip = named(panel(contentPanel, 90, 80, 7330, 497), "Panel3D2");
    clueLine = named(place(new QLabel(clueStrip), 90, 144, 6210, 259), "Label9");
    clueLine->setFont(boldFont(8.25));
    clueLineMeasure = named(place(new QLabel(clueStrip), 90, 115, 75, 188), "Label5");
    clueLineMeasure->setFont(clueLine->font());
    clueLineMeasure->hide();
    entryBox = named(button(clueStrip, QString(), 180, 130, 1800, 226), "Command3D1");
    entryBox->setFont(boldFont(8.25));
    entryBox->setAccessibleName("Word entry");
    entryBox->setFocusPolicy(Qt::ClickFocus);
    entryBox->hide();
}

void CrosswordWindow::buildClueLists() {
    const struct {
        int index;
        int left;
        const char* heading;
        qint64 colour;
        const char* listName;
    } columns[] = {{2, 90, "Across", 0xC0, "List1"}, {3, 5245, "Down", 0x8000, "List2"}};
    for (const auto& column : columns) {
        Panel3D* box = named(panel(contentPanel, column.left, 5121, 5175, 1730), "Panel3D3");
        framingPanels[std::size_t(column.index)] = box;
        QLabel* heading =
            named(place(new QLabel(column.heading, box), 75, 90, 5010, 330), "Label1");
        heading->setAlignment(Qt::AlignCenter);
        heading->setFont(boldFont(9.75));
        setColours(heading, Qt::white, ColorNumber::toColor(column.colour));
        clueHeadings[std::size_t(column.index - 2)] = heading;
        auto* list = named(place(new ListBox(box), 75, 465, 5010, 1200), column.listName);
        list->setAccessibleName(QString(column.heading) + " clues");
        (column.index == 2 ? acrossList : downList) = list;
    }
}

void CrosswordWindow::buildRightColumn() {
    framingPanels[0] = named(panel(contentPanel, 7410, 80, 3015, 5014), "Panel3D3");
    QWidget* column = framingPanels[0];

    subjectPanel = named(panel(column, 90, 176, 2820, 1041), "Panel3D11");
    subjectFrame = named(place(new QGroupBox("&Puzzle Subjects", subjectPanel), 105, 72, 2625, 793),
                         "Frame3D1");
    subjectOptions[0] = named(
        place(new QRadioButton("Gospel Related", subjectFrame), 150, 520, 2400, 250), "Option3D1");
    subjectOptions[0]->hide();
    subjectOptions[1] =
        named(place(new QRadioButton("Puzzles on Any Subject", subjectFrame), 150, 280, 2400, 250),
              "Option3D1");

    levelPanel = named(panel(column, 90, 1264, 2820, 943), "Panel3D4");
    levelFrame =
        named(place(new QGroupBox("Puzzle &Level", levelPanel), 100, 72, 2625, 736), "Frame1");
    levelOptions[0] =
        named(place(new QRadioButton("Level 1", levelFrame), 150, 300, 1100, 300), "Option3D2");
    levelOptions[1] =
        named(place(new QRadioButton("Level 2", levelFrame), 1350, 300, 1100, 300), "Option3D2");
    levelOptions[0]->setChecked(true);

    informationPanel = named(panel(column, 90, 2305, 2820, 1254, "Information Panel"), "Panel3D12");
    informationPanel->setFont(boldFont(9.75));
    informationPanel->setForeColour(ColorNumber::palette(1));
    correctResult = named(panel(informationPanel, 60, 30, 2700, 360), "Panel3D19");
    wrongResult = named(panel(informationPanel, 60, 404, 2700, 360), "Panel3D20");
    blankResult = named(panel(informationPanel, 60, 793, 2700, 360), "Panel3D21");
    correctResult->setForeColour(ColorNumber::palette(2));
    // The counts are told as they show, while the focus stays in a clue list.
    for (Panel3D* result : {correctResult, wrongResult, blankResult}) {
        result->setLive(true);
    }
    // The gauges stand side by side over the Information Panel's bottom caption.
    const std::array<int, 3> lefts = {465, 1215, 1920};
    const std::array<int, 3> floods = {1, 12, 13};
    for (std::size_t k = 0; k < resultGauges.size(); ++k) {
        resultGauges[k] = named(panel(informationPanel, lefts[k], 144, 495, 780), "Panel3D15");
        resultGauges[k]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        resultGauges[k]->setBackColour(ColorNumber::palette(15));
        resultGauges[k]->setFloodColour(ColorNumber::palette(floods[k]));
        resultGauges[k]->setFont(boldFont(8.25));
    }

    commandPanel = named(panel(column, 90, 3660, 2820, 1212), "Panel3D8");
    checkButton = named(button(commandPanel, "&Check", 115, 101, 1090, 995), "Command3");
    checkButton->setEnabled(false);
    wordHelpButton = named(button(commandPanel, "&Word Help Op", 1260, 101, 1415, 288), "Command4");
    startButton = named(button(commandPanel, "&Start", 1260, 414, 675, 678), "Command1");
    exitButton = named(button(commandPanel, "E&xit", 2000, 414, 675, 678), "Command2");

    buildChoicePanel();
    buildWordHelpOptionPanel();
}

void CrosswordWindow::buildChoicePanel() {
    choicePanel = named(panel(framingPanels[0], 75, 85, 2850, 4864), "Panel3D16");
    choicePanel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    choicePanel->setFont(boldFont(8.25));
    const struct {
        std::size_t frame;
        int left;
        int top;
        int width;
        int height;
        QPushButton*& command;
        const char* designName;
        const char* caption;
        int buttonWidth;
    } buttons[] = {
        {1, 75, 2667, 1335, 533, usePuzzleButton, "Command5", "&Use Puzzle", 1190},
        {4, 1440, 2667, 1335, 528, nextPuzzleButton, "Command6", "&Next Puzzle", 1190},
        {5, 570, 3414, 1680, 533, wordHelpOptionButton, "Command10", "&Word Help Opt", 1530},
        {6, 720, 4160, 1395, 533, exitActivityButton, "Command11", "Exit &Activity", 1245}};
    for (const auto& entry : buttons) {
        framingPanels[entry.frame] =
            named(panel(choicePanel, entry.left, entry.top, entry.width, entry.height), "Panel3D3");
        entry.command =
            named(button(framingPanels[entry.frame], entry.caption, 75, 72, entry.buttonWidth, 385),
                  entry.designName);
    }
    choicePanel->hide();
}

void CrosswordWindow::buildWordHelpOptionPanel() {
    wordHelpOptionPanel =
        named(panel(framingPanels[0], 75, 81, 2865, 4869, "Word Help Option"), "Panel3D23");
    wordHelpOptionPanel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    wordHelpOptionPanel->setFont(boldFont(9.75));
    const char* texts[] = {
        "This Option gives you the ability to view the correct word, if you give up and want to "
        "see the answer for the currently selected clue.",
        "To provide some challenge to this activity, there is a limit on the number of times the "
        "Word Help can be used within a puzzle.  The default is set at 3 times when you enter "
        "this activity, but you can select from 0 to 6 times:"};
    wordHelpOptionTexts[0] = place(new QLabel(texts[0], wordHelpOptionPanel), 75, 330, 2715, 1100);
    wordHelpOptionTexts[1] = place(new QLabel(texts[1], wordHelpOptionPanel), 75, 1450, 2715, 1800);
    for (QLabel* text : wordHelpOptionTexts) {
        text->setFont(plainFont(8.25));
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    increaseButton =
        named(button(wordHelpOptionPanel, "&Increase", 960, 3331, 1000, 288), "Command8");
    decreaseButton =
        named(button(wordHelpOptionPanel, "&Decrease", 960, 3648, 1000, 288), "Command9");
    wordHelpOkButton = named(button(wordHelpOptionPanel, "&OK", 960, 4017, 1000, 328), "Command7");
    wordHelpLimitPanel = named(panel(wordHelpOptionPanel, 1980, 3335, 615, 591, "3"), "Panel3D24");
    wordHelpLimitPanel->setFont(boldFont(14));
    wordHelpLimitPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    wordHelpOptionPanel->hide();
}

// The crossword window's controls, placed as designed (twips, relative to their containers).
#include "CrosswordWindow.h"

#include "ColorNumber.h"
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
    SSPanel1 = panel(centralWidget(), 885, 943, 10915, 7300);
    SSPanel1->hide();
    Panel3D1 = panel(SSPanel1, 195, 208, 10500, 6900);
    buildGridArea();
    buildClueStrip();
    buildClueLists();
    buildRightColumn();
}

void CrosswordWindow::buildGridArea() {
    Panel3D7[1] = panel(Panel3D1, 90, 544, 7335, 4561);
    Label2 = place(new QLabel(Panel3D7[1]), 75, 80, 7175, 4406);
    setColours(Label2, Qt::white, ColorNumber::toColor(ColorNumber::kBlue));
    // A click on the blue ground does nothing, not even the options menu.
    Label2->setAttribute(Qt::WA_NoMousePropagation);
    Panel3D27 = panel(Panel3D7[1], 810, 576, 6060, 3489);
    Panel3D27->setBackColour(ColorNumber::palette(15));
    auto* face = new SmilingFace(Panel3D27);
    face->setGeometry(Panel3D27->contentsRect());
    Panel3D27->hide();
    Panel3D7[0] = panel(Panel3D7[1], 90, 112, 6915, 4241);
    Panel3D7[0]->setBackColour(ColorNumber::palette(8));
    Panel3D7[0]->setFrameStyle(QFrame::NoFrame);
    buildCells();
}

void CrosswordWindow::buildCells() {
    const QFont cellFont = boldFont(8.25);
    for (int cell = 0; cell < kCells; ++cell) {
        auto* box = new Panel3D(Panel3D7[0]);
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
        box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        box->setFont(cellFont);
        box->setBackColour(ColorNumber::palette(15));
        box->setAccessibleName(QStringLiteral("Cell %1").arg(cell));
        auto* letter = new QLabel(box);
        letter->setFont(cellFont);
        letter->setAlignment(Qt::AlignCenter);
        // The letter is part of the cell: a click on it is a click on the cell.
        letter->setAttribute(Qt::WA_TransparentForMouseEvents);
        Panel3D14[std::size_t(cell)] = box;
        Label3[std::size_t(cell)] = letter;
    }
}

void CrosswordWindow::buildClueStrip() {
    Panel3D2 = panel(Panel3D1, 90, 80, 7330, 497);
    Label9 = place(new QLabel(Panel3D2), 90, 144, 6210, 259);
    Label9->setFont(boldFont(8.25));
    Label5 = place(new QLabel(Panel3D2), 90, 115, 75, 188);
    Label5->setFont(Label9->font());
    Label5->hide();
    Command3D1 = button(Panel3D2, QString(), 180, 130, 1800, 226);
    Command3D1->setFont(boldFont(8.25));
    Command3D1->setAccessibleName("Word entry");
    Command3D1->setFocusPolicy(Qt::ClickFocus);
    Command3D1->hide();
}

void CrosswordWindow::buildClueLists() {
    const struct {
        int index;
        int left;
        const char* heading;
        qint64 colour;
    } columns[] = {{2, 90, "Across", 0xC0}, {3, 5245, "Down", 0x8000}};
    for (const auto& column : columns) {
        Panel3D* box = panel(Panel3D1, column.left, 5121, 5175, 1730);
        Panel3D3[std::size_t(column.index)] = box;
        QLabel* heading = place(new QLabel(column.heading, box), 75, 90, 5010, 330);
        heading->setAlignment(Qt::AlignCenter);
        heading->setFont(boldFont(9.75));
        setColours(heading, Qt::white, ColorNumber::toColor(column.colour));
        Label1[std::size_t(column.index - 2)] = heading;
        auto* list = place(new ListBox(box), 75, 465, 5010, 1200);
        list->setAccessibleName(QString(column.heading) + " clues");
        (column.index == 2 ? List1 : List2) = list;
    }
}

void CrosswordWindow::buildRightColumn() {
    Panel3D3[0] = panel(Panel3D1, 7410, 80, 3015, 5014);
    QWidget* column = Panel3D3[0];

    Panel3D11 = panel(column, 90, 176, 2820, 1041);
    Frame3D1 = place(new QGroupBox("&Puzzle Subjects", Panel3D11), 105, 72, 2625, 793);
    Option3D1[0] = place(new QRadioButton("Gospel Related", Frame3D1), 150, 520, 2400, 250);
    Option3D1[0]->hide();
    Option3D1[1] = place(new QRadioButton("Puzzles on Any Subject", Frame3D1), 150, 280, 2400, 250);

    Panel3D4 = panel(column, 90, 1264, 2820, 943);
    Frame1 = place(new QGroupBox("Puzzle &Level", Panel3D4), 100, 72, 2625, 736);
    Option3D2[0] = place(new QRadioButton("Level 1", Frame1), 150, 300, 1100, 300);
    Option3D2[1] = place(new QRadioButton("Level 2", Frame1), 1350, 300, 1100, 300);
    Option3D2[0]->setChecked(true);

    Panel3D12 = panel(column, 90, 2305, 2820, 1254, "Information Panel");
    Panel3D12->setFont(boldFont(9.75));
    Panel3D12->setForeColour(ColorNumber::palette(1));
    Panel3D19 = panel(Panel3D12, 60, 30, 2700, 360);
    Panel3D20 = panel(Panel3D12, 60, 404, 2700, 360);
    Panel3D21 = panel(Panel3D12, 60, 793, 2700, 360);
    Panel3D19->setForeColour(ColorNumber::palette(2));
    // The gauges stand side by side over the Information Panel's bottom caption.
    const std::array<int, 3> lefts = {465, 1215, 1920};
    const std::array<int, 3> floods = {1, 12, 13};
    for (std::size_t k = 0; k < Panel3D15.size(); ++k) {
        Panel3D15[k] = panel(Panel3D12, lefts[k], 144, 495, 780);
        Panel3D15[k]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        Panel3D15[k]->setBackColour(ColorNumber::palette(15));
        Panel3D15[k]->setFloodColour(ColorNumber::palette(floods[k]));
        Panel3D15[k]->setFont(boldFont(8.25));
    }

    Panel3D8 = panel(column, 90, 3660, 2820, 1212);
    Command3 = button(Panel3D8, "&Check", 115, 101, 1090, 995);
    Command3->setEnabled(false);
    Command4 = button(Panel3D8, "&Word Help Op", 1260, 101, 1415, 288);
    Command1 = button(Panel3D8, "&Start", 1260, 414, 675, 678);
    Command2 = button(Panel3D8, "E&xit", 2000, 414, 675, 678);

    buildChoicePanel();
    buildWordHelpOptionPanel();
}

void CrosswordWindow::buildChoicePanel() {
    Panel3D16 = panel(Panel3D3[0], 75, 85, 2850, 4864);
    Panel3D16->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Panel3D16->setFont(boldFont(8.25));
    const struct {
        std::size_t frame;
        int left;
        int top;
        int width;
        int height;
        QPushButton*& command;
        const char* caption;
        int buttonWidth;
    } buttons[] = {{1, 75, 2667, 1335, 533, Command5, "&Use Puzzle", 1190},
                   {4, 1440, 2667, 1335, 528, Command6, "&Next Puzzle", 1190},
                   {5, 570, 3414, 1680, 533, Command10, "&Word Help Opt", 1530},
                   {6, 720, 4160, 1395, 533, Command11, "Exit &Activity", 1245}};
    for (const auto& entry : buttons) {
        Panel3D3[entry.frame] = panel(Panel3D16, entry.left, entry.top, entry.width, entry.height);
        entry.command =
            button(Panel3D3[entry.frame], entry.caption, 75, 72, entry.buttonWidth, 385);
    }
    Panel3D16->hide();
}

void CrosswordWindow::buildWordHelpOptionPanel() {
    Panel3D23 = panel(Panel3D3[0], 75, 81, 2865, 4869, "Word Help Option");
    Panel3D23->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Panel3D23->setFont(boldFont(9.75));
    const char* texts[] = {
        "This Option gives you the ability to view the correct word, if you give up and want to "
        "see the answer for the currently selected clue.",
        "To provide some challenge to this activity, there is a limit on the number of times the "
        "Word Help can be used within a puzzle.  The default is set at 3 times when you enter "
        "this activity, but you can select from 0 to 6 times:"};
    WordHelpOptionText[0] = place(new QLabel(texts[0], Panel3D23), 75, 330, 2715, 1100);
    WordHelpOptionText[1] = place(new QLabel(texts[1], Panel3D23), 75, 1450, 2715, 1800);
    for (QLabel* text : WordHelpOptionText) {
        text->setFont(plainFont(8.25));
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    Command8 = button(Panel3D23, "&Increase", 960, 3331, 1000, 288);
    Command9 = button(Panel3D23, "&Decrease", 960, 3648, 1000, 288);
    Command7 = button(Panel3D23, "&OK", 960, 4017, 1000, 328);
    Panel3D24 = panel(Panel3D23, 1980, 3335, 615, 591, "3");
    Panel3D24->setFont(boldFont(14));
    Panel3D24->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel3D23->hide();
}

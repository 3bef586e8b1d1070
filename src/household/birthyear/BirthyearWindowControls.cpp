// The birthyear window's controls, menus and side toolbar, placed as designed (twips, relative to
// their containers).
#include "BirthyearWindow.h"

#include "ColorNumber.h"
#include "DesignPlacement.h"
#include "FocusMoves.h"
#include "GridBackgroundSelector.h"
#include "GridControl.h"
#include "InputTextBox.h"
#include "SideToolbarPictures.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

namespace {

using Design::panel;
using Twips::place;

constexpr int kTextPanelWidth = 8445;
constexpr int kTextPanelHeight = 2700;

QPushButton* button(QWidget* parent, const QString& caption, int left, int top, int width,
                    int height = 420) {
    return place(new QPushButton(caption, parent), left, top, width, height);
}

QLabel* label(QWidget* parent, const QString& text, int left, int top, int width, int height) {
    return place(new QLabel(text, parent), left, top, width, height);
}

// A text side: its panel with the caption above and the label that shows the text.
QLabel* textLabel(Panel3D* side) {
    side->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* text = place(new QLabel(side), 150, 330, kTextPanelWidth - 300, kTextPanelHeight - 450);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font("MS Sans Serif");
    font.setPointSizeF(9.75);
    text->setFont(font);
    return text;
}

// The pictures of the side toolbar's own buttons.
QIcon gridPicture() {
    return drawnToolbarPicture([](QPainter& painter) {
        painter.setPen(QPen(Qt::darkBlue, 1.5));
        painter.setBrush(QColor(200, 220, 255));
        painter.drawRect(4, 4, 16, 16);
        for (int at : {9, 15}) {
            painter.drawLine(4, at, 20, at);
            painter.drawLine(at, 4, at, 20);
        }
    });
}

QIcon textColourPicture() {
    return drawnToolbarPicture([](QPainter& painter) {
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(16);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(2, 0, 20, 18), Qt::AlignCenter, "A");
        painter.fillRect(4, 18, 16, 4, Qt::red);
    });
}

QIcon copyPicture() {
    return drawnToolbarPicture([](QPainter& painter) {
        painter.setPen(QPen(Qt::black, 1.2));
        painter.setBrush(Qt::white);
        painter.drawRect(3, 3, 11, 14);
        painter.drawRect(9, 7, 11, 14);
    });
}

} // namespace

void BirthyearWindow::buildControls() {
    QFont windowFont("MS Sans Serif");
    windowFont.setPointSizeF(8.25);
    centralWidget()->setFont(windowFont);
    Panel3D1 = panel(centralWidget(), 1085, 900, 9830, 7200);
    Panel3D1->hide();
    Panel3D2 = panel(Panel3D1, 120, 100, 9590, 7000, "What was Happening the Year You Where Born?");
    Panel3D2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1 = label(Panel3D2, "Birth Year:", 300, 450, 1000, 300);
    Panel3D3 = panel(Panel3D2, 1300, 360, 1500, 480);
    Combo1 = place(new QComboBox(Panel3D3), 45, 45, 1410, 390);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setCompleter(nullptr); // a typed year is not completed from the list
    Combo1->setMaxVisibleItems(12);
    Combo1->setAccessibleName("Birth Year:");
    Command6 = button(Panel3D2, "&Input/Edit Information", 3000, 390, 2300);
    Command1 = button(Panel3D2, "&Five Year Cost Chart", 5450, 390, 2300);
    Command7 = button(Panel3D2, "E&xit", 7900, 390, 1400);

    Panel3D4 = panel(Panel3D2, 422, 960, 8745, 5880);
    Panel3D5 = panel(Panel3D4, 150, 150, kTextPanelWidth, kTextPanelHeight);
    Label5 = textLabel(Panel3D5);
    Label5->setAccessibleDescription("On The More Serious Side");
    Panel3D6 = panel(Panel3D4, 150, 3030, kTextPanelWidth, kTextPanelHeight);
    Label6 = textLabel(Panel3D6);
    Label6->setAccessibleDescription("On The Lighter Side");
    buildCostChart();
    buildInputPanel();

    SSPanel4 =
        new GridBackgroundSelector(services_,
                                   {[this](const QString& picture) {
                                        if (picture.isEmpty()) {
                                            Grid1->removePicture();
                                        } else {
                                            Grid1->setPicture(picture);
                                        }
                                    },
                                    [this] { return Grid1->backColour(); },
                                    [this](const QColor& colour) { Grid1->setBackColour(colour); }},
                                   Panel3D1);
    SSPanel4->setDesign({5445,
                         6285,
                         1200,
                         1190,
                         {160, 1460, 2760, 4060},
                         {396, 1745, 3035, 4324},
                         1260,
                         1249,
                         5653,
                         496,
                         {160, 1410, 2845, 4115},
                         {1215, 1410, 1215, 1175}});
    SSPanel4->move(SSPanel4->x(), Twips::toPixels(225));
    SSPanel4->setDefaultColour(ColorNumber::toColor(ColorNumber::kSystemFlag + 5));

    for (QWidget* control : std::initializer_list<QWidget*>{
             Panel3D1, Panel3D2, Panel3D3,  Panel3D4,  Panel3D5, Panel3D6, Panel3D7,
             Panel3D8, Command1, Command2,  Command3,  Command4, Command5, Command6,
             Command7, Text1,    Grid1,     Label1,    Label2,   Label3,   Label4,
             Label5,   Label6,   Label7[0], Label7[1], Label7[2]}) {
        attachOptionsPopup(control);
    }
}

void BirthyearWindow::buildCostChart() {
    Panel3D7 = panel(Panel3D4, 150, 150, kTextPanelWidth, 5543,
                     "Approximate Cost of Items for Years Shown!");
    Panel3D7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Grid1 = place(new GridControl(Panel3D7), 105, 461, 8250, 4835);
    Grid1->setAccessibleName("Approximate Cost of Items for Years Shown!");
    Grid1->setRowTipHandler([this](int row) { return ShowRowScrollTip(row); });
    Panel3D7->hide();
}

void BirthyearWindow::buildInputPanel() {
    Panel3D8 = panel(Panel3D4, 150, 1500, kTextPanelWidth, kTextPanelHeight);
    Panel3D8->setAccessibleName("Input/Edit Information");
    Label7[0] = label(Panel3D8, "Input/Edit Year:", 150, 120, 1300, 300);
    Label3 = label(Panel3D8, "", 1450, 120, 700, 300);
    Label7[1] = label(Panel3D8, "Input/Edit Side:", 2250, 120, 1300, 300);
    Label4 = label(Panel3D8, "", 3550, 120, 2500, 300);
    Label7[2] = label(Panel3D8, "Length (Max. = 500):", 6000, 120, 1650, 300);
    Label2 = label(Panel3D8, "", 7650, 120, 600, 300);
    Text1 = place(new InputTextBox(Panel3D8), 150, 480, 6600, 2070);
    Text1->setAccessibleName("Input/Edit Information");
    Command2 = button(Panel3D8, "&Serious Side", 6900, 480, 1395, 450);
    Command3 = button(Panel3D8, "&Lighter Side", 6900, 1020, 1395, 450);
    Command4 = button(Panel3D8, "Save", 6900, 1560, 1395, 450);
    Command4->setEnabled(false);
    Command5 = button(Panel3D8, "&Close", 6900, 2100, 1395, 450);
    Panel3D8->hide();
}

void BirthyearWindow::buildMenus() {
    mOBC = mO->addAction("&Grid Background Selector", this,
                         &BirthyearWindow::ToggleBackgroundSelector);
    mOBC->setEnabled(false);
    mOCol = mO->addAction("Panel C&olor", this, &BirthyearWindow::ChooseColour);
    mOTC = mO->addAction("&Text Color", this, &BirthyearWindow::ChooseTextColour);
    mO->addSeparator();
    mOI = mO->addAction("&Input/Edit Information", this, &BirthyearWindow::OpenInputPanel);
    mOSide = mO->addAction("&Serious Side", this, &BirthyearWindow::EditSeriousSide);
    mOSide->setVisible(false);
    mOL = mO->addAction("&Ligher Side", this, &BirthyearWindow::EditLighterSide);
    mOL->setVisible(false);
    mOSave = mO->addAction("&Save", this, [this] { SaveBirthYear(); });
    mOSave->setVisible(false);
    mOSave->setEnabled(false);
    mOCl = mO->addAction("&Close", this, &BirthyearWindow::PromptCloseInput);
    mOCl->setVisible(false);
    mO->addSeparator();
    mOF = mO->addAction("&Five Year Cost Chart", this, &BirthyearWindow::ToggleCostChart);
    mOC = mO->addAction("&Close Cost Chart", this, &BirthyearWindow::ToggleCostChart);
    mOC->setVisible(false);
    mO->addSeparator();
    mOE = mO->addAction("E&xit", this, &BirthyearWindow::ExitBirthyear);

    // The Edit menu stands between Options and Help.
    mU = new QMenu("&Edit", this);
    menuBar()->insertMenu(mH, mU);
    mUCopy = mU->addAction("&Copy", this, &BirthyearWindow::CopyYearToClipboard);
    mUCopy->setEnabled(false);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &BirthyearWindow::ShowHelpTopic);
}

void BirthyearWindow::buildSideToolbar() {
    fillSideToolbar({{gridPicture(), "Grid Background Selector"},
                     {sideToolbarPicture(SidePicture::PanelColor), "Panel Color"},
                     {textColourPicture(), "Text Color"},
                     {copyPicture(), "Copy"},
                     {sideToolbarPicture(SidePicture::Help), "Help"},
                     {sideToolbarPicture(SidePicture::Exit), "Exit"}},
                    [this](int n) { SideButton(n); });
    Toolbar2Button(1)->setEnabled(false);
    Toolbar2Button(4)->setEnabled(false);
}

void BirthyearWindow::connectCommands() {
    connect(Command6, &QPushButton::clicked, this, &BirthyearWindow::OpenInputPanel);
    connect(Command1, &QPushButton::clicked, this, &BirthyearWindow::ToggleCostChart);
    connect(Command7, &QPushButton::clicked, this, &BirthyearWindow::ExitBirthyear);
    connect(Command2, &QPushButton::clicked, this, &BirthyearWindow::EditSeriousSide);
    connect(Command3, &QPushButton::clicked, this, &BirthyearWindow::EditLighterSide);
    connect(Command4, &QPushButton::clicked, this, [this] { SaveBirthYear(); });
    connect(Command5, &QPushButton::clicked, this, &BirthyearWindow::PromptCloseInput);
    connect(Text1, &QPlainTextEdit::textChanged, this, &BirthyearWindow::TrackInputText);
    Text1->setEntryHandler([this] { return NoteInputKey(); });

    // Typing in the year box takes the grid background selector away; a list choice shows the
    // year; Enter shows a typed year.
    connect(Combo1, &QComboBox::editTextChanged, this, [this] {
        mOBC->setEnabled(false);
        Toolbar2Button(1)->setEnabled(false);
    });
    connect(Combo1, &QComboBox::activated, this, &BirthyearWindow::YearChosen);
    Combo1->installEventFilter(this);
    focusMoves().onGotFocus(Combo1, [this] { AskSaveInput(); });

    connect(SSPanel4, &GridBackgroundSelector::statusText, this, &BirthyearWindow::showStatus);
    connect(SSPanel4, &GridBackgroundSelector::restoreStatus, this,
            [this] { showStatus(kCaption); });

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &BirthyearWindow::EscapeKey);
}

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

#include <utility>

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
    birthyearPanel = panel(centralWidget(), 1085, 900, 9830, 7200);
    birthyearPanel->hide();
    birthyearPanel->setObjectName("Panel3D1");
    titlePanel =
        panel(birthyearPanel, 120, 100, 9590, 7000, "What was Happening the Year You Where Born?");
    titlePanel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    titlePanel->setObjectName("Panel3D2");
    yearBoxLabel = label(titlePanel, "Birth Year:", 300, 450, 1000, 300);
    yearBoxLabel->setObjectName("Label1");
    yearBoxFrame = panel(titlePanel, 1300, 360, 1500, 480);
    yearBoxFrame->setObjectName("Panel3D3");
    yearBox = place(new QComboBox(yearBoxFrame), 45, 45, 1410, 390);
    yearBox->setEditable(true);
    yearBox->setInsertPolicy(QComboBox::NoInsert);
    yearBox->setCompleter(nullptr); // a typed year is not completed from the list
    yearBox->setMaxVisibleItems(12);
    yearBox->setAccessibleName("Birth Year:");
    yearBox->setObjectName("Combo1");
    inputButton = button(titlePanel, "&Input/Edit Information", 3000, 390, 2300);
    costChartButton = button(titlePanel, "&Five Year Cost Chart", 5450, 390, 2300);
    exitButton = button(titlePanel, "E&xit", 7900, 390, 1400);
    inputButton->setObjectName("Command6");
    costChartButton->setObjectName("Command1");
    exitButton->setObjectName("Command7");

    workArea = panel(titlePanel, 422, 960, 8745, 5880);
    workArea->setObjectName("Panel3D4");
    seriousPanel = panel(workArea, 150, 150, kTextPanelWidth, kTextPanelHeight);
    seriousText = textLabel(seriousPanel);
    seriousText->setAccessibleDescription("On The More Serious Side");
    seriousPanel->setObjectName("Panel3D5");
    seriousText->setObjectName("Label5");
    lighterPanel = panel(workArea, 150, 3030, kTextPanelWidth, kTextPanelHeight);
    lighterText = textLabel(lighterPanel);
    lighterText->setAccessibleDescription("On The Lighter Side");
    lighterPanel->setObjectName("Panel3D6");
    lighterText->setObjectName("Label6");
    buildCostChart();
    buildInputPanel();

    backgroundSelector = new GridBackgroundSelector(
        services_,
        {[this](const QString& picture) {
             if (picture.isEmpty()) {
                 costGrid->removePicture();
             } else {
                 costGrid->setPicture(picture);
             }
         },
         [this] { return costGrid->backColour(); },
         [this](const QColor& colour) { costGrid->setBackColour(colour); }},
        birthyearPanel);
    backgroundSelector->setDesign({5445,
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
    backgroundSelector->move(backgroundSelector->x(), Twips::toPixels(225));
    backgroundSelector->setDefaultColour(ColorNumber::toColor(ColorNumber::kSystemFlag + 5));
    backgroundSelector->setObjectName("SSPanel4");

    for (QWidget* control : std::initializer_list<QWidget*>{
             birthyearPanel,   titlePanel,        yearBoxFrame,      workArea,
             seriousPanel,     lighterPanel,      costChartPanel,    inputPanel,
             costChartButton,  seriousSideButton, lighterSideButton, saveButton,
             closeInputButton, inputButton,       exitButton,        inputText,
             costGrid,         yearBoxLabel,      lengthLabel,       inputYearLabel,
             inputSideLabel,   seriousText,       lighterText,       inputCaptions[0],
             inputCaptions[1], inputCaptions[2]}) {
        attachOptionsPopup(control);
    }
}

void BirthyearWindow::buildCostChart() {
    costChartPanel = panel(workArea, 150, 150, kTextPanelWidth, 5543,
                           "Approximate Cost of Items for Years Shown!");
    costChartPanel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    costChartPanel->setObjectName("Panel3D7");
    costGrid = place(new GridControl(costChartPanel), 105, 461, 8250, 4835);
    costGrid->setAccessibleName("Approximate Cost of Items for Years Shown!");
    costGrid->setObjectName("Grid1");
    costGrid->setRowTipHandler([this](int row) { return ShowRowScrollTip(row); });
    costChartPanel->hide();
}

void BirthyearWindow::buildInputPanel() {
    inputPanel = panel(workArea, 150, 1500, kTextPanelWidth, kTextPanelHeight);
    inputPanel->setAccessibleName("Input/Edit Information");
    inputPanel->setObjectName("Panel3D8");
    inputCaptions[0] = label(inputPanel, "Input/Edit Year:", 150, 120, 1300, 300);
    inputYearLabel = label(inputPanel, "", 1450, 120, 700, 300);
    inputCaptions[1] = label(inputPanel, "Input/Edit Side:", 2250, 120, 1300, 300);
    inputSideLabel = label(inputPanel, "", 3550, 120, 2500, 300);
    inputCaptions[2] = label(inputPanel, "Length (Max. = 500):", 6000, 120, 1650, 300);
    lengthLabel = label(inputPanel, "", 7650, 120, 600, 300);
    for (QLabel* caption : inputCaptions) {
        caption->setObjectName("Label7");
    }
    inputYearLabel->setObjectName("Label3");
    inputSideLabel->setObjectName("Label4");
    lengthLabel->setObjectName("Label2");
    inputText = place(new InputTextBox(inputPanel), 150, 480, 6600, 2070);
    inputText->setAccessibleName("Input/Edit Information");
    inputText->setObjectName("Text1");
    seriousSideButton = button(inputPanel, "&Serious Side", 6900, 480, 1395, 450);
    lighterSideButton = button(inputPanel, "&Lighter Side", 6900, 1020, 1395, 450);
    saveButton = button(inputPanel, "Save", 6900, 1560, 1395, 450);
    saveButton->setEnabled(false);
    closeInputButton = button(inputPanel, "&Close", 6900, 2100, 1395, 450);
    seriousSideButton->setObjectName("Command2");
    lighterSideButton->setObjectName("Command3");
    saveButton->setObjectName("Command4");
    closeInputButton->setObjectName("Command5");
    inputPanel->hide();
}

void BirthyearWindow::buildMenus() {
    backgroundSelectorAction = optionsMenu->addAction("&Grid Background Selector", this,
                                                      &BirthyearWindow::ToggleBackgroundSelector);
    backgroundSelectorAction->setEnabled(false);
    panelColourAction =
        optionsMenu->addAction("Panel C&olor", this, &BirthyearWindow::ChooseColour);
    textColourAction =
        optionsMenu->addAction("&Text Color", this, &BirthyearWindow::ChooseTextColour);
    optionsMenu->addSeparator();
    inputAction =
        optionsMenu->addAction("&Input/Edit Information", this, &BirthyearWindow::OpenInputPanel);
    seriousSideAction =
        optionsMenu->addAction("&Serious Side", this, &BirthyearWindow::EditSeriousSide);
    seriousSideAction->setVisible(false);
    lighterSideAction =
        optionsMenu->addAction("&Ligher Side", this, &BirthyearWindow::EditLighterSide);
    lighterSideAction->setVisible(false);
    saveAction = optionsMenu->addAction("&Save", this, [this] { SaveBirthYear(); });
    saveAction->setVisible(false);
    saveAction->setEnabled(false);
    closeInputAction = optionsMenu->addAction("&Close", this, &BirthyearWindow::PromptCloseInput);
    closeInputAction->setVisible(false);
    optionsMenu->addSeparator();
    costChartAction =
        optionsMenu->addAction("&Five Year Cost Chart", this, &BirthyearWindow::ToggleCostChart);
    closeCostChartAction =
        optionsMenu->addAction("&Close Cost Chart", this, &BirthyearWindow::ToggleCostChart);
    closeCostChartAction->setVisible(false);
    optionsMenu->addSeparator();
    exitAction = optionsMenu->addAction("E&xit", this, &BirthyearWindow::ExitBirthyear);

    // The Edit menu stands between Options and Help.
    editMenu = new QMenu("&Edit", this);
    menuBar()->insertMenu(helpAction, editMenu);
    copyAction = editMenu->addAction("&Copy", this, &BirthyearWindow::CopyYearToClipboard);
    copyAction->setEnabled(false);

    // The items keep their designed names as object names.
    const std::pair<QObject*, const char*> designed[] = {
        {backgroundSelectorAction, "mOBC"},
        {panelColourAction, "mOCol"},
        {textColourAction, "mOTC"},
        {inputAction, "mOI"},
        {seriousSideAction, "mOSide"},
        {lighterSideAction, "mOL"},
        {saveAction, "mOSave"},
        {closeInputAction, "mOCl"},
        {costChartAction, "mOF"},
        {closeCostChartAction, "mOC"},
        {exitAction, "mOE"},
        {editMenu, "mU"},
        {copyAction, "mUCopy"},
    };
    for (const auto& [item, name] : designed) {
        item->setObjectName(name);
    }

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
    leftToolbarButton(1)->setEnabled(false);
    leftToolbarButton(4)->setEnabled(false);
}

void BirthyearWindow::connectCommands() {
    connect(inputButton, &QPushButton::clicked, this, &BirthyearWindow::OpenInputPanel);
    connect(costChartButton, &QPushButton::clicked, this, &BirthyearWindow::ToggleCostChart);
    connect(exitButton, &QPushButton::clicked, this, &BirthyearWindow::ExitBirthyear);
    connect(seriousSideButton, &QPushButton::clicked, this, &BirthyearWindow::EditSeriousSide);
    connect(lighterSideButton, &QPushButton::clicked, this, &BirthyearWindow::EditLighterSide);
    connect(saveButton, &QPushButton::clicked, this, [this] { SaveBirthYear(); });
    connect(closeInputButton, &QPushButton::clicked, this, &BirthyearWindow::PromptCloseInput);
    connect(inputText, &QPlainTextEdit::textChanged, this, &BirthyearWindow::TrackInputText);
    inputText->setEntryHandler([this] { return NoteInputKey(); });

    // Typing in the year box takes the grid background selector away; a list choice shows the
    // year; Enter shows a typed year.
    connect(yearBox, &QComboBox::editTextChanged, this, [this] {
        backgroundSelectorAction->setEnabled(false);
        leftToolbarButton(1)->setEnabled(false);
    });
    connect(yearBox, &QComboBox::activated, this, &BirthyearWindow::YearChosen);
    yearBox->installEventFilter(this);
    focusMoves().onGotFocus(yearBox, [this] { AskSaveInput(); });

    connect(backgroundSelector, &GridBackgroundSelector::statusText, this,
            &BirthyearWindow::showStatus);
    connect(backgroundSelector, &GridBackgroundSelector::restoreStatus, this,
            [this] { showStatus(kCaption); });

    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &BirthyearWindow::EscapeKey);
}

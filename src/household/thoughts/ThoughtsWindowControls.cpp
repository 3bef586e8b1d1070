// The thoughts window's controls, menus and side toolbar, placed as designed (twips, relative to
// their containers).
#include "ThoughtsWindow.h"

#include "ColorNumber.h"
#include "DesignPlacement.h"
#include "FocusMoves.h"
#include "ThoughtsToolbarPictures.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>

#include <utility>

namespace {

using Design::panel;
using Twips::place;

QPushButton* button(QWidget* parent, const QString& caption, int left, int top, int width) {
    return place(new QPushButton(caption, parent), left, top, width, 542);
}

QFont windowFont(bool bold) {
    QFont font(ThoughtsWindow::kOwnFontName);
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

} // namespace

void ThoughtsWindow::buildControls() {
    // The controls are sized for the classic 8-point dialog font.
    centralWidget()->setFont(windowFont(false));
    thoughtsPanel = panel(centralWidget(), 1091, 943, 9818, 7300);
    thoughtsPanel->setBackColour(ColorNumber::toColor(ColorNumber::kButtonFace));
    thoughtsPanel->hide();
    thoughtsPanel->setObjectName("SSPanel1");
    kindPicture = place(new QLabel(thoughtsPanel), 150, 120, 480, 480);
    kindPicture->setPixmap(QPixmap(humorous_ ? ":/toolbar/11.png" : ":/toolbar/10.png"));
    kindPicture->setScaledContents(true);
    kindPicture->setObjectName("Image1");
    displayFrame = panel(thoughtsPanel, 527, 730, 8764, 5128);
    displayArea = panel(displayFrame, 150, 150, 8494, 4841);
    displayArea->setAlignment(Qt::AlignCenter);
    displayFrame->setObjectName("Panel3D1");
    displayArea->setObjectName("Panel3D2");
    thoughtLabel = new QLabel("Display Area", displayArea);
    thoughtLabel->setAlignment(Qt::AlignCenter);
    thoughtLabel->setObjectName("Label1");
    // The thought's own size until the saved display font is applied.
    QFont thoughtFont = windowFont(true);
    thoughtFont.setPointSize(14);
    thoughtLabel->setFont(thoughtFont);
    thoughtLabel->setAccessibleDescription("Thought");
    thoughtLabel->resize(thoughtLabel->sizeHint());
    punchLineFrame = panel(thoughtsPanel, 1283, 4000, 7251, 1373);
    punchLineFrame->hide();
    punchLineFrame->setObjectName("Panel3D5");
    punchLinePanel = panel(punchLineFrame, 150, 150, 6951, 1086);
    punchLinePanel->setFont(thoughtFont);
    punchLinePanel->setAccessibleName("Punch line");
    punchLinePanel->setLive(true);
    punchLinePanel->setObjectName("Panel3D4");

    startButton = button(thoughtsPanel, "&Start", 1217, 6358, 1698);
    searchButton = button(thoughtsPanel, "S&earch", 3240, 6358, 1698);
    printButton = button(thoughtsPanel, "&Print", 5203, 6358, 1648);
    exitButton = button(thoughtsPanel, "E&xit", 7167, 6358, 1598);
    startButton->setObjectName("Command1");
    searchButton->setObjectName("Command4");
    printButton->setObjectName("Command2");
    exitButton->setObjectName("Command3");
    buildSearchPanel();
    for (QWidget* control : std::initializer_list<QWidget*>{
             thoughtsPanel, kindPicture, displayFrame, displayArea, thoughtLabel, punchLineFrame,
             punchLinePanel, SearchPanel, startButton, printButton, exitButton, searchButton,
             searchNextButton, closeSearchButton}) {
        attachOptionsPopup(control);
    }
}

void ThoughtsWindow::buildSearchPanel() {
    SearchPanel = panel(thoughtsPanel, 1217, 6168, 3915, 870, "  Enter Word(s) for Search");
    SearchPanel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SearchPanel->setAccessibleName("Search");
    SearchPanel->setObjectName("SearchPanel");
    searchText = place(new QLineEdit(SearchPanel), 165, 332, 2682, 347);
    searchText->setAccessibleName("Enter Word(s) for Search");
    searchText->setObjectName("Text1");
    searchNextButton = place(new QPushButton("&New", SearchPanel), 2971, 146, 824, 287);
    closeSearchButton = place(new QPushButton("&Close", SearchPanel), 2971, 478, 824, 287);
    searchNextButton->setObjectName("Command5");
    closeSearchButton->setObjectName("Command6");
    SearchPanel->hide();
}

void ThoughtsWindow::buildMenus() {
    displayFontAction =
        optionsMenu->addAction("&Display Font", this, &ThoughtsWindow::ChooseDisplayFont);
    displayColourAction = optionsMenu->addAction("Display &Area Color", this, [this] {
        showStatus("Panel Color");
        ChooseDisplayColor(0);
        showStatus(windowTitle());
    });
    upperPanelColourAction =
        optionsMenu->addAction("&Upper Panel Color", this, [this] { ChooseDisplayColor(0); });
    upperPanelColourAction->setVisible(false);
    lowerPanelColourAction =
        optionsMenu->addAction("&Lower Panel Color", this, [this] { ChooseDisplayColor(1); });
    lowerPanelColourAction->setVisible(false);
    optionsMenu->addSeparator();
    searchAction = optionsMenu->addAction("S&earch");
    searchAction->setCheckable(true);
    // The tick is the search panel's to set: it shows while the panel is open.
    connect(searchAction, &QAction::triggered, this, [this](bool checked) {
        searchAction->setChecked(!checked);
        searchText->clear();
        ToggleSearchPanel();
    });
    copySeparator = optionsMenu->addSeparator();
    optionsCopyAction =
        optionsMenu->addAction("&Copy", this, &ThoughtsWindow::CopyThoughtToClipboard);
    optionsCopyAction->setVisible(false);
    printAction = optionsMenu->addAction("&Print");
    printAction->setEnabled(false);
    restOfStoryAction =
        optionsMenu->addAction("&The Rest of the Story", this, &ThoughtsWindow::ShowRestOfStory);
    restOfStoryAction->setVisible(false);
    restOfStoryAction->setEnabled(false);
    optionsMenu->addSeparator();
    startAction = optionsMenu->addAction("&Start", this, &ThoughtsWindow::ShowRandomThought);
    nextAction = optionsMenu->addAction("&Next", this, &ThoughtsWindow::ShowRandomThought);
    nextAction->setVisible(false);
    optionsMenu->addSeparator();
    exitAction = optionsMenu->addAction("E&xit", this, &ThoughtsWindow::ExitCommand);

    // The Edit menu stands between Options and Help.
    editMenu = new QMenu("&Edit", this);
    menuBar()->insertMenu(helpAction, editMenu);
    copyAction = editMenu->addAction("&Copy", this, &ThoughtsWindow::CopyThoughtToClipboard);
    copyAction->setEnabled(false);

    // The items keep their designed names as object names.
    const std::pair<QObject*, const char*> designed[] = {
        {displayFontAction, "mODD"},
        {displayColourAction, "mOC"},
        {upperPanelColourAction, "mOUp"},
        {lowerPanelColourAction, "mOL"},
        {searchAction, "mOSr"},
        {copySeparator, "mO5"},
        {optionsCopyAction, "mOCopy"},
        {printAction, "mOP"},
        {restOfStoryAction, "mORest"},
        {startAction, "mOS"},
        {nextAction, "mON"},
        {exitAction, "mOE"},
        {editMenu, "mEdit"},
        {copyAction, "mOCop"},
    };
    for (const auto& [item, name] : designed) {
        item->setObjectName(name);
    }

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &ThoughtsWindow::ShowHelpTopic);
}

void ThoughtsWindow::buildSideToolbar() {
    const char* const tooltips[] = {
        "Display Font", "Display Area Color", "Search", "Copy", "Print", "Help", "Exit"};
    QList<SideToolbarButton> buttons;
    for (int n = 1; n <= 7; ++n) {
        buttons.append({thoughtsToolbarPicture(n), tooltips[n - 1]});
    }
    fillSideToolbar(buttons, [this](int n) { SideButton(n); });
    leftToolbarButton(4)->setEnabled(false);
}

void ThoughtsWindow::connectCommands() {
    connect(startButton, &QPushButton::clicked, this, &ThoughtsWindow::ShowRandomThought);
    connect(searchButton, &QPushButton::clicked, this, &ThoughtsWindow::ToggleSearchPanel);
    connect(exitButton, &QPushButton::clicked, this, &ThoughtsWindow::ExitCommand);
    connect(searchNextButton, &QPushButton::clicked, this, &ThoughtsWindow::SearchNextOrNew);
    connect(closeSearchButton, &QPushButton::clicked, this, &ThoughtsWindow::CloseSearchPanel);
    connect(searchText, &QLineEdit::returnPressed, this, [this] {
        if (!searchText->text().isEmpty()) {
            SearchThoughts();
        }
    });
    focusMoves().onGotFocus(searchText, [this] { searchNextButton->setText("&Begin"); });
    setOptionsPopupHooks(
        [this] {
            beforeOptionsPopup();
            return true;
        },
        [this] { afterOptionsPopup(); });
}

void ThoughtsWindow::beforeOptionsPopup() {
    optionsCopyAction->setVisible(copyAction->isEnabled() && !humorous_);
    leftToolbarButton(4)->setEnabled(false);
}

void ThoughtsWindow::afterOptionsPopup() {
    if (ClosedByExit != 9) {
        optionsCopyAction->setVisible(false);
    }
    ClosedByExit = 0;
}

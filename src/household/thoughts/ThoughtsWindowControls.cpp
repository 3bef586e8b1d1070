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
    SSPanel1 = panel(centralWidget(), 1091, 943, 9818, 7300);
    SSPanel1->setBackColour(ColorNumber::toColor(ColorNumber::kButtonFace));
    SSPanel1->hide();
    Image1Picture = place(new QLabel(SSPanel1), 150, 120, 480, 480);
    Image1Picture->setPixmap(QPixmap(humorous_ ? ":/toolbar/11.png" : ":/toolbar/10.png"));
    Image1Picture->setScaledContents(true);
    Panel3D1 = panel(SSPanel1, 527, 730, 8764, 5128);
    Panel3D2 = panel(Panel3D1, 150, 150, 8494, 4841);
    Panel3D2->setAlignment(Qt::AlignCenter);
    Label1 = new QLabel("Display Area", Panel3D2);
    Label1->setAlignment(Qt::AlignCenter);
    // The thought's own size until the saved display font is applied.
    QFont thoughtFont = windowFont(true);
    thoughtFont.setPointSize(14);
    Label1->setFont(thoughtFont);
    Label1->setAccessibleDescription("Thought");
    Label1->resize(Label1->sizeHint());
    Panel3D5 = panel(SSPanel1, 1283, 4000, 7251, 1373);
    Panel3D5->hide();
    Panel3D4 = panel(Panel3D5, 150, 150, 6951, 1086);
    Panel3D4->setFont(thoughtFont);
    Panel3D4->setAccessibleName("Punch line");

    Command1 = button(SSPanel1, "&Start", 1217, 6358, 1698);
    Command4 = button(SSPanel1, "S&earch", 3240, 6358, 1698);
    Command2 = button(SSPanel1, "&Print", 5203, 6358, 1648);
    Command3 = button(SSPanel1, "E&xit", 7167, 6358, 1598);
    buildSearchPanel();
    for (QWidget* control : std::initializer_list<QWidget*>{
             SSPanel1, Image1Picture, Panel3D1, Panel3D2, Label1, Panel3D5, Panel3D4, SearchPanel,
             Command1, Command2, Command3, Command4, Command5, Command6}) {
        attachOptionsPopup(control);
    }
}

void ThoughtsWindow::buildSearchPanel() {
    SearchPanel = panel(SSPanel1, 1217, 6168, 3915, 870, "  Enter Word(s) for Search");
    SearchPanel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SearchPanel->setAccessibleName("Search");
    Text1 = place(new QLineEdit(SearchPanel), 165, 332, 2682, 347);
    Text1->setAccessibleName("Enter Word(s) for Search");
    Command5 = place(new QPushButton("&New", SearchPanel), 2971, 146, 824, 287);
    Command6 = place(new QPushButton("&Close", SearchPanel), 2971, 478, 824, 287);
    SearchPanel->hide();
}

void ThoughtsWindow::buildMenus() {
    mODD = mO->addAction("&Display Font", this, &ThoughtsWindow::ChooseDisplayFont);
    mOC = mO->addAction("Display &Area Color", this, [this] {
        showStatus("Panel Color");
        ChooseDisplayColor(0);
        showStatus(windowTitle());
    });
    mOUp = mO->addAction("&Upper Panel Color", this, [this] { ChooseDisplayColor(0); });
    mOUp->setVisible(false);
    mOL = mO->addAction("&Lower Panel Color", this, [this] { ChooseDisplayColor(1); });
    mOL->setVisible(false);
    mO->addSeparator();
    mOSr = mO->addAction("S&earch");
    mOSr->setCheckable(true);
    // The tick is the search panel's to set: it shows while the panel is open.
    connect(mOSr, &QAction::triggered, this, [this](bool checked) {
        mOSr->setChecked(!checked);
        Text1->clear();
        ToggleSearchPanel();
    });
    mO5 = mO->addSeparator();
    mOCopy = mO->addAction("&Copy", this, &ThoughtsWindow::CopyThoughtToClipboard);
    mOCopy->setVisible(false);
    mOP = mO->addAction("&Print");
    mOP->setEnabled(false);
    mORest = mO->addAction("&The Rest of the Story", this, &ThoughtsWindow::ShowRestOfStory);
    mORest->setVisible(false);
    mORest->setEnabled(false);
    mO->addSeparator();
    mOS = mO->addAction("&Start", this, &ThoughtsWindow::ShowRandomThought);
    mON = mO->addAction("&Next", this, &ThoughtsWindow::ShowRandomThought);
    mON->setVisible(false);
    mO->addSeparator();
    mOE = mO->addAction("E&xit", this, &ThoughtsWindow::ExitCommand);

    // The Edit menu stands between Options and Help.
    mEdit = new QMenu("&Edit", this);
    menuBar()->insertMenu(mH, mEdit);
    mOCop = mEdit->addAction("&Copy", this, &ThoughtsWindow::CopyThoughtToClipboard);
    mOCop->setEnabled(false);

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
    Toolbar2Button(4)->setEnabled(false);
}

void ThoughtsWindow::connectCommands() {
    connect(Command1, &QPushButton::clicked, this, &ThoughtsWindow::ShowRandomThought);
    connect(Command4, &QPushButton::clicked, this, &ThoughtsWindow::ToggleSearchPanel);
    connect(Command3, &QPushButton::clicked, this, &ThoughtsWindow::ExitCommand);
    connect(Command5, &QPushButton::clicked, this, &ThoughtsWindow::SearchNextOrNew);
    connect(Command6, &QPushButton::clicked, this, &ThoughtsWindow::CloseSearchPanel);
    connect(Text1, &QLineEdit::returnPressed, this, [this] {
        if (!Text1->text().isEmpty()) {
            SearchThoughts();
        }
    });
    focusMoves().onGotFocus(Text1, [this] { Command5->setText("&Begin"); });
    setOptionsPopupHooks(
        [this] {
            beforeOptionsPopup();
            return true;
        },
        [this] { afterOptionsPopup(); });
}

void ThoughtsWindow::beforeOptionsPopup() {
    mOCopy->setVisible(mOCop->isEnabled() && !humorous_);
    Toolbar2Button(4)->setEnabled(false);
}

void ThoughtsWindow::afterOptionsPopup() {
    if (ClosedByExit != 9) {
        mOCopy->setVisible(false);
    }
    ClosedByExit = 0;
}

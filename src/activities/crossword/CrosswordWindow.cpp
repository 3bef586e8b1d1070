// The crossword window: load, activation, exits, and the procedures that move it between states.
#include "CrosswordWindow.h"

#include "ColorNumber.h"
#include "FocusMoves.h"
#include "ListBox.h"
#include "Panel3D.h"
#include "StatusBar.h"
#include "Toolbar.h"
#include "Twips.h"
#include "WindowKeys.h"
#include "WordHelpCount.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace {

ActivityConstants crosswordConstants() {
    ActivityConstants constants;
    constants.ownButton = 2;
    constants.disabledButtons = {16, 17};
    constants.helpContext = 2002;
    constants.restoreLayoutOnActivate = true;
    constants.restoreLayoutOnResize = true;
    constants.activationOffset = 130;
    constants.restoreOffset = -30;
    return constants;
}

// The window as designed, the size of the main window's smaller display.
constexpr int kDesignedWidth = 12000;
constexpr int kDesignedHeight = 9000;

const QString kChoiceCaption = "\r\rThere are several\rdiferent puzzles available\rfor the Subject "
                               "and\rLevel currently selected.\rPlease select the\rAppropriate "
                               "Command\rButton Below\rto Continue.";

} // namespace

CrosswordWindow::CrosswordWindow(Services& services)
    : ActivityWindow(services, crosswordConstants(), kCaption) {
    setObjectName("Form25");
    buildControls();
    buildMenus();
    buildSideToolbar();
    windowKeys().setDefaultButton(Command1);
    windowKeys().setCancelButton(Command2);
    connectHandlers();
    connectFocusHandlers();
    attachPopupToControls();
    resize(Twips::toPixels(kDesignedWidth, kDesignedHeight));
    Form_Load();
}

CrosswordWindow::~CrosswordWindow() = default;

QWidget* CrosswordWindow::mainPanel() const {
    return SSPanel1;
}

void CrosswordWindow::Form_Load() {
    LoadFormServices();
    program_.NextActivity = 0;
    program_.PrintSettings.PrintFontUnderline = false;
    program_.PrintSettings.PrintFontStrikethru = false;
    Option3D1[1]->setChecked(true);
    PuzzleSubject = 1;
    ResetPuzzleState();
    WordHelpLimit = WordHelpCount::kAtOpening;
    ShowResultPanels();
    for (Panel3D* gauge : Panel3D15) {
        gauge->hide();
    }
    EntryLock = 1;
    PuzzleNo = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        QLabel* letter = Label3[std::size_t(cell)];
        setLetterColour(cell, ColorNumber::palette(1));
        letter->move(letter->x(), Twips::toPixels(130));
        Panel3D14[std::size_t(cell)]->setVisible(cell <= 103);
    }
    FocusList = 0;
    Panel3D16->setCaption(kChoiceCaption);
    const QColor face = ColorNumber::toColor(ColorNumber::kButtonFace);
    for (Panel3D* panel :
         {Panel3D1,    Panel3D2,    Panel3D3[0], Panel3D3[1], Panel3D3[2], Panel3D3[3], Panel3D3[4],
          Panel3D3[5], Panel3D3[6], SSPanel1,    Panel3D4,    Panel3D8,    Panel3D11,   Panel3D16,
          Panel3D23,   Panel3D12,   Panel3D19,   Panel3D20,   Panel3D21,   Panel3D24}) {
        panel->setBackColour(face);
    }
    showStatus("Click Start to begin this activity");
    // The first activation gives the focus to "&Start".
    Command1->setFocus(Qt::OtherFocusReason);
}

void CrosswordWindow::Form_Activate() {
    ActivateFormServices();
    // Laid out once per opening: a later activation must not wipe a puzzle in play.
    if (!gridLaidOut_) {
        gridLaidOut_ = true;
        LayoutGrid(0);
    }
    const QSize area = Panel3D7[1]->size();
    Panel3D27->move(area.width() / 2 - Panel3D27->width() / 2,
                    area.height() / 2 - Panel3D27->height() / 2);
    if (Command1->isVisible()) {
        Command1->setFocus(Qt::OtherFocusReason);
    }
    program_.NormalPointer();
}

void CrosswordWindow::ExitCommand() {
    close();
}

void CrosswordWindow::Form_Unload() {
    ResetPuzzleState();
    program_.PrintSettings.PrintFontColour = QString();
}

void CrosswordWindow::NotStartedMessage() {
    services_.sound.beep();
    services_.dialogs.message({"Please click appropriate\rButton to begin the Activity.",
                               "Cross Word Activity", Dialogs::Icon::Exclamation,
                               Dialogs::Buttons::Ok});
    EntryLock = 1;
    if (Panel3D23->isVisible()) {
        Command7->setFocus(Qt::OtherFocusReason);
        DeselectClues();
    } else if (Panel3D16->isVisible() && Command5->isEnabled()) {
        Command5->setFocus(Qt::OtherFocusReason);
        DeselectClues();
    } else if (Command1->isEnabled()) {
        Command1->setFocus(Qt::OtherFocusReason);
    }
}

void CrosswordWindow::ResetAfterPuzzle() {
    Command1->setEnabled(true);
    setRevealOffered(false);
    mOW->setVisible(true);
    mOWH->setVisible(false);
    mON->setEnabled(true);
    Command1->setFocus(Qt::OtherFocusReason);
    Frame3D1->setEnabled(true);
    Frame1->setEnabled(true);
    Command4->setText("&Word Help Op");
    Command4->setEnabled(true);
    mOWH->setEnabled(true);
    mOPl->menuAction()->setEnabled(true);
    mOW->setEnabled(true);
    FocusList = 0;
    SetMainTabStops();
    setInTabOrder(List1, false);
    setInTabOrder(List2, false);
    setCheckOffered(false);
    mONew->setEnabled(false);
    mOUse->setEnabled(false);
}

void CrosswordWindow::setInTabOrder(QWidget* control, bool inTabOrder) {
    control->setFocusPolicy(inTabOrder ? Qt::StrongFocus : Qt::ClickFocus);
}

void CrosswordWindow::ClearTabStops() {
    for (QPushButton* command : {Command1, Command2, Command3, Command4, Command5, Command6,
                                 Command7, Command8, Command9, Command10, Command11}) {
        setInTabOrder(command, false);
    }
    if (EntryLock != 2) {
        Frame3D1->setEnabled(false);
        Frame1->setEnabled(false);
    }
    setInTabOrder(List1, false);
    setInTabOrder(List2, false);
}

void CrosswordWindow::SetClueTabStops() {
    for (QWidget* control : std::initializer_list<QWidget*>{List1, List2, Command2, Command3}) {
        setInTabOrder(control, true);
    }
}

void CrosswordWindow::SetMainTabStops() {
    for (QPushButton* command : {Command1, Command2, Command3, Command4}) {
        setInTabOrder(command, true);
    }
}

void CrosswordWindow::showHint(const QString& hint) {
    Panel3D12->setCaption(hint);
}

void CrosswordWindow::Command1_GotFocus() {
    if (EntryLock == 2) {
        EntryLock = 1;
    }
    showHint(Command1->text() == "&Start" ? "Information Panel" : "Next Puzzle Button");
}

void CrosswordWindow::Command2_GotFocus() {
    // Leaving the Down list for the exit drops its selection; the Across list then starts afresh.
    if (FocusList == 2 && DownListIndex >= 0 && DownListIndex <= 49) {
        List2->deselect(DownListIndex);
        for (int cell = 0; cell <= GridLastCell && cell < kCells; ++cell) {
            if (cellColour(cell) == ColorNumber::palette(11)) {
                paintCell(cell, ColorNumber::palette(15));
            }
        }
        DownListIndex = kFreshPuzzle;
        SelectedDirection = 0;
        Command4->setEnabled(false);
        mOWH->setEnabled(false);
    }
    showHint("Exit Button");
}

void CrosswordWindow::connectHandlers() {
    connect(Command1, &QPushButton::clicked, this, &CrosswordWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &CrosswordWindow::ExitCommand);
    connect(Command3, &QPushButton::clicked, this, &CrosswordWindow::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &CrosswordWindow::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &CrosswordWindow::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &CrosswordWindow::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &CrosswordWindow::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &CrosswordWindow::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &CrosswordWindow::Command9_Click);
    connect(Command10, &QPushButton::clicked, this, &CrosswordWindow::Command10_Click);
    connect(Command11, &QPushButton::clicked, this, [this] {
        ResetPuzzleState();
        close();
    });
    connect(Command3D1, &QPushButton::clicked, this, &CrosswordWindow::Command3D1_Click);
    Command3D1->installEventFilter(this);
    for (int index : {0, 1}) {
        connect(Option3D2[std::size_t(index)], &QRadioButton::clicked, this,
                [this, index] { Option3D2_Click(index); });
    }
    connect(List1, &ListBox::clicked, this, [this] { ShowClue(1); });
    connect(List2, &ListBox::clicked, this, [this] { ShowClue(2); });
    connect(List1, &ListBox::keyTyped, this, [this](int code) { ListKeyPress(1, code); });
    connect(List2, &ListBox::keyTyped, this, [this](int code) { ListKeyPress(2, code); });
    for (int cell = 0; cell < kCells; ++cell) {
        connect(Panel3D14[std::size_t(cell)], &Panel3D::clicked, this,
                [this, cell] { CellClick(cell); });
    }
}

void CrosswordWindow::connectFocusHandlers() {
    FocusMoves& moves = focusMoves();
    moves.onGotFocus(Command1, [this] { Command1_GotFocus(); });
    moves.onLostFocus(Command1, [this] {
        for (Panel3D* result : {Panel3D19, Panel3D20, Panel3D21}) {
            result->hide();
        }
    });
    moves.onGotFocus(Command2, [this] { Command2_GotFocus(); });
    moves.onGotFocus(Command3, [this] { showHint("Check Button"); });
    moves.onGotFocus(Command4, [this] {
        showHint(Command4->text() == "&Word Help Op" ? "Word Help Option" : "Word Help");
    });
    moves.onGotFocus(Command5, [this] {
        // Tab moves only among the buttons of the several-puzzles panel.
        ClearTabStops();
        for (QPushButton* command : {Command5, Command6, Command10, Command11}) {
            setInTabOrder(command, true);
        }
    });
    moves.onGotFocus(Command7, [this] {
        // Tab moves only within the Word Help Option panel.
        ClearTabStops();
        for (QPushButton* command : {Command7, Command8, Command9}) {
            setInTabOrder(command, true);
        }
    });
    for (std::size_t index : {0u, 1u}) {
        moves.onGotFocus(Option3D1[index], [this] { showHint("Puzzle Subjects"); });
        moves.onGotFocus(Option3D2[index], [this] { showHint("Puzzle Level"); });
    }
    moves.onGotFocus(List1, [this] { List1_GotFocus(); });
    moves.onGotFocus(List2, [this] { List2_GotFocus(); });
    moves.onGotFocus(Command3D1, [this] { Command3D1_GotFocus(); });

    // The tab order: the clue lists lead to the exit and the check, as entering words needs.
    QWidget* const chain[] = {List1,        List2,    Command2,     Command3,
                              Command4,     Command1, Option3D1[1], Option3D2[0],
                              Option3D2[1], Command5, Command6,     Command10,
                              Command11,    Command8, Command9,     Command7};
    for (std::size_t i = 1; i < std::size(chain); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
    // Between puzzles the clue lists have nothing to offer to Tab.
    setInTabOrder(List1, false);
    setInTabOrder(List2, false);
}

void CrosswordWindow::attachPopupToControls() {
    // The right button over the clue lists pops up the options menu too; the toolbars and the
    // status bar keep it to themselves.
    attachOptionsPopup(List1->viewport());
    attachOptionsPopup(List2->viewport());
    for (QWidget* bar : std::initializer_list<QWidget*>{Toolbar1, Toolbar2, Toolbar3, StatusBar1}) {
        bar->setAttribute(Qt::WA_NoMousePropagation);
    }
}

bool CrosswordWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Command3D1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::ShiftModifier &&
            (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            Command3D1_KeyDown(*key);
            return true;
        }
        // Tab moves the focus on; Enter and Esc have pressed their buttons before coming here.
        if (!key->text().isEmpty() && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) {
            TypeLetter(key->text().at(0).unicode());
            return true;
        }
    }
    return ActivityWindow::eventFilter(watched, event);
}

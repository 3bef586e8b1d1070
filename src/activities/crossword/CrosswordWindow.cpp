// The crossword window: load, activation, exits, and the procedures that move it between states.
#include "CrosswordWindow.h"

#include "ColorNumber.h"
#include "FocusMoves.h"
#include "GuardedStretch.h"
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
    windowKeys().setDefaultButton(startButton);
    windowKeys().setCancelButton(exitButton);
    connectHandlers();
    connectFocusHandlers();
    attachPopupToControls();
    checkStretch_ = new GuardedStretch(*this);
    resize(Twips::toPixels(kDesignedWidth, kDesignedHeight));
    Form_Load();
}

CrosswordWindow::~CrosswordWindow() = default;

QWidget* CrosswordWindow::mainPanel() const {
    return mainPanelFrame;
}

void CrosswordWindow::Form_Load() {
    LoadFormServices();
    program_.NextActivity = 0;
    program_.PrintSettings.PrintFontUnderline = false;
    program_.PrintSettings.PrintFontStrikethru = false;
    subjectOptions[1]->setChecked(true);
    PuzzleSubject = 1;
    ResetPuzzleState();
    WordHelpLimit = WordHelpCount::kAtOpening;
    ShowResultPanels();
    for (Panel3D* gauge : resultGauges) {
        gauge->hide();
    }
    EntryLock = 1;
    PuzzleNo = 0;
    for (int cell = 0; cell < kCells; ++cell) {
        QLabel* letter = cellLetters[std::size_t(cell)];
        setLetterColour(cell, ColorNumber::palette(1));
        letter->move(letter->x(), Twips::toPixels(130));
        cellPanels[std::size_t(cell)]->setVisible(cell <= 103);
    }
    FocusList = 0;
    choicePanel->setCaption(kChoiceCaption);
    const QColor face = ColorNumber::toColor(ColorNumber::kButtonFace);
    for (Panel3D* panel :
         {contentPanel,     clueStrip,        framingPanels[0],    framingPanels[1],
          framingPanels[2], framingPanels[3], framingPanels[4],    framingPanels[5],
          framingPanels[6], mainPanelFrame,   levelPanel,          commandPanel,
          subjectPanel,     choicePanel,      wordHelpOptionPanel, informationPanel,
          correctResult,    wrongResult,      blankResult,         wordHelpLimitPanel}) {
        panel->setBackColour(face);
    }
    showStatus("Click Start to begin this activity");
    // The first activation gives the focus to "&Start".
    startButton->setFocus(Qt::OtherFocusReason);
}

void CrosswordWindow::Form_Activate() {
    ActivateFormServices();
    // Laid out once per opening: a later activation must not wipe a puzzle in play.
    if (!gridLaidOut_) {
        gridLaidOut_ = true;
        LayoutGrid(0);
    }
    const QSize area = gridPanels[1]->size();
    smilingFacePanel->move(area.width() / 2 - smilingFacePanel->width() / 2,
                           area.height() / 2 - smilingFacePanel->height() / 2);
    if (startButton->isVisible()) {
        startButton->setFocus(Qt::OtherFocusReason);
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
    if (wordHelpOptionPanel->isVisible()) {
        wordHelpOkButton->setFocus(Qt::OtherFocusReason);
        DeselectClues();
    } else if (choicePanel->isVisible() && usePuzzleButton->isEnabled()) {
        usePuzzleButton->setFocus(Qt::OtherFocusReason);
        DeselectClues();
    } else if (startButton->isEnabled()) {
        startButton->setFocus(Qt::OtherFocusReason);
    }
}

void CrosswordWindow::ResetAfterPuzzle() {
    startButton->setEnabled(true);
    setRevealOffered(false);
    wordHelpOptionAction->setVisible(true);
    wordHelpAction->setVisible(false);
    nextAction->setEnabled(true);
    startButton->setFocus(Qt::OtherFocusReason);
    subjectFrame->setEnabled(true);
    levelFrame->setEnabled(true);
    wordHelpButton->setText("&Word Help Op");
    wordHelpButton->setEnabled(true);
    wordHelpAction->setEnabled(true);
    levelMenu->menuAction()->setEnabled(true);
    wordHelpOptionAction->setEnabled(true);
    FocusList = 0;
    SetMainTabStops();
    setInTabOrder(acrossList, false);
    setInTabOrder(downList, false);
    setCheckOffered(false);
    nextPuzzleAction->setEnabled(false);
    usePuzzleAction->setEnabled(false);
}

void CrosswordWindow::setInTabOrder(QWidget* control, bool inTabOrder) {
    control->setFocusPolicy(inTabOrder ? Qt::StrongFocus : Qt::ClickFocus);
}

void CrosswordWindow::ClearTabStops() {
    for (QPushButton* command :
         {startButton, exitButton, checkButton, wordHelpButton, usePuzzleButton, nextPuzzleButton,
          wordHelpOkButton, increaseButton, decreaseButton, wordHelpOptionButton,
          exitActivityButton}) {
        setInTabOrder(command, false);
    }
    if (EntryLock != 2) {
        subjectFrame->setEnabled(false);
        levelFrame->setEnabled(false);
    }
    setInTabOrder(acrossList, false);
    setInTabOrder(downList, false);
}

void CrosswordWindow::SetClueTabStops() {
    for (QWidget* control :
         std::initializer_list<QWidget*>{acrossList, downList, exitButton, checkButton}) {
        setInTabOrder(control, true);
    }
}

void CrosswordWindow::SetMainTabStops() {
    for (QPushButton* command : {startButton, exitButton, checkButton, wordHelpButton}) {
        setInTabOrder(command, true);
    }
}

void CrosswordWindow::showHint(const QString& hint) {
    informationPanel->setCaption(hint);
}

void CrosswordWindow::ShowStartHint() {
    if (EntryLock == 2) {
        EntryLock = 1;
    }
    showHint(startButton->text() == "&Start" ? "Information Panel" : "Next Puzzle Button");
}

void CrosswordWindow::ShowExitHint() {
    // Leaving the Down list for the exit drops its selection; the Across list then starts afresh.
    if (FocusList == 2 && DownListIndex >= 0 && DownListIndex <= 49) {
        downList->deselect(DownListIndex);
        for (int cell = 0; cell <= GridLastCell && cell < kCells; ++cell) {
            if (cellColour(cell) == ColorNumber::palette(11)) {
                paintCell(cell, ColorNumber::palette(15));
            }
        }
        DownListIndex = kFreshPuzzle;
        SelectedDirection = 0;
        wordHelpButton->setEnabled(false);
        wordHelpAction->setEnabled(false);
    }
    showHint("Exit Button");
}

void CrosswordWindow::connectHandlers() {
    connect(startButton, &QPushButton::clicked, this, &CrosswordWindow::StartNewPuzzle);
    connect(exitButton, &QPushButton::clicked, this, &CrosswordWindow::ExitCommand);
    connect(checkButton, &QPushButton::clicked, this, &CrosswordWindow::CheckWords);
    connect(wordHelpButton, &QPushButton::clicked, this, &CrosswordWindow::GiveWordHelp);
    connect(usePuzzleButton, &QPushButton::clicked, this, &CrosswordWindow::UsePuzzle);
    connect(nextPuzzleButton, &QPushButton::clicked, this, &CrosswordWindow::DrawAnotherPuzzle);
    connect(wordHelpOkButton, &QPushButton::clicked, this, &CrosswordWindow::CloseWordHelpOption);
    connect(increaseButton, &QPushButton::clicked, this, &CrosswordWindow::IncreaseWordHelpLimit);
    connect(decreaseButton, &QPushButton::clicked, this, &CrosswordWindow::DecreaseWordHelpLimit);
    connect(wordHelpOptionButton, &QPushButton::clicked, this,
            &CrosswordWindow::ToggleWordHelpOption);
    connect(exitActivityButton, &QPushButton::clicked, this, [this] {
        ResetPuzzleState();
        close();
    });
    connect(entryBox, &QPushButton::clicked, this, &CrosswordWindow::SubmitEntry);
    entryBox->installEventFilter(this);
    for (int index : {0, 1}) {
        connect(levelOptions[std::size_t(index)], &QRadioButton::clicked, this,
                [this, index] { ChooseLevel(index); });
    }
    connect(acrossList, &ListBox::clicked, this, [this] { ShowClue(1); });
    connect(downList, &ListBox::clicked, this, [this] { ShowClue(2); });
    connect(acrossList, &ListBox::keyTyped, this,
            [this](int code) { TakeKeyFromClueList(1, code); });
    connect(downList, &ListBox::keyTyped, this, [this](int code) { TakeKeyFromClueList(2, code); });
    for (int cell = 0; cell < kCells; ++cell) {
        connect(cellPanels[std::size_t(cell)], &Panel3D::clicked, this,
                [this, cell] { CellClick(cell); });
    }
}

void CrosswordWindow::connectFocusHandlers() {
    FocusMoves& moves = focusMoves();
    moves.onGotFocus(startButton, [this] { ShowStartHint(); });
    moves.onLostFocus(startButton, [this] {
        for (Panel3D* result : {correctResult, wrongResult, blankResult}) {
            result->hide();
        }
    });
    moves.onGotFocus(exitButton, [this] { ShowExitHint(); });
    moves.onGotFocus(checkButton, [this] { showHint("Check Button"); });
    moves.onGotFocus(wordHelpButton, [this] {
        showHint(wordHelpButton->text() == "&Word Help Op" ? "Word Help Option" : "Word Help");
    });
    moves.onGotFocus(usePuzzleButton, [this] {
        // Tab moves only among the buttons of the several-puzzles panel.
        ClearTabStops();
        for (QPushButton* command :
             {usePuzzleButton, nextPuzzleButton, wordHelpOptionButton, exitActivityButton}) {
            setInTabOrder(command, true);
        }
    });
    moves.onGotFocus(wordHelpOkButton, [this] {
        // Tab moves only within the Word Help Option panel.
        ClearTabStops();
        for (QPushButton* command : {wordHelpOkButton, increaseButton, decreaseButton}) {
            setInTabOrder(command, true);
        }
    });
    for (std::size_t index : {0u, 1u}) {
        moves.onGotFocus(subjectOptions[index], [this] { showHint("Puzzle Subjects"); });
        moves.onGotFocus(levelOptions[index], [this] { showHint("Puzzle Level"); });
    }
    moves.onGotFocus(acrossList, [this] { ShowAcrossClueOnFocus(); });
    moves.onGotFocus(downList, [this] { ShowDownClueOnFocus(); });
    moves.onGotFocus(entryBox, [this] { TypePendingKey(); });

    // The tab order: the clue lists lead to the exit and the check, as entering words needs.
    QWidget* const chain[] = {
        acrossList,         downList,        exitButton,        checkButton,
        wordHelpButton,     startButton,     subjectOptions[1], levelOptions[0],
        levelOptions[1],    usePuzzleButton, nextPuzzleButton,  wordHelpOptionButton,
        exitActivityButton, increaseButton,  decreaseButton,    wordHelpOkButton};
    for (std::size_t i = 1; i < std::size(chain); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
    // Between puzzles the clue lists have nothing to offer to Tab.
    setInTabOrder(acrossList, false);
    setInTabOrder(downList, false);
}

void CrosswordWindow::attachPopupToControls() {
    // The right button over the clue lists pops up the options menu too; the toolbars and the
    // status bar keep it to themselves.
    attachOptionsPopup(acrossList->viewport());
    attachOptionsPopup(downList->viewport());
    for (QWidget* bar :
         std::initializer_list<QWidget*>{toolbar, leftToolbar, rightToolbar, statusPanels}) {
        bar->setAttribute(Qt::WA_NoMousePropagation);
    }
}

bool CrosswordWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == entryBox && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::ShiftModifier &&
            (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            MoveThroughClues(*key);
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

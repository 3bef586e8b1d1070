// The hangman window: load, activation, exits, the panel colour, and showing the game's board.
#include "HangmanWindow.h"

#include "Announcement.h"
#include "ColorNumber.h"
#include "Command3D.h"
#include "ElasticResizer.h"
#include "GuardedStretch.h"
#include "LineControl.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "ShapeControl.h"
#include "StatusBar.h"
#include "Toolbar.h"
#include "Twips.h"
#include "TypedKey.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

ActivityConstants hangmanConstants() {
    ActivityConstants constants = ActivityConstants::game(4, 2005);
    constants.restoreOffset = -45;
    return constants;
}

// The design's client area.
constexpr int kDesignedWidth = 11910;
constexpr int kDesignedHeight = 8100;

// The figure's pieces by stage.
const std::vector<std::vector<int>> kStagePieces = {
    {}, {5}, {6, 7}, {8}, {9}, {10}, {11, 13}, {12, 14}, {15, 17, 19}, {16, 18, 20}};

} // namespace

HangmanWindow::HangmanWindow(Services& services)
    : ActivityWindow(services, hangmanConstants(), kCaption), game_(program_, services, *this) {
    setObjectName("Hangman");
    buildControls();
    buildMenus();
    buildSideToolbar();
    attachPopupToControls();
    stretch_ = new GuardedStretch(*this);

    colours_ = std::make_unique<PanelColours>(services_, "Save changes made to Panel Color?");
    colours_->add({"Panel Color",
                   {boardPanel, figurePanel, grave, gallowsArea, ropeStrip, mainPanelGround},
                   SettingsFile::GColor2,
                   kColourRecord,
                   kUnusableRecordColour,
                   [this] { return std::optional<QColor>(gallowsPost->fillColour()); }});

    connect(levelOptions_, &OptionGroup::clicked, this, &HangmanWindow::ChooseWordLevel);
    connect(orderOptions_, &OptionGroup::clicked, this, &HangmanWindow::ChooseDisplayOrder);
    connect(startButton, &QPushButton::clicked, this, &HangmanWindow::StartNextWord);
    connect(exitButton, &QPushButton::clicked, this, &HangmanWindow::ExitCommand);
    connect(levelDescriptionPanel, &Panel3D::clicked, this, [this] {
        game_.HideLevelDescription();
        showBoard();
    });
    for (int i = 0; i < HangmanBoard::kLetters; ++i) {
        connect(letterButtons[std::size_t(i)], &QPushButton::clicked, this,
                [this, i] { GuessLetter(i); });
    }
    // The window sees typed letters before its controls.
    QApplication::instance()->installEventFilter(this);

    // The design's client area holds the toolbar and the status bar at their designed heights
    // and lies below the menu bar; a Qt window holds the menu bar inside it and draws the bars
    // taller, so it grows by the difference and the board keeps its designed room.
    const int taller = menuBar()->sizeHint().height() +
                       std::max(0, toolbar->sizeHint().height() - Twips::toPixels(600)) +
                       std::max(0, statusPanels->sizeHint().height() - Twips::toPixels(255));
    resize(Twips::toPixels(kDesignedWidth, kDesignedHeight) + QSize(0, taller));
    Form_Load();
}

HangmanWindow::~HangmanWindow() {
    QApplication::instance()->removeEventFilter(this);
}

QWidget* HangmanWindow::mainPanel() const {
    return mainPanelGround;
}

void HangmanWindow::Form_Load() {
    LoadFormServices();
    colours_->LoadPanelColour();
    // The rope strip belongs to both groups: after a load it shows the system colour.
    const QColor system = systemDefaultColour();
    for (Panel3D* panel : {keyboardPanel, wordLevelPanel, gallowsPlatform, winBanner, displayPanel,
                           wordsCorrectCount, wordsCorrectBox, wordsWrongBox, wordsWrongCount,
                           levelDescriptionPanel, checkedLetterPanel, ropeStrip, messagePanel}) {
        panel->setBackColour(system);
    }
    levelOptions_->select(0);
    orderOptions_->select(0);
    game_.LoadWords();
    const QColor slotColour = palette().color(QPalette::Base);
    for (Panel3D* slot : letterSlots) {
        slot->setBackColour(slotColour);
    }
    program_.PrintSettings.PrintFontUnderline = false;
    program_.PrintSettings.PrintFontStrikethru = false;
    showBoard();
    program_.NormalPointer();
}

void HangmanWindow::ExitCommand() {
    close();
}

bool HangmanWindow::ExitQuestions() {
    colours_->PromptSaveColours();
    return true;
}

void HangmanWindow::Form_Unload() {
    game_.ResetHangmanState();
}

void HangmanWindow::ChooseColour() {
    showStatus("Panel Color");
    colours_->ChooseColour(0);
    showStatus(windowTitle());
}

void HangmanWindow::StartNextWord() {
    runGuarded([this] { game_.StartNextWord(); });
}

void HangmanWindow::GuessLetter(int index) {
    runGuarded([this, index] { game_.GuessLetter(index); });
}

void HangmanWindow::runGuarded(const std::function<void()>& step) {
    stretch_->run([this, &step] {
        step();
        showBoard();
    });
}

bool HangmanWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isActiveWindow()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        const bool plain =
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
        const int code = typedCharacterCode(*key);
        if (plain && widget != nullptr && (widget == this || isAncestorOf(widget)) && code >= 'a' &&
            code <= 'z') {
            runGuarded([this, code] { game_.KeyToLetter(code); });
            return true;
        }
    }
    return ActivityWindow::eventFilter(watched, event);
}

void HangmanWindow::showBoard() {
    const HangmanBoard& board = game_.board;
    messagePanel->setCaption(board.message);
    messagePanel->setForeColour(ColorNumber::palette(board.messageColour));
    // Shown before its letter changes: the letter is told after "CHECKING FOR".
    checkedLetterPanel->setVisible(board.checkedLetterVisible);
    checkedLetterPanel->setCaption(board.checkedLetter);
    checkedLetterPanel->setForeColour(ColorNumber::palette(board.checkedLetterColour));
    for (std::size_t i = 0; i < letterSlots.size(); ++i) {
        letterSlots[i]->setCaption(board.slotText[i]);
        letterSlots[i]->setForeColour(ColorNumber::palette(board.slotColour[i]));
        letterSlots[i]->setVisible(board.slotVisible[i]);
    }
    for (std::size_t i = 0; i < letterButtons.size(); ++i) {
        letterButtons[i]->setEnabled(board.letterEnabled[i]);
        letterButtons[i]->setForeColour(ColorNumber::palette(board.letterColour[i]));
    }
    int stagesShown = 0;
    for (int stage = 1; stage <= HangmanBoard::kStages; ++stage) {
        const bool shown = board.stageVisible[std::size_t(stage)];
        stagesShown += shown ? 1 : 0;
        for (const int piece : kStagePieces[std::size_t(stage)]) {
            figurePieces[std::size_t(piece)]->setVisible(shown);
        }
    }
    // Each miss draws a stage: the figure is read by the misses it shows.
    figurePanel->setAccessibleDescription(
        QString("%1 of %2 misses").arg(stagesShown).arg(HangmanBoard::kStages));
    for (QWidget* gallows :
         std::initializer_list<QWidget*>{gallowsPost, gallowsBeam, gallowsHook, gallowsPlatform}) {
        gallows->setVisible(board.gallowsVisible);
    }
    grave->setVisible(board.graveVisible);
    const bool bannerComing = board.bannerVisible && !winBanner->isVisible();
    winBanner->setCaption(board.bannerText);
    winBanner->setVisible(board.bannerVisible);
    if (bannerComing) {
        Announcement::announce(*winBanner, winBanner->shownText());
    }
    ropeStrip->setVisible(board.ropeVisible);
    // The figure and the rope are placed in design twips, scaled as the board is.
    const QSizeF scale = resizer->factors(*figurePanel);
    figurePanel->move(int(gallowsArea->width() * 0.375),
                      Twips::toPixels(board.figureTop * scale.height()));
    rope->setEnds(kRopeLeft * scale.width(), 0, kRopeLeft * scale.width(),
                  board.ropeEnd * scale.height());
    levelDescriptionPanel->setCaption(board.levelDescription);
    levelDescriptionPanel->setVisible(board.levelDescriptionVisible);
    wordsCorrectCount->setCaption(QString::number(board.wordsCorrect));
    wordsWrongCount->setCaption(QString::number(board.wordsWrong));
    startButton->setText(board.startCaption);
    startButton->setEnabled(board.startEnabled);
    startAction->setVisible(board.menuStartVisible);
    nextAction->setVisible(board.menuNextVisible);
    nextAction->setEnabled(board.menuNextEnabled);
    displayFrame->setEnabled(board.optionsEnabled);
    wordLevelFrame->setEnabled(board.optionsEnabled);
    wordLevelMenu->menuAction()->setEnabled(board.optionsEnabled);
    displayMenu->menuAction()->setEnabled(board.optionsEnabled);
}

void HangmanWindow::yield() {
    showBoard();
    QCoreApplication::processEvents();
}

void HangmanWindow::paintNow() {
    showBoard();
    centralWidget()->repaint();
}

void HangmanWindow::focusFigure() {
    figurePanel->setFocus(Qt::OtherFocusReason);
}

void HangmanWindow::focusStart() {
    showBoard();
    if (startButton->isEnabled()) {
        startButton->setFocus(Qt::OtherFocusReason);
    }
}

void HangmanWindow::showCaption() {
    showStatus(windowTitle());
}

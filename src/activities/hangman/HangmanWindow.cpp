// The hangman window: load, activation, exits, the panel colour, and showing the game's board.
#include "HangmanWindow.h"

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
                   {Panel3D1, SSPanel1, SSPanel4, SSPanel7, SSPanel18, SSPanel19},
                   SettingsFile::GColor2,
                   kColourRecord,
                   kUnusableRecordColour,
                   [this] { return std::optional<QColor>(Shape1->fillColour()); }});

    connect(levelOptions_, &OptionGroup::clicked, this, &HangmanWindow::ChooseWordLevel);
    connect(orderOptions_, &OptionGroup::clicked, this, &HangmanWindow::ChooseDisplayOrder);
    connect(Command2, &QPushButton::clicked, this, &HangmanWindow::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &HangmanWindow::ExitCommand);
    connect(SSPanel15, &Panel3D::clicked, this, [this] {
        game_.HideLevelDescription();
        showBoard();
    });
    for (int i = 0; i < HangmanBoard::kLetters; ++i) {
        connect(SSCommand1[std::size_t(i)], &QPushButton::clicked, this,
                [this, i] { SSCommand1_Click(i); });
    }
    // The window sees typed letters before its controls.
    QApplication::instance()->installEventFilter(this);

    // The design's client area holds the toolbar and the status bar at their designed heights
    // and lies below the menu bar; a Qt window holds the menu bar inside it and draws the bars
    // taller, so it grows by the difference and the board keeps its designed room.
    const int taller = menuBar()->sizeHint().height() +
                       std::max(0, Toolbar1->sizeHint().height() - Twips::toPixels(600)) +
                       std::max(0, StatusBar1->sizeHint().height() - Twips::toPixels(255));
    resize(Twips::toPixels(kDesignedWidth, kDesignedHeight) + QSize(0, taller));
    Form_Load();
}

HangmanWindow::~HangmanWindow() {
    QApplication::instance()->removeEventFilter(this);
}

QWidget* HangmanWindow::mainPanel() const {
    return SSPanel19;
}

void HangmanWindow::Form_Load() {
    LoadFormServices();
    colours_->LoadPanelColour();
    // The rope strip belongs to both groups: after a load it shows the system colour.
    const QColor system = systemDefaultColour();
    for (Panel3D* panel : {Panel3D6, Panel3D13, SSPanel2, SSPanel10, SSPanel11, SSPanel12, SSPanel9,
                           SSPanel13, SSPanel14, SSPanel15, SSPanel16, SSPanel18, SSPanel8}) {
        panel->setBackColour(system);
    }
    levelOptions_->select(0);
    orderOptions_->select(0);
    game_.LoadWords();
    const QColor slotColour = palette().color(QPalette::Base);
    for (Panel3D* slot : SSPanel3) {
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

void HangmanWindow::Command2_Click() {
    runGuarded([this] { game_.StartNextWord(); });
}

void HangmanWindow::SSCommand1_Click(int index) {
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
    SSPanel8->setCaption(board.message);
    SSPanel8->setForeColour(ColorNumber::palette(board.messageColour));
    SSPanel16->setCaption(board.checkedLetter);
    SSPanel16->setForeColour(ColorNumber::palette(board.checkedLetterColour));
    SSPanel16->setVisible(board.checkedLetterVisible);
    for (std::size_t i = 0; i < SSPanel3.size(); ++i) {
        SSPanel3[i]->setCaption(board.slotText[i]);
        SSPanel3[i]->setForeColour(ColorNumber::palette(board.slotColour[i]));
        SSPanel3[i]->setVisible(board.slotVisible[i]);
    }
    for (std::size_t i = 0; i < SSCommand1.size(); ++i) {
        SSCommand1[i]->setEnabled(board.letterEnabled[i]);
        SSCommand1[i]->setForeColour(ColorNumber::palette(board.letterColour[i]));
    }
    for (int stage = 1; stage <= HangmanBoard::kStages; ++stage) {
        for (const int piece : kStagePieces[std::size_t(stage)]) {
            Shape[std::size_t(piece)]->setVisible(board.stageVisible[std::size_t(stage)]);
        }
    }
    for (QWidget* gallows : std::initializer_list<QWidget*>{Shape1, Shape2, Shape3, SSPanel2}) {
        gallows->setVisible(board.gallowsVisible);
    }
    SSPanel4->setVisible(board.graveVisible);
    SSPanel10->setCaption(board.bannerText);
    SSPanel10->setVisible(board.bannerVisible);
    SSPanel18->setVisible(board.ropeVisible);
    // The figure and the rope are placed in design twips, scaled as the board is.
    const QSizeF scale = vsElasticLight1->factors(*SSPanel1);
    SSPanel1->move(int(SSPanel7->width() * 0.375),
                   Twips::toPixels(board.figureTop * scale.height()));
    Line1->setEnds(kRopeLeft * scale.width(), 0, kRopeLeft * scale.width(),
                   board.ropeEnd * scale.height());
    SSPanel15->setCaption(board.levelDescription);
    SSPanel15->setVisible(board.levelDescriptionVisible);
    SSPanel12->setCaption(QString::number(board.wordsCorrect));
    SSPanel14->setCaption(QString::number(board.wordsWrong));
    Command2->setText(board.startCaption);
    Command2->setEnabled(board.startEnabled);
    mOS->setVisible(board.menuStartVisible);
    mON->setVisible(board.menuNextVisible);
    mON->setEnabled(board.menuNextEnabled);
    Frame1->setEnabled(board.optionsEnabled);
    Frame3D1->setEnabled(board.optionsEnabled);
    mOW->menuAction()->setEnabled(board.optionsEnabled);
    mOH->menuAction()->setEnabled(board.optionsEnabled);
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
    SSPanel1->setFocus(Qt::OtherFocusReason);
}

void HangmanWindow::focusStart() {
    showBoard();
    if (Command2->isEnabled()) {
        Command2->setFocus(Qt::OtherFocusReason);
    }
}

void HangmanWindow::showCaption() {
    showStatus(windowTitle());
}

// The matching window: load, activation, exit, the panel colour and the cards' access keys.
#include "MatchingWindow.h"

#include "FamilyNamesFile.h"
#include "GuardedStretch.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "SpaceIgnoredWhile.h"
#include "StatusBar.h"
#include "Toolbar.h"
#include "Twips.h"
#include "WindowKeys.h"

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

ActivityConstants matchingConstants(bool levelOne) {
    // Only the level's own button is disabled: the other level opens from here.
    return ActivityConstants::game(levelOne ? 6 : 7, MatchingWindow::kHelpContext, {});
}

// The design's client area.
constexpr int kDesignedWidth = 11910;
constexpr int kDesignedHeight = 8805;

} // namespace

MatchingWindow::MatchingWindow(Services& services)
    : ActivityWindow(services, matchingConstants(services.program.MatchLevelOne == 1),
                     "Matching Game - Level 2"),
      game_(services.random), levelOne_(services.program.MatchLevelOne == 1) {
    setObjectName("Form3");
    game_.setLevelOne(levelOne_);
    buildControls();
    buildMenus();
    buildSideToolbar();
    attachPopupToControls();
    stretch_ = new GuardedStretch(*this);
    windowKeys().setCancelButton(exitButton);
    // The second card of a pair moves the focus to Exit: a Space there must not end the game.
    new SpaceIgnoredWhile(*exitButton, [this] { return playing_; });

    colours_ = std::make_unique<PanelColours>(services_, "Save changes made to Panel Color?");
    colours_->add({"Panel Color",
                   {cardArea, gamePanel, commandPanel, reportPanel},
                   SettingsFile::GColor1,
                   kColourRecord,
                   kFallbackColour});

    connect(startButton, &QPushButton::clicked, this, &MatchingWindow::StartMatchingGame);
    connect(exitButton, &QPushButton::clicked, this, &MatchingWindow::ExitCommand);
    connect(reportButton, &QPushButton::clicked, this, &MatchingWindow::ShowPerformanceReport);
    connect(closeReportButton, &QPushButton::clicked, this, &MatchingWindow::CloseReport);
    for (int i = 0; i < MatchingGame::kCards; ++i) {
        connect(cardButtons[std::size_t(i)], &QPushButton::clicked, this,
                [this, i] { TurnCard(i); });
    }
    connect(playerOptions_, &OptionGroup::clicked, this, &MatchingWindow::SetPlayers);
    connect(exchangeOptions_, &OptionGroup::clicked, this, &MatchingWindow::SetExchangeMode);
    connect(sourceOptions_, &OptionGroup::clicked, this, [this](int index) {
        // The load selects Pictures itself and sets the guard first: that click does nothing.
        if (program_.SharedText == "2") {
            program_.SharedText.clear();
            return;
        }
        SetCardSource(index);
    });

    // The menu bar and the taller bars of Qt come on top of the designed client area.
    const int taller = menuBar()->sizeHint().height() +
                       std::max(0, toolbar->sizeHint().height() - Twips::toPixels(600)) +
                       std::max(0, statusPanels->sizeHint().height() - Twips::toPixels(255));
    resize(Twips::toPixels(kDesignedWidth, kDesignedHeight) + QSize(0, taller));
    QApplication::instance()->installEventFilter(this);
    Form_Load();
}

MatchingWindow::~MatchingWindow() {
    QApplication::instance()->removeEventFilter(this);
}

QWidget* MatchingWindow::mainPanel() const {
    return gamePanel;
}

void MatchingWindow::Form_Load() {
    LoadFormServices();
    program_.SharedText.clear();
    ResetMatchingState();
    game_.PlayerCount = 1;
    game_.CurrentPlayer = 1;
    game_.ExchangeMode = MatchingGame::Exchange::None;
    game_.PairsFound = 0;
    game_.MatchCardSource = MatchingGame::Source::Computer;
    colours_->LoadPanelColour();
    CardPass();
    playerOptions_->select(0);
    exchangeOptions_->select(0);
    playerBoxes[0]->show();
    program_.SharedText = "2";
    sourceOptions_->select(2);
    SetCardSource(2);
    if (levelOne_) {
        LayoutLevel1Cards();
    } else {
        PlaceCommandPanel();
    }
    const QColor inner = innerColourSample->palette().color(QPalette::Window);
    for (Panel3D* panel :
         {messagePanel, playersPanel, playerCountPanel, exchangePanel, filesPanel, accuracyGauge}) {
        panel->setBackColour(inner);
    }
    for (Panel3D* panel : playerBoxes) {
        panel->setBackColour(inner);
    }
    for (Panel3D* panel : scores) {
        panel->setBackColour(inner);
    }
    program_.PrintSettings.PrintFontUnderline = false;
    program_.PrintSettings.PrintFontStrikethru = false;
}

void MatchingWindow::ResetMatchingState() {
    game_.ResetMatchingState();
    program_.SharedText.clear();
    program_.SignalValue = 0;
    CardCaption = {};
    MessageColour = 0;
    playing_ = false;
}

void MatchingWindow::Form_Activate() {
    ActivateFormServices();
    ActivationLayout();
    gamePanel->show();
    enableFamilySource();
    program_.NormalPointer();
}

void MatchingWindow::enableFamilySource() {
    // A damaged file reads as far as its records hold, an unreadable one as empty names.
    if (!FamilyNamesFile::read(services_.folder).value(0).isEmpty()) {
        cardSourceOptions[0]->setEnabled(true);
        familyFilesAction->setEnabled(true);
    }
}

void MatchingWindow::FocusStartButton() {
    if (startButton->isVisible() && startButton->isEnabled()) {
        startButton->setFocus(Qt::OtherFocusReason);
    }
}

void MatchingWindow::ExitCommand() {
    close();
}

bool MatchingWindow::ExitQuestions() {
    colours_->PromptSaveColours();
    return true;
}

void MatchingWindow::Form_Unload() {
    ResetMatchingState();
    program_.MatchLevelOne = 0;
}

void MatchingWindow::ChooseColour() {
    showStatus("Panel Color");
    colours_->ChooseColour(0);
    showStatus(windowTitle());
}

void MatchingWindow::ShowFamilyNamesEntry() {
    program_.BusyPointer();
    ShowWindowOverSelf(16);
}

int MatchingWindow::cardForAccessKey(int key) const {
    int card = -1;
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        card = key - Qt::Key_A;
    } else if (key >= Qt::Key_1 && key <= Qt::Key_9) {
        card = 26 + key - Qt::Key_1;
    } else if (key == Qt::Key_0) {
        card = 35;
    }
    if (card < 0 || card >= game_.cardCount() || !playing_) {
        return -1;
    }
    const QPushButton* button = cardButtons[std::size_t(card)];
    return button->isVisible() && button->isEnabled() ? card : -1;
}

bool MatchingWindow::eventFilter(QObject* watched, QEvent* event) {
    // Alt with a card's letter turns that card while it can be turned, even where a menu of the
    // window has the same access key ("&Options", "&Help"); otherwise the key goes on to them.
    const QEvent::Type type = event->type();
    if ((type != QEvent::ShortcutOverride && type != QEvent::KeyPress) || stretch_->running()) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || (widget != this && !isAncestorOf(widget))) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) !=
        Qt::AltModifier) {
        return false;
    }
    const int card = cardForAccessKey(key->key());
    if (card < 0) {
        return false;
    }
    event->accept();
    if (type == QEvent::KeyPress) {
        TurnCard(card);
    }
    return true;
}

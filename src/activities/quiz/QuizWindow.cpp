// The quiz window: opening with its question files, load, activation, exits and the panel colour.
#include "QuizWindow.h"

#include "OptionGroup.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "SpaceIgnoredWhile.h"
#include "StatusBar.h"
#include "Toolbar.h"
#include "Twips.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

constexpr int kDesignedWidth = 11910;
constexpr int kDesignedHeight = 8205;

} // namespace

std::unique_ptr<QuizWindow> QuizWindow::open(Services& services) {
    std::optional<QuestionBanks> banks =
        loadQuestionBanks([&services](const QString& name) { return services.folder.file(name); });
    if (!banks) {
        services.program.ActivityLoadErrorMessage();
        return nullptr;
    }
    return std::make_unique<QuizWindow>(services, std::move(*banks));
}

QuizWindow::QuizWindow(Services& services, QuestionBanks banks)
    : ActivityWindow(services, ActivityConstants::game(5, 2008), kCaption),
      banks_(std::move(banks)) {
    setObjectName("Form9");
    buildControls();
    buildMenus();
    buildSideToolbar();
    attachPopupToControls();

    colours_ =
        std::make_unique<PanelColours>(services_, "Save changes made to Panel and or Text Color?");
    colours_->add({"Panel Color",
                   {mainPanelGround, boardPanel},
                   SettingsFile::GColor2,
                   kColourRecord,
                   kUnusableRecordColour});

    connect(levelOptions_, &OptionGroup::clicked, this, &QuizWindow::ChooseQuestionLevel);
    connect(topicOptions_, &OptionGroup::clicked, this, &QuizWindow::ChooseTopicRule);
    connect(difficultyOptions_, &OptionGroup::clicked, this, &QuizWindow::ChooseDifficulty);
    connect(startButton, &QPushButton::clicked, this, &QuizWindow::StartQuizGame);
    connect(exitButton, &QPushButton::clicked, this, &QuizWindow::ExitCommand);
    for (int i = 0; i < 9; ++i) {
        connect(boardCells[std::size_t(i)], &Panel3D::clicked, this, [this, i] { ChooseCell(i); });
    }
    for (int i = 0; i < 4; ++i) {
        connect(answerPanels[std::size_t(i)], &Panel3D::clicked, this,
                [this, i] { ClickChoice(i); });
    }
    connect(revealPanel, &Panel3D::clicked, this, &QuizWindow::RevealAnswer);
    connect(yesNoButtons[0], &QPushButton::clicked, this, [this] { SelfJudge(0); });
    connect(yesNoButtons[1], &QPushButton::clicked, this, [this] { SelfJudge(1); });
    exitButton->installEventFilter(this);
    // A question gives Exit the focus for the answer keys: a Space there must not end the game,
    // which runs while Start is disabled.
    new SpaceIgnoredWhile(*exitButton, [this] { return !startButton->isEnabled(); });

    // The design's client area holds the toolbar and status bar at their designed heights below
    // the menu bar; a Qt window holds the menu bar inside it and draws the bars taller.
    const int taller = menuBar()->sizeHint().height() +
                       std::max(0, toolbar->sizeHint().height() - Twips::toPixels(600)) +
                       std::max(0, statusPanels->sizeHint().height() - Twips::toPixels(255));
    resize(Twips::toPixels(kDesignedWidth, kDesignedHeight) + QSize(0, taller));
    Form_Load();
}

QuizWindow::~QuizWindow() = default;

QWidget* QuizWindow::mainPanel() const {
    return mainPanelGround;
}

void QuizWindow::Form_Load() {
    LoadFormServices();
    ResetQuizState();
    services_.random.Randomize();
    colours_->LoadPanelColour();
    QuestionLevel = 1;
    levelOptions_->select(0);
    topicOptions_->select(0);
    ComputerSelectsLevel = 0;
    difficultyOptions_->select(0);
    DifficultyMode = AnswerMode::MultipleChoice;
    QuestionOpen = 0;
    const QColor system = systemDefaultColour();
    for (Panel3D* panel : answerPanels) {
        panel->setBackColour(system);
    }
    for (QWidget* widget : std::initializer_list<QWidget*>{turnPanel, talliesPanel, questionPanel,
                                                           verdictPanel, revealPanel}) {
        static_cast<Panel3D*>(widget)->setBackColour(system);
    }
    for (Panel3D* cell : boardCells) {
        cell->setBackColour(system);
    }
    program_.PrintSettings.PrintFontUnderline = false;
    program_.PrintSettings.PrintFontStrikethru = false;
    program_.NormalPointer();
}

void QuizWindow::Form_Activate() {
    ActivateFormServices();
    const double board = Twips::fromPixels(boardPanel->height());
    const double boardWidth = Twips::fromPixels(boardPanel->width());
    const int overlap = Twips::toPixels(15);
    // The answer panels form a 2 by 2 block whose inner borders overlap.
    Panel3D* a = answerPanels[0];
    const int top = boardPanel->y() + Twips::toPixels(0.675 * board);
    const int left = boardPanel->x() + Twips::toPixels(0.07 * boardWidth);
    a->move(left, top);
    answerPanels[1]->move(left + a->width() - overlap, top);
    answerPanels[2]->move(left, top + a->height() - overlap);
    answerPanels[3]->move(left + a->width() - overlap, top + a->height() - overlap);
    for (QPushButton* button : yesNoButtons) {
        button->move(button->x(), Twips::toPixels(0.735 * board));
    }
}

void QuizWindow::ResetQuizState() {
    MarkCount = 0;
    QuestionOpen = 0;
    DifficultyMode = AnswerMode::MultipleChoice;
    QuestionLevel = 0;
    ComputerSelectsLevel = 0;
    QuestionAnswered = 0;
    judgedByPlayers_ = false;
    question_ = {};
    program_.SharedState = 0;
    program_.SignalValue = 0;
}

void QuizWindow::ExitCommand() {
    close();
}

bool QuizWindow::ExitQuestions() {
    colours_->PromptSaveColours();
    return true;
}

void QuizWindow::Form_Unload() {
    ResetQuizState();
    program_.CorrectSoundTest = 0;
}

void QuizWindow::ChooseColour() {
    showStatus("Panel Color");
    colours_->ChooseColour(0);
    showStatus(windowTitle());
}

bool QuizWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool answersKeys =
        watched == exitButton || watched == questionPanel ||
        std::find(answerPanels.begin(), answerPanels.end(), watched) != answerPanels.end();
    if (answersKeys && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain =
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
        if (plain && key->key() >= Qt::Key_A && key->key() <= Qt::Key_D) {
            KeyToChoice(key->key());
            return true;
        }
    }
    const auto cell = std::find(boardCells.begin(), boardCells.end(), watched);
    if (cell != boardCells.end() && event->type() == QEvent::KeyPress &&
        moveAcrossBoard(int(cell - boardCells.begin()), static_cast<QKeyEvent*>(event)->key())) {
        return true;
    }
    return ActivityWindow::eventFilter(watched, event);
}

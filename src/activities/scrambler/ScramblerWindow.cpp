// The word scrambler window: load, activation, exits, the panel colour and the countdown.
#include "ScramblerWindow.h"

#include "ColorNumber.h"
#include "Command3D.h"
#include "FieldReader.h"
#include "GuardedStretch.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "PanelColours.h"
#include "ProgramFolder.h"
#include "Random.h"
#include "StatusBar.h"
#include "Toolbar.h"
#include "Twips.h"
#include "WindowKeys.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

namespace {

// The design's client area.
constexpr int kDesignedWidth = 11910;
constexpr int kDesignedHeight = 8205;

} // namespace

ScramblerWindow::ScramblerWindow(Services& services)
    : ActivityWindow(services, ActivityConstants::game(8, 2010), kCaption), game_(services.random) {
    setObjectName("Form6");
    buildControls();
    buildMenus();
    buildSideToolbar();
    attachPopupToControls();
    stretch_ = new GuardedStretch(*this);
    windowKeys().setCancelButton(exitButton);

    colours_ = std::make_unique<PanelColours>(services_, "Save changes made to Panel Color?");
    colours_->add({"Panel Color",
                   {boardPanel, mainPanelGround},
                   SettingsFile::GColor1,
                   kColourRecord,
                   PanelColours::kKeepOwnColours});

    connect(startButton, &QPushButton::clicked, this, &ScramblerWindow::StartNextScramble);
    connect(checkButton, &QPushButton::clicked, this, &ScramblerWindow::CheckAttempt);
    connect(exitButton, &QPushButton::clicked, this, &ScramblerWindow::ExitCommand);
    for (Command3D* attempt : {firstAttemptButton, secondAttemptButton}) {
        connect(attempt, &QPushButton::clicked, this, &ScramblerWindow::SubmitAttempt);
        connect(attempt, &Command3D::keyTyped, this, &ScramblerWindow::TypeAttemptKey);
    }
    connect(helpDisplayCheck, &QCheckBox::clicked, this, &ScramblerWindow::ApplyHelpDisplay);
    connect(viewPanelsCheck, &QCheckBox::clicked, this, &ScramblerWindow::SetViewPanels);
    connect(playerOptions_, &OptionGroup::clicked, this, &ScramblerWindow::SetPlayers);
    connect(timerOptions_, &OptionGroup::clicked, this, &ScramblerWindow::SetTimerOption);
    connect(levelOptions_, &OptionGroup::clicked, this, &ScramblerWindow::SetDifficultyLevel);
    connect(turnOptions_, &OptionGroup::clicked, this, &ScramblerWindow::SetPlayerOption);
    connect(countdownTimer, &QTimer::timeout, this, &ScramblerWindow::CountDownOneSecond);

    // The menu bar and the taller bars of Qt come on top of the designed client area.
    const int taller = menuBar()->sizeHint().height() +
                       std::max(0, toolbar->sizeHint().height() - Twips::toPixels(600)) +
                       std::max(0, statusPanels->sizeHint().height() - Twips::toPixels(255));
    resize(Twips::toPixels(kDesignedWidth, kDesignedHeight) + QSize(0, taller));
    Form_Load();
}

ScramblerWindow::~ScramblerWindow() = default;

QWidget* ScramblerWindow::mainPanel() const {
    return mainPanelGround;
}

void ScramblerWindow::Form_Load() {
    LoadFormServices();
    ResetStartControls();
    LoadScramblerWords();
    helpDisplayOn_ = 0;
    panelsHidden_ = 0;
    viewPanelsCheck->setChecked(true);
    SetViewPanels();
    LoadMascotPicture();
    colours_->LoadPanelColour();
    program_.PrintSettings.PrintFontUnderline = false;
    program_.PrintSettings.PrintFontStrikethru = false;
}

// The shared texts this window uses while it is open start and end empty; the game itself lives
// in the window, which is made afresh for every opening.
void ScramblerWindow::ResetScramblerState() {
    program_.PrintSettings.PrintFontColour = QString();
    program_.SharedText.clear();
    program_.SignalValue = 0;
}

void ScramblerWindow::LoadScramblerWords() {
    ResetScramblerState();
    playerOptions_->select(0);
    timerOptions_->select(0);
    levelOptions_->select(0);
    turnOptions_->select(0);
    stopCountdown();
    timerStage_ = 0;
    std::optional<ScramblerWordTable> words;
    QFile wordFile(services_.folder.file(kWordFile));
    if (wordFile.size() <= FieldReader::kLargestFile && wordFile.open(QIODevice::ReadOnly)) {
        words = readScramblerWords(wordFile.readAll());
    }
    loaded_ = words.has_value();
    if (!loaded_) {
        program_.ActivityLoadErrorMessage();
        program_.SharedState = 19;
        return;
    }
    game_.setWords(std::move(*words));
    SetDifficultyLevel(0);
}

void ScramblerWindow::LoadMascotPicture() {
    QString name;
    if (program_.SharedText.isEmpty()) {
        services_.random.Randomize();
        name = services_.random.between(1, 2) == 1 ? "hmm" : "Ap1";
    } else {
        name = program_.SharedText == "Ap1" ? "Hmm" : "Ap1";
    }
    program_.PrintSettings.PrintFontColour = name;
    // A picture that cannot be loaded is passed over: the panel keeps its colour.
    const QPixmap picture(services_.folder.file(name + ".bmp"));
    if (!picture.isNull()) {
        mascotPicture->setPixmap(picture);
        // The thinking picture has its "Hmm" written in it.
        mascotPicture->setAccessibleName(name.compare("hmm", Qt::CaseInsensitive) == 0 ? "Hmm"
                                                                                       : QString());
    }
    program_.PrintSettings.PrintFontColour = QString();
    program_.SharedText.clear();
}

void ScramblerWindow::ResetStartControls() {
    nextAction->setVisible(false);
    startAction->setVisible(true);
    startButton->setText("&Start");
    checkAction->setEnabled(false);
    leftToolbarButton(2)->setEnabled(false);
    rewardPanel->hide();
}

void ScramblerWindow::Form_Activate() {
    ActivateFormServices();
    wordsUsedGauge->move(wordsUsedPanel->width() / 2 - wordsUsedGauge->width() / 2 +
                             Twips::toPixels(30),
                         wordsUsedGauge->y());
    wordsUsedLabel->setGeometry(wordsUsedGauge->x(),
                                wordsUsedGauge->y() + int(0.965 * wordsUsedGauge->height()),
                                wordsUsedGauge->width(), wordsUsedLabel->height());
    arrangeScoreBox();
    mainPanelGround->show();
    FocusStartButton();
    program_.NormalPointer();
    if (program_.SharedState == 19) {
        QTimer::singleShot(0, this, &ScramblerWindow::close);
    }
}

void ScramblerWindow::FocusStartButton() {
    if (startButton->isVisible() && startButton->isEnabled()) {
        startButton->setFocus(Qt::OtherFocusReason);
    }
}

void ScramblerWindow::ExitCommand() {
    close();
}

bool ScramblerWindow::ExitQuestions() {
    stopCountdown();
    withCountdownHeld([this] { colours_->PromptSaveColours(); });
    return true;
}

void ScramblerWindow::Form_Unload() {
    ResetScramblerState();
    program_.SharedState = 0;
    helpDisplayOn_ = 0;
    panelsHidden_ = 0;
}

void ScramblerWindow::ChooseColour() {
    withCountdownHeld([this] {
        showStatus("Panel Color");
        colours_->ChooseColour(0);
        showStatus(windowTitle());
    });
}

void ScramblerWindow::windowOverSelfOpening(int) {
    countdownHeld_ = countdownTimer->isActive();
    countdownTimer->stop();
}

void ScramblerWindow::windowOverSelfClosed(int) {
    if (countdownHeld_) {
        countdownTimer->start(1000);
    }
    countdownHeld_ = false;
}

void ScramblerWindow::withCountdownHeld(const std::function<void()>& step) {
    const bool running = countdownTimer->isActive();
    countdownTimer->stop();
    step();
    if (running && timerStage_ > 0 && game_.WordInPlay == 1) {
        countdownTimer->start(1000);
    }
}

void ScramblerWindow::startCountdown() {
    countdown_.start(timerSeconds_);
    countdownBar->setFloodPercent(countdown_.bar());
    countdownBar->setCaption(countdown_.text());
    countdownTimer->start(1000);
}

void ScramblerWindow::stopCountdown() {
    countdownTimer->stop();
}

void ScramblerWindow::CountDownOneSecond() {
    if (stretch_->running()) {
        return; // no tick judges while an attempt is being judged
    }
    // While another window of the program is in front (the help, which does not block), the
    // countdown holds; it does run while the person is in another program.
    const QWidget* active = QApplication::activeWindow();
    if (active != nullptr && active != this) {
        return;
    }
    const bool judgeNow = countdown_.tick();
    countdownBar->setCaption(countdown_.text());
    countdownBar->setFloodPercent(countdown_.bar());
    if (judgeNow) {
        stretch_->run([this] { judge(); });
    }
}

void ScramblerWindow::askTimerSeconds() {
    std::optional<QString> answer;
    withCountdownHeld([&] {
        answer = services_.dialogs.input(
            "Timer will count down to Zero(0) and then check your Word, please enter number of "
            "Seconds (Between 3 and 30).",
            "Timer Option", QString());
    });
    timerSeconds_ = ScramblerCountdown::secondsFromAnswer(answer.value_or(QString()));
    if (timerSeconds_ == 0) {
        timerStage_ = 0;
        timerOptions_->select(0);
        timerAction->setEnabled(false);
        return;
    }
    services_.sound.beep();
    countdownBar->setFloodPercent(100);
}

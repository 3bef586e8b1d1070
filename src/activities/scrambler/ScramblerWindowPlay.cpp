// The word scrambler window's play: Start / Next, typing and judging the attempts, the turns,
// and the options that set up the game.
#include "ScramblerWindow.h"

#include "Announcement.h"
#include "ColorNumber.h"
#include "Command3D.h"
#include "GuardedStretch.h"
#include "OptionGroup.h"
#include "Panel3D.h"
#include "Random.h"
#include "StatusBar.h"
#include "Twips.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

// Colour numbers of the 16-colour palette.
constexpr int kBlack = 0;
constexpr int kDarkBlue = 1;
constexpr int kDarkRed = 4;
constexpr int kLightGreen = 10;
constexpr int kLightRed = 12;
constexpr int kYellow = 14;
const QColor kOpenBack(0xFF, 0xFF, 0xFF);
const QColor kClosedBack(0xC0, 0xC0, 0xC0);

QColor colour(int number) {
    return ColorNumber::palette(number);
}

QString spelled(const QString& word) {
    QStringList letters;
    for (const QChar letter : word) {
        letters.append(letter);
    }
    return letters.join(' ');
}

} // namespace

void ScramblerWindow::StartNextScramble() {
    stretch_->run([this] {
        showStatus(windowTitle());
        if (!loaded_) {
            program_.ActivityLoadErrorMessage();
            program_.SharedState = 19;
            return;
        }
        typePointer->show();
        if (panelsHidden_ == 0) {
            rewardPanel->hide();
        }
        typePointer->move(typePointer->x(), int(0.11 * rewardSidePanel->height()));
        const bool rolledOver = game_.startWord();
        if (rolledOver) {
            levelOptions_->select(game_.DifficultyLevel - 1);
        }
        setWordControlsEnabled(false);
        if (game_.PlayerCount > 1) {
            lowerPanels[4]->setCaption(QString("Player %1").arg(game_.CurrentPlayer));
        }
        ResetAttemptButtons();
        firstAttemptButton->setOpenSetting(Command3D::kOpen);
        helpPanel->setCaption({});
        messagePanel->setCaption({}); // the last word's verdict goes before the timer question
        scrambledWordPanel->setCaption(game_.ScrambledWord);
        // Told letter by letter: the scrambled letters make no word to say.
        Announcement::announce(*scrambledWordPanel, spelled(game_.ScrambledWord));
        firstAttemptPanel->setBackColour(kOpenBack);
        secondAttemptPanel->setBackColour(kClosedBack);
        firstAttemptButton->setCaption({});
        secondAttemptButton->setCaption("Second Attempt");
        if (timerOption_ == 2 && timerStage_ == 1) {
            askTimerSeconds();
        }
        firstAttemptButton->setFocus(Qt::OtherFocusReason);
        if (timerStage_ < 1) {
            optionFrames[1]->setEnabled(false);
            countdownBar->setCaption({});
        } else {
            startCountdown();
        }
        messagePanel->setForeColour(colour(kLightGreen));
        messagePanel->setCaption(
            game_.PlayerCount == 1
                ? QString("Please Type First Attempt")
                : QString("Player %1 Please Type First Attempt").arg(game_.CurrentPlayer));
        startButton->setText("&Next");
        ShowWordsUsedPercent();
        SetAttemptTabStops(false);
    });
}

void ScramblerWindow::CheckAttempt() {
    if (game_.WordInPlay != 1) {
        return;
    }
    stretch_->run([this] { judge(); });
}

void ScramblerWindow::SubmitAttempt() {
    if (game_.WordInPlay != 1) {
        return;
    }
    stretch_->run([this] { judge(); });
}

void ScramblerWindow::TypeAttemptKey(int code) {
    if (game_.WordInPlay != 1 || code == ' ') {
        return; // Space submits the attempt, as Enter does; it types nothing
    }
    if (code == 8 && game_.TypedText.isEmpty()) {
        return;
    }
    if (game_.AttemptState == 2) {
        messagePanel->setCaption({});
    }
    if (game_.typeKey(code) == ScramblerGame::Typed::Beep) {
        services_.sound.beep();
        return;
    }
    (game_.AttemptState == 1 ? firstAttemptButton : secondAttemptButton)
        ->setCaption(game_.TypedText);
}

void ScramblerWindow::judge() {
    if (game_.WordInPlay != 1) {
        return;
    }
    if (timerStage_ > 0) {
        ++timerStage_;
    }
    const int attempt = game_.AttemptState;
    const QString first = firstAttemptButton->caption();
    const QString second = secondAttemptButton->caption();
    int& player = game_.CurrentPlayer;
    const int scorer = player;
    const ScramblerGame::Judgement judgement = game_.check(player, first, second);
    if (judgement == ScramblerGame::Judgement::FirstMiss) {
        messagePanel->setForeColour(colour(kLightRed));
        firstAttemptButton->setForeColour(colour(kDarkRed));
        firstAttemptButton->setOpenSetting(0);
        firstAttemptButton->setMissed(true);
        secondAttemptButton->setOpenSetting(Command3D::kOpen);
        firstAttemptPanel->setBackColour(kClosedBack);
        secondAttemptPanel->setBackColour(kOpenBack);
        messagePanel->setCaption("Incorrect - Please Type Second Attempt");
        program_.PlayIncorrectSound();
        if (helpDisplayOn_ == 1) {
            helpPanel->setCaption(game_.CurrentHelp);
        }
        if (timerStage_ > 0) {
            countdown_.start(timerSeconds_); // a fresh countdown for the second attempt
            countdownBar->setFloodPercent(countdown_.bar());
        }
        secondAttemptButton->setCaption({});
        typePointer->move(typePointer->x(), int(0.62 * rewardSidePanel->height()));
        secondAttemptButton->setFocus(Qt::OtherFocusReason);
        return;
    }
    stopCountdown();
    typePointer->hide();
    if (judgement == ScramblerGame::Judgement::Right) {
        (attempt == 1 ? firstAttemptButton : secondAttemptButton)->setForeColour(colour(kDarkBlue));
        messagePanel->setForeColour(colour(kYellow));
        if (panelsHidden_ == 0) {
            rewardPanel->show();
        }
        messagePanel->setCaption("Very Good - That is CORRECT!");
        if (game_.PlayerCount > 1 && game_.PlayerOption == 0) {
            lowerPanels[4]->setCaption(QString("Player %1 Again").arg(scorer));
        }
    } else {
        messagePanel->setForeColour(colour(kLightRed));
        secondAttemptButton->setForeColour(colour(kDarkRed));
        secondAttemptButton->setOpenSetting(0);
        secondAttemptButton->setMissed(true);
        secondAttemptPanel->setBackColour(kClosedBack);
        messagePanel->setCaption("SORRY - Both Attempts Incorrect");
        helpPanel->setCaption("Correct word is: " + game_.CurrentWord);
    }
    if (game_.PlayerCount == 1) {
        accuracyBar->setFloodPercent(game_.accuracy());
    }
    showScore(scorer);
    setWordControlsEnabled(true);
    SetAttemptTabStops(true);
    FocusStartButton();
    if (judgement == ScramblerGame::Judgement::Right) {
        program_.PlayCorrectSound();
    } else {
        program_.PlayIncorrectSound();
    }
    if (game_.PlayerCount > 1 && player != scorer) {
        lowerPanels[4]->setCaption(QString("Player %1").arg(player));
        for (int box = 0; box < 4; ++box) {
            scoreBoxes[std::size_t(box)]->setEnabled(box == player - 1);
        }
        scorePanels[std::size_t(player - 1)]->setEnabled(true);
    }
}

void ScramblerWindow::showScore(int player) {
    scorePanels[std::size_t(player - 1)]->setCaption(
        " " + QString::number(game_.PlayerScores[std::size_t(player - 1)]));
    scorePanels[std::size_t(player - 1)]->show();
}

void ScramblerWindow::setWordControlsEnabled(bool betweenWords) {
    startButton->setEnabled(betweenWords);
    nextAction->setEnabled(betweenWords);
    nextAction->setVisible(true);
    startAction->setVisible(false);
    checkButton->setEnabled(!betweenWords);
    checkAction->setEnabled(!betweenWords);
    leftToolbarButton(2)->setEnabled(!betweenWords);
    for (QGroupBox* frame : optionFrames) {
        frame->setEnabled(betweenWords);
    }
    const bool players = betweenWords && game_.PlayerCount > 1;
    playerOptionFrame->setEnabled(players);
    playerOptionMenu->menuAction()->setEnabled(players);
    timerAction->setEnabled(betweenWords);
    playersMenu->menuAction()->setEnabled(betweenWords);
    levelMenu->menuAction()->setEnabled(betweenWords);
}

void ScramblerWindow::SetAttemptTabStops(bool stops) {
    for (QWidget* control : std::initializer_list<QWidget*>{checkButton, exitButton,
                                                            helpDisplayCheck, viewPanelsCheck}) {
        control->setFocusPolicy(stops ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void ScramblerWindow::ResetAttemptButtons() {
    for (Command3D* attempt : {firstAttemptButton, secondAttemptButton}) {
        attempt->setForeColour(colour(kBlack));
        attempt->setOpenSetting(0);
        attempt->setMissed(false);
    }
    firstAttemptButton->setCaption("First Attempt");
    secondAttemptButton->setCaption("Second Attempt");
}

void ScramblerWindow::focusOpenAttempt() {
    if (game_.AttemptState == 1) {
        firstAttemptButton->setFocus(Qt::OtherFocusReason);
    } else if (game_.AttemptState == 2) {
        secondAttemptButton->setFocus(Qt::OtherFocusReason);
    } else {
        FocusStartButton();
    }
}

void ScramblerWindow::ShowWordsUsedPercent() {
    const int percent = game_.wordsUsedPercent();
    wordsUsedLabel->setText(QString::number(percent) + "%");
    wordsUsedGauge->setFloodPercent(percent);
}

void ScramblerWindow::SetPlayers(int index) {
    game_.setPlayers(index + 1);
    rewardPanel->hide();
    for (int i = 0; i < 4; ++i) {
        playersActions[std::size_t(i)]->setChecked(i == index);
    }
    accuracyBar->setFloodPercent(0);
    startButton->setText("&Start");
    nextAction->setVisible(false);
    startAction->setVisible(true);
    scrambledWordPanel->setCaption("Scrambled Word");
    ResetAttemptButtons();
    helpPanel->setCaption({});
    messagePanel->setCaption({});
    for (int i = 0; i < 4; ++i) {
        scorePanels[std::size_t(i)]->setCaption({});
        // The third and fourth players' scores show once they first score.
        if (i >= 2) {
            scorePanels[std::size_t(i)]->hide();
        }
        scoreBoxes[std::size_t(i)]->setVisible(i < std::max(2, game_.PlayerCount));
        scoreBoxes[std::size_t(i)]->setEnabled(i == 0 || (game_.PlayerCount == 1 && i == 1));
    }
    arrangeScoreBox();
    const bool several = game_.PlayerCount > 1;
    for (QRadioButton* option : turnButtons) {
        option->setEnabled(several);
    }
    playerOptionMenu->menuAction()->setEnabled(several);
    scoreBoxes[0]->setCaption(several ? "Player 1" : "Score");
    scoreBoxes[1]->setCaption(several ? "Player 2" : "Accuracy");
    accuracyBar->setVisible(!several);
    lowerPanels[4]->setCaption(several ? "Player 1 Starts" : "");
}

void ScramblerWindow::arrangeScoreBox() {
    const Panel3D* box = lowerPanels[4];
    Panel3D* first = scoreBoxes[0];
    if (game_.PlayerCount <= 1) {
        first->move(int(0.27 * box->width()), int(0.14 * box->height()));
        scoreBoxes[1]->move(first->x(), first->y() + first->height() + Twips::toPixels(15));
        playerOptionFrame->setEnabled(false);
        return;
    }
    playerOptionFrame->setEnabled(game_.WordInPlay == 0);
    const int overlap = Twips::toPixels(15);
    first->move(int(0.045 * box->width()), int(0.2 * box->width()));
    scoreBoxes[1]->move(first->x() + first->width() - overlap, first->y());
    scoreBoxes[2]->move(first->x(), first->y() + first->height() - overlap);
    scoreBoxes[3]->move(scoreBoxes[1]->x(), scoreBoxes[2]->y());
}

void ScramblerWindow::SetTimerOption(int index) {
    timerOption_ = index + 1;
    timerStage_ = index;
    countdownBar->setVisible(timerOption_ == 2);
    countdownBar->setCaption({});
    timerAction->setChecked(timerOption_ == 2);
}

void ScramblerWindow::SetDifficultyLevel(int index) {
    game_.setLevel(index + 1);
    scrambledWordPanel->setCaption("Scrambled Word");
    helpPanel->setCaption({});
    messagePanel->setForeColour(colour(kLightGreen));
    messagePanel->setCaption("Information Panel");
    ResetAttemptButtons();
    rewardPanel->hide();
    for (int i = 0; i < 6; ++i) {
        levelActions[std::size_t(i)]->setChecked(i == index);
    }
    ShowWordsUsedPercent();
    wordsUsedPanel->setCaption(QString("Level %1\rWords Used").arg(index + 1));
}

void ScramblerWindow::SetPlayerOption(int index) {
    game_.PlayerOption = index;
    untilWrongAction->setChecked(index == 0);
    nextPlayerAction->setChecked(index == 1);
    FocusStartButton();
}

void ScramblerWindow::SetViewPanels() {
    const bool shown = viewPanelsCheck->isChecked();
    viewPanelsAction->setChecked(shown);
    wordsUsedPanel->setVisible(shown);
    rewardSidePanel->setVisible(shown);
    if (!shown) {
        rewardPanel->hide();
    }
    panelsHidden_ = shown ? 0 : 1;
    focusOpenAttempt();
}

void ScramblerWindow::ApplyHelpDisplay() {
    const bool on = helpDisplayCheck->isChecked();
    helpDisplayAction->setChecked(on);
    if (on) {
        helpPanel->setCaption(game_.AttemptState == 2
                                  ? game_.CurrentHelp
                                  : QString("Help Information will be Displayed Here."));
    } else {
        helpPanel->setCaption("Help Not Selected");
    }
    helpDisplayOn_ = on ? 1 : 0;
    focusOpenAttempt();
}

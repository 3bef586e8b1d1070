// The word scrambler window's play: Start / Next, typing and judging the attempts, the turns,
// and the options that set up the game.
#include "ScramblerWindow.h"

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

} // namespace

void ScramblerWindow::StartNextScramble() {
    stretch_->run([this] {
        showStatus(windowTitle());
        if (!loaded_) {
            program_.ActivityLoadErrorMessage();
            program_.SharedState = 19;
            return;
        }
        Panel3D20->show();
        if (panelsHidden_ == 0) {
            Panel3D7->hide();
        }
        Panel3D20->move(Panel3D20->x(), int(0.11 * Panel3D19->height()));
        const bool rolledOver = game_.startWord();
        if (rolledOver) {
            levelOptions_->select(game_.DifficultyLevel - 1);
        }
        setWordControlsEnabled(false);
        if (game_.PlayerCount > 1) {
            Panel3D6[4]->setCaption(QString("Player %1").arg(game_.CurrentPlayer));
        }
        ResetAttemptButtons();
        Command3D1->setOpenSetting(Command3D::kOpen);
        Panel3D2->setCaption({});
        Panel3D3->setCaption({}); // the last word's verdict goes before the timer question
        Panel3D1->setCaption(game_.ScrambledWord);
        Panel3D15->setBackColour(kOpenBack);
        Panel3D16->setBackColour(kClosedBack);
        Command3D1->setCaption({});
        Command3D2->setCaption("Second Attempt");
        if (timerOption_ == 2 && timerStage_ == 1) {
            askTimerSeconds();
        }
        Command3D1->setFocus(Qt::OtherFocusReason);
        if (timerStage_ < 1) {
            Frame3D1[1]->setEnabled(false);
            Label3->clear();
        } else {
            startCountdown();
        }
        Panel3D3->setForeColour(colour(kLightGreen));
        Panel3D3->setCaption(
            game_.PlayerCount == 1
                ? QString("Please Type First Attempt")
                : QString("Player %1 Please Type First Attempt").arg(game_.CurrentPlayer));
        Command2->setText("&Next");
        ShowWordsUsedPercent();
        SetAttemptTabStops(false);
    });
}

void ScramblerWindow::Command1_Click() {
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
        Panel3D3->setCaption({});
    }
    if (game_.typeKey(code) == ScramblerGame::Typed::Beep) {
        services_.sound.beep();
        return;
    }
    (game_.AttemptState == 1 ? Command3D1 : Command3D2)->setCaption(game_.TypedText);
}

void ScramblerWindow::judge() {
    if (game_.WordInPlay != 1) {
        return;
    }
    if (timerStage_ > 0) {
        ++timerStage_;
    }
    const int attempt = game_.AttemptState;
    const QString first = Command3D1->caption();
    const QString second = Command3D2->caption();
    int& player = game_.CurrentPlayer;
    const int scorer = player;
    const ScramblerGame::Judgement judgement = game_.check(player, first, second);
    if (judgement == ScramblerGame::Judgement::FirstMiss) {
        Panel3D3->setForeColour(colour(kLightRed));
        Command3D1->setForeColour(colour(kDarkRed));
        Command3D1->setOpenSetting(0);
        Command3D1->setMissed(true);
        Command3D2->setOpenSetting(Command3D::kOpen);
        Panel3D15->setBackColour(kClosedBack);
        Panel3D16->setBackColour(kOpenBack);
        Panel3D3->setCaption("Incorrect - Please Type Second Attempt");
        program_.PlayIncorrectSound();
        if (helpDisplayOn_ == 1) {
            Panel3D2->setCaption(game_.CurrentHelp);
        }
        if (timerStage_ > 0) {
            countdown_.start(timerSeconds_); // a fresh countdown for the second attempt
            Panel3D13->setFloodPercent(countdown_.bar());
        }
        Command3D2->setCaption({});
        Panel3D20->move(Panel3D20->x(), int(0.62 * Panel3D19->height()));
        Command3D2->setFocus(Qt::OtherFocusReason);
        return;
    }
    stopCountdown();
    Panel3D20->hide();
    if (judgement == ScramblerGame::Judgement::Right) {
        (attempt == 1 ? Command3D1 : Command3D2)->setForeColour(colour(kDarkBlue));
        Panel3D3->setForeColour(colour(kYellow));
        if (panelsHidden_ == 0) {
            Panel3D7->show();
        }
        Panel3D3->setCaption("Very Good - That is CORRECT!");
        if (game_.PlayerCount > 1 && game_.PlayerOption == 0) {
            Panel3D6[4]->setCaption(QString("Player %1 Again").arg(scorer));
        }
    } else {
        Panel3D3->setForeColour(colour(kLightRed));
        Command3D2->setForeColour(colour(kDarkRed));
        Command3D2->setOpenSetting(0);
        Command3D2->setMissed(true);
        Panel3D16->setBackColour(kClosedBack);
        Panel3D3->setCaption("SORRY - Both Attempts Incorrect");
        Panel3D2->setCaption("Correct word is: " + game_.CurrentWord);
    }
    if (game_.PlayerCount == 1) {
        Panel3D18->setFloodPercent(game_.accuracy());
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
        Panel3D6[4]->setCaption(QString("Player %1").arg(player));
        for (int box = 0; box < 4; ++box) {
            Panel3D10[std::size_t(box)]->setEnabled(box == player - 1);
        }
        Panel3D8[std::size_t(player - 1)]->setEnabled(true);
    }
}

void ScramblerWindow::showScore(int player) {
    Panel3D8[std::size_t(player - 1)]->setCaption(
        " " + QString::number(game_.PlayerScores[std::size_t(player - 1)]));
    Panel3D8[std::size_t(player - 1)]->show();
}

void ScramblerWindow::setWordControlsEnabled(bool betweenWords) {
    Command2->setEnabled(betweenWords);
    mON->setEnabled(betweenWords);
    mON->setVisible(true);
    mOS->setVisible(false);
    Command1->setEnabled(!betweenWords);
    mOChk->setEnabled(!betweenWords);
    Toolbar2Button(2)->setEnabled(!betweenWords);
    for (QGroupBox* frame : Frame3D1) {
        frame->setEnabled(betweenWords);
    }
    const bool players = betweenWords && game_.PlayerCount > 1;
    Frame1->setEnabled(players);
    mOPO->menuAction()->setEnabled(players);
    mOT->setEnabled(betweenWords);
    mOPl->menuAction()->setEnabled(betweenWords);
    mOL->menuAction()->setEnabled(betweenWords);
}

void ScramblerWindow::SetAttemptTabStops(bool stops) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{Command1, Command3, Check3D1, Check3D2}) {
        control->setFocusPolicy(stops ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void ScramblerWindow::ResetAttemptButtons() {
    for (Command3D* attempt : {Command3D1, Command3D2}) {
        attempt->setForeColour(colour(kBlack));
        attempt->setOpenSetting(0);
        attempt->setMissed(false);
    }
    Command3D1->setCaption("First Attempt");
    Command3D2->setCaption("Second Attempt");
}

void ScramblerWindow::focusOpenAttempt() {
    if (game_.AttemptState == 1) {
        Command3D1->setFocus(Qt::OtherFocusReason);
    } else if (game_.AttemptState == 2) {
        Command3D2->setFocus(Qt::OtherFocusReason);
    } else {
        FocusStartButton();
    }
}

void ScramblerWindow::ShowWordsUsedPercent() {
    const int percent = game_.wordsUsedPercent();
    Label2->setText(QString::number(percent) + "%");
    Gauge1->setFloodPercent(percent);
}

void ScramblerWindow::SetPlayers(int index) {
    game_.setPlayers(index + 1);
    Panel3D7->hide();
    for (int i = 0; i < 4; ++i) {
        mOPl1[std::size_t(i)]->setChecked(i == index);
    }
    Panel3D18->setFloodPercent(0);
    Command2->setText("&Start");
    mON->setVisible(false);
    mOS->setVisible(true);
    Panel3D1->setCaption("Scrambled Word");
    ResetAttemptButtons();
    Panel3D2->setCaption({});
    Panel3D3->setCaption({});
    for (int i = 0; i < 4; ++i) {
        Panel3D8[std::size_t(i)]->setCaption({});
        // The third and fourth players' scores show once they first score.
        if (i >= 2) {
            Panel3D8[std::size_t(i)]->hide();
        }
        Panel3D10[std::size_t(i)]->setVisible(i < std::max(2, game_.PlayerCount));
        Panel3D10[std::size_t(i)]->setEnabled(i == 0 || (game_.PlayerCount == 1 && i == 1));
    }
    arrangeScoreBox();
    const bool several = game_.PlayerCount > 1;
    for (QRadioButton* option : Option3D4) {
        option->setEnabled(several);
    }
    mOPO->menuAction()->setEnabled(several);
    Panel3D10[0]->setCaption(several ? "Player 1" : "Score");
    Panel3D10[1]->setCaption(several ? "Player 2" : "Accuracy");
    Panel3D18->setVisible(!several);
    Panel3D6[4]->setCaption(several ? "Player 1 Starts" : "");
}

void ScramblerWindow::arrangeScoreBox() {
    const Panel3D* box = Panel3D6[4];
    Panel3D* first = Panel3D10[0];
    if (game_.PlayerCount <= 1) {
        first->move(int(0.27 * box->width()), int(0.14 * box->height()));
        Panel3D10[1]->move(first->x(), first->y() + first->height() + Twips::toPixels(15));
        Frame1->setEnabled(false);
        return;
    }
    Frame1->setEnabled(game_.WordInPlay == 0);
    const int overlap = Twips::toPixels(15);
    first->move(int(0.045 * box->width()), int(0.2 * box->width()));
    Panel3D10[1]->move(first->x() + first->width() - overlap, first->y());
    Panel3D10[2]->move(first->x(), first->y() + first->height() - overlap);
    Panel3D10[3]->move(Panel3D10[1]->x(), Panel3D10[2]->y());
}

void ScramblerWindow::SetTimerOption(int index) {
    timerOption_ = index + 1;
    timerStage_ = index;
    Panel3D13->setVisible(timerOption_ == 2);
    Label3->clear();
    mOT->setChecked(timerOption_ == 2);
}

void ScramblerWindow::SetDifficultyLevel(int index) {
    game_.setLevel(index + 1);
    Panel3D1->setCaption("Scrambled Word");
    Panel3D2->setCaption({});
    Panel3D3->setForeColour(colour(kLightGreen));
    Panel3D3->setCaption("Information Panel");
    ResetAttemptButtons();
    Panel3D7->hide();
    for (int i = 0; i < 6; ++i) {
        mOL1[std::size_t(i)]->setChecked(i == index);
    }
    ShowWordsUsedPercent();
    Panel3D17->setCaption(QString("Level %1\rWords Used").arg(index + 1));
}

void ScramblerWindow::SetPlayerOption(int index) {
    game_.PlayerOption = index;
    mOPOUntil->setChecked(index == 0);
    mOPONext->setChecked(index == 1);
    FocusStartButton();
}

void ScramblerWindow::SetViewPanels() {
    const bool shown = Check3D2->isChecked();
    mOV->setChecked(shown);
    Panel3D17->setVisible(shown);
    Panel3D19->setVisible(shown);
    if (!shown) {
        Panel3D7->hide();
    }
    panelsHidden_ = shown ? 0 : 1;
    focusOpenAttempt();
}

void ScramblerWindow::ApplyHelpDisplay() {
    const bool on = Check3D1->isChecked();
    mOHD->setChecked(on);
    if (on) {
        Panel3D2->setCaption(game_.AttemptState == 2
                                 ? game_.CurrentHelp
                                 : QString("Help Information will be Displayed Here."));
    } else {
        Panel3D2->setCaption("Help Not Selected");
    }
    helpDisplayOn_ = on ? 1 : 0;
    focusOpenAttempt();
}

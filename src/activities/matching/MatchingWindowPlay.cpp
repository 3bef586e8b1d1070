// The matching window's play: Start, turning cards, a match, a miss with its exchange, the turns
// and the game's end.
#include "MatchingWindow.h"

#include "ColorNumber.h"
#include "FamilyNamesFile.h"
#include "GuardedStretch.h"
#include "MatchingPictures.h"
#include "Panel3D.h"
#include "StatusBar.h"
#include "Toolbar.h"
#include "Twips.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

// Colour numbers of the 16-colour palette.
constexpr int kBlack = 0;
constexpr int kBlue = 1;
constexpr int kMagenta = 5;
constexpr int kLightBlue = 9;
constexpr int kLightRed = 12;

QColor colour(int number) {
    return ColorNumber::palette(number);
}

// A sound code of "10" beeps and "99" is silence; anything else names a wave file.
bool namesWaveFile(const QString& sound) {
    return sound != "10" && sound != "99";
}

} // namespace

void MatchingWindow::setGameCommandsEnabled(bool enabled) {
    toolbar->setButtonEnabled(16, enabled && services_.windows.has(16));
    toolbar->setButtonEnabled(17, enabled && services_.windows.has(17));
    for (int button = 1; button <= 3; ++button) {
        leftToolbarButton(button)->setEnabled(enabled);
    }
    for (QAction* item : {panelColourAction, soundAction, familyNamesAction}) {
        item->setEnabled(enabled);
    }
}

void MatchingWindow::StartMatchingGame() {
    showStatus(windowTitle());
    program_.BusyPointer();
    setGameCommandsEnabled(false);
    playersPanel->setForeColour(colour(kBlack));
    playersPanel->setCaption(game_.PlayerCount > 1 ? "Player 1 Starts" : "");
    messagePanel->setEmphasis(false);
    ResetBoard();
    const QStringList names = game_.MatchCardSource == MatchingGame::Source::FamilyNames
                                  ? FamilyNamesFile::read(services_.folder)
                                  : QStringList();
    game_.deal(game_.loadItems(names));
    for (int i = 0; i < game_.cardCount(); ++i) {
        showCardPicture(i);
    }
    playerBoxes[0]->setEnabled(true);
    playing_ = true;
    program_.NormalPointer();
}

void MatchingWindow::ResetBoard() {
    exitButton->setText("Exit"); // no access key: Alt+X turns card X
    accuracyGauge->setFloodPercent(0);
    if (reportPanel->isVisible()) {
        CloseReport();
    }
    reportButton->setEnabled(false);
    EnableOptionMenus(false);
    game_.ResetBoard();
    headFirstPlayerBox();
    scores[0]->setCaption({});
    showMessage("Start", kBlue);
    for (int i = 0; i < game_.cardCount(); ++i) {
        QPushButton* button = cardButtons[std::size_t(i)];
        setCardCaption(i, cardButtonCaption(i));
        button->setEnabled(true);
        button->show();
        cardFaces[std::size_t(i)]->setForeColour(colour(kBlack));
        cardFaces[std::size_t(i)]->setCaption({});
        cardFaces[std::size_t(i)]->show();
    }
    for (std::size_t player = 0; player < 4; ++player) {
        scores[player]->setCaption({});
        playerBoxes[player]->setEnabled(player == 0);
    }
    const std::initializer_list<QWidget*> disabled = {
        optionFrames[1], optionFrames[2], innerColourSample, playerCountFrame, startButton};
    // A focused control about to be disabled hands the focus to Exit at once, where the card
    // keys go, rather than from one disabled option to the next.
    QWidget* focused = QApplication::focusWidget();
    if (std::any_of(disabled.begin(), disabled.end(), [focused](QWidget* control) {
            return focused != nullptr && (focused == control || control->isAncestorOf(focused));
        })) {
        exitButton->setFocus(Qt::OtherFocusReason);
    }
    for (QWidget* control : disabled) {
        control->setEnabled(false);
    }
    startAction->setEnabled(false);
}

void MatchingWindow::setCardCaption(int index, const QString& caption) {
    cardButtons[std::size_t(index)]->setText(caption);
}

void MatchingWindow::headFirstPlayerBox() {
    const bool tries = game_.PlayerCount == 1;
    playerBoxes[0]->setCaption(tries ? "No. of Tries" : "Player 1");
    scores[0]->setAccessibleName(tries ? "No. of Tries" : "Player 1 score");
}

void MatchingWindow::showCardPicture(int index) {
    QLabel* picture = cardPictures[std::size_t(index)];
    if (game_.PictureCards == 1) {
        const int number = game_.CardValue[std::size_t(index)].toInt();
        picture->setPixmap(QPixmap::fromImage(MatchingPictures::card(number)));
        picture->setAccessibleName(MatchingPictures::name(number));
        picture->show();
    } else {
        picture->hide();
    }
}

void MatchingWindow::ColourMessage() {
    messagePanel->setForeColour(colour(MessageColour));
}

void MatchingWindow::showMessage(const QString& text, int colourNumber) {
    MessageColour = colourNumber;
    ColourMessage();
    messagePanel->setCaption(text);
    // Seen during the pauses that follow, which let nothing else repaint.
    messagePanel->repaint();
}

void MatchingWindow::TurnCard(int index) {
    if (!playing_ || stretch_->running()) {
        return;
    }
    // The turn runs as a whole: cards clicked or keys pressed meanwhile are dropped, and an exit
    // asked for meanwhile happens after it.
    stretch_->run([this, index] {
        if (matchPicturePanel->isVisible()) {
            matchPicturePanel->hide();
        }
        const bool secondCard = game_.LastCard != MatchingGame::kNoCard;
        const MatchingGame::Turned turned = game_.TurnCard(index);
        if (turned == MatchingGame::Turned::Refused) {
            services_.sound.beep();
            showMessage("Select", kBlue);
            UpdateAccuracy();
            program_.NormalPointer();
            return;
        }
        if (secondCard) {
            exitButton->setFocus(Qt::OtherFocusReason);
        }
        if (turned == MatchingGame::Turned::FirstCard) {
            showMessage("Again", kMagenta);
        }
        RevealCard(index);
        if (turned == MatchingGame::Turned::Miss) {
            judgeMiss();
        } else if (turned != MatchingGame::Turned::FirstCard) {
            judgeMatch();
            if (turned == MatchingGame::Turned::GameEnd) {
                endGame();
                return;
            }
        }
        UpdateAccuracy();
        program_.NormalPointer();
    });
}

void MatchingWindow::RevealCard(int index) {
    QPushButton* button = cardButtons[std::size_t(index)];
    CardCaption[std::size_t(index)] = button->text();
    button->hide();
    Panel3D* face = cardFaces[std::size_t(index)];
    face->setCaption("   ");
    face->setCaption(game_.MatchCardSource == MatchingGame::Source::Pictures
                         ? QString(" ")
                         : game_.CardValue[std::size_t(index)]);
    face->repaint();
}

void MatchingWindow::coverCard(int index) {
    QPushButton* button = cardButtons[std::size_t(index)];
    setCardCaption(index, CardCaption[std::size_t(index)]);
    // A covered card keeps nothing of its face, neither on screen (a long item would wrap beyond
    // the card's back) nor for a screen reader.
    cardFaces[std::size_t(index)]->setCaption({});
    button->show();
}

void MatchingWindow::judgeMatch() {
    MessageColour = kBlue;
    ColourMessage();
    if (namesWaveFile(program_.CorrectSound)) {
        program_.NormalPointer();
        QApplication::setOverrideCursor(Qt::IBeamCursor); // until the turn ends
    }
    showMessage("A Match", kBlue);

    // The match picture fills the files panel, inside its border.
    const double holderWidth = Twips::fromPixels(filesPanel->width());
    const double holderHeight = Twips::fromPixels(filesPanel->height());
    const double height = holderHeight - 130;
    const double width = holderWidth - 160;
    Twips::place(matchPicturePanel, holderWidth / 2 - width / 2 - 15, holderHeight / 2 - height / 2,
                 width, height);
    MatchPicture->move((matchPicturePanel->width() - MatchPicture->width()) / 2,
                       (matchPicturePanel->height() - MatchPicture->height()) / 2);
    QCoreApplication::processEvents();
    matchPicturePanel->setCaption("   ");
    matchPicturePanel->show();
    matchPicturePanel->raise();
    matchPicturePanel->setCaption(" ");

    for (int card : game_.PickedCards) {
        Panel3D* face = cardFaces[std::size_t(card)];
        cardButtons[std::size_t(card)]->hide();
        if (game_.MatchCardSource != MatchingGame::Source::Pictures) {
            face->setForeColour(colour(kLightBlue));
            if (game_.PictureCards == 0) {
                face->setCaption(game_.CardValue[std::size_t(card)]);
            }
        }
    }
    const int player = game_.CurrentPlayer;
    Panel3D* score = scores[std::size_t(player - 1)];
    score->setCaption(" " + QString::number(game_.PlayerScores[std::size_t(player - 1)]));
    score->show();
    UpdateAccuracy();
    program_.PlayCorrectSound();
    if (game_.PairsFound >= game_.pairs()) {
        return;
    }
    if (game_.PlayerCount > 1) {
        playersPanel->setCaption(QString("Player %1 Select Again").arg(player));
    }
    nextTurnPanels();
}

void MatchingWindow::judgeMiss() {
    // The missed pair stays in view a whole second at the least: the pause below ends at a tick of
    // the clock's seconds, and a sound that is missing or silent takes no time.
    const QDateTime shownAt = services_.clock.now();
    program_.NoDropPointer();
    showMessage("No Match", kLightRed);
    if (game_.PlayerCount == 1) {
        scores[0]->setCaption(QString::number(game_.PlayerScores[0]));
        scores[0]->show();
    }
    UpdateAccuracy();
    program_.PlayIncorrectSound();
    if (namesWaveFile(program_.IncorrectSound)) {
        program_.PauseOneSecond();
    } else {
        program_.PauseTwoSeconds();
    }
    services_.clock.waitUntil(shownAt.addSecs(1));
    program_.NormalPointer();

    const bool exchanged = game_.exchangeMissedPair();
    if (exchanged) {
        for (int card : game_.PickedCards) {
            showCardPicture(card);
        }
        MessageColour = kBlack;
        ColourMessage();
    }
    for (int card : game_.PickedCards) {
        coverCard(card);
    }
    game_.PickedCards = {};
    if (exchanged) {
        if (game_.ExchangeMode == MatchingGame::Exchange::SomeTimes) {
            services_.sound.beep();
        }
        program_.BusyPointer();
        showMessage("Exchanging", kBlack);
        program_.PauseOneSecond();
        showMessage("Select", kBlue);
        program_.NormalPointer();
    } else {
        showMessage("Select", kBlue);
    }
    nextTurnPanels();
}

void MatchingWindow::nextTurnPanels() {
    game_.NextTurn();
    if (game_.PlayerCount < 2) {
        return;
    }
    for (int player = 1; player <= 4; ++player) {
        playerBoxes[std::size_t(player - 1)]->setEnabled(player == game_.CurrentPlayer);
    }
    if (game_.SameTurn == 0) {
        playersPanel->setCaption(QString("Player %1 Select").arg(game_.CurrentPlayer));
    }
}

void MatchingWindow::endGame() {
    playing_ = false;
    MessageColour = kLightBlue;
    ColourMessage();
    messagePanel->setEmphasis(true);
    showMessage("GAME", kLightBlue);
    program_.NormalPointer();
    setGameCommandsEnabled(true);
    playersPanel->setForeColour(colour(kLightBlue));
    exitButton->setText("E&xit");
    matchPicturePanel->hide();
    for (QWidget* control :
         {static_cast<QWidget*>(optionFrames[1]), static_cast<QWidget*>(optionFrames[2]),
          static_cast<QWidget*>(exchangeModeOptions[1]),
          static_cast<QWidget*>(exchangeModeOptions[2]), static_cast<QWidget*>(innerColourSample),
          static_cast<QWidget*>(playerCountFrame), static_cast<QWidget*>(startButton)}) {
        control->setEnabled(true);
    }
    startAction->setEnabled(true);
    FocusStartButton();
    for (std::size_t player = 0; player < 4; ++player) {
        scores[player]->setEnabled(true);
        playerBoxes[player]->setEnabled(true);
    }
    if (game_.PlayerCount > 1) {
        playersPanel->setCaption(game_.winnerText());
        program_.SignalValue = 999;
        EnableOptionMenus(true);
        program_.SignalValue = 0;
        return;
    }
    if (game_.PlayerScores[0] > 0) {
        game_.recordGame();
        accuracyGauge->setFloodPercent(game_.AccuracyPercent);
        reportButton->setEnabled(true);
        EnableOptionMenus(true);
    }
}

void MatchingWindow::UpdateAccuracy() {
    if (game_.UpdateAccuracy()) {
        accuracyGauge->setFloodPercent(game_.AccuracyPercent);
    }
}

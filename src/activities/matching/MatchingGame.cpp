#include "MatchingGame.h"

#include "DrawWithoutRepeats.h"
#include "MatchingTopics.h"
#include "Random.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

MatchingGame::MatchingGame(Random& random) : random_(random) {}

void MatchingGame::setLevelOne(bool levelOne) {
    pairs_ = levelOne ? 10 : 18;
}

void MatchingGame::ResetMatchingState() {
    TopicString.clear();
    PictureCards = 0;
    GameNumber = 0;
    ReportTable = {};
    PlayerScores = {};
    CardState = {};
    PickedCards = {};
    TurnedValue = {};
    CardValue = {};
    SameTurn = 0;
    PairsFound = 0;
    CardsOpen = 0;
    LastCard = 0;
    PlayerCount = 0;
    CurrentPlayer = 0;
    ExchangeMode = Exchange::None;
    ExchangeRoll = 0;
    MatchCardSource = Source::Pictures;
    AccuracyPercent = 0;
}

void MatchingGame::ResetBoard() {
    random_.Randomize();
    if (PlayerCount == 1) {
        ++GameNumber;
    }
    PairsFound = 0;
    LastCard = kNoCard;
    SameTurn = 0;
    CardsOpen = 0;
    CurrentPlayer = 1;
    CardState = {};
    PlayerScores = {};
    CardValue = {};
    TurnedValue = {};
    PickedCards = {};
}

QStringList MatchingGame::loadItems(const QStringList& familyNames) {
    PictureCards = 0;
    if (MatchCardSource == Source::FamilyNames) {
        return MatchingTopics::firstNames(familyNames, pairs_);
    }
    TopicString = MatchingTopics::PickWordTopic(random_);
    if (MatchCardSource == Source::Pictures) {
        TopicString = MatchingTopics::pictureTopicString(random_, pairs_);
        PictureCards = 1;
    }
    return MatchingTopics::cutWords(TopicString, pairs_);
}

int MatchingGame::drawFreeCard() {
    // Draws 1 to 2N; 2N stands for card 0. CardState marks the cards taken, shifted by one.
    std::vector<int> taken(std::size_t(cardCount() + 1), 0);
    for (int card = 0; card < cardCount(); ++card) {
        taken[std::size_t(card == 0 ? cardCount() : card)] = CardState[std::size_t(card)];
    }
    const int drawn = drawUnused(taken, cardCount(), random_);
    return drawn == cardCount() ? 0 : drawn;
}

void MatchingGame::deal(const QStringList& items) {
    random_.Randomize();
    CardState = {};
    for (int k = 0; k < pairs_; ++k) {
        const QString item = items.value(k);
        for (int copy = 0; copy < 2; ++copy) {
            const int card = drawFreeCard();
            CardState[std::size_t(card)] = 1;
            CardValue[std::size_t(card)] = item;
        }
    }
    CardState = {};
    CardsOpen = 0;
    CurrentPlayer = 1;
}

MatchingGame::Turned MatchingGame::TurnCard(int index) {
    if (index < 0 || index >= cardCount() || CardState[std::size_t(index)] == kMatched ||
        index == LastCard) {
        return Turned::Refused;
    }
    PickedCards[std::size_t(CardsOpen)] = index;
    TurnedValue[std::size_t(index)] = CardValue[std::size_t(index)];
    LastCard = index;
    if (CardsOpen == 0) {
        CardsOpen = 1;
        return Turned::FirstCard;
    }
    const auto first = std::size_t(PickedCards[0]);
    const auto second = std::size_t(PickedCards[1]);
    CardsOpen = 0;
    LastCard = kNoCard;
    if (TurnedValue[first] == TurnedValue[second]) {
        CardState[first] = kMatched;
        CardState[second] = kMatched;
        ++PlayerScores[std::size_t(CurrentPlayer - 1)];
        ++PairsFound;
        if (PairsFound >= pairs_) {
            return Turned::GameEnd;
        }
        SameTurn = 1;
        return Turned::Match;
    }
    SameTurn = 0;
    if (PlayerCount == 1) {
        ++PlayerScores[0];
    }
    return Turned::Miss;
}

bool MatchingGame::exchangeMissedPair() {
    if (ExchangeMode == Exchange::SomeTimes) {
        random_.Randomize();
        ExchangeRoll = random_.between(1, 4);
    }
    const bool exchanged = ExchangeMode == Exchange::AllTheTime ||
                           (ExchangeMode == Exchange::SomeTimes && ExchangeRoll == 2);
    if (exchanged) {
        std::swap(CardValue[std::size_t(PickedCards[0])], CardValue[std::size_t(PickedCards[1])]);
    }
    return exchanged;
}

void MatchingGame::NextTurn() {
    if (PlayerCount >= 2 && SameTurn == 0) {
        CurrentPlayer = CurrentPlayer % PlayerCount + 1;
    }
}

bool MatchingGame::UpdateAccuracy() {
    const int tries = PlayerScores[0];
    if (PlayerCount != 1 || tries == 0) {
        return false;
    }
    const double pairs = pairs_;
    AccuracyPercent = int(std::floor((pairs / tries + 0.005) * 100));
    if (AccuracyPercent > 100) {
        AccuracyPercent = int(std::floor((tries / pairs + 0.005) * 100));
    }
    return true;
}

QString MatchingGame::winnerText() const {
    const auto scores = std::span(PlayerScores).first(std::size_t(std::clamp(PlayerCount, 1, 4)));
    const int best = *std::max_element(scores.begin(), scores.end());
    if (std::count(scores.begin(), scores.end(), best) == 1) {
        const auto winner = std::find(scores.begin(), scores.end(), best) - scores.begin();
        return QString("Player %1 Wins").arg(winner + 1);
    }
    return PlayerCount == 2 ? "It's a Tie" : "There's a Tie";
}

void MatchingGame::recordGame() {
    const int tries = PlayerScores[0];
    if (tries <= 0) {
        return;
    }
    AccuracyPercent = int(std::floor((double(pairs_) / tries + 0.005) * 100));
    if (GameNumber >= 1 && GameNumber < kReportRows) {
        ReportTable[std::size_t(GameNumber)] = {QString::number(GameNumber),
                                                " " + QString::number(tries),
                                                accuracyText(AccuracyPercent)};
    } else {
        ReportTable[kReportRows].game.clear();
    }
}

QString MatchingGame::accuracyText(int percent) {
    return (percent < 100 ? "   " : " ") + QString::number(percent) + "%";
}

std::vector<MatchingGame::ReportRow> MatchingGame::reportRows() const {
    std::vector<ReportRow> rows;
    for (int r = 1; r <= kReportRows && !ReportTable[std::size_t(r)].game.isEmpty(); ++r) {
        rows.push_back(ReportTable[std::size_t(r)]);
    }
    return rows;
}

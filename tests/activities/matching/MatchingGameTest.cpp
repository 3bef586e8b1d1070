#include "MatchingGame.h"

#include "FakePlatform.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// The draw r that Int(r x n + 1) turns into d.
double drawFor(int d, int n) {
    return (d - 0.5) / n;
}

struct MatchingGameTest : ::testing::Test {
    FakeRandom random;
    MatchingGame game{random};

    // A game of one to four players whose cards 2k and 2k + 1 carry item k.
    void setUpPairs(bool levelOne, int players) {
        game.setLevelOne(levelOne);
        game.PlayerCount = players;
        game.ResetBoard();
        for (int card = 0; card < game.cardCount(); ++card) {
            game.CardValue[std::size_t(card)] = QString("W%1").arg(card / 2);
        }
    }
    void turnPair(int first, int second) {
        game.TurnCard(first);
        game.TurnCard(second);
        game.NextTurn();
    }
};

TEST_F(MatchingGameTest, TheDealPutsEveryItemOnExactlyTwoCardsOfTheLevel) {
    for (const bool levelOne : {true, false}) {
        game.setLevelOne(levelOne);
        const int cards = game.cardCount();
        QStringList items;
        for (int k = 1; k <= game.pairs(); ++k) {
            items.append(QString("ITEM%1").arg(k));
        }
        // 2N stands for card 0; a card drawn again while taken is drawn once more; then cards
        // run from the top down, with a stuck 0.999 at the end.
        random.draws = {drawFor(cards, cards), drawFor(cards, cards), drawFor(1, cards)};
        for (int d = cards - 1; d >= 3; --d) {
            random.draws.push_back(drawFor(d, cards));
        }
        game.ResetBoard();
        game.deal(items);
        EXPECT_EQ(game.CardValue[0], "ITEM1");
        EXPECT_EQ(game.CardValue[1], "ITEM1");
        EXPECT_EQ(game.CardValue[std::size_t(cards - 1)], "ITEM2");
        std::map<QString, int> copies;
        for (int card = 0; card < MatchingGame::kCards; ++card) {
            const QString value = game.CardValue[std::size_t(card)];
            EXPECT_EQ(value.isEmpty(), card >= cards) << card;
            EXPECT_EQ(game.CardState[std::size_t(card)], 0);
            if (!value.isEmpty()) {
                ++copies[value];
            }
        }
        EXPECT_EQ(int(copies.size()), game.pairs());
        for (const auto& [item, count] : copies) {
            EXPECT_EQ(count, 2) << item.toStdString();
        }
    }
}

TEST_F(MatchingGameTest, TurnsRefuseMatchAndMissAsThePlayersPlay) {
    setUpPairs(true, 2);
    game.CardValue[4] = "Anna";
    game.CardValue[5] = "ANNA";
    using T = MatchingGame::Turned;
    EXPECT_EQ(game.TurnCard(0), T::FirstCard);
    EXPECT_EQ(game.TurnCard(0), T::Refused); // the card already open
    EXPECT_EQ(game.TurnCard(1), T::Match);
    game.NextTurn();
    EXPECT_EQ(game.CurrentPlayer, 1); // a match keeps the player on turn
    EXPECT_EQ(game.PlayerScores[0], 1);
    EXPECT_EQ(game.TurnCard(1), T::Refused); // matched
    EXPECT_EQ(game.TurnCard(4), T::FirstCard);
    EXPECT_EQ(game.TurnCard(5), T::Miss); // compared exactly, case and all
    EXPECT_EQ(game.LastCard, MatchingGame::kNoCard);
    game.NextTurn();
    EXPECT_EQ(game.CurrentPlayer, 2);
    EXPECT_EQ(game.TurnCard(4), T::FirstCard); // a missed card can be turned again
    EXPECT_EQ(game.TurnCard(6), T::Miss);
    game.NextTurn();
    EXPECT_EQ(game.CurrentPlayer, 1); // back to player 1 after the last
    EXPECT_EQ(game.PlayerScores[1], 0);
}

TEST_F(MatchingGameTest, EqualValuesOfDifferentItemsMatchAndTheLastPairEndsTheGame) {
    setUpPairs(true, 1);
    for (int card = 0; card < 20; ++card) {
        game.CardValue[std::size_t(card)] = card < 4 ? QString() : QString("W%1").arg(card / 2);
    }
    // Empty names all match each other.
    turnPair(0, 3);
    turnPair(1, 2);
    for (int pair = 2; pair < 9; ++pair) {
        EXPECT_EQ(game.TurnCard(2 * pair), MatchingGame::Turned::FirstCard);
        EXPECT_EQ(game.TurnCard(2 * pair + 1), MatchingGame::Turned::Match);
    }
    game.TurnCard(18);
    EXPECT_EQ(game.TurnCard(19), MatchingGame::Turned::GameEnd);
    EXPECT_EQ(game.PairsFound, 10);
    EXPECT_EQ(game.PlayerScores[0], 10); // one player's score counts the tries
    game.recordGame();
    EXPECT_EQ(game.AccuracyPercent, 100);
}

TEST_F(MatchingGameTest, OnePlayersAccuracyFollowsTheTries) {
    const struct {
        bool levelOne;
        int tries;
        int percent;
    } cases[] = {
        {true, 4, 40},  {false, 9, 50},  {true, 10, 100},  {true, 12, 83},
        {true, 14, 71}, {false, 24, 75}, {false, 18, 100}, {false, 1, 6},
    };
    for (const auto& c : cases) {
        setUpPairs(c.levelOne, 1);
        game.PlayerScores[0] = c.tries;
        ASSERT_TRUE(game.UpdateAccuracy());
        EXPECT_EQ(game.AccuracyPercent, c.percent) << c.tries;
    }
    game.PlayerScores[0] = 0;
    EXPECT_FALSE(game.UpdateAccuracy());
    game.PlayerCount = 2;
    game.PlayerScores[0] = 5;
    EXPECT_FALSE(game.UpdateAccuracy());
}

TEST_F(MatchingGameTest, TheStrictlyHighestScoreWinsElseATie) {
    const struct {
        int players;
        std::array<int, 4> scores;
        const char* text;
    } cases[] = {
        {2, {5, 5, 0, 0}, "It's a Tie"},    {2, {6, 4, 0, 0}, "Player 1 Wins"},
        {2, {3, 7, 0, 0}, "Player 2 Wins"}, {3, {4, 4, 2, 0}, "There's a Tie"},
        {3, {1, 2, 7, 0}, "Player 3 Wins"}, {4, {2, 3, 2, 3}, "There's a Tie"},
        {4, {1, 8, 4, 5}, "Player 2 Wins"}, {4, {0, 0, 0, 18}, "Player 4 Wins"},
        {3, {2, 2, 2, 9}, "There's a Tie"}, // a fourth score outside the game counts for nothing
    };
    for (const auto& c : cases) {
        game.PlayerCount = c.players;
        game.PlayerScores = c.scores;
        EXPECT_EQ(game.winnerText(), c.text) << c.players << " " << c.scores[0];
    }
}

TEST_F(MatchingGameTest, TheReportRecordsGamesOneToFortyNine) {
    game.setLevelOne(true);
    game.PlayerCount = 1;
    const struct {
        int game;
        int tries;
        MatchingGame::ReportRow row;
    } cases[] = {
        {3, 14, {"3", " 14", "   71%"}},
        {1, 10, {"1", " 10", " 100%"}},
        {49, 40, {"49", " 40", "   25%"}},
    };
    for (const auto& c : cases) {
        game.GameNumber = c.game;
        game.PlayerScores[0] = c.tries;
        game.recordGame();
        const auto& row = game.ReportTable[std::size_t(c.game)];
        EXPECT_EQ(row.game, c.row.game);
        EXPECT_EQ(row.tries, c.row.tries);
        EXPECT_EQ(row.accuracy, c.row.accuracy);
    }
    // Rows 1 and 3 stand; the report stops at the empty row 2.
    ASSERT_EQ(game.reportRows().size(), 1u);
    EXPECT_EQ(game.reportRows()[0].tries, " 10");
    game.GameNumber = 50;
    game.recordGame();
    EXPECT_TRUE(game.ReportTable[50].game.isEmpty());
    game.ResetMatchingState();
    EXPECT_TRUE(game.reportRows().empty());
}

TEST_F(MatchingGameTest, AMissedPairIsExchangedByTheMode) {
    using E = MatchingGame::Exchange;
    const struct {
        E mode;
        double roll;
        bool exchanged;
    } cases[] = {
        {E::None, 0.3, false},       {E::AllTheTime, 0.9, true},
        {E::SomeTimes, 0.3, true},   // a roll of 2
        {E::SomeTimes, 0.1, false},  // a roll of 1
        {E::SomeTimes, 0.99, false}, // a roll of 4
    };
    for (const auto& c : cases) {
        setUpPairs(true, 1);
        game.ExchangeMode = c.mode;
        game.TurnCard(3);
        game.TurnCard(4);
        random.draws = {c.roll};
        const int seeded = random.randomizeCalls;
        EXPECT_EQ(game.exchangeMissedPair(), c.exchanged);
        EXPECT_EQ(random.randomizeCalls - seeded, c.mode == E::SomeTimes ? 1 : 0);
        EXPECT_EQ(game.CardValue[3], c.exchanged ? "W2" : "W1");
        EXPECT_EQ(game.CardValue[4], c.exchanged ? "W1" : "W2");
    }
}

} // namespace

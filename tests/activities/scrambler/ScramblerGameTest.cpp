#include "ScramblerGame.h"
#include "ScramblerCountdown.h"

#include "FakePlatform.h"

#include <gtest/gtest.h>

namespace {

// Levels of one, two or three words; every level's words are distinct from the others'.
ScramblerWordTable smallTable() {
    ScramblerWordTable table;
    const std::vector<std::vector<QString>> levels = {
        {"CAT"}, {"DOG", "HEN"}, {"FOX", "OWL", "PIG"}, {"COW"}, {"EMU"}, {"YAK"}};
    for (std::size_t level = 0; level < levels.size(); ++level) {
        for (const QString& word : levels[level])
            table.levels[level].push_back({word, QStringLiteral("hint")});
    }
    return table;
}

struct GameFixture : ::testing::Test {
    FakeRandom random;
    ScramblerGame game{random};
    void SetUp() override { game.setWords(smallTable()); }
};

TEST_F(GameFixture, PointsAccuracyAndTurnsFollowTheRules) {
    enum Outcome { Right1, Right2, Missed };
    const struct {
        const char* name;
        int players;
        int option;
        std::vector<Outcome> words;
        std::vector<int> scores;
        std::vector<int> turns; // the player to play after each word
        int accuracy;
    } cases[] = {
        {"one player right at once", 1, 0, {Right1}, {5}, {1}, 100},
        {"one player right at the second", 1, 0, {Right2}, {3}, {1}, 60},
        {"one player missed twice", 1, 0, {Missed}, {0}, {1}, 0},
        {"8 of 15", 1, 0, {Right1, Right2, Missed}, {8}, {1, 1, 1}, 53},
        {"two players until wrong", 2, 0, {Right1, Missed, Right2}, {5, 3}, {1, 2, 2}, 0},
        {"three players, next player",
         3,
         1,
         {Right1, Missed, Right2, Right1},
         {10, 0, 3},
         {2, 3, 1, 2},
         0},
    };
    for (const auto& c : cases) {
        game.setWords(smallTable());
        game.setPlayers(c.players);
        game.PlayerOption = c.option;
        for (std::size_t i = 0; i < c.words.size(); ++i) {
            game.startWord();
            const QString word = game.CurrentWord;
            int& player = game.CurrentPlayer;
            if (c.words[i] == Right1) {
                EXPECT_EQ(game.check(player, word, {}), ScramblerGame::Judgement::Right) << c.name;
            } else {
                EXPECT_EQ(game.check(player, {}, {}), ScramblerGame::Judgement::FirstMiss)
                    << c.name;
                EXPECT_EQ(game.AttemptState, 2) << c.name;
                EXPECT_EQ(game.check(player, {}, c.words[i] == Right2 ? word : QString()),
                          c.words[i] == Right2 ? ScramblerGame::Judgement::Right
                                               : ScramblerGame::Judgement::SecondMiss)
                    << c.name;
            }
            EXPECT_GE(game.AttemptState, 3) << c.name;
            EXPECT_EQ(game.WordInPlay, 0) << c.name;
            EXPECT_EQ(game.CurrentPlayer, c.turns[i]) << c.name << " word " << i;
        }
        for (std::size_t p = 0; p < c.scores.size(); ++p) {
            EXPECT_EQ(game.PlayerScores[p], c.scores[p]) << c.name << " player " << p + 1;
        }
        if (c.players == 1) {
            EXPECT_EQ(game.accuracy(), c.accuracy) << c.name;
        }
    }
}

TEST_F(GameFixture, AccuracyOf23In40Rounds) {
    game.PlayerScores[0] = 23;
    game.MaximumPoints = 40;
    EXPECT_EQ(game.accuracy(), 57);
}

TEST_F(GameFixture, LevelsRollOverAfterTheirLastWordAndFromSixBackToOne) {
    game.setLevel(3);
    std::vector<QString> shown;
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(game.startWord());
        shown.push_back(game.CurrentWord);
        EXPECT_EQ(game.wordsUsedPercent(), (i + 1) * 100 / 3 + (i == 1 ? 1 : 0));
        int player = 1;
        game.check(player, game.CurrentWord, {});
    }
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<QString>{"FOX", "OWL", "PIG"}));
    EXPECT_TRUE(game.startWord());
    EXPECT_EQ(game.DifficultyLevel, 4);
    EXPECT_EQ(game.CurrentWord, QStringLiteral("COW"));

    game.setLevel(6);
    int player = 1;
    game.check(player, {}, {});
    game.check(player, {}, {});
    game.startWord(); // YAK
    game.check(player, game.CurrentWord, {});
    EXPECT_TRUE(game.startWord());
    EXPECT_EQ(game.DifficultyLevel, 1);
    EXPECT_EQ(game.CurrentWord, QStringLiteral("CAT"));
    EXPECT_NE(game.ScrambledWord, QStringLiteral("CAT"));
}

TEST_F(GameFixture, TypingFillsTheAttemptUpToTheWordsLength) {
    game.startWord(); // CAT
    EXPECT_EQ(game.typeKey(8), ScramblerGame::Typed::Unchanged) << "Backspace on empty";
    for (const char c : {'c', 'a', 't'})
        EXPECT_EQ(game.typeKey(c), ScramblerGame::Typed::Changed);
    EXPECT_EQ(game.TypedText, QStringLiteral("CAT"));
    EXPECT_EQ(game.typeKey('s'), ScramblerGame::Typed::Beep);
    EXPECT_EQ(game.typeKey(' '), ScramblerGame::Typed::Unchanged) << "Space past the end is silent";
    EXPECT_EQ(game.TypedText, QStringLiteral("CAT"));
    EXPECT_EQ(game.typeKey(8), ScramblerGame::Typed::Changed);
    EXPECT_EQ(game.typeKey(' '), ScramblerGame::Typed::Changed);
    EXPECT_EQ(game.TypedText, QStringLiteral("CA "));
}

TEST(ScramblerCountdown, TimerAnswersGiveTheirSeconds) {
    const struct {
        const char* answer;
        int seconds;
    } cases[] = {
        {"5", 5},   {"12", 12}, {"45", 30}, {"99999", 30},  {"1e9", 30},
        {"2", 0},   {"3", 3},   {"3.5", 4}, {"2.5", 0},     {"4.5", 4},
        {"abc", 0}, {"", 0},    {"-20", 0}, {" 7 secs", 7}, {"99999999999999999999999", 30}};
    for (const auto& c : cases)
        EXPECT_EQ(ScramblerCountdown::secondsFromAnswer(QString::fromLatin1(c.answer)), c.seconds)
            << c.answer;
}

TEST(ScramblerCountdown, TextAndBarTickByTick) {
    const struct {
        int seconds;
        std::vector<std::pair<QString, int>> ticks;
    } cases[] = {
        {5, {{"05", 100}, {"04", 80}, {"03", 60}, {"02", 40}, {"01", 20}, {"00", 0}}},
        {12,
         {{"12", 100},
          {"11", 100},
          {"10", 100},
          {"09", 90},
          {"08", 80},
          {"07", 70},
          {"06", 60},
          {"05", 50},
          {"04", 40},
          {"03", 30},
          {"02", 20},
          {"01", 10},
          {"00", 0}}},
    };
    for (const auto& c : cases) {
        ScramblerCountdown countdown;
        countdown.start(c.seconds);
        EXPECT_EQ(countdown.bar(), 100);
        EXPECT_TRUE(countdown.text().isEmpty());
        for (std::size_t i = 0; i < c.ticks.size(); ++i) {
            EXPECT_EQ(countdown.tick(), i + 1 == c.ticks.size()) << c.seconds << " tick " << i;
            EXPECT_EQ(countdown.text(), c.ticks[i].first) << c.seconds;
            EXPECT_EQ(countdown.bar(), c.ticks[i].second) << c.seconds << " " << i;
        }
        EXPECT_FALSE(countdown.tick()) << "a spent countdown judges once";
    }
    ScramblerCountdown longest;
    longest.start(30);
    longest.tick();
    EXPECT_EQ(longest.text(), QStringLiteral("30"));
}

} // namespace

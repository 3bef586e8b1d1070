#pragma once

#include "ScramblerWords.h"

#include <QString>

#include <array>
#include <vector>

class Random;

// The play of the word scrambler, kept free of widgets: a word of the current level is picked
// without repeats and shown shuffled; the player types it back on the first attempt and, when
// that is wrong, on the second. Right at the first attempt earns 5 points, at the second 3. One
// to four players take turns, either until a player is wrong or after every word.
class ScramblerGame {
public:
    static constexpr int kFirstAttemptPoints = 5;
    static constexpr int kSecondAttemptPoints = 3;
    static constexpr int kMostPlayers = 4;

    enum class Judgement { Right, FirstMiss, SecondMiss };
    enum class Typed { Changed, Unchanged, Beep };

    explicit ScramblerGame(Random& random);

    ScramblerWordTable words;

    int DifficultyLevel = 1; // 1 to 6
    int PlayerCount = 1;
    int CurrentPlayer = 1;
    int PlayerOption = 0; // 0 "Until Wrong", 1 "Next Player"
    int MaximumPoints = 0;
    int AttemptState = 0; // 1 first attempt open, 2 second, 3 or more finished
    int WordInPlay = 0;
    int WordFinished = 0;
    std::array<int, kMostPlayers> PlayerScores{};
    std::array<std::vector<int>, ScramblerWordTable::kLevels> WordUsed;
    std::array<int, ScramblerWordTable::kLevels> LevelWordsUsed{};
    int WordsInLevel = 0;
    int WordsUsedInLevel = 0;
    QString CurrentWord;
    QString CurrentHelp;
    QString ScrambledWord;
    QString TypedText;

    // Takes a freshly read word file; every used flag and counter starts again at level 1.
    void setWords(ScramblerWordTable table);
    // Chooses the level 1 to 6; its used flags stay as they were.
    void setLevel(int level);
    // New players: scores and the points possible back to 0, player 1 to play.
    void setPlayers(int count);

    // Start and Next: counts the word's points as possible, moves to the next level (after 6 back
    // to 1) when the current one is used up, picks and shuffles the word and opens the first
    // attempt. Whether the level moved on.
    bool startWord();
    // A typed character code on the open attempt: Backspace (8) drops the last character, any
    // other code adds its character upper-cased while the attempt is shorter than the word. An
    // attempt already as long as the word beeps, except for Space (32).
    Typed typeKey(int code);
    // Judges the open attempt, given as the two attempt captions, for the player, whom the turn
    // rules move on in place.
    Judgement check(int& player, const QString& firstAttempt, const QString& secondAttempt);

    // The one player's points as a share of the points possible, 0 to 100.
    int accuracy() const;
    int wordsUsedPercent() const;

private:
    void pickWord();
    void passTurn(int& player);

    Random& random_;
};

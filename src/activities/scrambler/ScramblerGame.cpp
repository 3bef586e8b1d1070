#include "ScramblerGame.h"

#include "DrawWithoutRepeats.h"
#include "Random.h"

#include <cmath>

namespace {
constexpr int kBackspace = 8;
constexpr int kSpace = 32;
} // namespace

ScramblerGame::ScramblerGame(Random& random) : random_(random) {}

void ScramblerGame::setWords(ScramblerWordTable table) {
    words = std::move(table);
    for (int level = 1; level <= ScramblerWordTable::kLevels; ++level) {
        WordUsed[std::size_t(level - 1)].assign(std::size_t(words.count(level) + 1), 0);
        LevelWordsUsed[std::size_t(level - 1)] = 0;
    }
    WordsUsedInLevel = 0;
    setLevel(1);
}

void ScramblerGame::setLevel(int level) {
    DifficultyLevel = level;
    WordsInLevel = words.count(level);
    WordsUsedInLevel = LevelWordsUsed[std::size_t(level - 1)];
}

void ScramblerGame::setPlayers(int count) {
    PlayerCount = count;
    CurrentPlayer = 1;
    PlayerScores = {};
    MaximumPoints = 0;
    AttemptState = 0;
}

bool ScramblerGame::startWord() {
    MaximumPoints += kFirstAttemptPoints;
    TypedText.clear();
    bool rolledOver = false;
    if (WordsUsedInLevel >= WordsInLevel) {
        auto& used = WordUsed[std::size_t(DifficultyLevel - 1)];
        std::fill(used.begin(), used.end(), 0);
        LevelWordsUsed[std::size_t(DifficultyLevel - 1)] = 0;
        setLevel(DifficultyLevel % ScramblerWordTable::kLevels + 1);
        rolledOver = true;
    }
    pickWord();
    ScrambledWord = scrambleWord(CurrentWord, random_);
    AttemptState = 1;
    WordInPlay = 1;
    return rolledOver;
}

void ScramblerGame::pickWord() {
    // A new word only once the last is finished, or when none of the level has been used yet.
    if (WordsUsedInLevel > 0 && WordFinished != 1)
        return;
    WordFinished = 0;
    const std::size_t level = std::size_t(DifficultyLevel - 1);
    const int count = words.count(DifficultyLevel);
    if (LevelWordsUsed[level] >= count) {
        std::fill(WordUsed[level].begin(), WordUsed[level].end(), 0);
        LevelWordsUsed[level] = 0;
    }
    const int index = drawUnused(WordUsed[level], count, random_);
    ++LevelWordsUsed[level];
    CurrentWord = words.entry(DifficultyLevel, index).word;
    CurrentHelp = words.entry(DifficultyLevel, index).help;
    WordsInLevel = count;
    WordsUsedInLevel = LevelWordsUsed[level];
}

ScramblerGame::Typed ScramblerGame::typeKey(int code) {
    if (code == kBackspace) {
        if (TypedText.isEmpty())
            return Typed::Unchanged;
        TypedText.chop(1);
        return Typed::Changed;
    }
    if (TypedText.size() >= CurrentWord.size())
        return code == kSpace ? Typed::Unchanged : Typed::Beep;
    TypedText += QString(QChar(code)).toUpper();
    return Typed::Changed;
}

ScramblerGame::Judgement ScramblerGame::check(int& player, const QString& firstAttempt,
                                              const QString& secondAttempt) {
    if (CurrentWord == firstAttempt || CurrentWord == secondAttempt) {
        WordFinished = 1;
        WordInPlay = 0;
        PlayerScores[std::size_t(player - 1)] +=
            AttemptState == 1 ? kFirstAttemptPoints : kSecondAttemptPoints;
        AttemptState = 3;
        if (PlayerOption == 1)
            passTurn(player);
        return Judgement::Right;
    }
    if (AttemptState == 1) {
        AttemptState = 2;
        TypedText.clear();
        return Judgement::FirstMiss;
    }
    WordFinished = 1;
    WordInPlay = 0;
    AttemptState = 3;
    passTurn(player);
    return Judgement::SecondMiss;
}

void ScramblerGame::passTurn(int& player) {
    if (PlayerCount > 1)
        player = player % PlayerCount + 1;
    ++AttemptState;
    TypedText.clear();
}

int ScramblerGame::accuracy() const {
    if (MaximumPoints <= 0)
        return 0;
    return int(std::floor((double(PlayerScores[0]) / MaximumPoints + 0.005) * 100));
}

int ScramblerGame::wordsUsedPercent() const {
    return ::wordsUsedPercent(WordsUsedInLevel, WordsInLevel);
}

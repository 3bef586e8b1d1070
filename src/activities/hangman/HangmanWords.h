#pragma once

#include <QString>

#include <array>
#include <vector>

// The five built-in word lists of the hangman game, one per word level, built when the window
// loads. Entries 1 to N of a level hold its words in capitals A to Z; entry 0 and the entries
// above N, up to the level's top index, stay empty and are never drawn.
struct HangmanWordTable {
    static constexpr int kLevels = 5;
    // The N of each level: its list's length in HangmanWords.cpp, which checks them when built.
    static constexpr std::array<int, kLevels> kWordCount = {174, 164, 146, 148, 148};
    // The highest index of each level's list (and of its used flags).
    static constexpr std::array<int, kLevels> kTopIndex = {174, 165, 150, 150, 150};

    std::array<std::vector<QString>, kLevels> words;
    std::array<int, kLevels> LevelWordCount{};

    // Entry i of level 1 to 5; empty outside the lists.
    QString entry(int level, int i) const;
};

// Fills every level's entries 1 to N in order and sets LevelWordCount.
void LoadHangmanWords(HangmanWordTable& table);

#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class Random;

// One word of the scrambler with its hint.
struct ScramblerEntry {
    QString word;
    QString help;
};

// The six levels of the word scrambler's word file WscOtxt.Fil. The file is a run of two-field
// entries (word, hint); levels 1 to 5 each end at an entry whose word is exactly "END", level 6
// runs to the end of the file.
struct ScramblerWordTable {
    static constexpr int kLevels = 6;
    // The positions table of the shuffle holds 30 letters.
    static constexpr int kLongestWord = 30;
    static constexpr std::array<int, kLevels> kCapacity = {39, 39, 40, 39, 39, 40};

    std::array<std::vector<ScramblerEntry>, kLevels> levels;

    // The words of level 1 to 6.
    int count(int level) const { return int(levels[std::size_t(level - 1)].size()); }
    const ScramblerEntry& entry(int level, int index) const {
        return levels[std::size_t(level - 1)][std::size_t(index - 1)];
    }
};

// Reads the word file's bytes. Words are taken in capitals, as the keys type them. An entry that
// is empty, longer than 30 characters, made of one repeated character (no shuffle changes it),
// holding a character no key types (a blank, an accented letter) or beyond its level's capacity
// is passed over; it never spills into the next level. Nothing when the file cannot be played:
// fewer than five end entries, a level left without a word, or a quote never closed.
std::optional<ScramblerWordTable> readScramblerWords(const QByteArray& bytes);

// Whether some order of the word's characters differs from the word.
bool canBeScrambled(const QString& word);

// The word's characters in a random order that differs from the word: every position drawn with
// the same chance, drawn again while taken, the whole shuffle repeated while it gives the word
// back. A word that no shuffle changes comes back as it is; a generator that keeps giving the
// word back ends with its characters turned by one place.
QString scrambleWord(const QString& word, Random& random);

// The words-used percentage: Int((used / inLevel + 0.005) x 100), 0 for an empty level.
int wordsUsedPercent(int used, int inLevel);

#include "ScramblerWords.h"

#include "FieldReader.h"
#include "Random.h"

#include <algorithm>
#include <cmath>

namespace {

// Whole shuffles tried before the word is turned by one place instead.
constexpr int kShuffleTries = 1000;
// Draws of a free position tried before the lowest free one is taken.
constexpr int kPositionDraws = 100;

// What a key gives an attempt button: a printable character of the keyboard other than Space,
// which submits the attempt. Letters arrive as capitals; accented letters come through an input
// method, which the attempt buttons do not take.
bool isTypeable(QChar c) {
    return c.unicode() > ' ' && c.unicode() <= '~';
}

bool isPlayable(const QString& word) {
    return word.size() <= ScramblerWordTable::kLongestWord && canBeScrambled(word) &&
           std::all_of(word.begin(), word.end(), isTypeable);
}

} // namespace

bool canBeScrambled(const QString& word) {
    for (const QChar c : word) {
        if (c != word.front())
            return true;
    }
    return false;
}

std::optional<ScramblerWordTable> readScramblerWords(const QByteArray& bytes) {
    ScramblerWordTable table;
    FieldReader reader(bytes);
    int level = 1;
    while (!reader.atEnd()) {
        const std::optional<QString> word = reader.next();
        const std::optional<QString> help = reader.next();
        if (!word || reader.unclosedQuote())
            return std::nullopt;
        if (level < ScramblerWordTable::kLevels && *word == QLatin1String("END")) {
            ++level;
            continue;
        }
        // Typed letters are capitals: a word is played as its capitals.
        const QString playedWord = word->toUpper();
        auto& entries = table.levels[std::size_t(level - 1)];
        if (isPlayable(playedWord) &&
            int(entries.size()) < ScramblerWordTable::kCapacity[std::size_t(level - 1)])
            entries.push_back({playedWord, help.value_or(QString())});
    }
    if (level < ScramblerWordTable::kLevels)
        return std::nullopt;
    for (const auto& entries : table.levels) {
        if (entries.empty())
            return std::nullopt;
    }
    return table;
}

QString scrambleWord(const QString& word, Random& random) {
    if (!canBeScrambled(word))
        return word;
    const int length = int(word.size());
    for (int attempt = 0; attempt < kShuffleTries; ++attempt) {
        std::vector<bool> placed(std::size_t(length), false);
        QString scrambled;
        while (scrambled.size() < length) {
            int position = random.between(1, length);
            for (int draw = 1; placed[std::size_t(position - 1)]; ++draw) {
                position =
                    draw < kPositionDraws ? random.between(1, length) : position % length + 1;
            }
            placed[std::size_t(position - 1)] = true;
            scrambled += word[position - 1];
        }
        if (scrambled != word)
            return scrambled;
    }
    // Turning by one place changes every word that has two different characters.
    return word.mid(1) + word.front();
}

int wordsUsedPercent(int used, int inLevel) {
    if (inLevel < 1)
        return 0;
    return int(std::floor((double(used) / inLevel + 0.005) * 100));
}

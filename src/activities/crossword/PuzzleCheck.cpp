#include "PuzzleCheck.h"

#include "EntryCells.h"

#include <cmath>

namespace {

WordClass judge(const std::vector<int>& cells, const QString& answer,
                const std::function<QString(int)>& letterAt) {
    QString letters;
    for (int cell : cells) {
        const QString letter = letterAt(cell);
        if (letter.isEmpty()) {
            return WordClass::Blank;
        }
        letters += letter;
    }
    return letters == answer ? WordClass::Correct : WordClass::Wrong;
}

template <std::size_t N>
void judgeDirection(const ClueArrays& clues, const std::array<QString, N>& numbers, int direction,
                    int columns, int lastCell, const std::function<QString(int)>& letterAt,
                    std::vector<JudgedWord>& words) {
    for (std::size_t i = 1; i < N && numbers[i] != kListEnd; ++i) {
        const int entry = int(i);
        JudgedWord word{direction, entry, entryCells(clues, direction, entry, columns, lastCell)};
        word.judged = judge(word.cells, entryAnswer(clues, direction, entry), letterAt);
        words.push_back(std::move(word));
    }
}

} // namespace

std::vector<JudgedWord> judgeWords(const ClueArrays& clues, int columns, int lastCell,
                                   const std::function<QString(int)>& letterAt) {
    std::vector<JudgedWord> words;
    judgeDirection(clues, clues.AcrossNum, 1, columns, lastCell, letterAt, words);
    judgeDirection(clues, clues.DownNum, 2, columns, lastCell, letterAt, words);
    return words;
}

int checkPercent(int count, int words) {
    return int(std::floor((double(count) / double(words) + 0.005) * 100.0));
}

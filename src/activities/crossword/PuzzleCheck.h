#pragma once

#include "ClueArrays.h"

#include <QString>

#include <functional>
#include <vector>

// How a check judges each word of the grid: Blank when one of its cells is empty, otherwise
// Correct when its letters equal the answer exactly (case counts), otherwise Wrong.
enum class WordClass { Blank, Wrong, Correct };

struct JudgedWord {
    int direction = 0; // 1 Across, 2 Down
    int entry = 0;     // 1-based index in that direction's arrays
    std::vector<int> cells;
    WordClass judged = WordClass::Blank;
};

// Every word of the loaded puzzle in the order a check takes them: the Across words, then the Down
// words, each list up to its "End" marker. letterAt gives the letter shown in a cell ("" empty).
std::vector<JudgedWord> judgeWords(const ClueArrays& clues, int columns, int lastCell,
                                   const std::function<QString(int)>& letterAt);

// A count as a whole percentage of the puzzle's words: Int((count / words + 0.005) x 100) in
// double precision. 23 of 40 gives 57, 1 of 8 gives 13.
int checkPercent(int count, int words);

#pragma once

#include <QString>

#include <array>

// The crossword window's eight parallel clue arrays, which hold the puzzle in play. Index i of
// the four Down arrays is Down entry i (number text, answer, clue, start cell), and likewise for
// Across. DownNum(0) holds the grid pattern; after the last entry of each direction its number
// array holds "End".
struct ClueArrays {
    static constexpr int kDownLast = 30;
    static constexpr int kAcrossLast = 20;

    std::array<QString, kDownLast + 1> DownNum;
    std::array<QString, kDownLast + 1> DownWord;
    std::array<QString, kDownLast + 1> DownClue;
    std::array<QString, kDownLast + 1> DownStart;
    std::array<QString, kAcrossLast + 1> AcrossNum;
    std::array<QString, kAcrossLast + 1> AcrossWord;
    std::array<QString, kAcrossLast + 1> AcrossClue;
    std::array<QString, kAcrossLast + 1> AcrossStart;

    // Sets every element to "". Loading writes only up to the new "End" markers, so the arrays
    // are erased before each puzzle is loaded.
    void erase();
};

// The text that follows the last entry of a direction in DownNum and AcrossNum.
inline constexpr const char* kListEnd = "End";

#pragma once

#include <span>
#include <string_view>

// One puzzle of the built-in crossword table: a grid of 13 (Level 1) or 18 (Level 2) columns by
// 8 rows with its Down and Across clues. The table is constant data compiled into the program.

// The grid, row by row from the top-left cell: character i describes cell i, which lies in row
// i / columns and column i % columns.
using GridPattern = std::string_view;

constexpr char kBlockedCell = '*';  // no letter
constexpr char kNumberedCell = '1'; // a letter cell that starts at least one word
constexpr char kPlainCell = ' ';    // a letter cell without a number

constexpr int kGridRows = 8;
constexpr int kLevel1Columns = 13;
constexpr int kLevel2Columns = 18;

// The grid width for the window's PuzzleLevel: 1 is Level 2, any other value Level 1.
constexpr int gridColumns(int puzzleLevel) {
    return puzzleLevel == 1 ? kLevel2Columns : kLevel1Columns;
}

// One clue, as the four texts that loading copies into the clue arrays.
struct ClueEntry {
    std::string_view number;    // "  1" to "  9" (two spaces and the digit), "10" and above
    std::string_view answer;    // 2 to 10 letters A to Z
    std::string_view clue;      // upper case, at most 36 characters
    std::string_view startCell; // decimal index of the answer's first cell
};

// An Across answer fills cells start, start + 1, ...; a Down answer start, start + columns, ...
struct CrosswordPuzzle {
    int level;  // 1 or 2
    int number; // 1 to 20 within the level
    GridPattern pattern;
    std::span<const ClueEntry> down;   // in ascending order of their numbers
    std::span<const ClueEntry> across; // in ascending order of their numbers
};

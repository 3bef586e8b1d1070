#pragma once

#include "ClueArrays.h"

#include <array>
#include <functional>

class Random;

// Draws the number of a puzzle of one level that was not drawn since the window opened, or since
// every puzzle of the level had been drawn. used holds a 1 at the number of each puzzle drawn;
// shown counts the draws. When all 20 have been drawn, allShown runs (it tells the person and
// waits) and the draw starts again from all 20; the puzzle drawn just before may then come at once.
int drawPuzzleNo(std::array<int, 21>& used, int& shown, Random& random,
                 const std::function<void()>& allShown);

// Writes puzzle PuzzleNo of a level (PuzzleLevel 0 = Level 1, 1 = Level 2) into erased arrays,
// through the loader that holds its number range: 1-5, 6-10, 11-15, 16 and above.
void loadPuzzle(int PuzzleLevel, int PuzzleNo, ClueArrays& clues);

#pragma once

#include "ClueArrays.h"

// Writes puzzle PuzzleNo of a level (PuzzleLevel 0 = Level 1, 1 = Level 2) into erased arrays,
// through the loader that holds its number range: 1-5, 6-10, 11-15, 16 and above.
void loadPuzzle(int PuzzleLevel, int PuzzleNo, ClueArrays& clues);

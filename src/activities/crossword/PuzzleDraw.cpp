#include "PuzzleDraw.h"

#include "PuzzleTable.h"

void loadPuzzle(int PuzzleLevel, int PuzzleNo, ClueArrays& clues) {
    using Loader = void (*)(int, ClueArrays&);
    static constexpr Loader level1[] = {Level1Puzzles01to05, Level1Puzzles06to10,
                                        Level1Puzzles11to15, Level1Puzzles16to20};
    static constexpr Loader level2[] = {Level2Puzzles01to05, Level2Puzzles06to10,
                                        Level2Puzzles11to15, Puz2222};
    const int range = PuzzleNo <= 5 ? 0 : PuzzleNo <= 10 ? 1 : PuzzleNo <= 15 ? 2 : 3;
    (PuzzleLevel == 1 ? level2 : level1)[range](PuzzleNo, clues);
}

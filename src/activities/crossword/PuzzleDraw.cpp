#include "PuzzleDraw.h"

#include "PuzzleTable.h"
#include "Random.h"

int drawPuzzleNo(std::array<int, 21>& used, int& shown, Random& random,
                 const std::function<void()>& allShown) {
    if (shown >= kPuzzlesPerLevel) {
        shown = 0;
        used.fill(0);
        allShown();
    }
    ++shown;
    // At most 19 of the 20 are drawn when the draw starts, so a fair draw soon finds a free one;
    // a generator stuck on drawn numbers gets the lowest free number instead of drawing forever.
    constexpr int kDrawsBeforeGivingUp = 10000;
    int PuzzleNo = 0;
    for (int draws = 0; draws < kDrawsBeforeGivingUp; ++draws) {
        PuzzleNo = random.between(1, kPuzzlesPerLevel);
        if (used[std::size_t(PuzzleNo)] != 1) {
            used[std::size_t(PuzzleNo)] = 1;
            return PuzzleNo;
        }
    }
    for (PuzzleNo = 1; used[std::size_t(PuzzleNo)] == 1; ++PuzzleNo) {
    }
    used[std::size_t(PuzzleNo)] = 1;
    return PuzzleNo;
}

void loadPuzzle(int PuzzleLevel, int PuzzleNo, ClueArrays& clues) {
    using Loader = void (*)(int, ClueArrays&);
    static constexpr Loader level1[] = {Level1Puzzles01to05, Level1Puzzles06to10,
                                        Level1Puzzles11to15, Level1Puzzles16to20};
    static constexpr Loader level2[] = {Level2Puzzles01to05, Level2Puzzles06to10,
                                        Level2Puzzles11to15, Puz2222};
    const int range = PuzzleNo <= 5 ? 0 : PuzzleNo <= 10 ? 1 : PuzzleNo <= 15 ? 2 : 3;
    (PuzzleLevel == 1 ? level2 : level1)[range](PuzzleNo, clues);
}

#include "PuzzleTable.h"

namespace {

QString text(std::string_view view) {
    return QString::fromLatin1(view.data(), static_cast<qsizetype>(view.size()));
}

void writePuzzle(const CrosswordPuzzle& puzzle, ClueArrays& arrays) {
    arrays.DownNum[0] = text(puzzle.pattern);
    arrays.DownWord[0] = QString();
    arrays.DownClue[0] = QString();
    arrays.DownStart[0] = QString();
    std::size_t i = 1;
    for (const ClueEntry& entry : puzzle.down) {
        arrays.DownNum[i] = text(entry.number);
        arrays.DownWord[i] = text(entry.answer);
        arrays.DownClue[i] = text(entry.clue);
        arrays.DownStart[i] = text(entry.startCell);
        ++i;
    }
    arrays.DownNum[i] = QString::fromLatin1(kListEnd);
    std::size_t j = 1;
    for (const ClueEntry& entry : puzzle.across) {
        arrays.AcrossNum[j] = text(entry.number);
        arrays.AcrossWord[j] = text(entry.answer);
        arrays.AcrossClue[j] = text(entry.clue);
        arrays.AcrossStart[j] = text(entry.startCell);
        ++j;
    }
    arrays.AcrossNum[j] = QString::fromLatin1(kListEnd);
}

// Writes puzzle PuzzleNo of the table when it is one of the five from firstNo on.
void loadFromFive(const std::array<CrosswordPuzzle, kPuzzlesPerLevel>& table, int firstNo,
                  int PuzzleNo, ClueArrays& arrays) {
    if (PuzzleNo >= firstNo && PuzzleNo < firstNo + 5) {
        writePuzzle(table[PuzzleNo - 1], arrays);
    }
}

} // namespace

void Level1Puzzles01to05(int PuzzleNo, ClueArrays& arrays) {
    loadFromFive(kLevel1Puzzles, 1, PuzzleNo, arrays);
}

void Level1Puzzles06to10(int PuzzleNo, ClueArrays& arrays) {
    loadFromFive(kLevel1Puzzles, 6, PuzzleNo, arrays);
}

void Level1Puzzles11to15(int PuzzleNo, ClueArrays& arrays) {
    loadFromFive(kLevel1Puzzles, 11, PuzzleNo, arrays);
}

void Level1Puzzles16to20(int PuzzleNo, ClueArrays& arrays) {
    loadFromFive(kLevel1Puzzles, 16, PuzzleNo, arrays);
}

void Level2Puzzles01to05(int PuzzleNo, ClueArrays& arrays) {
    loadFromFive(kLevel2Puzzles, 1, PuzzleNo, arrays);
}

void Level2Puzzles06to10(int PuzzleNo, ClueArrays& arrays) {
    loadFromFive(kLevel2Puzzles, 6, PuzzleNo, arrays);
}

void Level2Puzzles11to15(int PuzzleNo, ClueArrays& arrays) {
    loadFromFive(kLevel2Puzzles, 11, PuzzleNo, arrays);
}

void Puz2222(int PuzzleNo, ClueArrays& arrays) {
    loadFromFive(kLevel2Puzzles, 16, PuzzleNo, arrays);
}

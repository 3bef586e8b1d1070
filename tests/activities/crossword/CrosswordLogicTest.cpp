#include "DrawWithoutRepeats.h"
#include "EntryCells.h"
#include "FakePlatform.h"
#include "NumberedCellCycle.h"
#include "PuzzleCheck.h"
#include "PuzzleDraw.h"
#include "PuzzleTable.h"
#include "WordHelpCount.h"

#include <QMap>

#include <gtest/gtest.h>

namespace {

// A small puzzle in a 5-column grid: 1 starts CAT across and COW down, 2 starts AWE down only,
// 4 starts WET across only.
//   C A T * *
//   O W * * *
//   W E T * *
ClueArrays smallPuzzle() {
    ClueArrays clues;
    clues.DownNum[0] = "1 1 *...";
    clues.DownNum[1] = "  1";
    clues.DownWord[1] = "COW";
    clues.DownStart[1] = "0";
    clues.DownNum[2] = "  2";
    clues.DownWord[2] = "AWE";
    clues.DownStart[2] = "1";
    clues.DownNum[3] = kListEnd;
    clues.AcrossNum[1] = "  1";
    clues.AcrossWord[1] = "CAT";
    clues.AcrossStart[1] = "0";
    clues.AcrossNum[2] = "  4";
    clues.AcrossWord[2] = "WET";
    clues.AcrossStart[2] = "10";
    clues.AcrossNum[3] = kListEnd;
    return clues;
}

constexpr int kColumns = 5;
constexpr int kLastCell = 14;

TEST(NumberedCellCycle, ClicksOnOneCellGiveAcrossDownAcrossAndAnotherCellStartsAfresh) {
    const ClueArrays clues = smallPuzzle();
    int last = 0;
    int state = 0;
    const struct {
        int number;
        int direction;
        int entry;
    } clicks[] = {
        {1, 1, 1}, {1, 2, 1}, {1, 1, 1}, // both ways: Across, Down, Across
        {2, 2, 2}, {2, 2, 2},            // Down only, every time
        {1, 1, 1},                       // back again: Across first
        {4, 1, 2}, {4, 1, 2},            // Across only
        {9, 0, 0},                       // no entry has the number
    };
    for (const auto& click : clicks) {
        const CellPick pick = pickNumberedCell(clues, click.number, last, state);
        EXPECT_EQ(pick.direction, click.direction) << click.number;
        EXPECT_EQ(pick.entry, click.entry) << click.number;
    }
}

TEST(PuzzleDraw, DrawsEveryPuzzleOnceThenTellsAndStartsAgain) {
    FakeRandom random;
    std::array<int, 21> used{};
    int shown = 0;
    int told = 0;
    const auto tell = [&told] { ++told; };
    // The largest draw the generator can give must still be puzzle 20.
    random.draws = {0.999999999, 0.999999999, 0.0};
    EXPECT_EQ(drawWithoutRepeats(used, shown, kPuzzlesPerLevel, random, tell), 20);
    EXPECT_EQ(drawWithoutRepeats(used, shown, kPuzzlesPerLevel, random, tell),
              1); // 20 again is drawn anew
    QList<int> rest;
    for (int n = 2; n <= 19; ++n) {
        random.draws = {(n - 0.5) / 20};
        rest.append(drawWithoutRepeats(used, shown, kPuzzlesPerLevel, random, tell));
    }
    EXPECT_EQ(shown, 20);
    EXPECT_EQ(told, 0);
    random.draws = {(20 - 0.5) / 20};
    EXPECT_EQ(drawWithoutRepeats(used, shown, kPuzzlesPerLevel, random, tell), 20);
    EXPECT_EQ(told, 1);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(std::count(used.begin(), used.end(), 1), 1);
}

TEST(PuzzleDraw, AGeneratorStuckOnDrawnPuzzlesGetsTheLowestFreeOne) {
    FakeRandom random; // with no draws scripted it keeps giving 0, puzzle 1
    std::array<int, 21> used{};
    used[1] = 1;
    used[2] = 1;
    int shown = 2;
    EXPECT_EQ(drawWithoutRepeats(used, shown, kPuzzlesPerLevel, random, [] {}), 3);
}

TEST(PuzzleCheck, JudgesEachWordBlankWrongOrCorrectAcrossFirst) {
    const ClueArrays clues = smallPuzzle();
    const struct {
        const char* name;
        QMap<int, QString> letters;
        std::vector<WordClass> judged; // CAT, WET, COW, AWE
    } grids[] = {
        {"empty", {}, {WordClass::Blank, WordClass::Blank, WordClass::Blank, WordClass::Blank}},
        {"CAT and COW right, WET wrong in case, AWE with a hole",
         {{0, "C"}, {1, "A"}, {2, "T"}, {5, "O"}, {10, "W"}, {11, "e"}, {12, "T"}},
         {WordClass::Correct, WordClass::Wrong, WordClass::Correct, WordClass::Blank}},
        {"every word right",
         {{0, "C"}, {1, "A"}, {2, "T"}, {5, "O"}, {6, "W"}, {10, "W"}, {11, "E"}, {12, "T"}},
         {WordClass::Correct, WordClass::Correct, WordClass::Correct, WordClass::Correct}},
    };
    for (const auto& grid : grids) {
        const std::vector<JudgedWord> words = judgeWords(
            clues, kColumns, kLastCell, [&grid](int cell) { return grid.letters.value(cell); });
        ASSERT_EQ(words.size(), 4u) << grid.name;
        std::vector<WordClass> judged;
        for (const JudgedWord& word : words) {
            judged.push_back(word.judged);
        }
        EXPECT_EQ(judged, grid.judged) << grid.name;
    }
    const std::vector<JudgedWord> words =
        judgeWords(clues, kColumns, kLastCell, [](int) { return QString(); });
    EXPECT_EQ(words[2].cells, (std::vector<int>{0, 5, 10}));
    EXPECT_EQ(words[1].cells, (std::vector<int>{10, 11, 12}));
}

TEST(PuzzleCheck, APercentageIsRoundedAsWritten) {
    const struct {
        int count;
        int words;
        int percent;
    } cases[] = {{23, 40, 57}, {1, 8, 13},  {3, 8, 38}, {5, 8, 63},
                 {1, 15, 7},   {8, 15, 53}, {0, 9, 0},  {9, 9, 100}};
    for (const auto& c : cases) {
        EXPECT_EQ(checkPercent(c.count, c.words), c.percent) << c.count << " of " << c.words;
    }
}

TEST(EntryCells, ADamagedEntryNeverReachesPastTheGrid) {
    ClueArrays clues = smallPuzzle();
    clues.DownStart[2] = "13"; // AWE would run down off the grid
    EXPECT_EQ(entryCells(clues, 2, 2, kColumns, kLastCell), std::vector<int>{13});
    EXPECT_TRUE(entryCells(clues, 2, 2, 0, kLastCell).empty());         // no grid laid out yet
    EXPECT_TRUE(entryCells(clues, 1, 25, kColumns, kLastCell).empty()); // past the arrays
}

TEST(WordHelpCount, TheLimitWrapsAroundFrom0To6) {
    EXPECT_EQ(WordHelpCount::increased(5), 6);
    EXPECT_EQ(WordHelpCount::increased(6), 0);
    EXPECT_EQ(WordHelpCount::decreased(1), 0);
    EXPECT_EQ(WordHelpCount::decreased(0), 6);
}

} // namespace

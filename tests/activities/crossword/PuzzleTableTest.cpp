#include "PuzzleTable.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace {

using Loader = void (*)(int, ClueArrays&);

// The loader the window calls for a level (1 or 2) and a puzzle number, by number range.
Loader loaderFor(int level, int number) {
    static constexpr Loader level1[] = {Level1Puzzles01to05, Level1Puzzles06to10,
                                        Level1Puzzles11to15, Level1Puzzles16to20};
    static constexpr Loader level2[] = {Level2Puzzles01to05, Level2Puzzles06to10,
                                        Level2Puzzles11to15, Puz2222};
    const Loader* loaders = level == 1 ? level1 : level2;
    return loaders[(number - 1) / 5];
}

struct Entry {
    QString number;
    QString answer;
    QString clue;
    QString start;
};

// One puzzle as a reader of the clue arrays sees it: the lists end where "End" stands.
struct LoadedPuzzle {
    int level = 0;
    int columns = 0;
    QString pattern;
    std::vector<Entry> down;
    std::vector<Entry> across;
    ClueArrays arrays;

    int cellCount() const { return columns * kGridRows; }
};

template <std::size_t N>
std::vector<Entry> readList(const std::array<QString, N>& num, const std::array<QString, N>& word,
                            const std::array<QString, N>& clue,
                            const std::array<QString, N>& start) {
    std::vector<Entry> entries;
    for (std::size_t i = 1; i < N && num[i] != kListEnd; ++i) {
        entries.push_back({num[i], word[i], clue[i], start[i]});
    }
    return entries;
}

LoadedPuzzle load(int level, int number) {
    LoadedPuzzle puzzle;
    puzzle.level = level;
    puzzle.columns = level == 1 ? kLevel1Columns : kLevel2Columns;
    puzzle.arrays.erase();
    loaderFor(level, number)(number, puzzle.arrays);
    const ClueArrays& a = puzzle.arrays;
    puzzle.pattern = a.DownNum[0];
    puzzle.down = readList(a.DownNum, a.DownWord, a.DownClue, a.DownStart);
    puzzle.across = readList(a.AcrossNum, a.AcrossWord, a.AcrossClue, a.AcrossStart);
    return puzzle;
}

template <std::size_t N> bool emptyFrom(const std::array<QString, N>& texts, std::size_t first) {
    return std::all_of(texts.begin() + first, texts.end(),
                       [](const QString& text) { return text.isEmpty(); });
}

bool allEmpty(const ClueArrays& a) {
    return emptyFrom(a.DownNum, 0) && emptyFrom(a.DownWord, 0) && emptyFrom(a.DownClue, 0) &&
           emptyFrom(a.DownStart, 0) && emptyFrom(a.AcrossNum, 0) && emptyFrom(a.AcrossWord, 0) &&
           emptyFrom(a.AcrossClue, 0) && emptyFrom(a.AcrossStart, 0);
}

bool isLetterCell(const LoadedPuzzle& p, int cell) {
    return cell >= 0 && cell < p.cellCount() && p.pattern[cell] != QChar(kBlockedCell);
}

int step(const LoadedPuzzle& p, bool across) {
    return across ? 1 : p.columns;
}

// Maximal runs of two or more letter cells as (first cell, length).
std::set<std::pair<int, int>> runs(const LoadedPuzzle& p, bool across) {
    std::set<std::pair<int, int>> found;
    const int lines = across ? kGridRows : p.columns;
    const int length = across ? p.columns : kGridRows;
    for (int line = 0; line < lines; ++line) {
        const int first = across ? line * p.columns : line;
        int k = 0;
        while (k < length) {
            if (!isLetterCell(p, first + k * step(p, across))) {
                ++k;
                continue;
            }
            const int start = k;
            while (k < length && isLetterCell(p, first + k * step(p, across))) {
                ++k;
            }
            if (k - start >= 2) {
                found.insert({first + start * step(p, across), k - start});
            }
        }
    }
    return found;
}

std::set<std::pair<int, int>> entrySpans(const std::vector<Entry>& entries) {
    std::set<std::pair<int, int>> spans;
    for (const Entry& entry : entries) {
        spans.insert({entry.start.toInt(), static_cast<int>(entry.answer.size())});
    }
    return spans;
}

// Vertical runs of letters that no Down entry covers.
std::vector<std::pair<int, int>> uncluedVerticalRuns(const LoadedPuzzle& p) {
    const auto clued = entrySpans(p.down);
    std::vector<std::pair<int, int>> loose;
    for (const auto& run : runs(p, false)) {
        if (!clued.contains(run)) {
            loose.push_back(run);
        }
    }
    return loose;
}

QString numberText(int number) {
    return number < 10 ? QStringLiteral("  %1").arg(number) : QString::number(number);
}

struct Range {
    int low;
    int high;
};

struct LevelLimits {
    Range blocked, numbered, down, across;
};

const LevelLimits& limitsOf(int level) {
    static const LevelLimits level1{{30, 41}, {14, 26}, {7, 14}, {8, 15}};
    static const LevelLimits level2{{42, 61}, {19, 31}, {10, 22}, {10, 15}};
    return level == 1 ? level1 : level2;
}

void expectWithin(const char* what, int value, Range range) {
    EXPECT_GE(value, range.low) << what;
    EXPECT_LE(value, range.high) << what;
}

class BuiltInPuzzle : public ::testing::TestWithParam<int> {
protected:
    int level() const { return GetParam() < kPuzzlesPerLevel ? 1 : 2; }
    int number() const { return GetParam() % kPuzzlesPerLevel + 1; }
};

TEST_P(BuiltInPuzzle, HoldsEveryRuleOfTheTable) {
    const LoadedPuzzle p = load(level(), number());
    const ClueArrays& a = p.arrays;

    // Pattern: columns x 8 cells of "*", "1" and " ".
    ASSERT_EQ(p.pattern.size(), p.cellCount());
    ASSERT_TRUE(QRegularExpression(QStringLiteral("^[*1 ]+$")).match(p.pattern).hasMatch());

    // Both lists end with "End" inside the table's limits; everything after stays empty.
    const std::size_t downEnd = p.down.size() + 1;
    const std::size_t acrossEnd = p.across.size() + 1;
    ASSERT_LE(downEnd, 23u);
    ASSERT_LE(acrossEnd, 16u);
    EXPECT_EQ(a.DownNum[downEnd], kListEnd);
    EXPECT_EQ(a.AcrossNum[acrossEnd], kListEnd);
    EXPECT_TRUE(a.DownWord[0].isEmpty() && a.DownClue[0].isEmpty() && a.DownStart[0].isEmpty());
    EXPECT_TRUE(a.AcrossNum[0].isEmpty() && a.AcrossWord[0].isEmpty());
    EXPECT_TRUE(emptyFrom(a.DownNum, downEnd + 1) && emptyFrom(a.DownWord, downEnd) &&
                emptyFrom(a.DownClue, downEnd) && emptyFrom(a.DownStart, downEnd));
    EXPECT_TRUE(emptyFrom(a.AcrossNum, acrossEnd + 1) && emptyFrom(a.AcrossWord, acrossEnd) &&
                emptyFrom(a.AcrossClue, acrossEnd) && emptyFrom(a.AcrossStart, acrossEnd));

    // The "1" cells numbered in reading order.
    std::map<int, int> numberOfCell;
    for (int cell = 0; cell < p.cellCount(); ++cell) {
        if (p.pattern[cell] == QChar(kNumberedCell)) {
            numberOfCell[cell] = static_cast<int>(numberOfCell.size()) + 1;
        }
    }

    const QRegularExpression answerForm(QStringLiteral("^[A-Z]{2,10}$"));
    const QRegularExpression clueForm(QStringLiteral("^[A-Z0-9 %&'(),\\-./:=_]{1,36}$"));
    const QRegularExpression startForm(QStringLiteral("^(0|[1-9][0-9]*)$"));
    std::map<int, QChar> letters;
    std::set<int> starts;
    std::set<QString> answers;
    for (const bool across : {true, false}) {
        const std::vector<Entry>& entries = across ? p.across : p.down;
        int previous = 0;
        QString previousText;
        for (const Entry& e : entries) {
            SCOPED_TRACE((across ? "Across " : "Down ") + e.number.toStdString());
            EXPECT_TRUE(answerForm.match(e.answer).hasMatch()) << e.answer.toStdString();
            EXPECT_TRUE(clueForm.match(e.clue).hasMatch()) << e.clue.toStdString();
            EXPECT_TRUE(answers.insert(e.answer).second)
                << "answer twice: " << e.answer.toStdString();
            ASSERT_TRUE(startForm.match(e.start).hasMatch()) << e.start.toStdString();
            const int start = e.start.toInt();
            ASSERT_LT(start, p.cellCount());

            // The start is a "1" cell whose reading-order number the number text gives.
            ASSERT_TRUE(numberOfCell.contains(start));
            const int number = numberOfCell.at(start);
            EXPECT_EQ(e.number, numberText(number));
            EXPECT_GT(number, previous) << "numbers ascend, none twice";
            EXPECT_GT(e.number, previousText) << "number texts ascend as texts too";
            previous = number;
            previousText = e.number;
            starts.insert(start);

            // Within one row or inside the grid, on letter cells, bounded by "*" or the edge.
            const int length = static_cast<int>(e.answer.size());
            const int s = step(p, across);
            if (across) {
                ASSERT_LE(start % p.columns + length, p.columns);
                EXPECT_TRUE(start % p.columns == 0 || !isLetterCell(p, start - 1));
                EXPECT_TRUE((start + length) % p.columns == 0 || !isLetterCell(p, start + length));
            } else {
                ASSERT_LE(start / p.columns + length, kGridRows);
                EXPECT_FALSE(isLetterCell(p, start - s));
                EXPECT_FALSE(isLetterCell(p, start + length * s));
            }
            for (int k = 0; k < length; ++k) {
                const int cell = start + k * s;
                ASSERT_TRUE(isLetterCell(p, cell)) << "cell " << cell;
                const auto [it, isNew] = letters.insert({cell, e.answer[k]});
                EXPECT_EQ(it->second, e.answer[k]) << "crossing letters differ at cell " << cell;
            }
        }
    }

    // Every "1" cell starts an entry and every letter cell lies in one.
    for (const auto& [cell, number] : numberOfCell) {
        EXPECT_TRUE(starts.contains(cell)) << "numbered cell " << cell << " starts nothing";
    }
    for (int cell = 0; cell < p.cellCount(); ++cell) {
        EXPECT_EQ(isLetterCell(p, cell), letters.contains(cell)) << "cell " << cell;
    }

    // Every row run is an Across entry; a column run without a Down entry has no number on top.
    EXPECT_EQ(runs(p, true), entrySpans(p.across));
    for (const auto& [top, length] : uncluedVerticalRuns(p)) {
        EXPECT_EQ(p.pattern[top], QChar(kPlainCell)) << "unclued run at " << top;
    }

    const LevelLimits& limits = limitsOf(level());
    expectWithin("blocked cells", static_cast<int>(p.pattern.count(QChar(kBlockedCell))),
                 limits.blocked);
    expectWithin("numbered cells", static_cast<int>(numberOfCell.size()), limits.numbered);
    expectWithin("Down entries", static_cast<int>(p.down.size()), limits.down);
    expectWithin("Across entries", static_cast<int>(p.across.size()), limits.across);
}

INSTANTIATE_TEST_SUITE_P(AllForty, BuiltInPuzzle, ::testing::Range(0, 2 * kPuzzlesPerLevel),
                         [](const ::testing::TestParamInfo<int>& info) {
                             const int level = info.param < kPuzzlesPerLevel ? 1 : 2;
                             return "Level" + std::to_string(level) + "Puzzle" +
                                    std::to_string(info.param % kPuzzlesPerLevel + 1);
                         });

TEST(PuzzleTable, NoTwoPuzzlesAreTheSame) {
    std::set<QString> patterns;
    for (const int level : {1, 2}) {
        for (int number = 1; number <= kPuzzlesPerLevel; ++number) {
            EXPECT_TRUE(patterns.insert(load(level, number).pattern).second)
                << "Level " << level << " puzzle " << number;
        }
    }
}

TEST(PuzzleTable, Level2HoldsTheLargestListsAndAnUncluedRun) {
    std::size_t mostDown = 0;
    std::size_t mostAcross = 0;
    int mostNumbered = 0;
    int withUncluedRun = 0;
    for (int number = 1; number <= kPuzzlesPerLevel; ++number) {
        const LoadedPuzzle p = load(2, number);
        if (p.down.size() > mostDown) {
            mostDown = p.down.size();
            EXPECT_EQ(p.arrays.DownNum[mostDown + 1], kListEnd);
        }
        if (p.across.size() > mostAcross) {
            mostAcross = p.across.size();
            EXPECT_EQ(p.arrays.AcrossNum[mostAcross + 1], kListEnd);
        }
        for (const auto* list : {&p.down, &p.across}) {
            for (const Entry& entry : *list) {
                mostNumbered = std::max(mostNumbered, entry.number.trimmed().toInt());
            }
        }
        if (!uncluedVerticalRuns(p).empty()) {
            ++withUncluedRun;
        }
    }
    // The largest lists end at DownNum(23) and AcrossNum(16); numbers run up to "31".
    EXPECT_EQ(mostDown, 22u);
    EXPECT_EQ(mostAcross, 15u);
    EXPECT_EQ(mostNumbered, 31);
    EXPECT_GE(withUncluedRun, 1);
}

TEST(PuzzleTable, LoaderWritesNothingForANumberOutsideItsFive) {
    for (const int level : {1, 2}) {
        for (int first = 1; first <= kPuzzlesPerLevel; first += 5) {
            const Loader loader = loaderFor(level, first);
            for (const int number : {-1, 0, first - 1, first + 5, 21, 99}) {
                if (number >= first && number < first + 5) {
                    continue;
                }
                ClueArrays arrays;
                arrays.erase();
                loader(number, arrays);
                EXPECT_TRUE(allEmpty(arrays))
                    << "Level " << level << " loader from " << first << ", number " << number;
            }
        }
    }
}

TEST(PuzzleTable, NineAndTenAreWrittenSoThatTextsKeepTheirOrder) {
    const LoadedPuzzle p = load(1, 1);
    std::vector<QString> texts;
    for (const auto* list : {&p.down, &p.across}) {
        for (const Entry& entry : *list) {
            texts.push_back(entry.number);
        }
    }
    EXPECT_NE(std::find(texts.begin(), texts.end(), QStringLiteral("  9")), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), QStringLiteral("10")), texts.end());
}

TEST(ClueArrays, EraseEmptiesEveryElementOfALoadedPuzzle) {
    ClueArrays arrays;
    Puz2222(20, arrays);
    ASSERT_FALSE(allEmpty(arrays));
    arrays.erase();
    EXPECT_TRUE(allEmpty(arrays));
}

} // namespace

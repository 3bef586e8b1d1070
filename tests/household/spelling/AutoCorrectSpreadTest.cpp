#include "AutoCorrectSpread.h"

#include <gtest/gtest.h>

namespace {

// The pairs as the checker lists them: misspellings in capitals, the end marker last.
const QList<AutoCorrectPair> kListed = {
    {"TEH", "the"},
    {"I", "I"},
    {"THEIR ARE", "there are"},
    {"ALOT", "a lot"},
    {"THEEND1", "TheEnd1"},
    {"ZORP", "never spread: after the marker"},
};

struct SpreadCase {
    const char* name;
    QStringList rows;
    qsizetype firstRow;
    QStringList expected;
};

class SpreadTest : public ::testing::TestWithParam<SpreadCase> {};

TEST_P(SpreadTest, AppliesTheListedPairsToTheLaterRows) {
    QStringList rows = GetParam().rows;
    SpreadAutoCorrections(kListed, rows, GetParam().firstRow, 45);
    EXPECT_EQ(rows, GetParam().expected);
}

const SpreadCase kCases[] = {
    {"WholeWordsKeepTheirCapital", {"Teh office at teh bank"}, 0, {"The office at the bank"}},
    {"WordTouchingPunctuationStays", {"see teh, then teh."}, 0, {"see teh, then teh."}},
    {"LeadingAndTrailingBlanksTrimmed", {"  lunch   "}, 0, {"lunch"}},
    {"BlankRowsLeftAsTheyAre", {"   ", ""}, 0, {"   ", ""}},
    {"PairEqualToItsMisspellingEnds", {"i went and I came"}, 0, {"i went and I came"}},
    {"NeighboursSharingABlankAllReplaced", {"teh teh teh"}, 0, {"the the the"}},
    {"PhrasePair", {"Their are two"}, 0, {"There are two"}},
    {"CorrectionLongerThanTheLimitIsCut",
     {"alot alot alot alot alot alot alot alot alot alot"},
     0,
     {"a lot a lot a lot a lot a lot a lot a lot a l"}},
    {"EarlierRowsUntouched",
     {"teh one", "  teh two", "teh three"},
     1,
     {"teh one", "the two", "the three"}},
    {"PairsAfterTheEndMarkerNotSpread", {"zorp"}, 0, {"zorp"}},
};

INSTANTIATE_TEST_SUITE_P(Rows, SpreadTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

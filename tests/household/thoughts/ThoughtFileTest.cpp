#include "ThoughtFile.h"
#include "ThoughtTables.h"

#include "FakePlatform.h"

#include <gtest/gtest.h>

namespace {

using ThoughtFile::Form;

QByteArray manyFields(int count) {
    QByteArray bytes;
    for (int k = 1; k <= count; ++k) {
        bytes += "\"Entry " + QByteArray::number(k) + "\"\r\n";
    }
    return bytes;
}

TEST(ThoughtFile, ReadsFieldsStarsAndLimits) {
    const struct {
        const char* name;
        QByteArray bytes;
        Form form;
        QStringList thoughts; // empty: the file cannot serve
        QStringList punchLines;
    } cases[] = {
        {"a star is a line break",
         "\"Be kind*to all\"\r\n\"Smile\"\r\n",
         Form::General,
         {"Be kind\rto all", "Smile"},
         {}},
        {"a quoted comma stays",
         "\"Slow, steady\",Plain one\r\n",
         Form::General,
         {"Slow, steady", "Plain one"},
         {}},
        {"an unquoted comma splits", "Slow, steady\r\n", Form::General, {"Slow", "steady"}, {}},
        {"pairs, stars in both",
         "\"Why*now?\",\"Because*then.\"\r\n\"Q\",\"A\"\r\n",
         Form::Humorous,
         {"Why\rnow?", "Q"},
         {"Because\rthen.", "A"}},
        {"an odd field count leaves the last punch line empty",
         "\"Q1\",\"A1\"\r\n\"Q2\"\r\n",
         Form::Humorous,
         {"Q1", "Q2"},
         {"A1", ""}},
        {"an unclosed quote refuses the file",
         "\"Fine\"\r\n\"Never closed\r\n",
         Form::General,
         {},
         {}},
        {"no entry at all", "", Form::General, {}, {}},
        {"blank lines only", "\r\n  \r\n", Form::Humorous, {}, {}},
        {"stray bytes show as they read",
         "\"Caf\xe9 \x80\"\r\n",
         Form::General,
         {QString::fromUtf8("Caf\u00e9 \u20ac")},
         {}},
    };
    for (const auto& testCase : cases) {
        const auto entries = ThoughtFile::read(testCase.bytes, testCase.form);
        if (testCase.thoughts.isEmpty()) {
            EXPECT_FALSE(entries.has_value()) << testCase.name;
            continue;
        }
        ASSERT_TRUE(entries.has_value()) << testCase.name;
        EXPECT_EQ(entries->thoughts, testCase.thoughts) << testCase.name;
        EXPECT_EQ(entries->punchLines, testCase.punchLines) << testCase.name;
    }
}

TEST(ThoughtFile, EntriesPastTheTablesAreIgnored) {
    const auto general = ThoughtFile::read(manyFields(300), Form::General);
    ASSERT_TRUE(general.has_value());
    EXPECT_EQ(general->thoughts.size(), ThoughtFile::kMostGeneral);
    EXPECT_EQ(general->thoughts.last(), "Entry 215");

    const auto humorous = ThoughtFile::read(manyFields(300), Form::Humorous);
    ASSERT_TRUE(humorous.has_value());
    EXPECT_EQ(humorous->thoughts.size(), ThoughtFile::kMostHumorous);
    EXPECT_EQ(humorous->punchLines.last(), "Entry 200");

    ThoughtTables tables;
    tables.fill(*general);
    EXPECT_EQ(tables.ThoughtCount, 215);
    EXPECT_EQ(tables.ThoughtText.at(215), "Entry 215");
}

TEST(ThoughtFile, AMissingFileCannotServe) {
    EXPECT_FALSE(ThoughtFile::readFile("/nonexistent/Thought1.Fil", Form::General).has_value());
}

TEST(ThoughtTables, FindsTheWholeTextAsOneRunLetterCaseAsideWithoutWrapping) {
    ThoughtTables tables;
    tables.fill({{"A kind word", "Kindness\rgrows", "Word of honour", "A KIND heart"}, {}});
    const struct {
        const char* text;
        int start;
        int found;
    } cases[] = {
        {"kind", 1, 1},           {"KIND", 3, 4},   {"kind word", 1, 1}, {"word kind", 1, 0},
        {"kindness grows", 1, 0}, {"honour", 4, 0}, {"a kind", 2, 4},    {"grows", 1, 2},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(tables.find(testCase.text, testCase.start), testCase.found)
            << testCase.text << " from " << testCase.start;
    }
}

TEST(ThoughtTables, DrawsEveryEntryOnceAndAStuckGeneratorStillEnds) {
    ThoughtTables tables;
    tables.fill({{"one", "two", "three"}, {}});
    FakeRandom random; // always 0: the generator is stuck on entry 1
    int cycles = 0;
    QList<int> drawn;
    for (int k = 0; k < 4; ++k) {
        tables.drawNext(random, [&] { ++cycles; });
        drawn.append(tables.CurrentThought);
    }
    EXPECT_EQ(drawn, (QList<int>{1, 2, 3, 1}));
    EXPECT_EQ(cycles, 1);
    EXPECT_EQ(random.randomizeCalls, 1);

    // An entry found by the search counts once in the cycle.
    tables.markShown(2);
    tables.markShown(2);
    EXPECT_EQ(tables.ShownCount, 2);
}

} // namespace

#include "HangmanWords.h"

#include <QMap>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

TEST(HangmanWords, TheShippedListsHoldTheirWordsAndNothingElse) {
    HangmanWordTable table;
    LoadHangmanWords(table);
    const struct {
        int size;
        int top;
        QMap<int, int> lengths; // letters -> words
    } levels[] = {
        {174, 174, {{4, 174}}},
        {164, 165, {{4, 1}, {5, 163}}},
        {146, 150, {{6, 87}, {7, 59}}},
        {148, 150, {{8, 89}, {9, 59}}},
        {148, 150, {{10, 69}, {11, 55}, {12, 24}}},
    };
    const QRegularExpression capitals("^[A-Z]+$");
    for (int level = 1; level <= 5; ++level) {
        const auto& expected = levels[level - 1];
        EXPECT_EQ(table.LevelWordCount[std::size_t(level - 1)], expected.size) << level;
        EXPECT_EQ(int(table.words[std::size_t(level - 1)].size()), expected.top + 1) << level;
        QMap<int, int> lengths;
        for (int i = 1; i <= expected.size; ++i) {
            const QString word = table.entry(level, i);
            EXPECT_TRUE(capitals.match(word).hasMatch()) << level << " " << i;
            ++lengths[int(word.size())];
        }
        EXPECT_EQ(lengths, expected.lengths) << level;
        EXPECT_TRUE(table.entry(level, 0).isEmpty()) << level;
        for (int i = expected.size + 1; i <= expected.top + 1; ++i) {
            EXPECT_TRUE(table.entry(level, i).isEmpty()) << level << " " << i;
        }
    }
    const struct {
        int level;
        int entry;
        const char* word;
    } entries[] = {{1, 1, "ACID"},       {1, 30, "DATA"},        {1, 32, "DATA"},
                   {1, 99, "POST"},      {1, 172, "RAKE"},       {1, 173, "RAKE"},
                   {2, 99, "POST"},      {2, 164, "ZEBRA"},      {3, 65, "JIGSAW"},
                   {4, 148, "ZIPPERED"}, {5, 143, "WATERPROOF"}, {5, 148, "YOUTHFULLY"}};
    for (const auto& e : entries) {
        EXPECT_EQ(table.entry(e.level, e.entry), e.word) << e.level << " " << e.entry;
    }
}

} // namespace

#include "ScramblerWords.h"

#include "FakePlatform.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

QByteArray entry(const QString& word, const QString& help = QStringLiteral("hint")) {
    return QStringLiteral("\"%1\",\"%2\"\r\n").arg(word, help).toLatin1();
}

// A word file whose levels hold the given words, one end entry after each of levels 1 to 5.
QByteArray wordFile(const std::vector<std::vector<QString>>& levels) {
    QByteArray bytes;
    for (std::size_t level = 0; level < levels.size(); ++level) {
        for (const QString& word : levels[level])
            bytes += entry(word);
        if (level < 5)
            bytes += entry(QStringLiteral("END"), QStringLiteral("End of level"));
    }
    return bytes;
}

std::vector<QString> words(const ScramblerWordTable& table, int level) {
    std::vector<QString> result;
    for (const auto& e : table.levels[std::size_t(level - 1)])
        result.push_back(e.word);
    return result;
}

TEST(ScramblerWords, ReadsLevelsAndRefusesFilesThatCannotBePlayed) {
    const QString longest = QString(29, 'Q') + 'R';
    const QString tooLong = QString(30, 'Y') + 'Z';
    std::vector<QString> forty;
    for (int i = 0; i < 40; ++i)
        forty.push_back(QStringLiteral("W%1").arg(i));
    const std::vector<QString> one = {QStringLiteral("AB")};
    const struct {
        const char* name;
        QByteArray bytes;
        // The words expected in level 1 and level 6, or nothing when the file is refused.
        std::optional<std::pair<std::vector<QString>, std::vector<QString>>> expected;
    } cases[] = {
        {"one word a level", wordFile({one, one, one, one, one, {"CD"}}), {{{"AB"}, {"CD"}}}},
        {"small end is a word, END in level 6 too",
         wordFile({{"end", "AB"}, one, one, one, one, {"END", "CD"}}),
         {{{"END", "AB"}, {"END", "CD"}}}},
        {"words in capitals; a letter no key types passes the word over",
         wordFile({{"cat", "Dog", "caf\u00e9", "NA\u00cfVE", "ICE CREAM", "X-RAY"},
                   one,
                   one,
                   one,
                   one,
                   one}),
         {{{"CAT", "DOG", "X-RAY"}, {"AB"}}}},
        {"unplayable words passed over",
         wordFile({{"A", "AAA", "", tooLong, longest, "AB"}, one, one, one, one, one}),
         {{{longest, "AB"}, {"AB"}}}},
        {"level 1 beyond its capacity keeps 39, no spill",
         wordFile({forty, one, one, one, one, one}),
         {{std::vector<QString>(forty.begin(), forty.begin() + 39), {"AB"}}}},
        {"trailing blank line",
         wordFile({one, one, one, one, one, one}) + "\r\n\r\n",
         {{{"AB"}, {"AB"}}}},
        {"an empty level", wordFile({one, {}, one, one, one, one}), std::nullopt},
        {"four end entries", wordFile({one, one, one, one}) + entry("AB"), std::nullopt},
        {"level 6 empty", wordFile({one, one, one, one, one, {}}), std::nullopt},
        {"unclosed quote", wordFile({one, one, one, one, one, one}) + "\"OPEN,x", std::nullopt},
        {"empty file", QByteArray(), std::nullopt},
    };
    for (const auto& c : cases) {
        const auto table = readScramblerWords(c.bytes);
        ASSERT_EQ(table.has_value(), c.expected.has_value()) << c.name;
        if (!table)
            continue;
        EXPECT_EQ(words(*table, 1), c.expected->first) << c.name;
        EXPECT_EQ(words(*table, 6), c.expected->second) << c.name;
        EXPECT_EQ(words(*table, 2), one) << c.name;
    }
}

TEST(ScramblerWords, TheShippedFileLoadsWholeAndKeepsItsPromises) {
    QFile file(QStringLiteral(KORVANE_SHIPPED_DATA_DIR "/WscOtxt.Fil"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 236 + 5) << "nothing skipped, five end entries";
    const auto table = readScramblerWords(bytes);
    ASSERT_TRUE(table);
    const int lengths[6][2] = {{3, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 12}};
    const QRegularExpression capitals(QStringLiteral("^[A-Z]+$"));
    QSet<QString> seen;
    for (int level = 1; level <= 6; ++level) {
        EXPECT_EQ(table->count(level), ScramblerWordTable::kCapacity[std::size_t(level - 1)]);
        for (const auto& [word, help] : table->levels[std::size_t(level - 1)]) {
            EXPECT_TRUE(capitals.match(word).hasMatch()) << word.toStdString();
            EXPECT_GE(word.size(), lengths[level - 1][0]) << word.toStdString();
            EXPECT_LE(word.size(), lengths[level - 1][1]) << word.toStdString();
            EXPECT_FALSE(seen.contains(word)) << word.toStdString();
            seen.insert(word);
            EXPECT_TRUE(!help.isEmpty() && help.size() <= 60) << word.toStdString();
            EXPECT_FALSE(help.contains(word, Qt::CaseInsensitive)) << word.toStdString();
            for (const QChar c : help)
                EXPECT_TRUE(c.unicode() >= 32 && c.unicode() < 127 && c != '"')
                    << word.toStdString();
        }
    }
}

TEST(ScramblerWords, ShufflesDifferFromTheWordAndAlwaysEnd) {
    FakeRandom random;
    // The first shuffle gives the word back (positions 1, 2, 3 in order), the second reverses it.
    random.draws = {0.0, 0.34, 0.67, 0.67, 0.34, 0.0};
    EXPECT_EQ(scrambleWord(QStringLiteral("CAT"), random), QStringLiteral("TAC"));

    FakeRandom stuck; // gives 0 for ever: only the bounds end the shuffle
    EXPECT_EQ(scrambleWord(QStringLiteral("ABAB"), stuck).size(), 4);
    EXPECT_NE(scrambleWord(QStringLiteral("ABAB"), stuck), QStringLiteral("ABAB"));
    EXPECT_EQ(scrambleWord(QStringLiteral("AAA"), stuck), QStringLiteral("AAA"));
    EXPECT_EQ(scrambleWord(QString(), stuck), QString());
}

TEST(ScramblerWords, WordsUsedPercentRoundsAsShown) {
    const struct {
        int used, inLevel, percent;
    } cases[] = {{1, 40, 3}, {20, 40, 50}, {2, 3, 67}, {1, 3, 33}, {3, 3, 100}, {0, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(wordsUsedPercent(c.used, c.inLevel), c.percent) << c.used << " of " << c.inLevel;
}

} // namespace

#include "FieldReader.h"
#include "DrawWithoutRepeats.h"
#include "FakePlatform.h"

#include <QFile>

#include <gtest/gtest.h>

#include <array>

namespace {

QStringList readAll(FieldReader& reader) {
    QStringList fields;
    while (std::optional<QString> field = reader.next()) {
        fields.append(*field);
    }
    return fields;
}

TEST(FieldReader, ReadsCommaAndLineSeparatedFields) {
    const struct {
        const char* name;
        QByteArray bytes;
        QStringList fields;
    } cases[] = {
        {"commas and CR LF", "ONE,TWO\r\nTHREE,FOUR\r\n", {"ONE", "TWO", "THREE", "FOUR"}},
        {"LF only and CR only", "ONE\nTWO\rTHREE", {"ONE", "TWO", "THREE"}},
        {"a quoted comma", "\"Hello, world\",2\r\n", {"Hello, world", "2"}},
        {"a quoted line end", "\"two\r\nlines\",x", {"two\r\nlines", "x"}},
        {"blanks around unquoted fields", "  A B  ,\t C\r\n", {"A B", "C"}},
        {"text after a closing quote is passed over", "\"A\" junk,B", {"A", "B"}},
        {"empty fields", "A,,B\r\n\r\nC", {"A", "", "B", "", "C"}},
        {"blanks and blank lines at the end", "END,1\r\n  \r\n\r\n \t", {"END", "1"}},
        {"Windows-1252", "CAF\xc9,\x93quoted\x94", {"CAFÉ", "“quoted”"}},
        {"nothing at all", "", {}},
        {"a UTF-8 byte-order mark, then UTF-8",
         "\xEF\xBB\xBF\"1Who?\",\"*A*B*\"\r\nCAF\xC3\x89",
         {"1Who?", "*A*B*", "CAFÉ"}},
        {"a byte-order mark alone", "\xEF\xBB\xBF\r\n", {}},
    };
    for (const auto& c : cases) {
        FieldReader reader(c.bytes);
        EXPECT_EQ(readAll(reader), c.fields) << c.name;
        EXPECT_TRUE(reader.atEnd()) << c.name;
        EXPECT_FALSE(reader.unclosedQuote()) << c.name;
    }
}

TEST(FieldReader, AnUnclosedQuoteIsReportedAndEndsTheFile) {
    FieldReader reader("FIRST,\"never closed, at all\r\nLAST\r\n");
    EXPECT_EQ(readAll(reader), QStringList{"FIRST"});
    EXPECT_TRUE(reader.unclosedQuote());
    EXPECT_FALSE(reader.next().has_value());
}

TEST(FieldReader, AMissingOrOversizedFileIsRefused) {
    FakePlatform fake;
    EXPECT_FALSE(FieldReader::fromFile(fake.file("missing.Fil")).has_value());
    QFile huge(fake.file("huge.Fil"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(FieldReader::kLargestFile + 1));
    huge.close();
    EXPECT_FALSE(FieldReader::fromFile(huge.fileName()).has_value());
    QFile small(fake.file("small.Fil"));
    ASSERT_TRUE(small.open(QIODevice::WriteOnly));
    small.write("\"A, B\",C\r\n");
    small.close();
    std::optional<FieldReader> reader = FieldReader::fromFile(small.fileName());
    ASSERT_TRUE(reader.has_value());
    EXPECT_EQ(readAll(*reader), (QStringList{"A, B", "C"}));
}

TEST(DrawWithoutRepeats, EveryEntryOnceThenTheAllUsedMessageAndAFreshRound) {
    FakeRandom random;
    std::array<int, 8> used{}; // entries 1 to 5; elements 6 and 7 lie above n
    int drawn = 0;
    int told = 0;
    QList<int> entries;
    for (int i = 0; i < 5; ++i) {
        // The generator keeps coming back to entries already drawn: each is drawn again.
        random.draws = {0.0, 0.2, 0.4, 0.6, 0.8};
        entries.append(drawWithoutRepeats(used, drawn, 5, random, [&told] { ++told; }));
    }
    EXPECT_EQ(entries, (QList<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(told, 0);
    EXPECT_EQ(used[6] + used[7] + used[0], 0);
    random.draws = {0.999999999};
    EXPECT_EQ(drawWithoutRepeats(used, drawn, 5, random, [&told] { ++told; }), 5);
    EXPECT_EQ(told, 1);
    EXPECT_EQ(drawn, 1);
    // Nothing left to draw: no endless loop, no entry.
    std::array<int, 4> full{0, 1, 1, 1};
    EXPECT_EQ(drawUnused(full, 3, random), 0);
}

} // namespace

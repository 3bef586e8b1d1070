#include "ToDoCopy.h"

#include <gtest/gtest.h>

namespace {

QByteArray joined(const QList<QByteArray>& lines) {
    QByteArray bytes;
    for (const QByteArray& line : lines) {
        bytes += line;
    }
    return bytes;
}

TEST(ToDoCopyTest, CopiesEachFieldOnItsOwnLineTrimmedOfItsBlanks) {
    const QByteArray file = "\"  Dentist \"\r\n\"Monday - Jan 5, 04\"\r\n\"\"\r\n"
                            "\"Caf\xe9\tbill\"\r\n\"\"\r\n\"\"\r\n";
    const auto lines = ToDoCopy::linesOf(file);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines,
              (QList<QByteArray>{"\"Dentist\"\r\n", "\"Monday - Jan 5, 04\"\r\n", "\"\"\r\n",
                                 "\"Caf\xe9\tbill\"\r\n", "\"\"\r\n", "\"\"\r\n"}));
    EXPECT_TRUE(ToDoCopy::isWholeFile(joined(*lines)));
}

TEST(ToDoCopyTest, RefusesFilesThatWouldNotComeBackWhole) {
    QByteArray tooMany;
    for (int line = 0; line < 1'503; ++line) {
        tooMany += "\"\"\r\n";
    }
    const struct {
        const char* why;
        QByteArray file;
    } cases[] = {
        {"a quote never closed", "\"a\"\r\n\"b\r\n\"c\r\n"},
        {"a row cut short", "\"a\"\r\n\"b\"\r\n"},
        {"a quote inside a field", "a\"b\r\n\"\"\r\n\"\"\r\n"},
        {"a field over two lines", "\"a\r\nb\"\r\n\"\"\r\n\"\"\r\n"},
        {"more than 500 rows", tooMany},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(ToDoCopy::linesOf(c.file)) << c.why;
    }
}

TEST(ToDoCopyTest, AWholeFileIsCompleteQuotedLinesInRows) {
    const struct {
        QByteArray bytes;
        bool whole;
    } cases[] = {
        {"", true},
        {"\"a\"\r\n\"b\"\r\n\"\"\r\n", true},
        {"\"a\"\r\n\"b\"\r\n\"\"", false},      // the last line end cut off
        {"\"a\"\r\n\"b\"\r\n\"", false},        // a field cut off
        {"\"a\"\n\"b\"\n\"\"\n", false},        // bare line feeds
        {"\"a\"x\r\n\"b\"\r\n\"\"\r\n", false}, // text after the closing quote
        {"\"a\"\r\n\"b\"\r\n\"\"\r\n\"c\"\r\n", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToDoCopy::isWholeFile(c.bytes), c.whole) << c.bytes.toStdString();
    }
}

} // namespace

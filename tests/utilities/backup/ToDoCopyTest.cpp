#include "ToDoCopy.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {

QByteArray joined(const QList<QByteArray>& lines) {
    QByteArray bytes;
    for (const QByteArray& line : lines) {
        bytes += line;
    }
    return bytes;
}

TEST(ToDoCopyTest, CopiesEachFieldOnItsOwnLineTrimmedOfItsBlanksMadeUpTo500Rows) {
    const QByteArray file = "\"  Dentist \"\r\n\"Monday - Jan 5, 04\"\r\n\"\"\r\n"
                            "\"Caf\xe9 bill\"\r\n\"\"\r\n\"\"\r\n";
    const auto lines = ToDoCopy::linesOf(file);
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 1'500);
    EXPECT_EQ(lines->mid(0, 6),
              (QList<QByteArray>{"\"Dentist\"\r\n", "\"Monday - Jan 5, 04\"\r\n", "\"\"\r\n",
                                 "\"Caf\xe9 bill\"\r\n", "\"\"\r\n", "\"\"\r\n"}));
    EXPECT_EQ(lines->mid(6), QList<QByteArray>(1'494, "\"\"\r\n"));
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
        // The list would show these damaged, and a save of it would mend them.
        {"a tab inside a field", "\"a\tb\"\r\n\"\"\r\n\"\"\r\n"},
        {"a line end turned into another control character", "\"a\"\x0b\n\"\"\r\n\"\"\r\n"},
        {"more than 500 rows", tooMany},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(ToDoCopy::linesOf(c.file)) << c.why;
    }
}

// A megabyte of blank lines between two fields: each blank line is an empty field, so the file
// is refused, and at once, with the run read a single time and not again for every field.
TEST(ToDoCopyTest, ARunOfBlankLinesIsRefusedWithoutReadingItOverAndOver) {
    const QByteArray file = "\"a\"\r\n" + QByteArray("\r\n").repeated(512 * 1'024) + "\"b\"\r\n";
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(ToDoCopy::linesOf(file));
    // Milliseconds when read once; seconds when the rest of the run was read for each field.
    EXPECT_LT(timer.elapsed(), 1'000);
}

TEST(ToDoCopyTest, AWholeFileIsExactly1500CompleteQuotedLines) {
    QByteArray lines1497;
    for (int line = 0; line < 1'497; ++line) {
        lines1497 += "\"\"\r\n";
    }
    const QByteArray lastRow = "\"a\"\r\n\"b\"\r\n\"\"\r\n";
    const struct {
        QByteArray bytes;
        bool wholeLines;
        bool wholeFile;
    } cases[] = {
        {"", true, false},
        {lastRow, true, false},
        {lines1497 + lastRow, true, true},
        {lines1497 + lastRow + "\"c\"\r\n", false, false},
        {"\"a\"\r\n\"b\"\r\n\"\"", false, false},      // the last line end cut off
        {"\"a\"\r\n\"b\"\r\n\"", false, false},        // a field cut off
        {"\"a\"\n\"b\"\n\"\"\n", false, false},        // bare line feeds
        {"\"a\"x\r\n\"b\"\r\n\"\"\r\n", false, false}, // text after the closing quote
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToDoCopy::isWholeLines(c.bytes), c.wholeLines) << c.bytes.left(40).toStdString();
        EXPECT_EQ(ToDoCopy::isWholeFile(c.bytes), c.wholeFile) << c.bytes.left(40).toStdString();
    }
}

} // namespace

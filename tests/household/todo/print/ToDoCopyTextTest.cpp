#include "ToDoCopyText.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString kHeading = "To Do List\r\nDate: March 25, 2026\r\n\r\n" + QString(11, ' ') +
                         "To Do Item" + QString(27, ' ') + "To Do Date" + QString(28, ' ') +
                         "Actual Date\r";

// Every character 100 twips wide: 21 "n" make 2100, so the first tab stop is 2110.
double fixedWidth(const QString& text) {
    return 100.0 * text.size();
}

std::vector<ToDoRow> grid(std::vector<ToDoRow> rows) {
    rows.resize(500);
    return rows;
}

TEST(ToDoCopyText, LinesUpTheColumnsWithBlanksAndTabs) {
    const auto rows = grid({{" Call bank ", "Mar 25", " Mar 26 "},
                            {"", "a much longer to-do date", ""},
                            {},
                            {"Pay", "", ""}});
    // The widest to-do date (24 characters, in a row without an item) sets the second stop at
    // 2110 + 2400 + 40 = 4550.
    const QString expected = kHeading + "Call bank" + QString(13, ' ') + '\t' + "Mar 25" +
                             QString(18, ' ') + '\t' + "Mar 26" + '\t' + '\r' + "Pay" +
                             QString(19, ' ') + '\t' + QString(24, ' ') + '\t' + '\t' + '\r';
    EXPECT_EQ(ToDoCopyText::build(rows, "Date: March 25, 2026", fixedWidth), expected);
}

TEST(ToDoCopyText, AnEmptyGridGivesTheHeadingsAlone) {
    EXPECT_EQ(ToDoCopyText::build(grid({}), "Date: March 25, 2026", fixedWidth), kHeading);
}

TEST(ToDoCopyText, PaddingEndsWhenTheWidthsNeverReachTheStop) {
    // A printer that measures nothing: each padding stops after 200 blanks.
    const auto rows = grid({{"Call", "", ""}});
    const QString text = ToDoCopyText::build(
        rows, "Date: March 25, 2026", [](const QString& t) { return t.startsWith('n') ? 5e6 : 0; });
    EXPECT_EQ(text, kHeading + "Call" + QString(200, ' ') + '\t' + QString(200, ' ') + "\t\t\r");
}

// Characters of uneven widths: the padding is the fewest blanks that reach each stop.
TEST(ToDoCopyText, PaddingIsTheFewestBlanksThatReachTheStop) {
    const auto width = [](const QString& text) {
        double sum = 0;
        for (const QChar c : text) {
            sum += c == ' ' ? 37 : 90 + (c.unicode() % 7) * 5;
        }
        return sum;
    };
    const auto rows = grid({{"Call the bank", "Wednesday - Mar 25, 26", "x"},
                            {"Pay", "", ""},
                            {"A much longer item name", "Mon", ""}});
    const QStringList lines = ToDoCopyText::build(rows, "Date: March 25, 2026", width).split('\r');
    const double first = std::nearbyint(width(QString(21, 'n')) + 10);
    const double second = std::nearbyint(first + width("Wednesday - Mar 25, 26") + 40);
    for (int line = 4; line <= 6; ++line) {
        const QStringList cells = lines[line].split('\t');
        ASSERT_EQ(cells.size(), 4);
        const QString upToSecond = cells[0] + cells[1];
        EXPECT_GE(width(cells[0]), first);
        EXPECT_LT(width(cells[0].chopped(1)), first) << cells[0].toStdString();
        EXPECT_GE(width(upToSecond), second);
        if (!cells[1].isEmpty() && cells[1].endsWith(' ')) {
            EXPECT_LT(width(upToSecond.chopped(1)), second) << upToSecond.toStdString();
        }
    }
}

} // namespace

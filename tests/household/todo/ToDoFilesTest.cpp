#include "ToDoFiles.h"
#include "ItemNameList.h"
#include "ToDoDateText.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

QByteArray emptyLines(int count) {
    return QByteArray("\"\"\r\n").repeated(count);
}

TEST(ToDoGridFile, AlwaysWritesFifteenHundredQuotedLines) {
    EXPECT_EQ(ToDoFiles::writeGrid({}), emptyLines(1500));
    EXPECT_EQ(ToDoFiles::writeGrid({}).size(), 6000);

    const QByteArray written = ToDoFiles::writeGrid(
        {{"  Bank", "Monday - Jan 5, 04", ""}, {"Caf\u00e9", "", "Friday - Mar 27, 26"}});
    EXPECT_EQ(written, "\"  Bank\"\r\n\"Monday - Jan 5, 04\"\r\n\"\"\r\n"
                       "\"Caf\xe9\"\r\n\"\"\r\n\"Friday - Mar 27, 26\"\r\n" +
                           emptyLines(1494));
    // Reading gives back exactly what was written: blanks, the date's comma, the 8-bit letter.
    const std::vector<ToDoRow> rows = ToDoFiles::readGrid(written);
    ASSERT_EQ(rows.size(), 500U);
    EXPECT_EQ(rows[0].item, "  Bank");
    EXPECT_EQ(rows[0].toDoDate, "Monday - Jan 5, 04");
    EXPECT_EQ(rows[1].item, "Caf\u00e9");
    EXPECT_EQ(rows[1].actualDate, "Friday - Mar 27, 26");
    EXPECT_EQ(ToDoFiles::writeGrid(rows), written);
}

TEST(ToDoGridFile, OddFilesLoadIntoFiveHundredRows) {
    const struct {
        const char* name;
        QByteArray bytes;
        ToDoRow first;
        ToDoRow second;
    } cases[] = {
        {"empty file", "", {}, {}},
        {"unquoted fields", "Bank  ,x\r\ny\r\nTax\r\n", {"Bank", "x", "y"}, {"Tax", "", ""}},
        {"short last row",
         "\"Bank\"\r\n\"d\"\r\n\"e\"\r\n\"Tax\"\r\n",
         {"Bank", "d", "e"},
         {"Tax", "", ""}},
        {"unclosed quote", "\"Bank\"\r\n\"\"\r\n\"\"\r\n\"Tax\r\n", {"Bank", "", ""}, {}},
        {"quote inside an unquoted field", "Ba\"nk\r\n\"\"\r\n\"\"\r\n", {"Bank", "", ""}, {}},
        {"line break inside quotes", "\"Ba\r\nnk\"\r\n\"\"\r\n\"\"\r\n", {"Bank", "", ""}, {}},
        {"bytes 0x80 to 0x9F",
         "\"\x80\x81\x9f\"\r\n\"\"\r\n\"\"\r\n",
         {"\u20ac\u0081\u0178", "", ""},
         {}},
    };
    for (const auto& test : cases) {
        const std::vector<ToDoRow> rows = ToDoFiles::readGrid(test.bytes);
        ASSERT_EQ(rows.size(), 500U) << test.name;
        EXPECT_EQ(rows[0].item, test.first.item) << test.name;
        EXPECT_EQ(rows[0].toDoDate, test.first.toDoDate) << test.name;
        EXPECT_EQ(rows[0].actualDate, test.first.actualDate) << test.name;
        EXPECT_EQ(rows[1].item, test.second.item) << test.name;
        EXPECT_EQ(rows[499].item, "") << test.name;
    }
}

TEST(ToDoGridFile, ReadingStopsAfterFiveHundredRows) {
    QByteArray bytes;
    for (int row = 1; row <= 600; ++row) {
        bytes += ToDoFiles::quotedLine(QString("Item %1").arg(row)) + emptyLines(2);
    }
    const std::vector<ToDoRow> rows = ToDoFiles::readGrid(bytes);
    ASSERT_EQ(rows.size(), 500U);
    EXPECT_EQ(rows[499].item, "Item 500");
    EXPECT_EQ(ToDoFiles::writeGrid(rows).count("\r\n"), 1500);
}

TEST(ToDoCellText, KeepsOutWhatTheFilesCannotHold) {
    const struct {
        QString typed;
        QString kept;
    } cases[] = {
        {"Bank", "Bank"},
        {"  say \"hi\"", "  say hi"},
        {"tab\there", "tabhere"},
        {"two\r\nlines", "twolines"},
        {"Caf\u00e9 \u20ac", "Caf\u00e9 \u20ac"},
        {"\u4e2d\u6587 tea", "?? tea"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(ToDoFiles::cellText(test.typed), test.kept) << test.typed.toStdString();
    }
}

TEST(ToDoNamesFile, NamesOneALineAndOneEmptyNameForNone) {
    EXPECT_EQ(ToDoFiles::writeNames({}), "\"\"\r\n");
    EXPECT_EQ(ToDoFiles::writeNames({"Bank", " Tax "}), "\"Bank\"\r\n\" Tax \"\r\n");
    EXPECT_EQ(ToDoFiles::readNames("\" Bank \"\r\n\"Tax\"\r\n"), QStringList({"Bank", "Tax"}));
    EXPECT_EQ(ToDoFiles::readNames("\"\"\r\n"), QStringList({""}));
    EXPECT_TRUE(ToDoFiles::readNames("").isEmpty());

    QByteArray many;
    for (int name = 1; name <= 5100; ++name) {
        many += ToDoFiles::quotedLine(QString::number(name));
    }
    const QStringList names = ToDoFiles::readNames(many);
    EXPECT_EQ(names.size(), 5000);
    EXPECT_EQ(names.last(), "5000");
}

TEST(ToDoDateText, FormatsAndReadsBack) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const struct {
        QDate date;
        QString text;
    } cases[] = {
        {{2004, 1, 5}, "Monday - Jan 5, 04"},    {{2026, 3, 25}, "Wednesday - Mar 25, 26"},
        {{2029, 12, 31}, "Monday - Dec 31, 29"}, {{1930, 2, 1}, "Saturday - Feb 1, 30"},
        {{1999, 10, 10}, "Sunday - Oct 10, 99"},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(ToDoDateText::format(test.date, english), test.text);
        EXPECT_EQ(ToDoDateText::parse(test.text, english), test.date) << test.text.toStdString();
    }
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(ToDoDateText::parse(ToDoDateText::format({2026, 5, 3}, german), german),
              QDate(2026, 5, 3));
}

TEST(ToDoDateText, TextThatIsNoDateGivesNothing) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (const char* text : {"", "Bank", "Monday Jan 5, 04", "Monday - Foo 5, 04",
                             "Monday - Feb 30, 04", "Monday - Jan , 04", "- Jan 5"}) {
        EXPECT_FALSE(ToDoDateText::parse(text, english).has_value()) << text;
    }
    // Only the text after the first hyphen counts.
    EXPECT_EQ(ToDoDateText::parse("whatever - Jan 5, 2004", english), QDate(2004, 1, 5));
}

TEST(ItemNames, RemembersInOrderAndComparesWithoutCaseOrTrailingBlanks) {
    ItemNameList names({"Bank", "Bakery"});
    EXPECT_TRUE(names.contains("BANK  "));
    EXPECT_FALSE(names.contains(" Bank"));
    EXPECT_EQ(names.suggestion("  ba"), "Bank");
    EXPECT_EQ(names.suggestion("BAK"), "Bakery");
    EXPECT_EQ(names.suggestion("x"), "");
    EXPECT_EQ(names.suggestion("   "), "");

    EXPECT_TRUE(names.remove("  bank "));
    EXPECT_FALSE(names.remove("Tax"));
    EXPECT_EQ(names.names(), QStringList({"Bakery"}));
    // The last name leaves one empty name, which the next new name replaces.
    EXPECT_TRUE(names.remove("bakery"));
    EXPECT_EQ(names.names(), QStringList({""}));
    EXPECT_TRUE(names.append("Tax"));
    EXPECT_EQ(names.names(), QStringList({"Tax"}));
}

TEST(ItemNames, KeepsAtMostFiveThousand) {
    QStringList full;
    for (int name = 1; name <= 5000; ++name) {
        full.append(QString::number(name));
    }
    ItemNameList names(full);
    EXPECT_FALSE(names.append("Another"));
    EXPECT_EQ(names.names().size(), 5000);
    EXPECT_EQ(names.names().last(), "5000");
}

} // namespace

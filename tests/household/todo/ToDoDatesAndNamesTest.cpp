#include "ItemNameList.h"
#include "ToDoDateText.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

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

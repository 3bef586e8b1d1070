#include "DateNames.h"
#include "DefaultLocale.h"
#include "MonthGrid.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

struct KnownDay {
    QDate date;
    const char* weekday;
    const char* dateLine;
};

const KnownDay kKnownDays[] = {
    {QDate(1753, 1, 1), "Monday", "Monday - January 1, 1753"},
    {QDate(1900, 2, 28), "Wednesday", "Wednesday - February 28, 1900"},
    {QDate(2000, 2, 29), "Tuesday", "Tuesday - February 29, 2000"},
    {QDate(2004, 2, 29), "Sunday", "Sunday - February 29, 2004"},
    {QDate(2005, 7, 4), "Monday", "Monday - July 4, 2005"},
    {QDate(2500, 12, 31), "Friday", "Friday - December 31, 2500"},
};

void expectKnownDays() {
    for (const KnownDay& known : kKnownDays) {
        SCOPED_TRACE(known.date.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(DateNames::weekdayName(known.date), known.weekday);
        EXPECT_EQ(DateNames::dateLine(known.date), known.dateLine);
        const MonthGrid grid = BuildMonthGrid(known.date);
        EXPECT_EQ(grid.rows[grid.chosenRow][std::size_t(grid.chosenColumn)], known.date.day());
        EXPECT_EQ(DateNames::weekdayColumn(known.date), grid.chosenColumn);
    }
}

} // namespace

TEST(DateNames, WeekdaysAndDateLinesOfKnownDays) {
    expectKnownDays();
}

TEST(DateNames, StayEnglishUnderAGermanDesktop) {
    DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
    expectKnownDays();
    EXPECT_EQ(DateNames::monthTitle(QDate(2015, 3, 1)), "March 2015");
    EXPECT_EQ(DateNames::monthNumber("December"), 12);
}

TEST(DateNames, TitleAndPrintingDate) {
    EXPECT_EQ(DateNames::monthTitle(QDate(2005, 7, 4)), "July 2005");
    EXPECT_EQ(DateNames::printedOnDate(QDate(2026, 3, 5)), "03-05-2026");
}

TEST(DateNames, MonthNamesCompareCaseAndAll) {
    EXPECT_EQ(DateNames::monthNumber("January"), 1);
    EXPECT_EQ(DateNames::monthNumber("September"), 9);
    EXPECT_EQ(DateNames::monthNumber("january"), std::nullopt);
    EXPECT_EQ(DateNames::monthNumber("Jan"), std::nullopt);
    EXPECT_EQ(DateNames::monthNumber(""), std::nullopt);
}

TEST(DateNames, UsableYears) {
    const struct {
        const char* text;
        std::optional<int> year;
    } cases[] = {{"1753", 1753}, {"2500", 2500}, {"2026", 2026}, {"1752", {}},
                 {"2501", {}},   {"19", {}},     {"19ab", {}},   {"abcd", {}},
                 {"0000", {}},   {" 200", {}},   {"20000", {}},  {"", {}}};
    for (const auto& entry : cases) {
        EXPECT_EQ(DateNames::usableYear(entry.text), entry.year) << entry.text;
    }
}

TEST(MonthGrid, ShapesOfKnownMonths) {
    // February 2015: the 1st a Sunday, 28 days, four full weeks.
    const MonthGrid february2015 = BuildMonthGrid(QDate(2015, 2, 14));
    ASSERT_EQ(february2015.rows.size(), 4);
    EXPECT_EQ(february2015.rows[0][0], 1);
    EXPECT_EQ(february2015.rows[3][6], 28);
    EXPECT_EQ(february2015.chosenRow, 1);
    EXPECT_EQ(february2015.chosenColumn, 6);

    // July 2005: the 1st a Friday, 31 days, six weeks; the 4th a Monday in row 1.
    const MonthGrid july2005 = BuildMonthGrid(QDate(2005, 7, 4));
    ASSERT_EQ(july2005.rows.size(), 6);
    EXPECT_EQ(july2005.rows[0], (std::array<int, 7>{0, 0, 0, 0, 0, 1, 2}));
    EXPECT_EQ(july2005.rows[5], (std::array<int, 7>{31, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(july2005.chosenRow, 1);
    EXPECT_EQ(july2005.chosenColumn, 1);

    // February 2004: a leap year whose 1st is a Sunday ends with the 29th in column 0 of row 4.
    const MonthGrid february2004 = BuildMonthGrid(QDate(2004, 2, 29));
    ASSERT_EQ(february2004.rows.size(), 5);
    EXPECT_EQ(february2004.rows[4], (std::array<int, 7>{29, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(february2004.chosenRow, 4);
    EXPECT_EQ(february2004.chosenColumn, 0);
}

TEST(MonthGrid, InvalidDateGivesNoRows) {
    EXPECT_TRUE(BuildMonthGrid(QDate()).rows.isEmpty());
    EXPECT_TRUE(BuildMonthGrid(QDate(2001, 2, 29)).rows.isEmpty());
}

#include "DateFields.h"

#include <gtest/gtest.h>

namespace {

std::string describe(const DateFields& fields) {
    return (fields.month + " " + fields.day + " " + fields.year).toStdString();
}

} // namespace

TEST(DateFields, MonthOrYearChosenClampsTheDay) {
    const struct {
        DateFields chosen;
        const char* day;
        QDate date;
    } cases[] = {
        {{"April", "31", "2005"}, "30", QDate(2005, 4, 30)},
        {{"June", "31", "2005"}, "30", QDate(2005, 6, 30)},
        {{"September", "30", "2005"}, "30", QDate(2005, 9, 30)},
        {{"November", "31", "1999"}, "30", QDate(1999, 11, 30)},
        {{"February", "30", "2001"}, "28", QDate(2001, 2, 28)},
        {{"February", "31", "2004"}, "29", QDate(2004, 2, 29)},
        {{"February", "29", "1900"}, "28", QDate(1900, 2, 28)},
        {{"February", "29", "2000"}, "29", QDate(2000, 2, 29)},
        {{"February", "29", "1753"}, "28", QDate(1753, 2, 28)},
        {{"February", "12", "2500"}, "12", QDate(2500, 2, 12)},
        {{"July", "31", "2500"}, "31", QDate(2500, 7, 31)},
    };
    for (const auto& entry : cases) {
        const ResolvedDate resolved = ResolveSelectedDate(entry.chosen, 0);
        EXPECT_EQ(resolved.fields.day, entry.day) << describe(entry.chosen);
        EXPECT_EQ(resolved.date, entry.date) << describe(entry.chosen);
        EXPECT_EQ(resolved.monthNumber, entry.date.month()) << describe(entry.chosen);
    }
}

TEST(DateFields, MonthNumberIsKeptWhenTheMonthBoxNamesNoMonth) {
    const ResolvedDate resolved = ResolveSelectedDate({"june", "31", "2005"}, 4);
    EXPECT_EQ(resolved.monthNumber, 4);
    EXPECT_EQ(resolved.fields.day, "30");
    EXPECT_EQ(resolved.date, QDate(2005, 4, 30));
}

TEST(DateFields, DayChosenIsLoweredUntilTheDateExists) {
    const struct {
        DateFields chosen;
        const char* day;
        QDate date;
    } cases[] = {
        {{"June", "31", "2005"}, "30", QDate(2005, 6, 30)},
        {{"February", "31", "2001"}, "28", QDate(2001, 2, 28)},
        {{"February", "30", "2004"}, "29", QDate(2004, 2, 29)},
        {{"January", "31", "2005"}, "31", QDate(2005, 1, 31)},
        {{"March", "1", "1753"}, "1", QDate(1753, 3, 1)},
    };
    for (const auto& entry : cases) {
        // The day path keeps the month number it was given.
        const ResolvedDate resolved = ResolveChosenDay(entry.chosen, 7);
        EXPECT_EQ(resolved.fields.day, entry.day) << describe(entry.chosen);
        EXPECT_EQ(resolved.date, entry.date) << describe(entry.chosen);
        EXPECT_EQ(resolved.monthNumber, 7);
    }
}

TEST(DateFields, WithoutAUsableYearNothingResolves) {
    for (const char* year : {"", "19", "19ab", "0000", "1752", "2501"}) {
        for (const DateFields& chosen :
             {DateFields{"February", "31", year}, DateFields{"April", "31", year}}) {
            const ResolvedDate selected = ResolveSelectedDate(chosen, 3);
            EXPECT_EQ(selected.fields, chosen) << describe(chosen);
            EXPECT_EQ(selected.date, std::nullopt) << describe(chosen);
            const ResolvedDate day = ResolveChosenDay(chosen, 3);
            EXPECT_EQ(day.fields, chosen) << describe(chosen);
            EXPECT_EQ(day.date, std::nullopt) << describe(chosen);
        }
    }
}

TEST(DateFields, FieldsOfADate) {
    EXPECT_EQ(fieldsOf(QDate(2005, 7, 4)), (DateFields{"July", "4", "2005"}));
    EXPECT_EQ(fieldsOf(QDate(1753, 12, 31)), (DateFields{"December", "31", "1753"}));
}

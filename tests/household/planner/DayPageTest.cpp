#include "DayPage.h"

#include "DefaultLocale.h"
#include "DisplayText.h"

#include <gtest/gtest.h>

namespace {

TEST(DayPageTest, TheTimeListRunsFromSevenInTheMorningToTenAtNight) {
    const QStringList times = DayPage::timeChoices();
    ASSERT_EQ(times.size(), 31);
    EXPECT_EQ(times.first(), "7:00 AM");
    EXPECT_EQ(times.at(1), "7:30 AM");
    EXPECT_EQ(times.at(9), "11:30 AM");
    EXPECT_EQ(times.at(10), "12:00 PM");
    EXPECT_EQ(times.at(12), "1:00 PM");
    EXPECT_EQ(times.last(), "10:00 PM");
}

TEST(DayPageTest, ABoxOfBlanksOrATimeAloneIsAnEntry) {
    YearFile::DayRecord rows;
    EXPECT_FALSE(DayPage::hasEntries(rows));
    rows.activities[13] = " ";
    EXPECT_TRUE(DayPage::hasEntries(rows));
    rows.activities[13].clear();
    rows.times[0] = "9:00 AM";
    EXPECT_TRUE(DayPage::hasEntries(rows));
}

TEST(DayPageTest, BoxesTurnTabsAndLineBreaksIntoBlanks) {
    const struct {
        QString typed;
        QString kept;
    } cases[] = {
        {"Lunch\twith Ann\r\n", QString("Lunch with Ann  ")},
        {QString::fromUtf8("Café – 5 €"), QString::fromUtf8("Café – 5 €")},
    };
    for (const auto& testCase : cases) {
        EXPECT_EQ(DayPage::acceptedEntry(testCase.typed), testCase.kept)
            << testCase.typed.toStdString();
    }
}

TEST(DayPageTest, DatesAndTimesShowInEnglishWhateverTheLocale) {
    const DefaultLocale german(QLocale(QLocale::German));
    EXPECT_EQ(DisplayText::longDate({2003, 3, 5}), "March 5, 2003");
    EXPECT_EQ(DisplayText::clockTime({9, 5}), "9:05 AM");
    EXPECT_EQ(DisplayText::clockTime({0, 30}), "12:30 AM");
    EXPECT_EQ(DisplayText::clockTime({12, 0}), "12:00 PM");
}

} // namespace

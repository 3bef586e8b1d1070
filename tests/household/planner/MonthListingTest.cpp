#include "MonthListing.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(MonthListingTest, EachMonthReadsItsDaysRecords) {
    const struct {
        int month;
        int first;
        int last;
        int step;
    } cases[] = {
        {1, 11, 311, 10}, {2, 12, 292, 10},  {3, 13, 313, 10},  {4, 14, 304, 10},
        {5, 15, 315, 10}, {6, 16, 306, 10},  {7, 17, 317, 10},  {8, 18, 318, 10},
        {9, 19, 309, 10}, {10, 321, 351, 1}, {11, 361, 390, 1}, {12, 401, 431, 1},
    };
    for (const auto& c : cases) {
        const MonthListing::RecordRange range = MonthListing::recordRange(c.month);
        EXPECT_EQ(range.first, c.first) << c.month;
        EXPECT_EQ(range.last, c.last) << c.month;
        EXPECT_EQ(range.step, c.step) << c.month;
    }
}

TEST(MonthListingTest, DayLabelsCarryASignPlaceAndTheirEnding) {
    const struct {
        int day;
        const char* label;
    } cases[] = {{1, " 1st"},   {2, " 2nd"},   {3, " 3rd"},   {4, " 4th"},
                 {11, " 11th"}, {12, " 12th"}, {13, " 13th"}, {21, " 21st"},
                 {22, " 22nd"}, {23, " 23rd"}, {30, " 30th"}, {31, " 31st"}};
    for (const auto& c : cases) {
        EXPECT_EQ(MonthListing::dayLabel(c.day), c.label);
    }
    EXPECT_EQ(MonthListing::title(1, 2003), "January 2003");
}

// Days kept by record number; any other record is a day never saved.
struct Month {
    std::map<int, YearFile::DayRecord> days;
    std::vector<int> asked;
    std::optional<YearFile::DayRecord> read(int record) {
        asked.push_back(record);
        if (record == unreadable) {
            return std::nullopt;
        }
        const auto found = days.find(record);
        return found == days.end() ? YearFile::DayRecord{} : found->second;
    }
    int unreadable = -1;
};

YearFile::DayRecord savedDay(std::initializer_list<std::tuple<int, const char*, const char*>> rows,
                             const char* status = YearFile::kFull) {
    YearFile::DayRecord day;
    for (const auto& [row, time, activity] : rows) {
        day.times[std::size_t(row)] = time;
        day.activities[std::size_t(row)] = activity;
    }
    day.status = status;
    return day;
}

TEST(MonthListingTest, ListsEveryActivityOfTheSavedDaysWithTheLabelOnTheFirstLine) {
    Month march;
    // 3 March: rows 2 and 5; 4 March: a time alone; 11 March: an activity without time; 12 March:
    // saved empty; 13 March: rows filled but never marked saved; 31 March: the last day.
    march.days[33] = savedDay({{2, "9:00 AM", "Dentist"}, {5, "", "Shopping  "}});
    march.days[43] = savedDay({{0, "8:00 AM", ""}});
    march.days[113] = savedDay({{13, "", "Call home"}});
    march.days[123] = savedDay({});
    march.days[133] = savedDay({{0, "1:00 PM", "Lunch"}}, "");
    march.days[313] = savedDay({{0, "7:00 PM", "Concert"}});
    march.unreadable = 53;
    const std::vector<MonthListing::Entry> expected = {
        {" 3rd", "9:00 AM", "Dentist"},
        {"", "", "Shopping"},
        {" 11th", "", "Call home"},
        {" 31st", "7:00 PM", "Concert"},
    };
    EXPECT_EQ(MonthListing::entries(3, [&](int record) { return march.read(record); }), expected);
    ASSERT_EQ(march.asked.size(), 31U);
    EXPECT_EQ(march.asked.front(), 13);
    EXPECT_EQ(march.asked.back(), 313);
}

TEST(MonthListingTest, OctoberReadsConsecutiveRecordsAndAMissingFileListsNothing) {
    Month october;
    october.days[322] = savedDay({{0, "", "Second"}});
    const auto listed = MonthListing::entries(10, [&](int record) { return october.read(record); });
    ASSERT_EQ(listed.size(), 1U);
    EXPECT_EQ(listed.front().day, " 2nd");
    EXPECT_EQ(october.asked.front(), 321);
    EXPECT_EQ(october.asked.back(), 351);

    QTemporaryDir dir;
    EXPECT_TRUE(MonthListing::entries(ProgramFolder(dir.path()), 2003, 1).empty());
}

} // namespace

#pragma once

#include "ProgramFolder.h"

#include <optional>

// How the planner's date picker shows itself, kept as 2-byte integers in records 14 to 17 of
// SWR2.BMP. Mind the senses: 0 means shown for the week numbers but not shown for today's mark.
struct CalendarOptions {
    int MonthsShown = 0;  // 0 one month, 1 two months
    int WeekNumbers = 0;  // 0 shown, 1 hidden
    int FirstWeekday = 0; // 1 Sunday ... 7 Saturday; 0 (never written) is taken as Sunday
    int TodayShown = 0;   // 1 today marked, 0 not

    // Records never written read as 0.
    static CalendarOptions read(const ProgramFolder& folder);
    // Writes all four in one replacement of the file; false when it could not be written.
    bool write(const ProgramFolder& folder) const;

    // The picker's months, week numbers and left edge in its panel (twips) for the pair of
    // MonthsShown and WeekNumbers; nothing for any other pair, which leaves the picker as it is.
    struct PickerLayout {
        int months;
        bool weekNumbers;
        int leftTwips;
    };
    std::optional<PickerLayout> pickerLayout() const;
};

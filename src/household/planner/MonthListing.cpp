#include "MonthListing.h"

#include "RecordCodec.h"

namespace MonthListing {

RecordRange recordRange(int month) {
    // February is read to day 29 whatever the year.
    static constexpr int kLastDay[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return {1, 0, 1};
    }
    const int days = kLastDay[month - 1];
    const int step = month <= 9 ? 10 : 1;
    const int first = YearFile::recordNumber(1, month);
    return {first, first + (days - 1) * step, step};
}

QString monthName(int month) {
    static const char* const kNames[] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
    return month >= 1 && month <= 12 ? QString(kNames[month - 1]) : QString();
}

QString title(int month, int year) {
    return monthName(month) + ' ' + QString::number(year);
}

QString dayLabel(int day) {
    const char* ending = "th";
    if (day == 1 || day == 21 || day == 31) {
        ending = "st";
    } else if (day == 2 || day == 22) {
        ending = "nd";
    } else if (day == 3 || day == 23) {
        ending = "rd";
    }
    return ' ' + QString::number(day) + ending;
}

std::vector<Entry> entries(int month, const ReadRecord& read) {
    std::vector<Entry> listed;
    const RecordRange range = recordRange(month);
    int day = 1;
    for (int record = range.first; record <= range.last; record += range.step, ++day) {
        const std::optional<YearFile::DayRecord> saved = read(record);
        if (!saved || !saved->isFull()) {
            continue;
        }
        bool firstOfDay = true;
        for (std::size_t row = 0; row < std::size_t(YearFile::kRows); ++row) {
            // A time alone is not an appointment.
            const QString activity = trimmedRight(saved->activities[row]);
            if (activity.isEmpty()) {
                continue;
            }
            listed.push_back({firstOfDay ? dayLabel(day) : QString(),
                              trimmedRight(saved->times[row]), activity});
            firstOfDay = false;
        }
    }
    return listed;
}

std::vector<Entry> entries(const ProgramFolder& folder, int year, int month) {
    return entries(month, [&](int record) { return YearFile::read(folder, year, record); });
}

} // namespace MonthListing

#include "PlannerCopyText.h"

#include <gtest/gtest.h>

namespace {

TEST(PlannerCopyTextTest, TheDayComesOutInFixedColumnsWithEveryRow) {
    PlannerCopyText::Rows times;
    PlannerCopyText::Rows activities;
    times[0] = "9:00 AM";
    activities[0] = "Dentist";
    activities[6] = "  ";
    times[13] = "11:30 PM";
    const QString text = PlannerCopyText::day(QDate(2004, 3, 5), times, activities);

    QString expected = "Appointments/Activities For March 5, 2004\r\r Time" + QString(28, ' ') +
                       "Appointment/Activity\r";
    const QString emptyRow = QString(9, ' ') + '\t' + QString(46, ' ') + '\r';
    expected += "9:00 AM  \tDentist" + QString(39, ' ') + '\r';
    for (int row = 1; row < 13; ++row) {
        expected += emptyRow; // the blanks typed in row 6 are padded like an empty box
    }
    expected += "11:30 PM \t" + QString(46, ' ') + '\r';
    EXPECT_EQ(text, expected);
    EXPECT_FALSE(text.contains('\n'));
}

// Every character 100 twips wide, a tab 40.
double width(const QString& text) {
    double twips = 0;
    for (const QChar c : text) {
        twips += c == '\t' ? 40 : 100;
    }
    return twips;
}

TEST(PlannerCopyTextTest, TheMonthPadsItsCellsToTheMeasuredStops) {
    const std::vector<MonthListing::Entry> rows = {
        {" 3rd", "9:00 AM", "Dentist"},
        {"", "", "Shopping"},
        {" 11th", "10:00 AM", "Call home"},
    };
    const QString text = PlannerCopyText::month("March 2004", rows, width);
    // The day part reaches 500 twips (5 characters); the time part 1600 with the tab counted.
    const QString expected = "Month Calendar For March 2004\r\n\r\n" + QString("  Day") +
                             QString(18, ' ') + "Time" + QString(24, ' ') +
                             "Appointment/Activity\r" + " 3rd \t9:00 AM" + QString(4, ' ') +
                             "\tDentist\r" + QString(5, ' ') + '\t' + QString(11, ' ') +
                             "\tShopping\r" + " 11th\t10:00 AM" + QString(3, ' ') + "\tCall home\r";
    EXPECT_EQ(text, expected);
}

TEST(PlannerCopyTextTest, PaddingStopsAfter200BlanksWhateverTheMeasureSays) {
    const auto nothingIsWide = [](const QString&) { return 0.0; };
    const QString text = PlannerCopyText::month("May 2004", {{"", "", "x"}}, nothingIsWide);
    const QString line = text.section('\r', -2, -2);
    EXPECT_EQ(line, QString(200, ' ') + '\t' + QString(200, ' ') + "\tx");
}

} // namespace

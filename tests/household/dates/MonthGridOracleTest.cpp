// Every month from January 1753 to December 2500 against the calendars of ncal (BSD), which the
// setup script installs as the weekday oracle.
#include "DateNames.h"
#include "MonthGrid.h"

#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

using Grid = QList<std::array<int, 7>>;

// Reads ncal's output: a line with a year above each year's months, then blocks of months side
// by side (names, weekday heads, six week lines), each month 22 characters wide, every day right
// aligned in 3 characters.
QMap<QDate, Grid> parseNcal(const QString& output) {
    QMap<QDate, Grid> months;
    const QRegularExpression yearLine("^\\s*(\\d{4})\\s*$");
    int year = 0;
    QList<int> blockMonths;
    for (const QString& line : output.split('\n')) {
        if (const auto match = yearLine.match(line); match.hasMatch()) {
            year = match.captured(1).toInt();
            continue;
        }
        const QStringList words = line.split(' ', Qt::SkipEmptyParts);
        if (words.isEmpty()) {
            continue;
        }
        if (words.first() == "Su") {
            continue;
        }
        if (!words.first().at(0).isDigit()) {
            blockMonths.clear();
            for (const QString& name : words) {
                blockMonths.append(DateNames::monthNumber(name).value_or(0));
            }
            continue;
        }
        for (int index = 0; index < blockMonths.size(); ++index) {
            std::array<int, 7> week{};
            bool any = false;
            for (int column = 0; column < 7; ++column) {
                const int day = line.mid(index * 22 + column * 3, 2).trimmed().toInt();
                week[std::size_t(column)] = day;
                any = any || day != 0;
            }
            if (any) {
                months[QDate(year, blockMonths[index], 1)].append(week);
            }
        }
    }
    return months;
}

} // namespace

TEST(MonthGridOracle, EveryMonthFrom1753To2500MatchesNcal) {
    const QString ncal = QStandardPaths::findExecutable("ncal");
    if (ncal.isEmpty()) {
        GTEST_SKIP() << "ncal is not installed (scripts/setup installs it): the weekday oracle "
                        "cannot run";
    }
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", "C");
    process.setProcessEnvironment(environment);
    // -s GB: the British calendar, Gregorian from September 1752 on; -h: today not highlighted.
    process.start(ncal, {"-h", "-b", "-s", "GB", "-A", "8975", "1", "1753"});
    ASSERT_TRUE(process.waitForFinished(10000));
    const QMap<QDate, Grid> months =
        parseNcal(QString::fromLatin1(process.readAllStandardOutput()));
    ASSERT_EQ(months.size(), (2500 - 1753 + 1) * 12);
    ASSERT_EQ(months.firstKey(), QDate(1753, 1, 1));
    ASSERT_EQ(months.lastKey(), QDate(2500, 12, 1));

    static const char* const weekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                           "Thursday", "Friday", "Saturday"};
    int monthIndex = 0;
    for (auto month = months.cbegin(); month != months.cend(); ++month, ++monthIndex) {
        const QDate first = month.key();
        // The chosen cell is checked on a different day of each month, in turn every day.
        const QDate chosen = first.addDays(monthIndex % first.daysInMonth());
        const MonthGrid grid = BuildMonthGrid(chosen);
        ASSERT_EQ(grid.rows, month.value()) << first.toString(Qt::ISODate).toStdString();
        ASSERT_EQ(grid.rows[grid.chosenRow][std::size_t(grid.chosenColumn)], chosen.day());
        for (int row = 0; row < grid.rows.size(); ++row) {
            for (int column = 0; column < 7; ++column) {
                const int day = grid.rows[row][std::size_t(column)];
                if (day == 0) {
                    continue;
                }
                const QDate date(first.year(), first.month(), day);
                ASSERT_EQ(DateNames::weekdayName(date), weekdays[column])
                    << date.toString(Qt::ISODate).toStdString();
            }
        }
    }
}

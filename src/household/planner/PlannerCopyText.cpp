#include "PlannerCopyText.h"

namespace PlannerCopyText {

namespace {

constexpr QChar kTab(9);
constexpr QChar kCr(13);
constexpr int kTimeColumn = 9;
constexpr int kActivityColumn = 46;
constexpr double kDayStop = 500;
constexpr double kTimeStop = 1600;
// However a font measures, a pad never runs on for ever.
constexpr int kMostBlanks = 200;

QString padded(const QString& text, int length) {
    return text + QString(std::max<qsizetype>(0, length - text.size()), ' ');
}

void padTo(QString& line, double stop, const Width& width) {
    for (int blanks = 0; blanks < kMostBlanks && width(line) < stop; ++blanks) {
        line += ' ';
    }
}

} // namespace

QString day(const QDate& date, const Rows& times, const Rows& activities) {
    QString text = "Appointments/Activities For " + MonthListing::monthName(date.month()) + ' ' +
                   QString::number(date.day()) + ", " + QString::number(date.year()) + kCr + kCr;
    text += " Time" + QString(28, ' ') + "Appointment/Activity" + kCr;
    for (std::size_t row = 0; row < times.size(); ++row) {
        text +=
            padded(times[row], kTimeColumn) + kTab + padded(activities[row], kActivityColumn) + kCr;
    }
    return text;
}

QString month(const QString& monthTitle, const std::vector<MonthListing::Entry>& rows,
              const Width& width) {
    QString text = "Month Calendar For " + monthTitle + "\r\n\r\n";
    text += "  Day" + QString(18, ' ') + "Time" + QString(24, ' ') + "Appointment/Activity" + kCr;
    for (const MonthListing::Entry& row : rows) {
        QString line = row.day;
        padTo(line, kDayStop, width);
        line += kTab + row.time;
        padTo(line, kTimeStop, width);
        text += line + kTab + row.activity + kCr;
    }
    return text;
}

} // namespace PlannerCopyText

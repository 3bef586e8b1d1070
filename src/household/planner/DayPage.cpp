#include "DayPage.h"

#include <QTime>

QStringList DayPage::timeChoices() {
    QStringList times;
    for (QTime time(7, 0); time <= QTime(22, 0); time = time.addSecs(30 * 60)) {
        const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
        times.append(QStringLiteral("%1:%2 %3")
                         .arg(hour)
                         .arg(time.minute(), 2, 10, QChar('0'))
                         .arg(time.hour() < 12 ? "AM" : "PM"));
    }
    return times;
}

bool DayPage::hasEntries(const YearFile::DayRecord& rows) {
    for (int row = 0; row < YearFile::kRows; ++row) {
        if (!rows.times[std::size_t(row)].isEmpty() ||
            !rows.activities[std::size_t(row)].isEmpty()) {
            return true;
        }
    }
    return false;
}

QString DayPage::acceptedEntry(QString text) {
    for (QChar& character : text) {
        if (character == '\t' || character == '\r' || character == '\n') {
            character = ' ';
        }
    }
    return text;
}

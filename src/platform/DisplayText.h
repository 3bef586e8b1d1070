#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

namespace DisplayText {

// Texts are kept with their lines joined by a single carriage return (code 13); on screen each
// becomes a line break.
inline QString lines(QString text) {
    return text.replace(QChar('\r'), QChar('\n'));
}

// A time as the clocks show it, "h:nn AM/PM" (9:05 AM), and a date as "mmmm d, yyyy" (March 5,
// 2003): in English whatever the desktop's language.
inline QString clockTime(const QTime& time) {
    return QLocale(QLocale::English).toString(time, "h:mm AP");
}

inline QString longDate(const QDate& date) {
    return QLocale(QLocale::English).toString(date, "MMMM d, yyyy");
}

} // namespace DisplayText

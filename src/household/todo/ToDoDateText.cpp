#include "ToDoDateText.h"

#include <QRegularExpression>

namespace ToDoDateText {

QString format(const QDate& date, const QLocale& locale) {
    return locale.toString(date, "dddd - MMM d, yy");
}

namespace {

int monthNumber(const QString& name, const QLocale& locale) {
    const QLocale english(QLocale::English);
    for (int month = 1; month <= 12; ++month) {
        for (const QLocale* names : {&locale, &english}) {
            for (const QLocale::FormatType type : {QLocale::ShortFormat, QLocale::LongFormat}) {
                if (name.compare(names->monthName(month, type), Qt::CaseInsensitive) == 0 ||
                    name.compare(names->standaloneMonthName(month, type), Qt::CaseInsensitive) ==
                        0) {
                    return month;
                }
            }
        }
    }
    return 0;
}

} // namespace

std::optional<QDate> parse(const QString& text, const QLocale& locale) {
    const qsizetype dash = text.indexOf('-');
    if (dash < 0) {
        return std::nullopt;
    }
    static const QRegularExpression pattern(R"(^\s*(\S+?)\.?\s+(\d{1,2}),?\s+(\d{1,4})\s*$)");
    const QRegularExpressionMatch match = pattern.match(text.mid(dash + 1));
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const int month = monthNumber(match.captured(1), locale);
    const int day = match.captured(2).toInt();
    int year = match.captured(3).toInt();
    if (match.captured(3).size() <= 2) {
        year += year < 30 ? 2000 : 1900;
    }
    const QDate date(year, month, day);
    if (month == 0 || !date.isValid()) {
        return std::nullopt;
    }
    return date;
}

} // namespace ToDoDateText

#include "ToDoCopyText.h"

#include <algorithm>
#include <cmath>

namespace ToDoCopyText {

namespace {

// Padding never runs on for ever, whatever the widths say.
constexpr int kMostBlanks = 200;

struct TabStops {
    double first;
    double second;
};

// Measured over every row, copied or not, with the cells as they stand.
TabStops measure(const std::vector<ToDoRow>& rows, const Width& width) {
    double widestItem = width(QString(21, 'n'));
    double widestDate = width("Projected Date");
    for (const ToDoRow& row : rows) {
        widestItem = std::max(widestItem, width(row.item));
        widestDate = std::max(widestDate, width(row.toDoDate));
    }
    const double first = std::nearbyint(widestItem + 10);
    return {first, std::nearbyint(first + widestDate + 40)};
}

// Appends blanks to the line and its measuring copy until the copy reaches the stop: the fewest
// blanks that do, at most kMostBlanks. Widths grow with every blank, so the count is found from an
// estimate by the width of one blank, with a few measures of the whole copy instead of one for
// each blank.
void padTo(QString& line, QString& measured, double stop, const Width& width) {
    const auto reaches = [&](int blanks) { return width(measured + QString(blanks, ' ')) >= stop; };
    const double missing = stop - width(measured);
    const double blank = width(QStringLiteral(" "));
    int blanks = 0;
    if (missing > 0 && blank > 0) {
        blanks = std::clamp(int(std::ceil(missing / blank)), 0, kMostBlanks);
    }
    while (blanks > 0 && reaches(blanks - 1)) {
        --blanks;
    }
    while (blanks < kMostBlanks && !reaches(blanks)) {
        ++blanks;
    }
    line += QString(blanks, ' ');
    measured += QString(blanks, ' ');
}

} // namespace

QString build(const std::vector<ToDoRow>& rows, const QString& dateCaption, const Width& width) {
    QString text = "To Do List\r\n" + dateCaption + "\r\n\r\n";
    text += QString(11, ' ') + "To Do Item" + QString(27, ' ') + "To Do Date" + QString(28, ' ') +
            "Actual Date\r";
    const TabStops stops = measure(rows, width);
    for (const ToDoRow& row : rows) {
        const QString item = row.item.trimmed();
        if (item.isEmpty()) {
            continue;
        }
        // The measuring copy holds the line without its tabs.
        QString line = item;
        QString measured = item;
        padTo(line, measured, stops.first, width);
        line += '\t';
        const QString toDoDate = row.toDoDate.trimmed();
        line += toDoDate;
        measured += toDoDate;
        padTo(line, measured, stops.second, width);
        line += '\t' + row.actualDate.trimmed() + '\t';
        text += line + '\r';
    }
    return text;
}

} // namespace ToDoCopyText

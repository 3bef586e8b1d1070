#include "ToDoCopyText.h"

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

// Appends blanks to the line and its measuring copy until the copy reaches the stop.
void padTo(QString& line, QString& measured, double stop, const Width& width) {
    for (int blanks = 0; blanks < kMostBlanks && width(measured) < stop; ++blanks) {
        line += ' ';
        measured += ' ';
    }
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

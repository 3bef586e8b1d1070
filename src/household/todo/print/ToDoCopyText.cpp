#include "ToDoCopyText.h"

#include <QHash>

#include <cmath>

namespace ToDoCopyText {

namespace {

// Padding never runs on for ever, whatever the widths say.
constexpr int kMostBlanks = 200;

// Measures each text once: a list repeats its dates, and every padding measures runs of blanks.
// Blanks after a text add their own width (printed text is measured without kerning), so a padded
// copy is measured as its text plus a run of blanks.
class Measure {
public:
    explicit Measure(const Width& width) : width_(width) {}

    double operator()(const QString& text) {
        const auto known = widths_.constFind(text);
        if (known != widths_.cend()) {
            return *known;
        }
        return *widths_.insert(text, width_(text));
    }
    double blanks(int count) {
        while (int(blankWidths_.size()) <= count) {
            blankWidths_.push_back((*this)(QString(int(blankWidths_.size()), ' ')));
        }
        return blankWidths_[std::size_t(count)];
    }

private:
    const Width& width_;
    QHash<QString, double> widths_;
    std::vector<double> blankWidths_;
};

struct TabStops {
    double first;
    double second;
};

// Measured over every row, copied or not, with the cells as they stand.
TabStops measure(const std::vector<ToDoRow>& rows, Measure& width) {
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
// blanks that do, at most kMostBlanks.
void padTo(QString& line, QString& measured, double stop, Measure& width) {
    const double text = width(measured);
    int blanks = 0;
    while (blanks < kMostBlanks && text + width.blanks(blanks) < stop) {
        ++blanks;
    }
    line += QString(blanks, ' ');
    measured += QString(blanks, ' ');
}

} // namespace

QString build(const std::vector<ToDoRow>& rows, const QString& dateCaption, const Width& width) {
    Measure measured(width);
    QString text = "To Do List\r\n" + dateCaption + "\r\n\r\n";
    text += QString(11, ' ') + "To Do Item" + QString(27, ' ') + "To Do Date" + QString(28, ' ') +
            "Actual Date\r";
    const TabStops stops = measure(rows, measured);
    for (const ToDoRow& row : rows) {
        const QString item = row.item.trimmed();
        if (item.isEmpty()) {
            continue;
        }
        // The measuring copy holds the line without its tabs.
        QString line = item;
        QString copy = item;
        padTo(line, copy, stops.first, measured);
        line += '\t';
        const QString toDoDate = row.toDoDate.trimmed();
        line += toDoDate;
        copy += toDoDate;
        padTo(line, copy, stops.second, measured);
        line += '\t' + row.actualDate.trimmed() + '\t';
        text += line + '\r';
    }
    return text;
}

} // namespace ToDoCopyText

#include "PlannerPrintouts.h"

#include "FittedText.h"
#include "PrintSettingsValues.h"

#include <algorithm>

namespace {

// The print font and colour of the settings, each value that converts; then a new document.
// Returns the base size, or nothing when the size cannot be used.
std::optional<double> startDocument(PrintLayout& layout, const PrintSettings& settings) {
    layout.setFont(printFontOf(settings, layout.font()));
    if (const auto colour = printColourOf(settings)) {
        layout.setTextColour(*colour);
        layout.setLineColour(*colour);
    }
    layout.startDocument();
    const auto size = PrintValue::toSingle(settings.PrintFontSize);
    if (!size || *size <= 0) {
        return std::nullopt;
    }
    return double(*size);
}

// The paper less the room kept from its edges.
FittedText::Span paperSpan(const PrintLayout& layout) {
    return {FittedText::kGap, layout.pageWidth() - FittedText::kGap};
}

QString dayTitle(const QDate& date) {
    return "Appointments/Activities For " + MonthListing::monthName(date.month()) + ' ' +
           QString::number(date.day()) + ", " + QString::number(date.year());
}

struct Heading {
    QString text;
    double centre;
    FittedText::Span span;
};

// The title with a blank line above in the title size and one below in the small size, then the
// headings on one line, always underlined; afterwards the entries' own effects.
void dayHeading(PrintLayout& layout, const DayPrint& day, const PrintSettings& settings,
                double base, const std::vector<Heading>& headings) {
    const PrintFont entries = layout.font();
    layout.setFontSize(base + 2);
    FittedText::nextLine(layout);
    const double width = layout.pageWidth();
    FittedText::centredLine(layout, dayTitle(day.date), width / 2, paperSpan(layout));
    layout.setFontSize(base - 2);
    FittedText::nextLine(layout);
    layout.setUnderline(true);
    layout.setCurrentY(layout.currentY() + 10);
    layout.setFontSize(base);
    const double line = layout.currentY();
    for (const Heading& heading : headings) {
        layout.setCurrentY(line);
        FittedText::centredLine(layout, heading.text, heading.centre, heading.span);
    }
    layout.setCurrentY(layout.currentY() + 10);
    layout.setUnderline(
        PrintValue::toBoolean(settings.PrintFontUnderline).value_or(entries.underline));
    layout.setStrikeout(
        PrintValue::toBoolean(settings.PrintFontStrikethru).value_or(entries.strikeout));
}

// The columns of a day page's rows, in twips: a time centred in its column, an activity from
// its column's start to the next column's.
struct DayColumns {
    double timeCentre;
    FittedText::Span time;
    double activityLeft;
    double activityRight;
};

// One column: times centred on W / 10, activities from W / 6 to the paper's edge.
DayColumns oneColumn(const PrintLayout& layout) {
    const double width = layout.pageWidth();
    const FittedText::Span paper = paperSpan(layout);
    return {width / 10, {paper.left, width / 6 - FittedText::kGap}, width / 6, paper.right};
}

// Two columns: on the left times centred on W / 20 and activities from W / 9 up to the right
// column's time; on the right times centred on W / 1.85 and activities from W / 1.65 to the
// paper's edge.
std::pair<DayColumns, DayColumns> twoColumns(const PrintLayout& layout) {
    const double width = layout.pageWidth();
    const FittedText::Span paper = paperSpan(layout);
    const DayColumns right{
        width / 1.85, {width / 9, width / 1.65 - FittedText::kGap}, width / 1.65, paper.right};
    const DayColumns left{
        width / 20, {paper.left, width / 9 - FittedText::kGap}, width / 9, right.time.right};
    return {left, right};
}

struct DayRow {
    const QString& time;
    const QString& activity;
    DayColumns columns;
};

// The start of the room a time takes in its column, when printed.
double timeStart(const PrintLayout& layout, const DayRow& row) {
    const DayColumns& columns = row.columns;
    const double room = 2 * std::min(columns.timeCentre - columns.time.left,
                                     columns.time.right - columns.timeCentre);
    return columns.timeCentre - FittedText::printedWidth(layout.font(), row.time, room) / 2;
}

// The base size a day page prints in: the size asked for, or smaller where the title, the
// headings and the printed lines would run past the bottom margin.
double dayPageSize(const PrintLayout& layout, double base, int lines) {
    const PageGeometry& page = layout.page();
    return FittedText::fittingSize(base, page.height - page.top - page.bottom, [&](double size) {
        return FittedText::lineHeightAt(layout.font(), size + 2) +
               FittedText::headingHeight(layout.font(), size, 20) +
               lines * FittedText::lineHeightAt(layout.font(), size);
    });
}

// One printed line of one or two day rows, left out when all of their boxes are empty. An
// activity reaches at most to the time beside it, or to its column's end where that is empty.
void dayLine(PrintLayout& layout, std::initializer_list<DayRow> rows) {
    bool empty = true;
    for (const DayRow& row : rows) {
        empty = empty && row.time.isEmpty() && row.activity.isEmpty();
    }
    if (empty) {
        return;
    }
    const double line = layout.currentY();
    for (auto row = rows.begin(); row != rows.end(); ++row) {
        double activityRight = row->columns.activityRight;
        if (const auto next = row + 1; next != rows.end() && !next->time.isEmpty()) {
            activityRight = std::min(activityRight, timeStart(layout, *next) - FittedText::kGap);
        }
        layout.setCurrentY(line);
        FittedText::centredLine(layout, row->time, row->columns.timeCentre, row->columns.time);
        layout.setCurrentY(line);
        FittedText::lineWithin(layout, row->activity, row->columns.activityLeft, activityRight);
    }
}

} // namespace

void BuildDayPrintOneColumn(PrintLayout& layout, const DayPrint& day,
                            const PrintSettings& settings) {
    int lines = 0;
    for (std::size_t row = 0; row < day.times.size(); ++row) {
        lines += day.times[row].isEmpty() && day.activities[row].isEmpty() ? 0 : 1;
    }
    const double base =
        dayPageSize(layout, startDocument(layout, settings).value_or(layout.font().size), lines);
    const DayColumns columns = oneColumn(layout);
    dayHeading(layout, day, settings, base,
               {{"Time", columns.timeCentre, columns.time},
                {"Appointment/Activity",
                 layout.pageWidth() / 3,
                 {columns.activityLeft, columns.activityRight}}});
    for (std::size_t row = 0; row < day.times.size(); ++row) {
        dayLine(layout, {{day.times[row], day.activities[row], columns}});
    }
    layout.endDocument();
}

void BuildDayPrintTwoColumns(PrintLayout& layout, const DayPrint& day,
                             const PrintSettings& settings) {
    constexpr std::size_t kHalf = std::size_t(YearFile::kRows) / 2;
    int lines = 0;
    for (std::size_t row = 0; row < kHalf; ++row) {
        const bool empty = day.times[row].isEmpty() && day.activities[row].isEmpty() &&
                           day.times[row + kHalf].isEmpty() &&
                           day.activities[row + kHalf].isEmpty();
        lines += empty ? 0 : 1;
    }
    const double base =
        dayPageSize(layout, startDocument(layout, settings).value_or(layout.font().size), lines);
    const double width = layout.pageWidth();
    const auto [left, right] = twoColumns(layout);
    dayHeading(layout, day, settings, base,
               {{"Time", left.timeCentre, left.time},
                {"Appointment/Activity",
                 width / 3.55,
                 {left.activityLeft, right.timeCentre - FittedText::kGap}},
                {"Time", right.timeCentre, right.time},
                {"Appointment/Activity", width / 1.3, {right.activityLeft, right.activityRight}}});
    for (std::size_t row = 0; row < kHalf; ++row) {
        dayLine(layout, {{day.times[row], day.activities[row], left},
                         {day.times[row + kHalf], day.activities[row + kHalf], right}});
    }
    layout.endDocument();
}

namespace {

// The month page's columns inside its frame, between their separators: the day label from
// W / 30, the time centred on W / 5, the activity from W / 3.3.
struct MonthColumns {
    FittedText::Span frame;
    FittedText::Span day;
    FittedText::Span time;
    FittedText::Span activity;
};

MonthColumns monthColumns(const PrintLayout& layout) {
    const double width = layout.pageWidth();
    constexpr double gap = FittedText::kGap;
    const FittedText::Span frame{100 + gap, width - 100 - gap};
    return {frame,
            {frame.left, width / 8.5 - gap},
            {width / 8.5 + gap, width / 3.5 - gap},
            {width / 3.5 + gap, frame.right}};
}

// The heading block of a month page: frame, title, date line, separators and column headings.
void monthHeading(PrintLayout& layout, const MonthPrint& month, double base) {
    const PageGeometry& page = layout.page();
    const double width = page.width;
    const double bottom = page.height - page.bottom;
    const double top = page.top + 300;
    const double left = 100;
    const double right = width - 100;
    layout.setCurrentY(top);
    if (month.gridLines) {
        layout.line(left, top, right, top);
        layout.line(left, top, left, bottom);
        layout.line(right, top, right, bottom);
    }
    const MonthColumns columns = monthColumns(layout);
    layout.setFontSize(base + 2);
    FittedText::centredLine(layout,
                            "Monthly Calendar For " + MonthListing::monthName(month.month) + ", " +
                                QString::number(month.year),
                            width / 2, columns.frame);
    layout.setFontSize(base - 2);
    FittedText::centredLine(layout,
                            "As of  " + MonthListing::monthName(month.today.month()) + ' ' +
                                QString("%1").arg(month.today.day(), 2, 10, QChar('0')) + ", " +
                                QString::number(month.today.year()),
                            width / 2, columns.frame);
    if (month.gridLines) {
        const double y = layout.currentY();
        layout.line(left, y, right, y);
        layout.line(width / 8.5, y, width / 8.5, bottom);
        layout.line(width / 3.5, y, width / 3.5, bottom);
    }
    layout.setCurrentY(layout.currentY() + 10);
    layout.setFontSize(base);
    const double line = layout.currentY();
    FittedText::centredLine(layout, "Day", width / 17, columns.day);
    layout.setCurrentY(line);
    FittedText::centredLine(layout, "Time", width / 5, columns.time);
    layout.setCurrentY(line);
    FittedText::centredLine(layout, "Appointment/Activity", width / 1.6, columns.activity);
    if (month.gridLines) {
        const double y = layout.currentY();
        layout.line(left, y, right, y);
        layout.line(left, bottom, right, bottom);
    }
    layout.setCurrentY(layout.currentY() + 10);
}

} // namespace

void BuildMonthPrint(PrintLayout& layout, const MonthPrint& month, const PrintSettings& settings) {
    layout.clear();
    const double asked = startDocument(layout, settings).value_or(layout.font().size);
    const PageGeometry& page = layout.page();
    // Every page holds its heading and at least one row down to the bottom margin: in a size
    // where it would not, the whole printout prints smaller.
    const double base = FittedText::fittingSize(
        asked, page.height - page.bottom - (page.top + 300), [&](double size) {
            return FittedText::headingHeight(layout.font(), size, 20) +
                   FittedText::lineHeightAt(layout.font(), size);
        });
    layout.setFontSize(base);
    const double width = page.width;
    // Each page gets its heading before its first row. A row that finds the page full goes on
    // the next page; right under a heading it stays, so that a heading that fills the page by
    // itself still ends with every row printed once.
    bool pageHeaded = false;
    for (const MonthListing::Entry& row : month.rows) {
        const double bottom = page.height - page.bottom;
        const double limit = bottom - 2 * layout.textWidth(QStringLiteral("P"));
        if (!pageHeaded) {
            monthHeading(layout, month, base);
            pageHeaded = true;
        } else if (layout.currentY() >= limit) {
            layout.newPage();
            monthHeading(layout, month, base);
        }
        const MonthColumns columns = monthColumns(layout);
        const double line = layout.currentY();
        FittedText::lineWithin(layout, row.day.leftJustified(25, ' '), width / 30,
                               columns.day.right);
        layout.setCurrentY(line);
        FittedText::centredLine(layout, row.time, width / 5, columns.time);
        layout.setCurrentY(line);
        FittedText::lineWithin(layout, row.activity, width / 3.3, columns.activity.right);
    }
    layout.endDocument();
}

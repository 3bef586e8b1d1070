#include "PlannerPrintouts.h"

#include "PrintSettingsValues.h"
#include "TextMeasure.h"

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

void setSize(PrintLayout& layout, double points) {
    // A size the font cannot take (the base less 2 below 1 point) keeps the one before.
    if (points > 0) {
        layout.setFontSize(points);
    }
}

// Writes a text on one line at the current position and moves under it to the left margin;
// never cut, wrapped or carried to another page.
void output(PrintLayout& layout, const QString& text) {
    const double height = TextMeasure::lineHeight(layout.font());
    layout.text(text);
    layout.setCurrentY(layout.currentY() + height);
    layout.setCurrentX(layout.page().left);
}

void outputCentred(PrintLayout& layout, const QString& text, double centre) {
    layout.setCurrentX(centre - layout.textWidth(text) / 2);
    output(layout, text);
}

void outputAt(PrintLayout& layout, const QString& text, double x) {
    layout.setCurrentX(x);
    output(layout, text);
}

QString dayTitle(const QDate& date) {
    return "Appointments/Activities For " + MonthListing::monthName(date.month()) + ' ' +
           QString::number(date.day()) + ", " + QString::number(date.year());
}

struct Heading {
    QString text;
    double centre;
};

// The title with a blank line above in the title size and one below in the small size, then the
// headings on one line, always underlined; afterwards the entries' own effects.
void dayHeading(PrintLayout& layout, const DayPrint& day, const PrintSettings& settings,
                double base, const std::vector<Heading>& headings) {
    const PrintFont entries = layout.font();
    setSize(layout, base + 2);
    output(layout, QString());
    const double width = layout.pageWidth();
    outputCentred(layout, dayTitle(day.date), width / 2);
    setSize(layout, base - 2);
    output(layout, QString());
    layout.setUnderline(true);
    layout.setCurrentY(layout.currentY() + 10);
    setSize(layout, base);
    const double line = layout.currentY();
    for (const Heading& heading : headings) {
        layout.setCurrentY(line);
        outputCentred(layout, heading.text, width * heading.centre);
    }
    layout.setCurrentY(layout.currentY() + 10);
    layout.setUnderline(
        PrintValue::toBoolean(settings.PrintFontUnderline).value_or(entries.underline));
    layout.setStrikeout(
        PrintValue::toBoolean(settings.PrintFontStrikethru).value_or(entries.strikeout));
}

struct Column {
    const QString& time;
    const QString& activity;
    double timeCentre;   // fraction of W
    double activityLeft; // fraction of W
};

// One printed line of one or two day rows, left out when all of their boxes are empty.
void dayLine(PrintLayout& layout, std::initializer_list<Column> columns) {
    bool empty = true;
    for (const Column& column : columns) {
        empty = empty && column.time.isEmpty() && column.activity.isEmpty();
    }
    if (empty) {
        return;
    }
    const double width = layout.pageWidth();
    const double line = layout.currentY();
    for (const Column& column : columns) {
        layout.setCurrentY(line);
        outputCentred(layout, column.time, width * column.timeCentre);
        layout.setCurrentY(line);
        outputAt(layout, column.activity, width * column.activityLeft);
    }
}

} // namespace

void BuildDayPrintOneColumn(PrintLayout& layout, const DayPrint& day,
                            const PrintSettings& settings) {
    const double base = startDocument(layout, settings).value_or(layout.font().size);
    dayHeading(layout, day, settings, base,
               {{"Time", 1 / 10.0}, {"Appointment/Activity", 1 / 3.0}});
    for (std::size_t row = 0; row < day.times.size(); ++row) {
        dayLine(layout, {{day.times[row], day.activities[row], 1 / 10.0, 1 / 6.0}});
    }
    layout.endDocument();
}

void BuildDayPrintTwoColumns(PrintLayout& layout, const DayPrint& day,
                             const PrintSettings& settings) {
    const double base = startDocument(layout, settings).value_or(layout.font().size);
    dayHeading(layout, day, settings, base,
               {{"Time", 1 / 20.0},
                {"Appointment/Activity", 1 / 3.55},
                {"Time", 1 / 1.85},
                {"Appointment/Activity", 1 / 1.3}});
    constexpr std::size_t kHalf = std::size_t(YearFile::kRows) / 2;
    for (std::size_t row = 0; row < kHalf; ++row) {
        dayLine(layout,
                {{day.times[row], day.activities[row], 1 / 20.0, 1 / 9.0},
                 {day.times[row + kHalf], day.activities[row + kHalf], 1 / 1.85, 1 / 1.65}});
    }
    layout.endDocument();
}

namespace {

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
    setSize(layout, base + 2);
    outputCentred(layout,
                  "Monthly Calendar For " + MonthListing::monthName(month.month) + ", " +
                      QString::number(month.year),
                  width / 2);
    setSize(layout, base - 2);
    outputCentred(layout,
                  "As of  " + MonthListing::monthName(month.today.month()) + ' ' +
                      QString("%1").arg(month.today.day(), 2, 10, QChar('0')) + ", " +
                      QString::number(month.today.year()),
                  width / 2);
    if (month.gridLines) {
        const double y = layout.currentY();
        layout.line(left, y, right, y);
        layout.line(width / 8.5, y, width / 8.5, bottom);
        layout.line(width / 3.5, y, width / 3.5, bottom);
    }
    layout.setCurrentY(layout.currentY() + 10);
    setSize(layout, base);
    const double line = layout.currentY();
    outputCentred(layout, "Day", width / 17);
    layout.setCurrentY(line);
    outputCentred(layout, "Time", width / 5);
    layout.setCurrentY(line);
    outputCentred(layout, "Appointment/Activity", width / 1.6);
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
    const double base = startDocument(layout, settings).value_or(layout.font().size);
    const PageGeometry& page = layout.page();
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
        const double line = layout.currentY();
        outputAt(layout, row.day.leftJustified(25, ' '), width / 30);
        layout.setCurrentY(line);
        outputCentred(layout, row.time, width / 5);
        layout.setCurrentY(line);
        outputAt(layout, row.activity, width / 3.3);
    }
    layout.endDocument();
}

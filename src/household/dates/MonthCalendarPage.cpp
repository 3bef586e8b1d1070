#include "MonthCalendarPage.h"

#include "DateNames.h"
#include "PrintLayout.h"
#include "PrintTable.h"

namespace MonthCalendarPage {

namespace {

constexpr double kInch = PrintUnits::kTwipsPerInch;
constexpr double kColumnWidth = 1.12 * kInch;
constexpr double kBodyRowHeight = 1.55 * kInch;
constexpr double kHeaderRowHeight = 0.5 * kInch;

const QColor kSundayColour(255, 224, 192);
const QColor kHeaderColour(255, 255, 192);
const QColor kChosenDayColour(192, 255, 192);

// The alignment values of the table: 0 top left, 2 top right, 7 centred.
Qt::Alignment alignmentOf(int value) {
    switch (value) {
    case 2:
        return Qt::AlignRight | Qt::AlignTop;
    case 7:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignTop;
    }
}

PrintFont timesNewRoman(double size, bool bold, bool italic) {
    PrintFont font;
    font.name = "Times New Roman";
    font.size = size;
    font.bold = bold;
    font.italic = italic;
    return font;
}

PrintTable monthTable(const MonthGrid& grid, int numberAlignment) {
    const int bodyRows = int(grid.rows.size());
    PrintTable table(std::vector<double>(7, kColumnWidth), bodyRows);
    QStringList headings;
    for (int column = 0; column < 7; ++column) {
        headings.append(weekdayHeading(column));
    }
    table.setHeader(headings);
    for (int row = 0; row < bodyRows; ++row) {
        for (int column = 0; column < 7; ++column) {
            const int day = grid.rows[row][std::size_t(column)];
            if (day != 0) {
                table.setText(row + 1, column, QString::number(day));
            }
        }
    }
    // Later settings override earlier ones.
    for (int row = 0; row < table.rowCount(); ++row) {
        table.setRowHeight(row, kBodyRowHeight);
    }
    table.setAlignment(table.all(), alignmentOf(numberAlignment == AlignRight ? 2 : 0));
    table.setFont(table.all(), timesNewRoman(24, false, true));
    table.setBackground({0, 0, table.rowCount() - 1, 0}, kSundayColour);
    const PrintTable::Range header{0, 0, 0, 6};
    table.setRowHeight(0, kHeaderRowHeight);
    table.setFont(header, timesNewRoman(24, true, false));
    table.setBackground(header, kHeaderColour);
    table.setAlignment(header, alignmentOf(7));
    const PrintTable::Range chosen{grid.chosenRow + 1, grid.chosenColumn, grid.chosenRow + 1,
                                   grid.chosenColumn};
    table.setFont(chosen, timesNewRoman(24, true, true));
    table.setBackground(chosen, kChosenDayColour);
    return table;
}

} // namespace

PageGeometry pageGeometry() {
    PageGeometry page;
    page.width = 8.5 * kInch;
    page.height = 11 * kInch;
    page.left = page.top = page.right = page.bottom = 0.25 * kInch;
    return page;
}

double tableTop(int bodyRows) {
    return bodyRows == 6 ? 1100 : 2000;
}

QString weekdayHeading(int column) {
    static const char* const kHeadings[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    return column >= 0 && column < 7 ? QString(kHeadings[column]) : QString();
}

QRectF cellArea(int bodyRows, int row, int column) {
    const double top =
        tableTop(bodyRows) + (row == 0 ? 0 : kHeaderRowHeight + (row - 1) * kBodyRowHeight);
    return {pageGeometry().left + column * kColumnWidth, top, kColumnWidth,
            row == 0 ? kHeaderRowHeight : kBodyRowHeight};
}

void build(PrintLayout& layout, const QDate& chosen, const MonthGrid& grid, int numberAlignment) {
    if (grid.rows.isEmpty()) {
        return;
    }
    layout.clear();
    layout.setPage(pageGeometry());
    layout.startDocument();
    const PrintTable table = monthTable(grid, numberAlignment);

    layout.setFont(timesNewRoman(26, false, false));
    const QString title = DateNames::monthTitle(chosen);
    layout.setCurrentX(layout.pageWidth() / 2 - layout.textWidth(title) / 2);
    layout.text(title);

    layout.setCurrentY(tableTop(int(grid.rows.size())));
    layout.table(table);
    layout.endDocument();
}

} // namespace MonthCalendarPage

#include "ToDoPrintLayouts.h"

#include "FittedText.h"
#include "PrintLayout.h"
#include "TextMeasure.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace ToDoPrintLayouts {

namespace {

// Discards the previous document and starts one in the print font and colour.
void prepare(PrintLayout& layout, const Options& options) {
    layout.clear();
    layout.setFont(options.font);
    layout.setTextColour(options.colour);
    layout.setLineColour(options.colour);
    layout.startDocument();
}

void horizontalLine(PrintLayout& layout, double x1, double x2, double y) {
    layout.line(x1, y, x2, y);
}

// The list's columns, each a share of the printable width (between the left and right margins):
// the frame 100 twips inside it, the separators at 1 / 2.7 and 1 / 1.47 of it, the headings
// centred on 1 / 5.2, 1 / 1.9 and 1 / 1.2 of it, the items from 360 twips into it. Every text
// keeps the least gap from the lines beside it.
struct ListColumns {
    double frameLeft;
    double frameRight;
    double firstSeparator;
    double secondSeparator;
    double itemX;
    double itemCentre;
    double toDoDateCentre;
    double actualDateCentre;

    explicit ListColumns(const PageGeometry& page) {
        const double left = page.left;
        const double width = page.width - page.left - page.right;
        frameLeft = left + 100;
        frameRight = left + width - 100;
        firstSeparator = left + width / 2.7;
        secondSeparator = left + width / 1.47;
        itemX = left + 360;
        itemCentre = left + width / 5.2;
        toDoDateCentre = left + width / 1.9;
        actualDateCentre = left + width / 1.2;
    }
    double centre() const { return (frameLeft + frameRight) / 2; }
    FittedText::Span frame() const {
        return {frameLeft + FittedText::kGap, frameRight - FittedText::kGap};
    }
    FittedText::Span item() const {
        return {frameLeft + FittedText::kGap, firstSeparator - FittedText::kGap};
    }
    FittedText::Span toDoDate() const {
        return {firstSeparator + FittedText::kGap, secondSeparator - FittedText::kGap};
    }
    FittedText::Span actualDate() const {
        return {secondSeparator + FittedText::kGap, frameRight - FittedText::kGap};
    }
};

void asOfLine(PrintLayout& layout, const Options& options, const ListColumns& columns,
              double base) {
    layout.setFontSize(base - 2);
    if (options.asOfDateOff) {
        // The line keeps its height, so the page looks the same either way.
        FittedText::nextLine(layout);
        return;
    }
    // English month names whatever the desktop's language, as the rest of the printout.
    FittedText::centredLine(layout,
                            "As of  " + QLocale::c().toString(options.today, "MMMM dd, yyyy"),
                            columns.centre(), columns.frame());
}

// The gaps of a list page's heading: 30 twips above the column headings and 100 under them.
constexpr double kListHeadingGaps = 30 + 100;

void listPageHeader(PrintLayout& layout, const Options& options, double base, double top,
                    double bottom) {
    const ListColumns columns(layout.page());
    layout.setCurrentY(top);
    if (!options.gridLinesOff) {
        horizontalLine(layout, columns.frameLeft, columns.frameRight, top);
        layout.line(columns.frameLeft, top, columns.frameLeft, bottom);
        layout.line(columns.frameRight, top, columns.frameRight, bottom);
    }
    layout.setTextColour(options.colour);
    layout.setLineColour(options.colour);
    layout.setFontSize(base + 2);
    FittedText::centredLine(layout, "To Do List", columns.centre(), columns.frame());
    asOfLine(layout, options, columns, base);
    if (!options.gridLinesOff) {
        const double y = layout.currentY();
        horizontalLine(layout, columns.frameLeft, columns.frameRight, y);
        layout.line(columns.firstSeparator, y, columns.firstSeparator, bottom);
        layout.line(columns.secondSeparator, y, columns.secondSeparator, bottom);
    }
    layout.setCurrentY(layout.currentY() + 30);
    layout.setFontSize(base);
    const double headerY = layout.currentY();
    FittedText::centredLine(layout, "To Do Item", columns.itemCentre, columns.item());
    layout.setCurrentY(headerY);
    FittedText::centredLine(layout, "To Do Date", columns.toDoDateCentre, columns.toDoDate());
    layout.setCurrentY(headerY);
    FittedText::centredLine(layout, "Actual Date", columns.actualDateCentre, columns.actualDate());
    if (!options.gridLinesOff) {
        horizontalLine(layout, columns.frameLeft, columns.frameRight, layout.currentY());
        horizontalLine(layout, columns.frameLeft, columns.frameRight, bottom);
    }
    layout.setCurrentY(layout.currentY() + 100);
}

// A date column: the text centred in its column, nothing when the cell holds only blanks.
void dateCell(PrintLayout& layout, const QString& text, double centre, FittedText::Span span,
              double rowY) {
    if (!text.trimmed().isEmpty()) {
        FittedText::centred(layout, text, centre, rowY, span.left, span.right);
    }
}

// One line of the print font: the item from its column's start, filled to the 25 characters of an
// item (a longer one prints whole), and the two dates, each text smaller where it is wider than
// its column.
void listRow(PrintLayout& layout, const ToDoRow& row) {
    const ListColumns columns(layout.page());
    const double rowY = std::round(layout.currentY());
    FittedText::within(layout, row.item.leftJustified(25), columns.itemX, rowY,
                       columns.item().right - columns.itemX);
    dateCell(layout, row.toDoDate, columns.toDoDateCentre, columns.toDoDate(), rowY);
    dateCell(layout, row.actualDate, columns.actualDateCentre, columns.actualDate(), rowY);
    layout.setCurrentY(rowY);
    FittedText::nextLine(layout);
}

// The worksheet's first line, from the paper's top edge.
constexpr double kWorksheetTop = 360;

// The size of the worksheet's column headings and rows: the base - 4, or the base where that is 4
// or less, a size the font cannot take.
double worksheetHeadingSize(double base) {
    return base > 4 ? base - 4 : base;
}

// Where the worksheet's rows start: under the title in the base size, 20 twips, the column
// headings, 20 and 100 twips.
double worksheetRowsStart(const PrintFont& font, double base) {
    return kWorksheetTop + FittedText::lineHeightAt(font, base) + 20 +
           FittedText::lineHeightAt(font, worksheetHeadingSize(base)) + 20 + 100;
}

} // namespace

void buildList(PrintLayout& layout, const std::vector<ToDoRow>& rows, const Options& options) {
    prepare(layout, options);
    const PageGeometry& page = layout.page();
    const double top = page.top + 300;
    const double bottom = page.height - page.bottom;
    // Every page holds its heading and at least one row down to the bottom margin: in a size
    // where it would not, the whole list prints smaller.
    const double base = FittedText::fittingSize(options.font.size, bottom - top, [&](double size) {
        return FittedText::headingHeight(options.font, size, kListHeadingGaps) +
               FittedText::lineHeightAt(options.font, size);
    });
    layout.setFontSize(base);
    const double rowHeight = TextMeasure::lineHeight(layout.font());
    // A row (it starts on whole twips) goes on the next page, under its heading, when it would pass
    // the bottom margin; right under a heading it stays, so that a heading that fills the page by
    // itself still ends with every row printed once.
    bool pageHeaded = false;
    for (const ToDoRow& row : rows) {
        if (row.item.trimmed().isEmpty()) {
            continue;
        }
        if (!pageHeaded) {
            listPageHeader(layout, options, base, top, bottom);
            pageHeaded = true;
        } else if (std::round(layout.currentY()) + rowHeight > bottom) {
            layout.newPage();
            listPageHeader(layout, options, base, top, bottom);
        }
        listRow(layout, row);
    }
    layout.endDocument();
}

void buildWorksheet(PrintLayout& layout, const Options& options) {
    prepare(layout, options);
    const double width = layout.pageWidth();
    const double height = layout.pageHeight();
    // The sheet's bottom: a line of the base size and 300 twips above the paper's edge. In a size
    // where the heading and one row would pass it, the whole sheet prints smaller.
    const auto bottomAt = [&](double size) {
        return height - std::round(FittedText::lineHeightAt(options.font, size) + 10) - 300;
    };
    const double base = FittedText::fittingSize(options.font.size, height, [&](double size) {
        return worksheetRowsStart(options.font, size) +
               FittedText::lineHeightAt(options.font, worksheetHeadingSize(size)) +
               (height - bottomAt(size));
    });
    layout.setFontSize(base);
    const double bottom = bottomAt(base);
    const double top = kWorksheetTop;
    layout.setCurrentY(top);
    if (!options.gridLinesOff) {
        horizontalLine(layout, 2, width - 8, top);
    }
    FittedText::centredLine(layout, "To Do Item Worksheet", width / 2,
                            {2 + FittedText::kGap, width - 8 - FittedText::kGap});
    if (!options.gridLinesOff) {
        horizontalLine(layout, 2, width - 8, layout.currentY());
    }
    layout.setCurrentY(layout.currentY() + 20);
    layout.setFontSize(worksheetHeadingSize(base));
    const double headerY = layout.currentY();
    // The columns between the sheet's edges at 2 and width - 10 and its separators.
    const double edges[] = {2, width / 10, width / 1.65, width / 1.25, width - 10};
    const std::pair<double, const char*> headings[] = {
        {width / 20, "Priority"},
        {width / 2.9, "To Do Item"},
        {width / 1.43, "To Do Date"},
        {width / 1.12, "Actual Date"},
    };
    for (std::size_t column = 0; column < std::size(headings); ++column) {
        layout.setCurrentY(headerY);
        FittedText::centredLine(
            layout, headings[column].second, headings[column].first,
            {edges[column] + FittedText::kGap, edges[column + 1] - FittedText::kGap});
    }
    layout.setCurrentY(layout.currentY() + 20);
    if (!options.gridLinesOff) {
        horizontalLine(layout, 2, width - 10, layout.currentY());
    }
    layout.setCurrentY(layout.currentY() + 100);
    // Rows of one blank line of the headings' font and 100 twips, down to the sheet's bottom and
    // never past the bottom margin: the sheet prints on one page.
    const double rowHeight = TextMeasure::lineHeight(layout.font());
    const double lastRowEnd = height - layout.page().bottom;
    while (layout.currentY() < bottom && layout.currentY() + rowHeight <= lastRowEnd) {
        FittedText::nextLine(layout);
        const double y = layout.currentY();
        if (!options.gridLinesOff) {
            layout.line(2, top, 2, y);
            layout.line(width - 10, top, width - 10, y);
            layout.line(width / 10, headerY - 10, width / 10, y);
            layout.line(width / 1.65, headerY - 20, width / 1.65, y);
            layout.line(width / 1.25, headerY - 20, width / 1.25, y);
            horizontalLine(layout, 2, width - 6, y);
        }
        layout.setCurrentY(y + 100);
    }
    layout.setShownPage(1);
    layout.endDocument();
}

} // namespace ToDoPrintLayouts

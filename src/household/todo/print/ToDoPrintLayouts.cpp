#include "ToDoPrintLayouts.h"

#include "FittedText.h"
#include "PrintLayout.h"

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

// Writes a line of text centred on x; a heading near the paper's edge is never wrapped.
void centred(PrintLayout& layout, double x, const QString& text) {
    layout.setCurrentX(x - layout.textWidth(text) / 2);
    layout.unwrappedLine(text);
}

void horizontalLine(PrintLayout& layout, double x1, double x2, double y) {
    layout.line(x1, y, x2, y);
}

void asOfLine(PrintLayout& layout, const Options& options) {
    layout.setFontSize(options.font.size - 2);
    if (options.asOfDateOff) {
        // The line keeps its height, so the page looks the same either way.
        layout.paragraph(QString());
        return;
    }
    // English month names whatever the desktop's language, as the rest of the printout.
    centred(layout, layout.pageWidth() / 2,
            "As of  " + QLocale::c().toString(options.today, "MMMM dd, yyyy"));
}

void listPageHeader(PrintLayout& layout, const Options& options, double top, double bottom) {
    const double width = layout.pageWidth();
    layout.setCurrentY(top);
    if (!options.gridLinesOff) {
        horizontalLine(layout, 100, width - 100, top);
        layout.line(100, top, 100, bottom);
        layout.line(width - 100, top, width - 100, bottom);
    }
    layout.setTextColour(options.colour);
    layout.setLineColour(options.colour);
    layout.setFontSize(options.font.size + 2);
    centred(layout, width / 2, "To Do List");
    asOfLine(layout, options);
    if (!options.gridLinesOff) {
        const double y = layout.currentY();
        horizontalLine(layout, 100, width - 100, y);
        layout.line(width / 2.7, y, width / 2.7, bottom);
        layout.line(width / 1.47, y, width / 1.47, bottom);
    }
    layout.setCurrentY(layout.currentY() + 30);
    layout.setFontSize(options.font.size);
    const double headerY = layout.currentY();
    centred(layout, width / 5.2, "To Do Item");
    layout.setCurrentY(headerY);
    centred(layout, width / 1.9, "To Do Date");
    layout.setCurrentY(headerY);
    centred(layout, width / 1.2, "Actual Date");
    if (!options.gridLinesOff) {
        horizontalLine(layout, 100, width - 100, layout.currentY());
        horizontalLine(layout, 100, width - 100, bottom);
    }
    layout.setCurrentY(layout.currentY() + 100);
}

// A date column: the text centred on x, or an empty line when the cell holds only blanks.
void dateCell(PrintLayout& layout, double x, const QString& text) {
    centred(layout, x, text.trimmed().isEmpty() ? QString() : text);
}

// The item from the left margin + 360, filled to the 25 characters of an item (a longer one
// prints whole). An item wider than its column, up to the separator before the dates or its own
// date, whichever comes first, prints in the size that fits: in a wide font it would otherwise run
// into the date beside it.
void itemCell(PrintLayout& layout, const ToDoRow& row, double rowY) {
    const double x = layout.page().left + 360;
    const double dateStart = row.toDoDate.trimmed().isEmpty()
                                 ? layout.pageWidth()
                                 : layout.pageWidth() / 1.9 - layout.textWidth(row.toDoDate) / 2;
    const double room = std::min(layout.pageWidth() / 2.7, dateStart) - FittedText::kGap - x;
    FittedText::within(layout, row.item.leftJustified(25), x, rowY, room);
}

void listRow(PrintLayout& layout, const ToDoRow& row) {
    const double width = layout.pageWidth();
    const double rowY = std::round(layout.currentY());
    itemCell(layout, row, rowY);
    layout.setCurrentY(rowY);
    dateCell(layout, width / 1.9, row.toDoDate);
    layout.setCurrentY(rowY);
    dateCell(layout, width / 1.2, row.actualDate);
}

} // namespace

void buildList(PrintLayout& layout, const std::vector<ToDoRow>& rows, const Options& options) {
    prepare(layout, options);
    const PageGeometry& page = layout.page();
    for (const ToDoRow& row : rows) {
        if (row.item.trimmed().isEmpty()) {
            continue;
        }
        const double bottom = layout.pageHeight() - page.bottom;
        const double limit = bottom - 2 * layout.textWidth("P");
        const double top = page.top + 300;
        // A row that does not fit under a fresh page's header is printed there all the same, so
        // that a very large font still ends.
        bool freshPage = false;
        while (true) {
            if (layout.currentY() <= page.top + 400) {
                listPageHeader(layout, options, top, bottom);
            }
            if (layout.currentY() < limit || freshPage) {
                break;
            }
            layout.newPage();
            layout.setCurrentY(0);
            freshPage = true;
        }
        listRow(layout, row);
    }
    layout.endDocument();
}

void buildWorksheet(PrintLayout& layout, const Options& options) {
    prepare(layout, options);
    const double width = layout.pageWidth();
    layout.setCurrentY(360);
    const double lineHeight = std::round(layout.textHeight("P") + 10);
    const double bottom = layout.pageHeight() - lineHeight - 300;
    const double top = layout.currentY();
    if (!options.gridLinesOff) {
        horizontalLine(layout, 2, width - 8, top);
    }
    centred(layout, width / 2, "To Do Item Worksheet");
    if (!options.gridLinesOff) {
        horizontalLine(layout, 2, width - 8, layout.currentY());
    }
    layout.setCurrentY(layout.currentY() + 20);
    layout.setFontSize(options.font.size - 4);
    const double headerY = layout.currentY();
    const std::pair<double, const char*> headings[] = {
        {width / 20, "Priority"},
        {width / 2.9, "To Do Item"},
        {width / 1.43, "To Do Date"},
        {width / 1.12, "Actual Date"},
    };
    for (const auto& [centre, heading] : headings) {
        layout.setCurrentY(headerY);
        centred(layout, centre, heading);
    }
    layout.setCurrentY(layout.currentY() + 20);
    if (!options.gridLinesOff) {
        horizontalLine(layout, 2, width - 10, layout.currentY());
    }
    layout.setCurrentY(layout.currentY() + 100);
    // A row that would start a second page is left out: the sheet prints on one page.
    const double lastLineStart =
        layout.pageHeight() - layout.page().bottom - layout.textHeight("P");
    while (layout.currentY() < bottom && layout.currentY() <= lastLineStart) {
        layout.paragraph(QString());
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

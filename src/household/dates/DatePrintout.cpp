#include "DatePrintout.h"

#include "DateNames.h"
#include "PrintLayout.h"

namespace DatePrintout {

namespace {

// Puts a line of text in the middle of the printable width, and moves to the next line.
void centredLine(PrintLayout& layout, const QString& text) {
    const PageGeometry& page = layout.page();
    const double printableWidth = page.width - page.left - page.right;
    layout.setCurrentX(page.left + printableWidth / 2 - layout.textWidth(text) / 2);
    layout.paragraph(text);
}

} // namespace

void build(PrintLayout& layout, const PageGeometry& page, const QString& fontName,
           const QDate& chosen, const QDate& today) {
    layout.clear();
    layout.setPage(page);
    layout.startDocument();
    PrintFont font;
    font.name = fontName;
    layout.setFont(font);

    // The page begins one 6-point line below its top, with 24 points in effect.
    layout.setFontSize(6);
    layout.paragraph(QString());
    const double top = layout.currentY();
    layout.setFontSize(24);
    layout.paragraph(QString());
    layout.setCurrentY(top);

    centredLine(layout, kTitle);
    layout.paragraph(QString());
    centredLine(layout, DateNames::dateLine(chosen));
    layout.paragraph(QString());

    layout.setFontSize(6);
    layout.paragraph("Korvane");
    layout.paragraph("Printed on " + DateNames::printedOnDate(today));
    layout.setFontSize(12);
    layout.endDocument();
}

} // namespace DatePrintout

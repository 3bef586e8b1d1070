#include "FittedText.h"

#include "PrintLayout.h"
#include "TextMeasure.h"

#include <algorithm>

namespace FittedText {

namespace {

// The least width a text that has no room prints in, in twips.
constexpr double kLeastWidth = 1;

QString withoutTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' ')) {
        --end;
    }
    return text.left(end);
}

// The font text prints in within room, and the width it takes there.
std::pair<PrintFont, double> fitting(const PrintFont& font, const QString& text, double room) {
    const double width = TextMeasure::width(font, withoutTrailingBlanks(text));
    if (width <= room || width <= 0) {
        return {font, width};
    }
    const double fitted = std::max(room, kLeastWidth);
    PrintFont smaller = font;
    smaller.size = font.size * fitted / width; // widths scale with the size
    return {smaller, fitted};
}

void write(PrintLayout& layout, const QString& text, const PrintFont& font, double x, double y) {
    const PrintFont own = layout.font();
    const double ownX = layout.currentX();
    const double ownY = layout.currentY();
    layout.setFont(font);
    layout.setCurrentX(x);
    // On the baseline of the line's texts in the layout's own font.
    layout.setCurrentY(y + TextMeasure::ascent(own) - TextMeasure::ascent(font));
    layout.text(text);
    layout.setFont(own);
    layout.setCurrentX(ownX);
    layout.setCurrentY(ownY);
}

} // namespace

double printedWidth(const PrintFont& font, const QString& text, double room) {
    return fitting(font, text, room).second;
}

double within(PrintLayout& layout, const QString& text, double x, double y, double room) {
    const auto [font, width] = fitting(layout.font(), text, room);
    write(layout, text, font, x, y);
    return width;
}

double centred(PrintLayout& layout, const QString& text, double centre, double y, double left,
               double right) {
    const double room = 2 * std::min(centre - left, right - centre);
    const auto [font, width] = fitting(layout.font(), text, room);
    write(layout, text, font, centre - width / 2, y);
    return width;
}

void nextLine(PrintLayout& layout) {
    layout.setCurrentY(layout.currentY() + TextMeasure::lineHeight(layout.font()));
    layout.setCurrentX(layout.page().left);
}

double centredLine(PrintLayout& layout, const QString& text, double centre, Span span) {
    const double width = centred(layout, text, centre, layout.currentY(), span.left, span.right);
    nextLine(layout);
    return width;
}

void lineWithin(PrintLayout& layout, const QString& text, double x, double right) {
    within(layout, text, x, layout.currentY(), right - x);
    nextLine(layout);
}

double fittingSize(double base, double room, const std::function<double(double)>& extentAt) {
    if (room <= 0 || extentAt(base) <= room) {
        return base;
    }
    double fits = 0;
    double tooLarge = base;
    for (int step = 0; step < 40; ++step) {
        const double middle = (fits + tooLarge) / 2;
        (extentAt(middle) <= room ? fits : tooLarge) = middle;
    }
    // Where nothing fits at any size the search can tell, the smallest size it tried.
    return fits > 0 ? fits : tooLarge;
}

double lineHeightAt(PrintFont font, double points) {
    font.size = points;
    return TextMeasure::lineHeight(font);
}

double headingHeight(const PrintFont& font, double base, double gaps) {
    return lineHeightAt(font, base + 2) + lineHeightAt(font, base > 2 ? base - 2 : base + 2) +
           lineHeightAt(font, base) + gaps;
}

} // namespace FittedText

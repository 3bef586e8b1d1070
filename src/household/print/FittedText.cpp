#include "FittedText.h"

#include "PrintLayout.h"
#include "TextMeasure.h"

#include <algorithm>

namespace FittedText {

namespace {

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
    if (width <= room || room <= 0) {
        return {font, width};
    }
    PrintFont smaller = font;
    smaller.size = font.size * room / width; // widths scale with the size
    return {smaller, room};
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

} // namespace FittedText

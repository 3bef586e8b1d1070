#include "ThoughtPrintout.h"

#include "FittedText.h"
#include "PrintSettingsValues.h"

#include <algorithm>

void RenderThoughtPage(PrintLayout& layout, const QString& thought, const PrintSettings& settings) {
    PrintFont font;
    const auto name = PrintValue::toText(settings.PrintFontName);
    const auto size = PrintValue::toSingle(settings.PrintFontSize);
    const auto bold = PrintValue::toBoolean(settings.PrintFontBold);
    const auto italic = PrintValue::toBoolean(settings.PrintFontItalic);
    const auto underline = PrintValue::toBoolean(settings.PrintFontUnderline);
    const auto strikeout = PrintValue::toBoolean(settings.PrintFontStrikethru);
    const auto colour = printColourOf(settings);
    if (!name || !size || *size <= 0 || !bold || !italic || !underline || !strikeout || !colour) {
        return;
    }
    layout.setFont(PrintFont{*name, *size, *bold, *italic, *underline, *strikeout});
    layout.setTextColour(*colour);
    layout.setCurrentX(0);
    layout.startDocument();

    const PageGeometry& page = layout.page();
    // A thought taller than the room between the margins prints in the size at which it fits.
    layout.setFontSize(
        FittedText::fittingSize(*size, page.height - page.top - page.bottom, [&](double points) {
            layout.setFontSize(points);
            return layout.textHeight(thought);
        }));
    const double height = layout.textHeight(thought);
    layout.setCurrentY(std::max(page.top, (page.height + page.top - page.bottom) / 2 - height / 2));
    const double centre = (page.width + page.left - page.right) / 2;
    const auto output = [&](const QString& line) {
        layout.setCurrentX(std::max(page.left, centre - layout.textWidth(line) / 2));
        layout.paragraph(line);
    };
    qsizetype lineStart = 0;
    for (qsizetype at = 0; at < thought.size(); ++at) {
        if (thought.at(at) == QChar(13)) {
            output(thought.mid(lineStart, at - lineStart));
            lineStart = at + 1;
        } else if (at == thought.size() - 1) {
            output(thought.mid(lineStart));
        }
    }
    layout.endDocument();
}

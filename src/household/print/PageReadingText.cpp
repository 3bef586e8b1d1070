#include "PageReadingText.h"

#include "TextMeasure.h"

#include <cmath>

namespace {

// Whether the text carries on the line of the text before it: it starts to the right of where
// that one ends and its top lies within half a line of that one's.
bool sameLine(const PrintText& before, const PrintText& text) {
    const double end = before.x + TextMeasure::width(before.font, before.text);
    const double halfLine = TextMeasure::lineHeight(before.font) / 2;
    return text.x >= end - 1 && std::abs(text.y - before.y) < halfLine;
}

} // namespace

QString pageReadingText(const PrintDocument& document, int pageIndex) {
    if (pageIndex < 0 || pageIndex >= static_cast<int>(document.pages.size())) {
        return {};
    }
    QString reading;
    const PrintText* before = nullptr;
    for (const PrintItem& item : document.pages[std::size_t(pageIndex)].items) {
        const auto* text = std::get_if<PrintText>(&item);
        if (text == nullptr || text->text.trimmed().isEmpty()) {
            continue;
        }
        if (before != nullptr) {
            reading += sameLine(*before, *text) ? QLatin1Char(' ') : QLatin1Char('\n');
        }
        reading += text->text.trimmed();
        before = text;
    }
    return reading;
}

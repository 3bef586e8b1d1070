#pragma once

#include "PrintFont.h"

#include <QString>

class PrintLayout;

// Texts kept within their column: a text wider than its room prints smaller, in the size at which
// it is as wide as the room, on the same baseline as the line's other texts, so that it never runs
// into the column beside it or off the paper. Blanks at a text's end take no room. A column with
// no room at all takes its text in its own size. The layout's font and current position are left
// as they were.
namespace FittedText {

// The least room kept between a text and the column beside it or the paper's edge, in twips.
constexpr double kGap = 60;

// The width text prints in within room.
double printedWidth(const PrintFont& font, const QString& text, double room);
// Writes text from x on the line whose top is y, within room; returns the width it prints in.
double within(PrintLayout& layout, const QString& text, double x, double y, double room);
// Writes text centred on centre on the line whose top is y, never left of left nor right of
// right; returns the width it prints in.
double centred(PrintLayout& layout, const QString& text, double centre, double y, double left,
               double right);

} // namespace FittedText

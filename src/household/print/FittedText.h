#pragma once

#include "PrintFont.h"

#include <QString>

#include <functional>

class PrintLayout;

// Texts kept within their column: a text wider than its room prints smaller, in the size at which
// it is as wide as the room, on the same baseline as the line's other texts, so that it never runs
// into the column beside it or off the paper. Blanks at a text's end take no room. A column with
// no room at all (its room 0 or less) takes its text in the size at which it is one twip wide. The
// layout's font and current position are left as they were, unless a function says it moves.
namespace FittedText {

// The least room kept between a text and the column beside it or the paper's edge, in twips.
constexpr double kGap = 60;

// A text's room on its line, left to right, in twips.
struct Span {
    double left;
    double right;
};

// The width text prints in within room.
double printedWidth(const PrintFont& font, const QString& text, double room);
// Writes text from x on the line whose top is y, within room; returns the width it prints in.
double within(PrintLayout& layout, const QString& text, double x, double y, double room);
// Writes text centred on centre on the line whose top is y, never left of left nor right of
// right; returns the width it prints in.
double centred(PrintLayout& layout, const QString& text, double centre, double y, double left,
               double right);

// Lines of a printout that never break its page: each writes at the current y and moves under
// the line, one line of the layout's font, to the left margin.
void nextLine(PrintLayout& layout);
// Writes text centred on centre within span, smaller when it is wider; returns the width it
// printed in.
double centredLine(PrintLayout& layout, const QString& text, double centre, Span span);
// Writes text from x to at most right, smaller when it is wider.
void lineWithin(PrintLayout& layout, const QString& text, double x, double right);

// The largest size up to base at which extentAt(size), a printout's height at that size, is at
// most room: at the largest sizes the font dialog offers, even a page's headings would run off
// the paper, and the whole page prints smaller instead. Room of 0 or less has nothing to fit
// and keeps base.
double fittingSize(double base, double room, const std::function<double(double)>& extentAt);

// The height of a line of a font at a size.
double lineHeightAt(PrintFont font, double points);

// The height of a list page's heading over a base size: its title in the base + 2, its date line
// in the base - 2 (in the title's size where the base is 2 or less, a size the font cannot take),
// its column headings in the base, and gaps twips between them.
double headingHeight(const PrintFont& font, double base, double gaps);

} // namespace FittedText

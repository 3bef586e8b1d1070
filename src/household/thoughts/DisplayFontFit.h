#pragma once

#include <functional>

// Shrinking the thought label's font until a test line fits the display panel. The label is
// measured through a callback, so the rule runs without a window.
namespace DisplayFontFit {

// The test line: as wide as the widest thought line the display must hold.
constexpr const char* kTestLine = "NNNNNNNNNNNNNNNNNNNNNNNNNNN";
constexpr double kStep = 0.5;
// The size given to a font that stops getting smaller before it fits.
constexpr double kStuckSize = 14;
// The room the test line must leave on the right once shrinking has begun, in twips.
constexpr double kWidthSpare = 100;

struct Measured {
    double reportedSize; // the size the font really got, in points
    double width;        // the label's size with the test line, in twips
    double height;
};
// Gives the label the font size and measures it.
using Measure = std::function<Measured(double size)>;

struct Panel {
    double width; // twips
    double height;
};

struct Shrunk {
    double size;        // the font size the label keeps
    double lastFitSize; // the size last reported while shrinking; the start value when none ran
    bool stuck;         // the font stopped getting smaller (or fell below 1 point): size is 14
};

// Steps the size down by half points while the label is wider than the panel less the spare
// room, or taller than it. A font whose reported size has not fallen over the last whole point,
// or falls below 1 point, ends the loop with kStuckSize (the measure is then asked for it).
Shrunk shrinkUntilFits(double size, double lastFitSize, Panel panel, const Measure& measure);

struct Fitted {
    double size;
    double fitSize;
};

// The fit of each activation: shrink as above, then never leave a fit size above the label's
// starting size rounded to whole points.
Fitted fitAtActivation(double size, double fitSize, Panel panel, const Measure& measure);

} // namespace DisplayFontFit

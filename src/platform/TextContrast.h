#pragma once

#include <QColor>

class QWidget;

// How well text stands out from what lies under it, by the relative luminance of the two colours
// (the measure screen-reading guidelines use): 1 for equal colours up to 21 for black on white.
namespace TextContrast {

// The least ratio at which ordinary text is read without strain.
constexpr double kReadable = 4.5;

double ratio(const QColor& a, const QColor& b);

// The colour to draw text of the wanted colour in over the background: the wanted colour where
// it stands out enough; else the shade of it nearest to it that does, darker when it is darker
// than the background and lighter when lighter (red on white is drawn a deeper red); else, where
// no shade on that side can (black on blue), black or white, whichever stands out more. Contrast
// goes both ways: with text of a fixed colour, the same call gives the shade of a background.
QColor readable(const QColor& wanted, const QColor& background);

// Draws the widget's text (its window text) in readable(wanted, background).
void showReadable(QWidget& text, const QColor& wanted, const QColor& background);

} // namespace TextContrast

#pragma once

#include <QColor>

// How well text stands out from what lies under it, by the relative luminance of the two colours
// (the measure screen-reading guidelines use): 1 for equal colours up to 21 for black on white.
namespace TextContrast {

// The least ratio at which ordinary text is read without strain.
constexpr double kReadable = 4.5;

double ratio(const QColor& a, const QColor& b);

// The colour to draw text of the wanted colour in over the background: the wanted colour where
// it stands out enough, else black or white, whichever stands out more.
QColor readable(const QColor& wanted, const QColor& background);

} // namespace TextContrast

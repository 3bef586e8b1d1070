#pragma once

#include <functional>

// The largest size, in whole-point steps from size, at which a reference text is no wider than
// the page, with its fraction then cut off. It grows the size while the text is narrower than the
// page, then shrinks it until the text fits; it stays within the font dialog's 1 to 999 points and
// stops when a step no longer changes the measured width, so it always ends.
double autoSizedFont(double size, double pageWidth, const std::function<double(double)>& widthAt);

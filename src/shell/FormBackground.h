#pragma once

#include "StoredVariant.h"

class QColor;
class QWidget;

namespace FormBackground {

// Fills a window's or panel's background with a colour.
void applyColour(QWidget& window, const QColor& colour);

// Applies Background when it is a colour number. A picture stem is no colour: the window keeps its
// colour (activity windows show pictures in their own picture control).
void applyColourOf(QWidget& window, const StoredVariant& background);

} // namespace FormBackground

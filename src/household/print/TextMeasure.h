#pragma once

#include "PrintFont.h"

#include <QString>

// Sizes of text in twips for a print font, at a fixed 1440 dots to the inch, never the screen's.
// Serves layouts and also callers without a document (tab stops of a copied text).
namespace TextMeasure {

double width(const PrintFont& font, const QString& text);
// The height of one line, and the distance from its top to the baseline.
double lineHeight(const PrintFont& font);
double ascent(const PrintFont& font);

} // namespace TextMeasure

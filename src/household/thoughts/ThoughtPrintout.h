#pragma once

#include "PrintLayout.h"
#include "PrintSettings.h"

#include <QString>

// Lays a thought out as a new one-page document in the print font: every line (lines end at a
// carriage return) centred between the margins, or from the left margin and wrapped at words when
// wider, and the whole thought centred between the top and bottom margins. A thought taller than
// the room between them prints in the size at which it fits. A line break at the very end adds
// nothing; two in a row make an empty line. A size, effect or colour that cannot be converted
// stops the layout before the new document starts, and the preview keeps what it showed.
void RenderThoughtPage(PrintLayout& layout, const QString& thought, const PrintSettings& settings);

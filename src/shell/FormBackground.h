#pragma once

#include "ProgramFolder.h"
#include "StoredVariant.h"

class QColor;
class QWidget;

namespace FormBackground {

// Paints a window's background from Background: a colour number, or a text beginning with "WP"
// that names a picture (the text followed by ".jpg" in the program folder). A picture that cannot
// be loaded leaves the desktop's default colour.
void apply(QWidget& window, const StoredVariant& background, const ProgramFolder& folder);

void applyColour(QWidget& window, const QColor& colour);

} // namespace FormBackground

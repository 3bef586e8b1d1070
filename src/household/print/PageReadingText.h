#pragma once

#include "PrintDocument.h"

#include <QString>

// The words of one printed page as a person reads them: the texts in the order the document
// wrote them, those standing on one line side by side joined by a blank, each line on a line of
// its own. Empty for a page the document does not have.
QString pageReadingText(const PrintDocument& document, int pageIndex);
